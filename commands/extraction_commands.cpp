#include "commands/extraction_commands.h"

namespace commands {

void selected_to_original(archive::session&, const platform::seams&) {}
void selected_to_specified(archive::session&, const platform::seams&) {}
void all_to_original(archive::session&, const platform::seams&) {}
void all_to_specified(archive::session&, const platform::seams&) {}

}  // namespace commands
