#pragma once
#include "platform/files.h"
#include "platform/window_seams.h"

namespace platform {

// Everything a command reaches outside the core.
struct seams {
  files& fs;
  list_box& list;
  main_window& window;
};

}  // namespace platform
