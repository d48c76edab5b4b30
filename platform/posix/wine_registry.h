#pragma once
// Reading a value from a Wine prefix's system.reg, the stand-in for
// HKEY_LOCAL_MACHINE on Linux.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class reg_value_kind { missing, text, other };

struct reg_value {
  reg_value_kind kind = reg_value_kind::missing;
  std::string text;  // UTF-8, up to the first NUL, for kind text
};

// Looks up `value` in the first of `keys` that the file holds (key and value
// names compared without regard to case). `contents` is the whole file.
reg_value find_registry_value(std::string_view contents, std::initializer_list<std::string_view> keys,
                              std::string_view value);

}  // namespace platform
