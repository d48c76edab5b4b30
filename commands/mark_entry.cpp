#include "commands/mark_entry.h"

namespace commands {

void mark_entry(archive::session& state, const platform::seams& seams, std::size_t row, const std::string& file) {
  archive::entry_type& entry = state.cat.entries.at(row);
  entry.marked = true;
  entry.replacement = file;
  seams.list.set_marker(row, marker_text);
  seams.list.set_selected(row);
  seams.window.set_save_enabled(true);
}

}  // namespace commands
