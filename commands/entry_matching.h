#pragma once
// How the command line names entries: the full stored name with "/"
// ("textures/wall.bmp"), "#N" for row N counted from 1, or a pattern where
// "*" stands for any run of characters ("/" included) and "?" for one.
#include <cstddef>
#include <string_view>
#include <vector>

#include "archive/catalogue.h"

namespace commands {

// Rows of the catalogue that the selector names, in catalogue order.
std::vector<std::size_t> match_entries(const archive::catalogue& cat, std::string_view selector);

// Whether `text` matches `pattern` ("*" and "?" as above; every other character stands for itself).
bool wildcard_match(std::string_view pattern, std::string_view text);

}  // namespace commands
