#include "platform/fatal.h"

#include <cstdio>
#include <unistd.h>

namespace platform {
namespace {
fatal_display& display_slot() {
  static fatal_display display;
  return display;
}
fatal_handler& handler_slot() {
  static fatal_handler handler;
  return handler;
}
}  // namespace

void set_fatal_display(fatal_display display) { display_slot() = std::move(display); }
void set_fatal_handler(fatal_handler handler) { handler_slot() = std::move(handler); }

void fatal_end(std::string_view message) {
  if (handler_slot()) {
    handler_slot()(message);  // a test handler throws; if it returns we still end below
  } else if (display_slot()) {
    display_slot()(message);
  } else {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
  }
  std::fflush(nullptr);
  _exit(1);
}

}  // namespace platform
