#pragma once
// Which items of the entry list's context menu are offered for the current
// selection. Only these three items ever change; all others stay enabled.
#include "platform/window_seams.h"

namespace commands {

struct popup_menu_state {
  bool info_on_selected = false;   // exactly one row selected
  bool selected_by_file = false;   // exactly one row selected
  bool remove_marker = false;      // a selected row shows the marker " * "
};

popup_menu_state popup_menu_state_of(const platform::list_box& list);

}  // namespace commands
