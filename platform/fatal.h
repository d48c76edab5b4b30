#pragma once
// The fatal end: a plain message box (or a line on standard error), then the
// process ends at once with exit code 1. Nothing is cleaned up on the way.
#include <functional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view msg_error_reading = "Error reading the file";
inline constexpr std::string_view msg_error_writing = "Error writing the file";
inline constexpr std::string_view msg_memory = "Memory allocation error, quitting.";
inline constexpr std::string_view msg_create_dirs = "Error creating output directories.";

// Shows the message to the user. The window program installs a message box;
// the command-line program writes to standard error.
using fatal_display = std::function<void(std::string_view message)>;
void set_fatal_display(fatal_display display);

// Tests replace the whole end (display and exit) by a handler that throws.
using fatal_handler = std::function<void(std::string_view message)>;
void set_fatal_handler(fatal_handler handler);

[[noreturn]] void fatal_end(std::string_view message);

// While alive, a fatal end first runs `cleanup` (the latest registered
// first), so that it leaves no half-written file behind.
class on_fatal_end {
 public:
  explicit on_fatal_end(std::function<void()> cleanup);
  ~on_fatal_end();
  on_fatal_end(const on_fatal_end&) = delete;
  on_fatal_end& operator=(const on_fatal_end&) = delete;
};

}  // namespace platform
