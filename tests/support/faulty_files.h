#pragma once
// A files seam over the real one that fails on demand and records the order
// of the calls: the n-th call of a kind can fail outright or come up short.
#include <map>
#include <string>
#include <vector>

#include "platform/posix/posix_files.h"

namespace testing_support {

enum class call_kind { open_read, create, create_new, read, write, seek, copy_range, sync, close,
                       create_directories, rename, link, remove, sync_directory };

enum class failure { error, short_transfer };

class faulty_files : public platform::files {
 public:
  // Make the n-th call (counted from 1) of `kind` fail. A short transfer
  // moves half of what was asked (rounded down) and reports that.
  void fail_at(call_kind kind, int n, failure how = failure::error);
  // Calls of `kind` made so far.
  int count(call_kind kind) const;
  // Every call in order: kind and the path or handle it was about.
  struct call {
    call_kind kind;
    std::string subject;
  };
  const std::vector<call>& calls() const { return calls_; }
  // The sizes asked of reads and writes, in order.
  std::vector<std::int64_t> read_sizes, write_sizes;

  platform::file_handle open_read(const std::string& path) override;
  platform::file_handle create(const std::string& path) override;
  platform::file_handle create_new(const std::string& path) override;
  std::int64_t read(platform::file_handle file, void* buffer, std::int64_t count) override;
  std::int64_t write(platform::file_handle file, const void* buffer, std::int64_t count) override;
  std::int64_t seek(platform::file_handle file, std::int64_t offset, platform::seek_from origin) override;
  std::int64_t copy_range(platform::file_handle from, platform::file_handle to, std::int64_t count) override;
  bool sync(platform::file_handle file) override;
  void close(platform::file_handle file) override;
  bool file_exists(const std::string& path) override { return real_.file_exists(path); }
  bool directory_exists(const std::string& path) override { return real_.directory_exists(path); }
  bool create_directories(const std::string& path) override;
  std::optional<std::int64_t> file_size(const std::string& path) override { return real_.file_size(path); }
  bool rename_replace(const std::string& from, const std::string& to) override;
  bool link_new(const std::string& existing, const std::string& new_name) override;
  bool remove_file(const std::string& path) override;
  bool sync_directory(const std::string& directory) override;
  std::string last_error() const override { return injected_ ? "injected failure" : real_.last_error(); }
  std::string native_path(const std::string& path) const override { return real_.native_path(path); }

 private:
  // Counts the call; the failure planned for it, if any.
  const failure* planned(call_kind kind, const std::string& subject);

  platform::posix_files real_;
  std::map<call_kind, int> counts_;
  std::map<std::pair<call_kind, int>, failure> plan_;
  std::vector<call> calls_;
  bool injected_ = false;
};

}  // namespace testing_support
