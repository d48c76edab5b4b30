#include "platform/posix/posix_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include "platform/platform_error.h"
#include "platform/posix/wine_prefix.h"

namespace platform {

namespace {
constexpr std::int64_t fallback_piece = 1 << 20;
}

bool posix_files::fail() {
  last_errno_ = errno;
  return false;
}

std::string posix_files::native_path(const std::string& path) const {
  return native_from_program_path(path, wine_prefix());
}

file_handle posix_files::open_read(const std::string& path) {
  const int fd = ::open(native_path(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail();
  return fd < 0 ? no_file : fd;
}

file_handle posix_files::create(const std::string& path) {
  const int fd = ::open(native_path(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) fail();
  return fd < 0 ? no_file : fd;
}

file_handle posix_files::create_new(const std::string& path) {
  // O_EXCL with O_CREAT refuses any existing name, a dangling link included.
  const int fd =
      ::open(native_path(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) fail();
  return fd < 0 ? no_file : fd;
}

std::int64_t posix_files::read(file_handle file, void* buffer, std::int64_t count) {
  auto* out = static_cast<char*>(buffer);
  std::int64_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(file, out + done, static_cast<size_t>(count - done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return fail(), -1;
    if (got == 0) break;
    done += got;
  }
  return done;
}

std::int64_t posix_files::write(file_handle file, const void* buffer, std::int64_t count) {
  const auto* in = static_cast<const char*>(buffer);
  std::int64_t done = 0;
  while (done < count) {
    const ssize_t put = ::write(file, in + done, static_cast<size_t>(count - done));
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return fail(), -1;
    if (put == 0) break;
    done += put;
  }
  return done;
}

std::int64_t posix_files::seek(file_handle file, std::int64_t offset, seek_from origin) {
  const off_t result = ::lseek(file, static_cast<off_t>(offset), origin == seek_from::start ? SEEK_SET : origin == seek_from::current ? SEEK_CUR : SEEK_END);
  if (result < 0) return fail(), -1;
  return result;
}

std::int64_t posix_files::copy_range(file_handle from, file_handle to, std::int64_t count) {
  std::int64_t done = 0;
  while (done < count) {
    const ssize_t moved = ::copy_file_range(from, nullptr, to, nullptr, static_cast<size_t>(count - done), 0);
    if (moved < 0 && errno == EINTR) continue;
    if (moved < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) && done == 0)
      break;  // not possible here: copy through memory below
    if (moved < 0) return fail(), -1;
    if (moved == 0) return done;
    done += moved;
  }
  if (done == count) return done;

  const auto piece = std::min<std::int64_t>(count - done, fallback_piece);
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<size_t>(piece)]);
  if (!buffer) return errno = ENOMEM, fail(), -1;
  while (done < count) {
    const auto want = std::min<std::int64_t>(count - done, piece);
    const auto got = read(from, buffer.get(), want);
    if (got < 0) return -1;
    if (got == 0) break;
    const auto put = write(to, buffer.get(), got);
    if (put < 0) return -1;
    done += put;
    if (put < got) break;
  }
  return done;
}

bool posix_files::sync(file_handle file) { return ::fsync(file) == 0 || fail(); }

void posix_files::close(file_handle file) {
  if (file != no_file) ::close(file);
}

bool posix_files::file_exists(const std::string& path) {
  struct stat info {};
  return ::stat(native_path(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool posix_files::directory_exists(const std::string& path) {
  struct stat info {};
  return ::stat(native_path(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool posix_files::create_directories(const std::string& path) {
  const std::string native = native_path(path);
  // Walk the components and make each one that is missing.
  for (std::size_t slash = native.find('/', 1);; slash = native.find('/', slash + 1)) {
    const std::string part = native.substr(0, slash);
    if (!part.empty() && ::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return fail();
    if (slash == std::string::npos) break;
  }
  struct stat info {};
  return (::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) || fail();
}

std::optional<std::int64_t> posix_files::file_size(const std::string& path) {
  const std::string native = native_path(path);
  struct stat info {};
  if (::stat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw platform_error("Cannot open file " + path);
  struct stat opened {};
  const int rc = ::fstat(fd, &opened);
  ::close(fd);
  if (rc != 0) throw platform_error("Cannot open file " + path);
  return static_cast<std::int64_t>(opened.st_size);
}

bool posix_files::rename_replace(const std::string& from, const std::string& to) {
  return ::rename(native_path(from).c_str(), native_path(to).c_str()) == 0 || fail();
}

bool posix_files::link_new(const std::string& existing, const std::string& new_name) {
  return ::link(native_path(existing).c_str(), native_path(new_name).c_str()) == 0 || fail();
}

bool posix_files::remove_file(const std::string& path) {
  return ::unlink(native_path(path).c_str()) == 0 || fail();
}

bool posix_files::sync_directory(const std::string& directory) {
  const int fd = ::open(native_path(directory).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return fail();
  const bool ok = ::fsync(fd) == 0 || fail();
  ::close(fd);
  return ok;
}

std::string posix_files::last_error() const { return last_errno_ == 0 ? std::string() : std::strerror(last_errno_); }

files& system_files() {
  static posix_files instance;
  return instance;
}

}  // namespace platform
