#include "platform/posix/wine_prefix.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

std::string wine_prefix() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && prefix[0] != '\0') return prefix;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.wine";
}

std::string native_from_program_path(const std::string& path, const std::string& prefix) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  const bool has_drive = native.size() >= 2 && native[1] == ':' &&
                         std::isalpha(static_cast<unsigned char>(native[0])) != 0;
  if (!has_drive) return native;

  const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(native[0])));
  std::string rest = native.substr(2);
  if (!rest.empty() && rest.front() != '/') rest.insert(rest.begin(), '/');

  const std::string device = prefix + "/dosdevices/" + drive + ":";
  std::error_code ignored;
  if (std::filesystem::exists(device, ignored)) return device + rest;
  if (drive == 'c') return prefix + "/drive_c" + rest;
  return device + rest;  // no such drive: the path names nothing, and opening it fails
}

}  // namespace platform
