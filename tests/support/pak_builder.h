#pragma once
// Builds archives in memory for tests: entries with names as raw UTF-16
// units, any header rest, opaque bytes, and fields that lie.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

using bytes = std::vector<unsigned char>;

struct pak_entry {
  std::vector<std::uint16_t> name_units;
  bytes data;
  std::array<unsigned char, 5> opaque = {0x10, 0x20, 0x30, 0x40, 0x50};
  std::optional<std::int32_t> record_length;  // set to lie; else header + data
  std::optional<std::int32_t> data_size;      // set to lie; else data.size()
};

// The units of an ASCII or Latin-1 text, one unit per byte.
std::vector<std::uint16_t> units_of(const std::string& text);

pak_entry entry(const std::string& name, const std::string& data);

struct pak_builder {
  std::vector<pak_entry> entries;
  std::array<unsigned char, 116> header_rest{};
  std::optional<std::int32_t> directory_offset;  // set to lie
  std::optional<std::int32_t> directory_size;    // set to lie
  bool trailer = false;                          // append our writer's trailer

  pak_builder& add(const std::string& name, const std::string& data);
  pak_builder& add(pak_entry e);
  bytes build() const;
};

// Writes bytes to a file; returns the path.
std::string write_file(const std::string& path, const bytes& content);
std::string write_file(const std::string& path, const std::string& content);
bytes read_file(const std::string& path);

// The offset of the directory that build() writes, and the data offset of entry k.
std::int64_t data_offset_of(const pak_builder& builder, std::size_t k);

}  // namespace testing_support
