#include "archive/catalogue.h"

#include <algorithm>

#include "archive/file_types.h"

namespace archive {

std::string full_name_of(const entry_type& entry) {
  std::string full = entry.path;
  std::replace(full.begin(), full.end(), '\\', '/');
  return full + entry.name;
}

namespace {
// Appends value / unit with two decimals, rounded to nearest, in exact integer arithmetic.
void append_fixed_two(std::string& out, std::int64_t value, std::int64_t unit, char separator) {
  const std::int64_t hundredths = (value * 100 + unit / 2) / unit;
  out += std::to_string(hundredths / 100);
  out += separator;
  out += static_cast<char>('0' + hundredths % 100 / 10);
  out += static_cast<char>('0' + hundredths % 10);
}

void append_size_text(std::string& out, std::int32_t data_size, char decimal_separator) {
  constexpr std::int64_t kib = 1024;
  constexpr std::int64_t mib = 1024 * 1024;
  if (data_size <= kib) {
    out += std::to_string(data_size);
    out += " Bytes";
  } else if (data_size <= mib) {
    append_fixed_two(out, data_size, kib, decimal_separator);
    out += " KB";
  } else {
    append_fixed_two(out, data_size, mib, decimal_separator);
    out += " MB";
  }
}
}  // namespace

std::string size_text(std::int32_t data_size, char decimal_separator) {
  std::string text;
  append_size_text(text, data_size, decimal_separator);
  return text;
}

void append_row_text(std::string& out, const entry_type& entry, char decimal_separator, const std::string& marker) {
  out += marker;
  out += '|';
  out += entry.path;
  out += '|';
  out += entry.name;
  out += '|';
  append_size_text(out, entry.data_size, decimal_separator);
  out += '|';
  out += type_label_of(extension_of(entry.name));
}

std::string row_text(const entry_type& entry, char decimal_separator, const std::string& marker) {
  std::string row;
  append_row_text(row, entry, decimal_separator, marker);
  return row;
}

}  // namespace archive
