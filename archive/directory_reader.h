#pragma once
// Reading an archive's header and directory into catalogue entries.
#include <vector>

#include "archive/catalogue.h"
#include "platform/files.h"

namespace archive {

enum class signature_result { pak, not_pak, short_read };

// Reads the first 4 bytes of an open file and compares them with "KAPB".
signature_result read_signature(platform::files& fs, platform::file_handle file);

// Reads directory_offset and directory_size (the file stands at offset 4),
// seeks to the directory and walks it: while the read position is below
// offset + size, one record; a record that reaches past the end is read
// whole and is the last. Nothing is checked against the file's length.
// Returns false on a short read or a failed seek.
bool read_directory(platform::files& fs, platform::file_handle file, std::vector<entry_type>& entries);

}  // namespace archive
