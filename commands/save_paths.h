#pragma once
// The names that a save uses: the backup directory under the game's
// directory, the numbered backup, the temporary file beside the archive.
// Paths are program-form texts joined as they stand; nothing is trimmed.
#include <cstdint>
#include <string>

#include "platform/files.h"

namespace commands {

// game_directory + "\packs\Stowix Backups\": with the usual trailing
// backslash of the game directory, two backslashes in a row.
std::string backup_directory_of(const std::string& game_directory);

// The archive's file name without its directory ("\" or "/" ends a directory).
std::string file_name_of(const std::string& path);
// The directory that holds the archive, as the text names it ("." for a bare name).
std::string directory_of(const std::string& path);

// base + "." + number.
std::string numbered(const std::string& base, std::int64_t number);
// The smallest number from `from` upward whose backup file does not exist.
std::int64_t first_free_number(platform::files& fs, const std::string& base, std::int64_t from = 1);

// archive path + ".Stowix".
std::string temporary_path_of(const std::string& archive_path);

}  // namespace commands
