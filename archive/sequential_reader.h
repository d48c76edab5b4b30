#pragma once
// Reads a file front to back in large pieces, so that walking many small
// records costs one system call per piece, not one per field. A short read
// is reported exactly where the same unbuffered read would have been short.
#include <cstdint>
#include <memory>

#include "platform/files.h"

namespace archive {

class sequential_reader {
 public:
  // Pieces start small (most archives are small) and grow to the largest.
  static constexpr std::int64_t first_piece_size = 64 << 10;
  static constexpr std::int64_t piece_size = 1 << 20;

  sequential_reader(platform::files& fs, platform::file_handle file);

  // Copy the next `count` bytes to `out`; false when the file ends first or fails.
  bool read(void* out, std::int64_t count);
  // Pass over the next `count` bytes; false when the file ends first.
  bool skip(std::int64_t count);

 private:
  bool refill();

  platform::files& fs_;
  platform::file_handle file_;
  std::unique_ptr<unsigned char[]> buffer_;
  std::int64_t capacity_ = 0;
  std::int64_t begin_ = 0;  // next unread byte in buffer_
  std::int64_t end_ = 0;    // bytes held in buffer_
  bool at_end_ = false;
};

}  // namespace archive
