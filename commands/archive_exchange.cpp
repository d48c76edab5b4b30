#include "commands/archive_exchange.h"

#include "archive/block_copy.h"
#include "commands/save_paths.h"

namespace commands {

namespace {

// Link and create calls that may fail because someone takes the name first.
constexpr int attempts = 100;

bool name_taken(platform::files& fs, const std::string& path) {
  return fs.file_exists(path) || fs.directory_exists(path);
}

std::string failed(platform::files& fs, const std::string& what) {
  const std::string reason = fs.last_error();
  return what + (reason.empty() ? std::string() : " (" + reason + ")");
}

struct closing {
  platform::files& fs;
  platform::file_handle file;
  ~closing() { fs.close(file); }
};

// Writes a full copy into the new file `backup` and syncs it. Empty on success.
std::string copy_into(platform::files& fs, const std::string& archive_path, platform::file_handle backup,
                      const std::string& backup_path, const backup_progress& progress) {
  const platform::file_handle archive = fs.open_read(archive_path);
  if (archive == platform::no_file) return failed(fs, "the archive " + archive_path + " could not be opened");
  const closing close_archive{fs, archive};
  const std::int64_t length = fs.seek(archive, 0, platform::seek_from::end);
  if (length < 0 || fs.seek(archive, 0, platform::seek_from::start) != 0)
    return failed(fs, "the archive " + archive_path + " could not be read");

  archive::copy_cursor cursor{archive, 0, backup, 0};
  const auto report = [&](std::int64_t) {
    if (progress) progress(cursor.to_position, length);
  };
  switch (archive::copy_bytes(fs, cursor, length, report)) {
    case archive::copy_status::done:
      break;
    case archive::copy_status::short_read:
      return failed(fs, "the archive " + archive_path + " could not be read");
    case archive::copy_status::short_write:
      return failed(fs, "the backup " + backup_path + " could not be written");
    case archive::copy_status::no_memory:
      return "there was not enough memory to copy the archive";
  }
  if (!fs.sync(backup)) return failed(fs, "the backup " + backup_path + " could not be written to disk");
  return {};
}

// Where no second name can be made (another file system, a file system
// without links): a new file with the whole archive in it.
backup_result copy_backup(platform::files& fs, const std::string& archive_path, const std::string& base,
                          std::int64_t number, const backup_progress& progress) {
  for (int attempt = 0; attempt < attempts; ++attempt, number = first_free_number(fs, base, number + 1)) {
    const std::string path = numbered(base, number);
    const platform::file_handle backup = fs.create_new(path);
    if (backup == platform::no_file) continue;  // taken meanwhile (or a link planted there)
    std::string problem;
    {
      const closing close_backup{fs, backup};
      problem = copy_into(fs, archive_path, backup, path, progress);
    }
    if (!problem.empty()) {
      fs.remove_file(path);
      return {{}, problem};
    }
    return {path, {}};
  }
  return {{}, failed(fs, "no backup file could be created in " + directory_of(base))};
}

}  // namespace

backup_result make_backup(platform::files& fs, const std::string& archive_path, const std::string& base,
                          std::int64_t first_number, const backup_progress& progress) {
  std::int64_t number = first_number;
  backup_result result;
  for (int attempt = 0;; ++attempt) {
    const std::string path = numbered(base, number);
    if (fs.link_new(archive_path, path)) {
      result = {path, {}};
      break;
    }
    if (attempt + 1 < attempts && name_taken(fs, path)) {
      number = first_free_number(fs, base, number + 1);
      continue;
    }
    result = copy_backup(fs, archive_path, base, number, progress);
    break;
  }
  if (!result.problem.empty()) return result;

  // The backup's name must be on the disk before the archive's name goes to the new file.
  if (!fs.sync_directory(directory_of(base))) {
    std::string problem = failed(fs, "the backup directory " + directory_of(base) + " could not be written to disk");
    fs.remove_file(result.path);
    return {{}, problem};
  }
  return result;
}

}  // namespace commands
