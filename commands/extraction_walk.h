#pragma once
// The walk that the extraction commands of the window and `stowix-cli
// extract` share: given rows, where their entries go, and what happens to
// targets that exist already.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/catalogue.h"
#include "platform/seams.h"

namespace commands {

enum class target_mode {
  original,       // game_directory + path + name
  chosen_flat,    // chosen directory + "\" + name
  chosen_tree,    // chosen directory + "\" + path + name
};

enum class overwrite_policy {
  ask,  // one question at the first existing target; its answer holds for the rest
  yes,
  no,
};

struct extraction_options {
  target_mode mode = target_mode::original;
  std::string chosen_directory;  // for the chosen modes; "\" is appended as it stands
  overwrite_policy overwrite = overwrite_policy::ask;
};

struct extraction_outcome {
  std::int64_t written = 0;
  std::int64_t left_alone = 0;               // existing targets not replaced
  std::int64_t refused = 0;                  // entries with unsafe names, never written
  std::vector<std::string> first_refused;    // the first few of their names, printable
  bool cancelled = false;
};

inline constexpr const char* overwrite_question_text =
    "At least one of the files you have chosen for export already exists. Do you want to overwrite existing files?";
inline constexpr const char* overwrite_question_caption = "Files already exist, overwrite?";
inline constexpr const char* cancelled_status = "Extraction cancelled.";

// Extracts the entries of `rows` (ascending) as the options say. Marks are
// ignored: the archive's data is written. Entries whose names could write
// outside the target directory are skipped and counted; at the end one
// message names the first few. Shows a progress bar while a run is large.
extraction_outcome extract_rows(const archive::session& state, const platform::seams& seams,
                                const std::vector<std::size_t>& rows, const extraction_options& options);

// The message about skipped entries.
std::string refused_message(const extraction_outcome& outcome);

}  // namespace commands
