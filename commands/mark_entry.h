#pragma once
// Marking one entry, as every marking command and `stowix-cli replace` do it.
#include <cstddef>
#include <string>

#include "archive/catalogue.h"
#include "platform/seams.h"

namespace commands {

inline constexpr const char* marker_text = " * ";

// Marks the entry of `row` for replacement by `file`: the entry's fields, the
// row's marker and selection, and the save button. A marked entry is marked again.
void mark_entry(archive::session& state, const platform::seams& seams, std::size_t row, const std::string& file);

}  // namespace commands
