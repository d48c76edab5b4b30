#include "archive/layout_check.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "archive/pak_format.h"
#include "archive/sequential_reader.h"
#include "platform/fatal.h"

namespace archive {

namespace {

constexpr std::int64_t largest_record_header = record_fixed_size + 2 * 255;
constexpr std::int64_t opaque_at = 4;
constexpr std::int64_t opaque_size = 5;

std::string entry_named(std::size_t k, const entry_type& entry) {
  return "entry #" + std::to_string(k + 1) + " (" + full_name_of(entry) + ")";
}

struct open_file {
  platform::files& fs;
  platform::file_handle handle;
  open_file(platform::files& files, const std::string& path) : fs(files), handle(files.open_read(path)) {
    if (handle == platform::no_file) platform::fatal_end(platform::msg_error_reading);
  }
  ~open_file() { fs.close(handle); }
  open_file(const open_file&) = delete;
  open_file& operator=(const open_file&) = delete;
};

void read_exactly(platform::files& fs, platform::file_handle file, void* out, std::int64_t count) {
  if (fs.read(file, out, count) != count) platform::fatal_end(platform::msg_error_reading);
}

// The fields that the catalogue holds must be those of every record header.
std::optional<std::string> check_entry_fields(const std::vector<entry_type>& entries) {
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const entry_type& entry = entries[k];
    if (entry.record_length < 0 || entry.data_size < 0 || entry.header_length < 0)
      return "The " + entry_named(k, entry) + " has a negative length.";
    const std::int64_t expected = record_fixed_size + 2 * std::int64_t{entry.name_length};
    if (entry.header_length != expected)
      return "The record header of " + entry_named(k, entry) + " is " + std::to_string(entry.header_length) +
             " bytes long, not 14 + 2 x name length = " + std::to_string(expected) + ".";
  }
  return std::nullopt;
}

// Walks the directory and, beside it, each data record's header where the
// packed layout puts it; both must agree with each other and with the catalogue.
std::optional<std::string> check_records(platform::files& fs, const std::string& path,
                                         const std::vector<entry_type>& entries, std::int64_t directory_offset) {
  open_file directory(fs, path);
  open_file data(fs, path);
  if (fs.seek(directory.handle, directory_offset, platform::seek_from::start) != directory_offset)
    platform::fatal_end(platform::msg_error_reading);
  sequential_reader walker(fs, directory.handle);

  std::array<unsigned char, largest_record_header> listed{};
  std::array<unsigned char, largest_record_header> stored{};
  std::int64_t record_offset = header_size;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const entry_type& entry = entries[k];
    const std::int64_t length = entry.header_length;
    if (!walker.read(listed.data(), length)) platform::fatal_end(platform::msg_error_reading);
    if (read_le32(listed.data()) != entry.record_length || read_le32(listed.data() + 9) != entry.data_size ||
        listed[record_name_length_at] != entry.name_length)
      return "The archive has changed since it was opened: the directory record of " + entry_named(k, entry) +
             " differs. Open it again.";

    if (fs.seek(data.handle, record_offset, platform::seek_from::start) != record_offset)
      platform::fatal_end(platform::msg_error_reading);
    read_exactly(fs, data.handle, stored.data(), length);
    // The five opaque bytes may differ between the two copies of a header.
    std::copy_n(listed.begin() + opaque_at, opaque_size, stored.begin() + opaque_at);
    if (!std::equal(listed.begin(), listed.begin() + length, stored.begin()))
      return "The data record of " + entry_named(k, entry) + " at offset " + std::to_string(record_offset) +
             " does not match its directory record: the data records are not packed in directory order.";
    record_offset += entry.record_length;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> check_layout(platform::files& fs, const std::string& path,
                                        const std::vector<entry_type>& entries) {
  std::int64_t file_length = 0;
  std::int64_t directory_offset = 0;
  {
    open_file archive(fs, path);
    file_length = fs.seek(archive.handle, 0, platform::seek_from::end);
    if (file_length < 0) platform::fatal_end(platform::msg_error_reading);
    if (file_length < header_size)
      return "The file is " + std::to_string(file_length) + " bytes long, shorter than the 128-byte header.";
    std::array<unsigned char, header_fields_size> fields{};
    if (fs.seek(archive.handle, 0, platform::seek_from::start) != 0) platform::fatal_end(platform::msg_error_reading);
    read_exactly(fs, archive.handle, fields.data(), header_fields_size);
    if (std::memcmp(fields.data(), pak_signature.data(), pak_signature.size()) != 0)
      return "The archive has changed since it was opened: it no longer begins with \"KAPB\". Open it again.";
    directory_offset = read_le32(fields.data() + 4);
  }

  if (auto problem = check_entry_fields(entries)) return problem;

  std::int64_t data_end = header_size;
  std::int64_t directory_length = 0;
  for (const auto& entry : entries) {
    data_end += entry.record_length;
    directory_length += entry.header_length;
  }
  if (directory_offset != data_end)
    return "The directory does not begin directly after the last data record: it is at offset " +
           std::to_string(directory_offset) + ", the data records end at " + std::to_string(data_end) + ".";
  if (file_length < data_end + directory_length)
    return "The file is " + std::to_string(file_length) + " bytes long, too short for its data records and directory (" +
           std::to_string(data_end + directory_length) + " bytes).";

  return check_records(fs, path, entries, directory_offset);
}

}  // namespace archive
