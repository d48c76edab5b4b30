#include "archive/extract_entry.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <random>

#include "archive/pak_format.h"
#include "platform/fatal.h"

namespace archive {

namespace {

// An open file that is closed when it goes, and a temporary file that is
// removed unless it was moved into place.
class open_file {
 public:
  open_file(platform::files& fs, platform::file_handle handle, bool owned = true)
      : fs_(fs), handle_(handle), owned_(owned) {}
  ~open_file() { close(); }
  open_file(const open_file&) = delete;
  open_file& operator=(const open_file&) = delete;
  platform::file_handle get() const { return handle_; }
  void close() {
    if (owned_ && handle_ != platform::no_file) fs_.close(handle_);
    handle_ = platform::no_file;
  }

 private:
  platform::files& fs_;
  platform::file_handle handle_;
  bool owned_;
};

class temporary_file {
 public:
  temporary_file(platform::files& fs, std::string path, platform::file_handle handle)
      : fs_(fs), path_(std::move(path)), file_(fs, handle) {}
  ~temporary_file() { discard(); }
  temporary_file(const temporary_file&) = delete;
  temporary_file& operator=(const temporary_file&) = delete;

  const std::string& path() const { return path_; }
  platform::file_handle get() const { return file_.get(); }
  void close() { file_.close(); }
  void kept() { path_.clear(); }
  void discard() {
    file_.close();
    if (!path_.empty()) fs_.remove_file(path_);
    path_.clear();
  }

 private:
  platform::files& fs_;
  std::string path_;
  open_file file_;
};

// A name that nobody else picks: a planted file or link at it makes
// create_new fail, and we try another.
std::string temporary_name() {
  static std::mt19937_64 generator{std::random_device{}()};
  char name[40];
  std::snprintf(name, sizeof name, ".stowix-%016llx.part", static_cast<unsigned long long>(generator()));
  return name;
}

std::unique_ptr<temporary_file> create_temporary(platform::files& fs, const std::string& directory) {
  constexpr int attempts = 8;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    std::string path = directory + temporary_name();
    const platform::file_handle handle = fs.create_new(path);
    if (handle != platform::no_file) return std::make_unique<temporary_file>(fs, std::move(path), handle);
  }
  return nullptr;
}

// Ends the program after the temporary file has gone.
[[noreturn]] void fail(std::string_view message, std::unique_ptr<temporary_file>& temporary) {
  if (temporary) temporary->discard();
  platform::fatal_end(message);
}

}  // namespace

std::string success_text(const std::string& output_path) { return " " + output_path + "  successfully written."; }

void extract_entry(const entry_type& entry, const std::string& directory, const extraction_source& source) {
  platform::files& fs = source.fs;
  const std::string output_path = directory + entry.name;
  source.window.set_status(" Busy...");

  if (!fs.directory_exists(directory) && !fs.create_directories(directory))
    platform::fatal_end(platform::msg_create_dirs);

  // The archive is opened and the entry's range checked before anything is
  // created: a vanished archive or a damaged record leaves no file behind.
  const bool own_archive = source.archive_file == platform::no_file;
  open_file archive_file(fs, own_archive ? fs.open_read(source.archive_path) : source.archive_file, own_archive);
  if (archive_file.get() == platform::no_file || entry.data_size < 0 || entry.data_offset < 0)
    platform::fatal_end(platform::msg_error_reading);
  const std::int64_t archive_size = fs.seek(archive_file.get(), 0, platform::seek_from::end);
  const std::int64_t end = std::int64_t{entry.data_offset} + entry.data_size;
  if (archive_size < 0 || end > archive_size ||
      fs.seek(archive_file.get(), entry.data_offset, platform::seek_from::start) != entry.data_offset)
    platform::fatal_end(platform::msg_error_reading);

  std::unique_ptr<temporary_file> temporary = create_temporary(fs, directory);
  if (!temporary) platform::fatal_end(platform::msg_error_writing);

  // One buffer of at most one piece, whatever the entry's size.
  const std::int64_t buffer_size = std::min<std::int64_t>(entry.data_size, copy_block_size);
  std::unique_ptr<char[]> buffer;
  if (buffer_size > 0) {
    buffer.reset(new (std::nothrow) char[static_cast<std::size_t>(buffer_size)]);
    if (!buffer) fail(platform::msg_memory, temporary);
  }
  for (std::int64_t remaining = entry.data_size; remaining > 0;) {
    const std::int64_t piece = std::min(remaining, copy_block_size);
    if (fs.read(archive_file.get(), buffer.get(), piece) != piece) fail(platform::msg_error_reading, temporary);
    if (fs.write(temporary->get(), buffer.get(), piece) != piece) fail(platform::msg_error_writing, temporary);
    remaining -= piece;
  }
  archive_file.close();

  // A file that replaces one of the user's must be on disk before the rename,
  // or a crash could leave neither. A new file needs no such care, and
  // syncing each of many small files would multiply the time of a run.
  const bool replacing = fs.file_exists(output_path);
  if (replacing && !fs.sync(temporary->get())) fail(platform::msg_error_writing, temporary);
  temporary->close();
  if (!fs.rename_replace(temporary->path(), output_path)) fail(platform::msg_error_writing, temporary);
  temporary->kept();

  source.window.set_status(success_text(output_path));
}

}  // namespace archive
