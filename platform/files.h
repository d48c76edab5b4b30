#pragma once
// The files seam. The core names files by texts in the program's own form
// (backslashes, drive letters, as the report shows them); an implementation
// turns each text into a native path just before it calls the system.
// Every call reports failure by its result; none throws, except file_size
// (see there). Tests wrap an implementation to fail on demand.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

using file_handle = int;
inline constexpr file_handle no_file = -1;

enum class seek_from { start, current, end };

class files {
 public:
  virtual ~files() = default;

  // Open an existing file for reading only. no_file on failure.
  virtual file_handle open_read(const std::string& path) = 0;
  // Create a file for writing; an existing file is emptied. no_file on failure.
  virtual file_handle create(const std::string& path) = 0;
  // Create a file that must not exist yet, never following a link planted at
  // its name. no_file on failure (also when the name is taken).
  virtual file_handle create_new(const std::string& path) = 0;

  // Bytes transferred (which may be fewer than asked), or -1 on an error.
  virtual std::int64_t read(file_handle file, void* buffer, std::int64_t count) = 0;
  virtual std::int64_t write(file_handle file, const void* buffer, std::int64_t count) = 0;
  // The new position, or -1 on an error.
  virtual std::int64_t seek(file_handle file, std::int64_t offset, seek_from origin) = 0;
  // Copy up to count bytes from the current position of one file to the
  // current position of another inside the kernel where it can. Bytes copied
  // (short at the end of the source), or -1 on an error.
  virtual std::int64_t copy_range(file_handle from, file_handle to, std::int64_t count) = 0;
  virtual bool sync(file_handle file) = 0;
  virtual void close(file_handle file) = 0;

  virtual bool file_exists(const std::string& path) = 0;       // a directory does not count
  virtual bool directory_exists(const std::string& path) = 0;
  virtual bool create_directories(const std::string& path) = 0;  // with every missing parent
  // Size in bytes; nullopt when there is no such file. A file that exists but
  // cannot be opened throws platform_error("Cannot open file " + path).
  virtual std::optional<std::int64_t> file_size(const std::string& path) = 0;

  // Move a file over another name, replacing what is there in one step.
  virtual bool rename_replace(const std::string& from, const std::string& to) = 0;
  // A second name for an existing file; fails when the new name is taken.
  virtual bool link_new(const std::string& existing, const std::string& new_name) = 0;
  virtual bool remove_file(const std::string& path) = 0;
  virtual bool sync_directory(const std::string& directory) = 0;

  // What the last failed call of this object met, for messages ("No space left on device").
  virtual std::string last_error() const = 0;
  // The native path that a text names (for messages and for the command line).
  virtual std::string native_path(const std::string& path) const = 0;
};

// The implementation for this operating system.
files& system_files();

}  // namespace platform
