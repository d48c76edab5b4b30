#include "commands/extraction_commands.h"

#include <numeric>

#include "commands/extraction_walk.h"

namespace commands {

namespace {

std::vector<std::size_t> all_rows(const platform::list_box& list) {
  std::vector<std::size_t> rows(list.row_count());
  std::iota(rows.begin(), rows.end(), std::size_t{0});
  return rows;
}

void to_original(const archive::session& state, const platform::seams& seams, const std::vector<std::size_t>& rows) {
  extract_rows(state, seams, rows, {target_mode::original, {}, overwrite_policy::ask});
}

// A dialog that is not confirmed ends the command without any change.
void to_chosen(const archive::session& state, const platform::seams& seams, bool selected_only) {
  const auto directory = seams.window.choose_directory();
  if (!directory) return;
  const auto rows = selected_only ? seams.list.selected_rows() : all_rows(seams.list);
  extract_rows(state, seams, rows, {target_mode::chosen_flat, *directory, overwrite_policy::ask});
}

}  // namespace

void selected_to_original(archive::session& state, const platform::seams& seams) {
  to_original(state, seams, seams.list.selected_rows());
}

void selected_to_specified(archive::session& state, const platform::seams& seams) { to_chosen(state, seams, true); }

void all_to_original(archive::session& state, const platform::seams& seams) {
  to_original(state, seams, all_rows(seams.list));
}

void all_to_specified(archive::session& state, const platform::seams& seams) { to_chosen(state, seams, false); }

}  // namespace commands
