#pragma once
// The catalogue: the open archive's entries in directory order. Row k of the
// entry list shows entry k.
#include <cstdint>
#include <string>
#include <vector>

namespace archive {

struct entry_type {
  std::int32_t record_length = 0;
  std::int32_t header_length = 0;  // record_length - data_size
  std::int32_t name_length = 0;    // UTF-16 units of the stored name, 0 to 255
  std::int32_t data_size = 0;
  std::int32_t data_offset = 0;    // absolute offset of the data in the archive file
  std::string path;                // directory part, each component followed by "\"
  std::string name;                // the last component
  bool marked = false;
  std::string replacement;         // the file that replaces the data at the next save
};

struct catalogue {
  std::vector<entry_type> entries;

  // The number of entries minus 1; -1 when none are held.
  std::int64_t last_entry_index() const { return static_cast<std::int64_t>(entries.size()) - 1; }
};

// What the window holds between commands.
struct session {
  catalogue cat;
  std::string archive_path;                  // the open archive; empty when none is open
  std::string game_directory = "C:\\temp\\";  // ends with a backslash by convention
  char decimal_separator = '.';
};

// The entry's stored name with "/" between components ("textures/wall.bmp").
std::string full_name_of(const entry_type& entry);

// "1024 Bytes", "1.50 KB", "1.00 MB".
std::string size_text(std::int32_t data_size, char decimal_separator);

// The row of an entry as the list holds it: marker, path, name, size text and
// type label joined by "|".
std::string row_text(const entry_type& entry, char decimal_separator, const std::string& marker = {});
// The same row appended to `out`, for callers that print many rows.
void append_row_text(std::string& out, const entry_type& entry, char decimal_separator, const std::string& marker = {});

}  // namespace archive
