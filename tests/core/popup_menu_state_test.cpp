// The context menu's three changing items against the selection and the markers.
#include <gtest/gtest.h>

#include "commands/popup_menu_state.h"
#include "platform/memory_list.h"

using commands::popup_menu_state_of;

TEST(popup_menu_state, follows_selection_and_markers) {
  const struct {
    const char* why;
    std::vector<std::size_t> selected;
    std::vector<std::size_t> marked;
    bool single;
    bool remove;
  } cases[] = {
      {"no row selected", {}, {1}, false, false},
      {"one unmarked row", {0}, {}, true, false},
      {"one marked row", {1}, {1}, true, true},
      {"two rows, one marked", {0, 1}, {1}, false, true},
      {"one unmarked row while unselected rows are marked", {0}, {1, 2, 3}, true, false},
      {"the marked row is the last of many", {0, 1, 2, 3}, {3}, false, true},
  };
  for (const auto& c : cases) {
    platform::memory_list list;
    list.reset_rows(4);
    for (const auto row : c.marked) list.set_marker(row, " * ");
    list.select_only(c.selected);
    const auto state = popup_menu_state_of(list);
    EXPECT_EQ(state.info_on_selected, c.single) << c.why;
    EXPECT_EQ(state.selected_by_file, c.single) << c.why;
    EXPECT_EQ(state.remove_marker, c.remove) << c.why;
  }
}

TEST(popup_menu_state, only_the_exact_marker_counts) {
  // A marker field of other text (" *", "*") is not the mark of a replacement.
  platform::memory_list list;
  list.reset_rows(3);
  list.set_marker(0, " *");
  list.set_marker(1, "*");
  list.set_marker(2, " *  ");
  list.select_only({0, 1, 2});
  EXPECT_FALSE(popup_menu_state_of(list).remove_marker);
}
