#pragma once
// The question before a save, and the list of the replacements it will make.
#include <string>

#include "archive/catalogue.h"
#include "platform/files.h"

namespace commands {

inline constexpr const char* save_caption = "Save to Pak";

std::string confirmation_text(const std::string& archive_path, const std::string& backup_path);

// One line per marked entry, in catalogue order: its full name, its size
// now, the replacement's size and the replacement's path; a replacement
// that is gone or cannot be opened is said to be so. Lines end with "\n".
std::string pending_replacements(const archive::session& state, platform::files& fs);

}  // namespace commands
