#include "archive/block_copy.h"

#include <algorithm>
#include <memory>
#include <new>

#include "archive/pak_format.h"

namespace archive {

namespace {

// One piece through a buffer of exactly its size, freed when the piece is written.
copy_status copy_through_memory(platform::files& fs, const copy_cursor& cursor, std::int64_t piece) {
  std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[static_cast<std::size_t>(piece)]);
  if (!buffer && piece > 0) return copy_status::no_memory;
  if (fs.read(cursor.from, buffer.get(), piece) != piece) return copy_status::short_read;
  if (fs.write(cursor.to, buffer.get(), piece) != piece) return copy_status::short_write;
  return copy_status::done;
}

copy_status copy_piece(platform::files& fs, const copy_cursor& cursor, std::int64_t piece) {
  if (fs.copy_range(cursor.from, cursor.to, piece) == piece) return copy_status::done;
  // The kernel copy stopped early or failed part way: go back to the start of
  // the piece in both files and move it through memory, which says exactly
  // which side came up short.
  if (fs.seek(cursor.from, cursor.from_position, platform::seek_from::start) != cursor.from_position)
    return copy_status::short_read;
  if (fs.seek(cursor.to, cursor.to_position, platform::seek_from::start) != cursor.to_position)
    return copy_status::short_write;
  return copy_through_memory(fs, cursor, piece);
}

}  // namespace

copy_status copy_bytes(platform::files& fs, copy_cursor& cursor, std::int64_t count, const copy_progress& progress) {
  while (count > 0) {
    const std::int64_t piece = std::min(count, copy_block_size);
    if (const auto status = copy_piece(fs, cursor, piece); status != copy_status::done) return status;
    cursor.from_position += piece;
    cursor.to_position += piece;
    count -= piece;
    if (progress) progress(piece);
  }
  return copy_status::done;
}

}  // namespace archive
