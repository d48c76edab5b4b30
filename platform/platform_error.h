#pragma once
// Errors that the window shows in its exception display and then goes on:
// "Cannot open file %s", "Invalid data type for '%s'", and the failures of a
// save that must not be reported as success.
#include <stdexcept>
#include <string>

namespace platform {

class platform_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform
