#include "archive/entry_name_safety.h"

#include <cstdio>

namespace archive {

namespace {

// The code of the control character at text[i] and its length in bytes, or
// a length of 0 when there is none. Names are UTF-8: C1 controls are
// U+0080..U+009F, encoded as C2 80..C2 9F.
std::pair<unsigned, std::size_t> control_at(std::string_view text, std::size_t i) {
  const auto byte = static_cast<unsigned char>(text[i]);
  if (byte < 0x20 || byte == 0x7F) return {byte, 1};
  if (byte == 0xC2 && i + 1 < text.size()) {
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if (next >= 0x80 && next <= 0x9F) return {next, 2};
  }
  return {0, 0};
}

bool has_control(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (control_at(text, i).second != 0) return true;
  return false;
}

bool only_dots(std::string_view component) {
  return !component.empty() && component.find_first_not_of('.') == std::string_view::npos;
}

name_fault component_fault(std::string_view component) {
  if (only_dots(component)) return name_fault::dot_component;
  if (component.find(':') != std::string_view::npos) return name_fault::drive_or_stream;
  return name_fault::none;
}

}  // namespace

name_fault name_fault_of(const entry_type& entry) {
  const std::string_view path = entry.path;
  const std::string_view name = entry.name;
  if (has_control(path) || has_control(name)) return name_fault::control_character;
  if (name.empty()) return name_fault::empty_name;
  if (!path.empty() && path.front() == '\\') return name_fault::rooted;
  // A backslash in `path` is a separator already: the catalogue keeps each
  // stored component followed by one. In `name` it would become one.
  if (name.find('\\') != std::string_view::npos) return name_fault::backslash_in_name;

  for (std::size_t start = 0; start < path.size();) {
    const std::size_t end = path.find('\\', start);
    if (const auto fault = component_fault(path.substr(start, end - start)); fault != name_fault::none) return fault;
    start = end + 1;
  }
  return component_fault(name);
}

std::string printable_name_of(const entry_type& entry) {
  const std::string full = full_name_of(entry);
  std::string shown;
  shown.reserve(full.size());
  for (std::size_t i = 0; i < full.size();) {
    const auto [code, length] = control_at(full, i);
    if (length == 0) {
      shown += full[i++];
      continue;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", code);
    shown += escape;
    i += length;
  }
  return shown;
}

}  // namespace archive
