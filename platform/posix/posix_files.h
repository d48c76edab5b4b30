#pragma once
#include "platform/files.h"

namespace platform {

// Files on Linux and other POSIX systems; program-form paths resolve through
// the Wine prefix (see wine_prefix.h).
class posix_files : public files {
 public:
  file_handle open_read(const std::string& path) override;
  file_handle create(const std::string& path) override;
  file_handle create_new(const std::string& path) override;
  std::int64_t read(file_handle file, void* buffer, std::int64_t count) override;
  std::int64_t write(file_handle file, const void* buffer, std::int64_t count) override;
  std::int64_t seek(file_handle file, std::int64_t offset, seek_from origin) override;
  std::int64_t copy_range(file_handle from, file_handle to, std::int64_t count) override;
  bool sync(file_handle file) override;
  void close(file_handle file) override;
  bool file_exists(const std::string& path) override;
  bool directory_exists(const std::string& path) override;
  bool create_directories(const std::string& path) override;
  std::optional<std::int64_t> file_size(const std::string& path) override;
  bool rename_replace(const std::string& from, const std::string& to) override;
  bool link_new(const std::string& existing, const std::string& new_name) override;
  bool remove_file(const std::string& path) override;
  bool sync_directory(const std::string& directory) override;
  std::string last_error() const override;
  std::string native_path(const std::string& path) const override;

 private:
  bool fail();  // records errno, returns false
  int last_errno_ = 0;
};

}  // namespace platform
