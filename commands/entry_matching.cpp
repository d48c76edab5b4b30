#include "commands/entry_matching.h"

#include <charconv>

namespace commands {

bool wildcard_match(std::string_view pattern, std::string_view text) {
  // Greedy match with one backtrack point: linear in practice, never exponential.
  std::size_t p = 0, t = 0, star = std::string_view::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
      ++p, ++t;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::size_t> match_entries(const archive::catalogue& cat, std::string_view selector) {
  std::vector<std::size_t> rows;
  if (selector.size() > 1 && selector.front() == '#') {
    std::size_t number = 0;
    const auto digits = selector.substr(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error == std::errc() && end == digits.data() + digits.size() && number >= 1 && number <= cat.entries.size())
      rows.push_back(number - 1);
    return rows;
  }
  const bool is_pattern = selector.find_first_of("*?") != std::string_view::npos;
  for (std::size_t row = 0; row < cat.entries.size(); ++row) {
    const std::string full = archive::full_name_of(cat.entries[row]);
    if (is_pattern ? wildcard_match(selector, full) : full == selector) rows.push_back(row);
  }
  return rows;
}

}  // namespace commands
