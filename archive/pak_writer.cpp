#include "archive/pak_writer.h"

#include <array>
#include <vector>

#include "archive/block_copy.h"
#include "archive/pak_format.h"
#include "platform/fatal.h"
#include "platform/platform_error.h"

namespace archive {

namespace {

bool replaced(std::int64_t replacement_size) { return replacement_size != keep_entry; }

std::int64_t new_record_length(const entry_type& entry, std::int64_t replacement_size) {
  return replaced(replacement_size) ? std::int64_t{entry.header_length} + replacement_size : entry.record_length;
}

std::int64_t directory_length(const std::vector<entry_type>& entries) {
  std::int64_t length = 0;
  for (const auto& entry : entries) length += entry.header_length;
  return length;
}

void end_on(copy_status status) {
  switch (status) {
    case copy_status::done:
      return;
    case copy_status::short_read:
      platform::fatal_end(platform::msg_error_reading);
    case copy_status::short_write:
      platform::fatal_end(platform::msg_error_writing);
    case copy_status::no_memory:
      platform::fatal_end(platform::msg_memory);
  }
}

// Closes a replacement file however its copy ends.
struct closing {
  platform::files& fs;
  platform::file_handle file;
  ~closing() { fs.close(file); }
};

class archive_writer {
 public:
  archive_writer(platform::files& fs, platform::file_handle in, platform::file_handle out,
                 const std::vector<entry_type>& entries, const replacement_sizes& sizes,
                 const std::function<void(std::int64_t)>& progress)
      : fs_(fs), in_(in), out_(out), entries_(entries), sizes_(sizes), progress_(progress) {}

  write_result run() {
    write_header();
    write_data_area();
    write_directory();
    write_trailer();
    return {replaced_, written_};
  }

 private:
  void write_header() {
    if (fs_.seek(in_, 8, platform::seek_from::start) != 8) platform::fatal_end(platform::msg_error_reading);
    std::array<unsigned char, header_size> header{};
    std::copy(pak_signature.begin(), pak_signature.end(), header.begin());
    const auto offset = le32_bytes(wrap32(new_directory_offset(entries_, sizes_)));
    std::copy(offset.begin(), offset.end(), header.begin() + 4);
    // Bytes 8 to 127: the directory size (no record changes its length) and the rest, as they are.
    take(header.data() + 8, header_size - 8);
    put(header.data(), header_size);
  }

  // Unchanged records that follow one another go as one copy.
  void write_data_area() {
    std::int64_t unchanged_run = 0;
    for (std::size_t k = 0; k < entries_.size(); ++k) {
      const entry_type& entry = entries_[k];
      if (!replaced(sizes_[k])) {
        unchanged_run += entry.record_length;
        continue;
      }
      copy_from_archive(unchanged_run);
      unchanged_run = 0;
      write_replaced_record_header(entry, sizes_[k]);
      skip_in_archive(entry.data_size);
      copy_replacement(entry.replacement, sizes_[k]);
      ++replaced_;
    }
    copy_from_archive(unchanged_run);
  }

  // The old archive stands directly after its last data record, where its directory begins.
  void write_directory() {
    std::int64_t unchanged_run = 0;
    for (std::size_t k = 0; k < entries_.size(); ++k) {
      const entry_type& entry = entries_[k];
      if (!replaced(sizes_[k])) {
        unchanged_run += entry.header_length;
        continue;
      }
      copy_from_archive(unchanged_run);
      unchanged_run = 0;
      write_replaced_record_header(entry, sizes_[k]);
    }
    copy_from_archive(unchanged_run);
  }

  void write_trailer() {
    std::vector<unsigned char> trailer(static_cast<std::size_t>(trailer_padding(written_) + trailer_zeros), 0);
    trailer.insert(trailer.end(), trailer_text.begin(), trailer_text.end());
    trailer.resize(trailer.size() + trailer_zeros, 0);
    put(trailer.data(), static_cast<std::int64_t>(trailer.size()));
  }

  // New record length, the five bytes of a replaced entry and the new data
  // size; then the name length and the name, copied raw from the old header.
  void write_replaced_record_header(const entry_type& entry, std::int64_t size) {
    std::vector<unsigned char> header(static_cast<std::size_t>(entry.header_length));
    take(header.data(), entry.header_length);
    const auto record_length = le32_bytes(wrap32(new_record_length(entry, size)));
    const auto data_size = le32_bytes(wrap32(size));
    std::copy(record_length.begin(), record_length.end(), header.begin());
    std::copy(replaced_opaque_bytes.begin(), replaced_opaque_bytes.end(), header.begin() + 4);
    std::copy(data_size.begin(), data_size.end(), header.begin() + 9);
    put(header.data(), entry.header_length);
  }

  void copy_replacement(const std::string& path, std::int64_t size) {
    const platform::file_handle file = fs_.open_read(path);
    if (file == platform::no_file) throw platform::platform_error("Cannot open file " + path);
    const closing closer{fs_, file};
    std::int64_t position = 0;
    copy(file, position, size);
  }

  void copy_from_archive(std::int64_t count) { copy(in_, in_position_, count); }

  void copy(platform::file_handle from, std::int64_t& from_position, std::int64_t count) {
    copy_cursor cursor{from, from_position, out_, written_};
    const auto status = copy_bytes(fs_, cursor, count, [&](std::int64_t) {
      if (progress_) progress_(cursor.to_position);
    });
    end_on(status);
    from_position = cursor.from_position;
    written_ = cursor.to_position;
  }

  void skip_in_archive(std::int64_t count) {
    const std::int64_t target = in_position_ + count;
    if (fs_.seek(in_, target, platform::seek_from::start) != target) platform::fatal_end(platform::msg_error_reading);
    in_position_ = target;
  }

  void take(void* buffer, std::int64_t count) {
    if (fs_.read(in_, buffer, count) != count) platform::fatal_end(platform::msg_error_reading);
    in_position_ += count;
  }

  void put(const void* buffer, std::int64_t count) {
    if (fs_.write(out_, buffer, count) != count) platform::fatal_end(platform::msg_error_writing);
    written_ += count;
  }

  platform::files& fs_;
  platform::file_handle in_;
  platform::file_handle out_;
  const std::vector<entry_type>& entries_;
  const replacement_sizes& sizes_;
  const std::function<void(std::int64_t)>& progress_;
  std::int64_t in_position_ = 8;
  std::int64_t written_ = 0;
  std::int32_t replaced_ = 0;
};

}  // namespace

std::int64_t new_directory_offset(const std::vector<entry_type>& entries, const replacement_sizes& sizes) {
  std::int64_t offset = header_size;
  for (std::size_t k = 0; k < entries.size(); ++k) offset += new_record_length(entries[k], sizes[k]);
  return offset;
}

std::int64_t trailer_padding(std::int64_t length) { return (16 - length % 16) % 16; }

std::int64_t new_archive_length(const std::vector<entry_type>& entries, const replacement_sizes& sizes) {
  const std::int64_t before_trailer = new_directory_offset(entries, sizes) + directory_length(entries);
  return before_trailer + trailer_padding(before_trailer) + 2 * trailer_zeros + static_cast<std::int64_t>(trailer_text.size());
}

write_result write_archive(platform::files& fs, platform::file_handle in, platform::file_handle out,
                           const std::vector<entry_type>& entries, const replacement_sizes& sizes,
                           const std::function<void(std::int64_t)>& progress) {
  return archive_writer(fs, in, out, entries, sizes, progress).run();
}

}  // namespace archive
