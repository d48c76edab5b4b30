#include "archive/load_archive.h"

#include <new>

#include "archive/directory_reader.h"
#include "platform/fatal.h"

namespace archive {

void release_catalogue(session& state) {
  std::vector<entry_type>().swap(state.cat.entries);
}

bool load_archive(session& state, const std::string& path, const platform::seams& seams) {
  platform::files& fs = seams.fs;
  const platform::file_handle file = fs.open_read(path);  // a failed open shows at the first read

  switch (read_signature(fs, file)) {
    case signature_result::short_read:
      platform::fatal_end(platform::msg_error_reading);
    case signature_result::not_pak:
      fs.close(file);
      seams.window.show_message(msg_not_pak);
      return false;
    case signature_result::pak:
      break;
  }

  seams.window.set_status(" Busy...");
  seams.window.set_file_label(" " + path, false);

  std::vector<entry_type> entries;
  bool complete = false;
  try {
    complete = read_directory(fs, file, entries);
  } catch (const std::bad_alloc&) {
    platform::fatal_end(platform::msg_memory);
  }
  if (!complete) platform::fatal_end(platform::msg_error_reading);
  fs.close(file);

  release_catalogue(state);
  state.cat.entries = std::move(entries);
  state.archive_path = path;

  seams.list.set_enabled(true);
  seams.list.reset_rows(state.cat.entries.size());
  if (!state.cat.entries.empty()) {
    seams.list.set_item_index(0);
    seams.list.set_selected(0);
  }
  seams.window.set_save_enabled(false);
  seams.window.set_status(" Package opened, " + std::to_string(state.cat.entries.size()) +
                          " entries found and analyzed. Right-click on a list entry for options.");
  return true;
}

}  // namespace archive
