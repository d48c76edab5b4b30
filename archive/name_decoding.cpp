#include "archive/name_decoding.h"

#include <array>
#include <cstdint>

namespace archive {

namespace {
// Code points of 0x80 to 0x9F; the rest of the page equals Latin-1.
constexpr std::array<std::uint16_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}
}  // namespace

std::string low_bytes_of_units(const unsigned char* bytes, std::size_t units) {
  std::string text(units, '\0');
  for (std::size_t i = 0; i < units; ++i) text[i] = static_cast<char>(bytes[2 * i]);
  return text;
}

std::string windows1252_to_utf8(std::string_view text) {
  // Names are nearly always plain ASCII, which needs no conversion.
  bool ascii = true;
  for (const char c : text) ascii &= static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(text);

  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else if (byte < 0xA0) {
      append_utf8(out, high_controls[byte - 0x80]);
    } else {
      append_utf8(out, byte);
    }
  }
  return out;
}

}  // namespace archive
