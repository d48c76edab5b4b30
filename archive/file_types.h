#pragma once
// Display texts for an entry's file type, looked up by its extension.
#include <string>
#include <string_view>

namespace archive {

// The text after the last "."; a name without "." is its own extension.
std::string_view extension_of(std::string_view name);

// The short label of the list's "type" column; empty when none is known.
std::string_view type_label_of(std::string_view extension);

// The longer description of the entry report; "None." when none is known.
std::string_view type_description_of(std::string_view extension);

}  // namespace archive
