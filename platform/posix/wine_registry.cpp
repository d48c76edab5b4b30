#include "platform/posix/wine_registry.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "platform/platform_error.h"
#include "platform/posix/wine_prefix.h"
#include "platform/registry.h"

namespace platform {

namespace {

bool same_text_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

void append_utf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | ((code >> 12) & 0x0F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// A quoted text of the file, from just after its opening quote. Sets `end`
// after the closing quote. Escapes: \\ \" \n \r \t \0 and \xHHHH.
std::string unquote(std::string_view line, std::size_t start, std::size_t& end) {
  std::string out;
  std::size_t i = start;
  for (; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] != '\\' || i + 1 >= line.size()) {
      out.push_back(line[i]);
      continue;
    }
    const char next = line[++i];
    if (next == 'n') out.push_back('\n');
    else if (next == 'r') out.push_back('\r');
    else if (next == 't') out.push_back('\t');
    else if (next == '0') out.push_back('\0');
    else if (next == 'x') {
      unsigned code = 0;
      std::size_t digits = 0;
      while (digits < 4 && i + 1 < line.size() && std::isxdigit(static_cast<unsigned char>(line[i + 1]))) {
        code = code * 16 + static_cast<unsigned>(std::stoi(std::string(1, line[++i]), nullptr, 16));
        ++digits;
      }
      append_utf8(out, code);
    } else {
      out.push_back(next);
    }
  }
  end = i + 1;
  return out;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// The key name of a "[key] timestamp" line, unescaped ("\\" stands for one backslash).
std::optional<std::string> key_of(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  std::string key;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] == ']') return key;
    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '\\') ++i;
    key.push_back(line[i]);
  }
  return std::nullopt;
}

reg_value value_in_key(std::string_view contents, std::size_t from, std::string_view value) {
  std::istringstream lines{std::string(contents.substr(from))};
  std::string raw;
  while (std::getline(lines, raw)) {
    const std::string_view line = trim(raw);
    if (!line.empty() && line.front() == '[') break;  // the next key
    if (line.size() < 2 || line.front() != '"') continue;
    std::size_t after_name = 0;
    const std::string name = unquote(line, 1, after_name);
    if (!same_text_ignoring_case(name, value)) continue;
    std::string_view data = trim(line.substr(std::min(after_name, line.size())));
    if (data.empty() || data.front() != '=') continue;
    data = trim(data.substr(1));
    for (std::string_view text_prefix : {"\"", "str(2):\"", "str(1):\"", "str:\""}) {
      if (data.substr(0, text_prefix.size()) == text_prefix) {
        std::size_t end = 0;
        std::string text = unquote(data, text_prefix.size(), end);
        text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
        return {reg_value_kind::text, text};
      }
    }
    return {reg_value_kind::other, {}};
  }
  return {};
}

}  // namespace

reg_value find_registry_value(std::string_view contents, std::initializer_list<std::string_view> keys,
                              std::string_view value) {
  for (const std::string_view wanted : keys) {
    std::size_t line_start = 0;
    while (line_start < contents.size()) {
      std::size_t line_end = contents.find('\n', line_start);
      if (line_end == std::string_view::npos) line_end = contents.size();
      const auto key = key_of(trim(contents.substr(line_start, line_end - line_start)));
      if (key && same_text_ignoring_case(*key, wanted)) return value_in_key(contents, line_end + 1 > contents.size() ? contents.size() : line_end + 1, value);
      line_start = line_end + 1;
    }
  }
  return {};
}

std::string read_machine_string(const std::string& key, const std::string& value, const std::string& fallback) {
  std::ifstream file(wine_prefix() + "/system.reg", std::ios::binary);
  if (!file) return fallback;
  std::ostringstream contents;
  contents << file.rdbuf();

  // A 32-bit program's view of HKLM\Software lives under Wow6432Node in a 64-bit prefix.
  std::string redirected = key;
  if (same_text_ignoring_case(std::string_view(key).substr(0, 9), "SOFTWARE\\"))
    redirected = key.substr(0, 9) + "Wow6432Node\\" + key.substr(9);
  const reg_value found = find_registry_value(contents.str(), {redirected, key}, value);
  if (found.kind == reg_value_kind::other) throw platform_error("Invalid data type for '" + value + "'");
  return found.kind == reg_value_kind::text ? found.text : fallback;
}

}  // namespace platform
