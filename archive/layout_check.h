#pragma once
// What the writer needs of the archive it rewrites: the data records packed
// from offset 128 in directory order, the directory directly after the last
// data record, every record header 14 + 2 x name_length bytes long, no
// negative length, and a file long enough to hold it all.
#include <optional>
#include <string>
#include <vector>

#include "archive/catalogue.h"
#include "platform/files.h"

namespace archive {

// The first problem found, as a sentence that names it; nullopt when the
// archive at `path` meets every need and still matches the catalogue that
// was loaded from it. A failed open or a short read ends the program with
// "Error reading the file", as every read of the archive does.
std::optional<std::string> check_layout(platform::files& fs, const std::string& path,
                                        const std::vector<entry_type>& entries);

}  // namespace archive
