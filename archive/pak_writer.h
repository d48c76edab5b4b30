#pragma once
// Writing an archive anew: the old archive's header, data records and
// directory, with the data of every marked entry taken from its replacement
// file, then our trailer. The old archive must have the packed layout that
// check_layout confirms; it is read strictly front to back.
#include <cstdint>
#include <functional>
#include <vector>

#include "archive/catalogue.h"
#include "platform/files.h"

namespace archive {

// The largest archive, entry and offset that the 32-bit fields can hold.
inline constexpr std::int64_t largest_pak_size = 0x7FFF'FFFF;

// Per entry, the size of the file that replaces its data, or keep_entry for
// an entry that is copied as it is (unmarked, or its file is gone).
using replacement_sizes = std::vector<std::int64_t>;
inline constexpr std::int64_t keep_entry = -1;

// Where the directory of the new archive begins: 128 plus every new record length.
std::int64_t new_directory_offset(const std::vector<entry_type>& entries, const replacement_sizes& sizes);
// The whole length of the new archive, trailer included.
std::int64_t new_archive_length(const std::vector<entry_type>& entries, const replacement_sizes& sizes);
// Zero bytes that bring a length to the next multiple of 16.
std::int64_t trailer_padding(std::int64_t length);

struct write_result {
  std::int32_t replaced = 0;     // marked entries written with new data
  std::int64_t bytes_written = 0;
};

// Writes the new archive to `out` (a new, empty file) from `in` (the old
// archive, open at any position); an entry with a size is replaced by the
// whole of its `replacement` file. A short read ends the program with
// "Error reading the file", a short write with "Error writing the file", a
// copy buffer that cannot be had with the memory message. A replacement file
// that cannot be opened throws platform_error("Cannot open file ...").
// `progress` hears the bytes written so far.
write_result write_archive(platform::files& fs, platform::file_handle in, platform::file_handle out,
                           const std::vector<entry_type>& entries, const replacement_sizes& sizes,
                           const std::function<void(std::int64_t written)>& progress = {});

}  // namespace archive
