#include "commands/popup_menu_state.h"

namespace commands {

popup_menu_state popup_menu_state_of(const platform::list_box& list) {
  popup_menu_state state;
  const bool one_selected = list.selected_count() == 1;
  state.info_on_selected = one_selected;
  state.selected_by_file = one_selected;
  // Only selected rows count, so walking the selection gives the same answer
  // as walking every row, without touching a million unselected ones.
  for (const std::size_t row : list.selected_rows()) {
    if (list.marker(row) == " * ") {
      state.remove_marker = true;
      break;
    }
  }
  return state;
}

}  // namespace commands
