#include "commands/entry_report.h"

#include <cstdio>

#include "archive/file_types.h"
#include "archive/pak_format.h"

namespace commands {

namespace {
std::string hex8(std::int32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
  return text;
}
}  // namespace

std::string entry_report_caption(const archive::entry_type& entry) { return "Info on File:  " + entry.name; }

std::string entry_report(const archive::session& state, std::size_t row) {
  const archive::entry_type& entry = state.cat.entries.at(row);
  const std::int32_t end = archive::wrap32(std::int64_t{entry.data_offset} + entry.data_size);  // a 32-bit sum
  std::string report;
  report += "Name: \t\t\t" + entry.name + "\n \n";
  report += "Original path: \t\t" + state.game_directory + entry.path + " \n";
  report += "Stored in: \t\t" + state.archive_path + " \n";
  report += "as entry #: \t\t" + std::to_string(row + 1) + " \n\n";
  report += "Start address: \t\t" + hex8(entry.data_offset) + "  (" + std::to_string(entry.data_offset) + ") \n";
  report += "End address: \t\t" + hex8(end) + "  (" + std::to_string(end) + ") \n";
  report += "Size: \t\t\t" + std::to_string(entry.data_size) + " Bytes \n\n";
  if (entry.marked) report += "To be replaced by: \t" + entry.replacement + "\n\n";
  report += "Additional Info: \n";
  report += archive::type_description_of(archive::extension_of(entry.name));
  report += "\n ";
  return report;
}

std::optional<std::size_t> single_selected_row(const platform::list_box& list) {
  if (list.selected_count() != 1) return std::nullopt;
  return list.selected_rows().front();
}

void info_on_selected(const archive::session& state, const platform::seams& seams) {
  // The report is on the selected row. The focused row can differ from it
  // (Ctrl-click moves the focus without selecting).
  const auto row = single_selected_row(seams.list);
  if (!row || *row >= state.cat.entries.size()) return;
  seams.window.show_report(entry_report(state, *row), entry_report_caption(state.cat.entries[*row]));
}

}  // namespace commands
