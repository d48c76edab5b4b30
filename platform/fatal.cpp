#include "platform/fatal.h"

#include <cstdio>
#include <utility>
#include <vector>
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
std::vector<std::function<void()>>& cleanups() {
  static std::vector<std::function<void()>> registered;
  return registered;
}
}  // namespace

void set_fatal_display(fatal_display display) { display_slot() = std::move(display); }
void set_fatal_handler(fatal_handler handler) { handler_slot() = std::move(handler); }

on_fatal_end::on_fatal_end(std::function<void()> cleanup) { cleanups().push_back(std::move(cleanup)); }
on_fatal_end::~on_fatal_end() { cleanups().pop_back(); }

void fatal_end(std::string_view message) {
  // Latest first, each at most once, even if one ends in a fatal end of its own.
  for (std::size_t k = cleanups().size(); k > 0; --k) {
    if (k > cleanups().size()) continue;
    const auto cleanup = std::exchange(cleanups()[k - 1], std::function<void()>());
    if (cleanup) cleanup();
  }
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
