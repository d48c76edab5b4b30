#pragma once
// Entry names are stored as UTF-16LE units. The program keeps the low byte
// of each unit and reads it as Windows-1252 (the code page of the game's
// market), holding the result as UTF-8. The stored bytes themselves are never
// re-encoded: the writer copies them raw.
#include <cstddef>
#include <string>
#include <string_view>

namespace archive {

// The low byte of each of `units` UTF-16LE units at `bytes`.
std::string low_bytes_of_units(const unsigned char* bytes, std::size_t units);

// A Windows-1252 text as UTF-8. Bytes that the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number.
std::string windows1252_to_utf8(std::string_view text);

}  // namespace archive
