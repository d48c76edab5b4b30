#pragma once
// Copying a run of bytes from one open file to another in pieces of at most
// copy_block_size, inside the kernel where it can, and through one buffer of
// the piece's size where it cannot.
#include <cstdint>
#include <functional>

#include "platform/files.h"

namespace archive {

enum class copy_status { done, short_read, short_write, no_memory };

// Where both files stand before the copy. A kernel copy that stops early is
// redone from these positions through memory, so that a short read and a
// short write are told apart exactly.
struct copy_cursor {
  platform::file_handle from = platform::no_file;
  std::int64_t from_position = 0;
  platform::file_handle to = platform::no_file;
  std::int64_t to_position = 0;
};

// Called after each piece with the number of bytes it moved.
using copy_progress = std::function<void(std::int64_t bytes)>;

// Copies exactly `count` bytes and advances the cursor by what was copied.
copy_status copy_bytes(platform::files& fs, copy_cursor& cursor, std::int64_t count,
                       const copy_progress& progress = {});

}  // namespace archive
