#pragma once
#include <string>

#include "archive/catalogue.h"
#include "platform/seams.h"

namespace archive {

// Opens the archive at `path` and, when it carries the signature, replaces
// the session's catalogue and the list's rows with its entries. A file
// without the signature is refused with a message and changes nothing.
// A short read or a failed allocation ends the program (fatal_end).
// Returns whether the archive was accepted.
bool load_archive(session& state, const std::string& path, const platform::seams& seams);

// Frees every entry; the list's rows stay until the next load.
void release_catalogue(session& state);

inline constexpr const char* msg_not_pak = "This file is not a Qel PAK file!";

}  // namespace archive
