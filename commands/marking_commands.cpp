#include "commands/marking_commands.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "commands/entry_report.h"
#include "commands/mark_entry.h"

namespace commands {

namespace {

// Rows that have an entry behind them (the list and the catalogue agree after every load).
std::size_t usable_rows(const archive::session& state, const platform::list_box& list) {
  return std::min(list.row_count(), state.cat.entries.size());
}

// Marks each of `rows` whose candidate file exists; rows without one stay as they were.
void mark_by_name(archive::session& state, const platform::seams& seams, const std::vector<std::size_t>& rows,
                  const std::function<std::string(const archive::entry_type&)>& candidate_of) {
  std::size_t marked = 0;
  for (const std::size_t row : rows) {
    if (row >= state.cat.entries.size()) continue;
    const std::string candidate = candidate_of(state.cat.entries[row]);
    if (!seams.fs.file_exists(candidate)) continue;
    mark_entry(state, seams, row, candidate);
    ++marked;
  }
  seams.window.set_status(" " + std::to_string(marked) + " files marked for replacement.");
}

std::vector<std::size_t> selected_rows_of(const archive::session& state, const platform::list_box& list) {
  std::vector<std::size_t> rows = list.selected_rows();
  const std::size_t usable = usable_rows(state, list);
  rows.erase(std::remove_if(rows.begin(), rows.end(), [&](std::size_t row) { return row >= usable; }), rows.end());
  return rows;
}

}  // namespace

void selected_by_file(archive::session& state, const platform::seams& seams) {
  // The one selected row, which the menu offers this command for; the focused
  // row can be another one (Ctrl-click moves the focus without selecting).
  const auto row = single_selected_row(seams.list);
  if (!row || *row >= state.cat.entries.size()) return;
  const auto file = seams.window.choose_replacement_file();
  if (!file) return;
  // No existence test: a file that is gone by then is left out by the save.
  mark_entry(state, seams, *row, *file);
  seams.window.set_status(" File marked for replacement.");
}

void selected_by_original(archive::session& state, const platform::seams& seams) {
  mark_by_name(state, seams, selected_rows_of(state, seams.list),
               [&](const archive::entry_type& entry) { return state.game_directory + entry.path + entry.name; });
}

void selected_by_specified(archive::session& state, const platform::seams& seams) {
  const auto directory = seams.window.choose_directory();
  if (!directory) return;
  mark_by_name(state, seams, selected_rows_of(state, seams.list),
               [&](const archive::entry_type& entry) { return *directory + "\\" + entry.name; });
}

void all_by_original(archive::session& state, const platform::seams& seams) {
  std::vector<std::size_t> rows(usable_rows(state, seams.list));
  std::iota(rows.begin(), rows.end(), std::size_t{0});
  mark_by_name(state, seams, rows,
               [&](const archive::entry_type& entry) { return state.game_directory + entry.path + entry.name; });
}

void remove_marker(archive::session& state, const platform::seams& seams) {
  std::size_t unmarked = 0;
  bool marks_remain = false;
  const std::size_t rows = usable_rows(state, seams.list);
  for (std::size_t row = 0; row < rows; ++row) {
    if (seams.list.marker(row) != marker_text) continue;
    if (!seams.list.is_selected(row)) {
      marks_remain = true;
      continue;
    }
    archive::entry_type& entry = state.cat.entries[row];
    entry.marked = false;
    entry.replacement.clear();
    seams.list.set_marker(row, "");
    seams.list.set_selected(row);
    ++unmarked;
  }
  seams.window.set_save_enabled(marks_remain);
  seams.window.set_status(" " + std::to_string(unmarked) + " files unmarked (will not be replaced).");
}

}  // namespace commands
