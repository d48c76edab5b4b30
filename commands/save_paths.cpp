#include "commands/save_paths.h"

namespace commands {

std::string backup_directory_of(const std::string& game_directory) {
  return game_directory + "\\packs\\Stowix Backups\\";
}

std::string file_name_of(const std::string& path) {
  const auto last = path.find_last_of("\\/");
  return last == std::string::npos ? path : path.substr(last + 1);
}

std::string directory_of(const std::string& path) {
  const auto last = path.find_last_of("\\/");
  return last == std::string::npos ? std::string(".") : path.substr(0, last + 1);
}

std::string numbered(const std::string& base, std::int64_t number) { return base + "." + std::to_string(number); }

std::int64_t first_free_number(platform::files& fs, const std::string& base, std::int64_t from) {
  std::int64_t number = from;
  while (fs.file_exists(numbered(base, number))) ++number;
  return number;
}

std::string temporary_path_of(const std::string& archive_path) { return archive_path + ".Stowix"; }

}  // namespace commands
