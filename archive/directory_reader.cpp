#include "archive/directory_reader.h"

#include <algorithm>
#include <cstring>

#include "archive/name_decoding.h"
#include "archive/pak_format.h"
#include "archive/sequential_reader.h"
#include "platform/memory_hints.h"

namespace archive {

signature_result read_signature(platform::files& fs, platform::file_handle file) {
  char signature[4];
  if (file == platform::no_file || fs.read(file, signature, 4) != 4) return signature_result::short_read;
  return std::memcmp(signature, pak_signature.data(), 4) == 0 ? signature_result::pak : signature_result::not_pak;
}

namespace {

constexpr std::int64_t max_reserved = 1 << 21;

// The stored name's low bytes, split at "/" into path ("a\\b\\") and name.
void split_name(const unsigned char* units, std::size_t count, std::string& low, entry_type& entry) {
  low.resize(count);
  std::size_t last_slash = std::string::npos;
  for (std::size_t i = 0; i < count; ++i) {
    low[i] = static_cast<char>(units[2 * i]);
    if (low[i] == '/') {
      low[i] = '\\';
      last_slash = i;
    }
  }
  const std::size_t name_start = last_slash == std::string::npos ? 0 : last_slash + 1;
  entry.path = windows1252_to_utf8(std::string_view(low).substr(0, name_start));
  entry.name = windows1252_to_utf8(std::string_view(low).substr(name_start));
}

}  // namespace

bool read_directory(platform::files& fs, platform::file_handle file, std::vector<entry_type>& entries) {
  unsigned char fields[8];
  if (fs.read(file, fields, 8) != 8) return false;
  const std::int64_t directory_offset = read_le32(fields);
  const std::int64_t directory_size = read_le32(fields + 4);

  const std::int64_t file_length = fs.seek(file, 0, platform::seek_from::end);
  std::int64_t position = fs.seek(file, directory_offset, platform::seek_from::start);
  if (position < 0) return false;  // a negative offset cannot be sought

  // Room for every record that the directory can hold, at most what the rest
  // of the file can hold, so that a million entries are not moved about while
  // they come in, and a lying header costs nothing.
  const std::int64_t room = std::min(directory_size, file_length - position) / record_fixed_size + 1;
  if (room > 1) {
    entries.reserve(entries.size() + static_cast<std::size_t>(std::min<std::int64_t>(room, max_reserved)));
    platform::advise_large_block(entries.data(), entries.capacity() * sizeof(entry_type));
  }
  // Each entry's path and name are two small blocks of at most its record's
  // length; twice the directory's length bounds them all.
  const platform::small_block_burst texts(
      static_cast<std::size_t>(std::max<std::int64_t>(0, std::min(directory_size, file_length - position))) * 2);
  const std::int64_t directory_end = directory_offset + directory_size;

  sequential_reader reader(fs, file);
  std::int64_t record_offset = header_size;
  unsigned char fixed[record_fixed_size];
  unsigned char name_bytes[2 * 255];
  std::string low_bytes;
  while (position < directory_end) {
    if (!reader.read(fixed, record_fixed_size)) return false;
    entry_type& entry = entries.emplace_back();
    entry.record_length = read_le32(fixed);
    entry.data_size = read_le32(fixed + 9);
    entry.header_length = wrap32(std::int64_t{entry.record_length} - entry.data_size);
    entry.data_offset = wrap32(record_offset + entry.header_length);
    record_offset += entry.record_length;
    entry.name_length = fixed[record_name_length_at];

    if (!reader.read(name_bytes, 2 * std::int64_t{entry.name_length})) return false;
    split_name(name_bytes, static_cast<std::size_t>(entry.name_length), low_bytes, entry);
    position += record_fixed_size + 2 * std::int64_t{entry.name_length};
  }
  return true;
}

}  // namespace archive
