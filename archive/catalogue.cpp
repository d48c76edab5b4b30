#include "archive/catalogue.h"

#include <algorithm>
#include <cstdio>

#include "archive/file_types.h"

namespace archive {

std::string full_name_of(const entry_type& entry) {
  std::string full = entry.path;
  std::replace(full.begin(), full.end(), '\\', '/');
  return full + entry.name;
}

namespace {
// value / unit with two decimals, rounded to nearest, in exact integer arithmetic.
std::string fixed_two(std::int64_t value, std::int64_t unit, char separator) {
  const std::int64_t hundredths = (value * 100 + unit / 2) / unit;
  char text[32];
  std::snprintf(text, sizeof text, "%lld%c%02lld", static_cast<long long>(hundredths / 100), separator,
                static_cast<long long>(hundredths % 100));
  return text;
}
}  // namespace

std::string size_text(std::int32_t data_size, char decimal_separator) {
  constexpr std::int64_t kib = 1024;
  constexpr std::int64_t mib = 1024 * 1024;
  if (data_size <= kib) return std::to_string(data_size) + " Bytes";
  if (data_size <= mib) return fixed_two(data_size, kib, decimal_separator) + " KB";
  return fixed_two(data_size, mib, decimal_separator) + " MB";
}

std::string row_text(const entry_type& entry, char decimal_separator, const std::string& marker) {
  std::string row;
  row.reserve(marker.size() + entry.path.size() + entry.name.size() + 32);
  row += marker;
  row += '|';
  row += entry.path;
  row += '|';
  row += entry.name;
  row += '|';
  row += size_text(entry.data_size, decimal_separator);
  row += '|';
  row += type_label_of(extension_of(entry.name));
  return row;
}

}  // namespace archive
