#include "support/pak_builder.h"

#include <fstream>
#include <iterator>

namespace testing_support {

namespace {
void put32(bytes& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>(bits >> shift));
}

std::int32_t header_length_of(const pak_entry& e) { return static_cast<std::int32_t>(14 + 2 * e.name_units.size()); }

void put_record_header(bytes& out, const pak_entry& e) {
  const auto size = e.data_size.value_or(static_cast<std::int32_t>(e.data.size()));
  put32(out, e.record_length.value_or(header_length_of(e) + static_cast<std::int32_t>(e.data.size())));
  out.insert(out.end(), e.opaque.begin(), e.opaque.end());
  put32(out, size);
  out.push_back(static_cast<unsigned char>(e.name_units.size()));
  for (const auto unit : e.name_units) {
    out.push_back(static_cast<unsigned char>(unit & 0xFF));
    out.push_back(static_cast<unsigned char>(unit >> 8));
  }
}
}  // namespace

std::vector<std::uint16_t> units_of(const std::string& text) {
  std::vector<std::uint16_t> units;
  for (const char c : text) units.push_back(static_cast<unsigned char>(c));
  return units;
}

pak_entry entry(const std::string& name, const std::string& data) {
  pak_entry e;
  e.name_units = units_of(name);
  e.data.assign(data.begin(), data.end());
  return e;
}

pak_builder& pak_builder::add(const std::string& name, const std::string& data) { return add(entry(name, data)); }

pak_builder& pak_builder::add(pak_entry e) {
  entries.push_back(std::move(e));
  return *this;
}

bytes pak_builder::build() const {
  bytes out = {'K', 'A', 'P', 'B'};
  bytes data_area, directory;
  for (const auto& e : entries) {
    put_record_header(data_area, e);
    data_area.insert(data_area.end(), e.data.begin(), e.data.end());
    put_record_header(directory, e);
  }
  put32(out, directory_offset.value_or(static_cast<std::int32_t>(128 + data_area.size())));
  put32(out, directory_size.value_or(static_cast<std::int32_t>(directory.size())));
  out.insert(out.end(), header_rest.begin(), header_rest.end());
  out.insert(out.end(), data_area.begin(), data_area.end());
  out.insert(out.end(), directory.begin(), directory.end());
  if (trailer) {
    out.resize(out.size() + (16 - out.size() % 16) % 16 + 16, 0);
    const std::string text = "!  created by  !!  Qel Stowix  !";
    out.insert(out.end(), text.begin(), text.end());
    out.resize(out.size() + 16, 0);
  }
  return out;
}

std::int64_t data_offset_of(const pak_builder& builder, std::size_t k) {
  std::int64_t offset = 128;
  for (std::size_t i = 0; i < k; ++i) offset += 14 + 2 * builder.entries[i].name_units.size() + builder.entries[i].data.size();
  return offset + 14 + 2 * static_cast<std::int64_t>(builder.entries[k].name_units.size());
}

std::string write_file(const std::string& path, const bytes& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
  return path;
}

std::string write_file(const std::string& path, const std::string& content) {
  return write_file(path, bytes(content.begin(), content.end()));
}

bytes read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
