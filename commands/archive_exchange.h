#pragma once
// Putting a newly written archive in the place of the old one so that the
// archive's name always holds one complete archive: first a complete backup
// (a second name for the old file, or a synced copy where a second name is
// impossible), then the new file renamed over the old name in one step.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/files.h"

namespace commands {

struct backup_result {
  std::string path;     // the backup made
  std::string problem;  // what failed; empty when the backup was made
};

// Makes the backup of `archive_path` as base + "." + n, from n = `first_number`
// upward. A name that is taken meanwhile is never replaced: the next number
// is tried. The backup's directory is synced before this returns.
// `progress` hears how far a full copy has come (bytes done of total).
using backup_progress = std::function<void(std::int64_t done, std::int64_t total)>;
backup_result make_backup(platform::files& fs, const std::string& archive_path, const std::string& base,
                          std::int64_t first_number, const backup_progress& progress = {});

}  // namespace commands
