#include "commands/marking_commands.h"

namespace commands {

void selected_by_file(archive::session&, const platform::seams&) {}
void selected_by_original(archive::session&, const platform::seams&) {}
void selected_by_specified(archive::session&, const platform::seams&) {}
void all_by_original(archive::session&, const platform::seams&) {}
void remove_marker(archive::session&, const platform::seams&) {}

}  // namespace commands
