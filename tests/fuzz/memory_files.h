#pragma once
// A files seam over one block of memory: every path opens the same bytes for
// reading. Nothing can be written. Used where many inputs must be read fast.
#include <cstring>
#include <string_view>

#include "platform/files.h"

namespace fuzzing {

class memory_files : public platform::files {
 public:
  explicit memory_files(std::string_view content) : content_(content) {}

  platform::file_handle open_read(const std::string&) override { return 3; }
  platform::file_handle create(const std::string&) override { return platform::no_file; }
  platform::file_handle create_new(const std::string&) override { return platform::no_file; }
  std::int64_t read(platform::file_handle, void* buffer, std::int64_t count) override {
    if (position_ >= static_cast<std::int64_t>(content_.size())) return 0;
    const auto take = std::min<std::int64_t>(count, static_cast<std::int64_t>(content_.size()) - position_);
    std::memcpy(buffer, content_.data() + position_, static_cast<std::size_t>(take));
    position_ += take;
    return take;
  }
  std::int64_t write(platform::file_handle, const void*, std::int64_t) override { return -1; }
  std::int64_t seek(platform::file_handle, std::int64_t offset, platform::seek_from origin) override {
    const std::int64_t base = origin == platform::seek_from::start     ? 0
                              : origin == platform::seek_from::current ? position_
                                                                       : static_cast<std::int64_t>(content_.size());
    if (base + offset < 0) return -1;
    return position_ = base + offset;
  }
  std::int64_t copy_range(platform::file_handle, platform::file_handle, std::int64_t) override { return -1; }
  bool sync(platform::file_handle) override { return false; }
  void close(platform::file_handle) override { position_ = 0; }
  bool file_exists(const std::string&) override { return true; }
  bool directory_exists(const std::string&) override { return false; }
  bool create_directories(const std::string&) override { return false; }
  std::optional<std::int64_t> file_size(const std::string&) override {
    return static_cast<std::int64_t>(content_.size());
  }
  bool rename_replace(const std::string&, const std::string&) override { return false; }
  bool link_new(const std::string&, const std::string&) override { return false; }
  bool remove_file(const std::string&) override { return false; }
  bool sync_directory(const std::string&) override { return false; }
  std::string last_error() const override { return "read-only memory"; }
  std::string native_path(const std::string& path) const override { return path; }

 private:
  std::string_view content_;
  std::int64_t position_ = 0;
};

}  // namespace fuzzing
