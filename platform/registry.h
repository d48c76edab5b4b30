#pragma once
// The one registry read of the program: a text value under
// HKEY_LOCAL_MACHINE, read-only. On Linux the Wine prefix's system.reg stands
// in for the registry.
#include <string>

namespace platform {

// The value, or fallback when the key or the value does not exist. A value
// that is not text throws platform_error("Invalid data type for '<value>'").
std::string read_machine_string(const std::string& key, const std::string& value,
                                const std::string& fallback);

}  // namespace platform
