#pragma once
// Copies one entry's data from the archive file into directory + name.
#include <string>

#include "archive/catalogue.h"
#include "platform/files.h"
#include "platform/window_seams.h"

namespace archive {

// Where extract_entry reads from and reports to.
struct extraction_source {
  const std::string& archive_path;
  platform::files& fs;
  platform::main_window& window;
  // The archive opened for reading by a caller that extracts many entries in
  // one run; no_file makes each call open (and close) it itself.
  platform::file_handle archive_file = platform::no_file;
};

// Writes the entry's data_size bytes to `directory` + entry.name, creating
// the directory and its missing parents first; `directory` ends with a
// separator. An existing file of that name is replaced without a question.
// The data goes to a fresh temporary file in the same directory that is moved
// over the target only once complete, so a failure never leaves a partial
// file nor harms an existing one. Status: " Busy...", then the success text.
// Every failure ends the program (fatal_end) with one of the four messages;
// it never returns with an error.
void extract_entry(const entry_type& entry, const std::string& directory, const extraction_source& source);

// " " + path + "  successfully written."
std::string success_text(const std::string& output_path);

}  // namespace archive
