#include "commands/save_confirmation.h"

#include "platform/platform_error.h"

namespace commands {

std::string confirmation_text(const std::string& archive_path, const std::string& backup_path) {
  return "Changes (file replacements) will be saved to \n" + archive_path + ".\n\n" +
         "A backup of the current file will be saved to \n" + backup_path + ". \n\n" + "Continue?";
}

namespace {

std::string replacement_state(platform::files& fs, const std::string& path) {
  try {
    const auto size = fs.file_size(path);
    if (!size) return "file not found, entry stays as it is: " + path;
    return std::to_string(*size) + " bytes from " + path;
  } catch (const platform::platform_error&) {
    return "file cannot be opened: " + path;
  }
}

}  // namespace

std::string pending_replacements(const archive::session& state, platform::files& fs) {
  std::string lines;
  for (const auto& entry : state.cat.entries) {
    if (!entry.marked) continue;
    lines += archive::full_name_of(entry) + ": " + std::to_string(entry.data_size) + " bytes -> " +
             replacement_state(fs, entry.replacement) + "\n";
  }
  return lines;
}

}  // namespace commands
