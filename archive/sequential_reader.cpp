#include "archive/sequential_reader.h"

#include <algorithm>
#include <cstring>

namespace archive {

sequential_reader::sequential_reader(platform::files& fs, platform::file_handle file)
    : fs_(fs), file_(file) {}

bool sequential_reader::refill() {
  if (at_end_) return false;
  if (capacity_ < piece_size) {
    capacity_ = capacity_ == 0 ? first_piece_size : capacity_ * 2;
    buffer_.reset(new unsigned char[capacity_]);
  }
  const std::int64_t got = fs_.read(file_, buffer_.get(), capacity_);
  if (got <= 0) {
    at_end_ = true;
    return false;
  }
  if (got < capacity_) at_end_ = true;  // a regular file is short only at its end
  begin_ = 0;
  end_ = got;
  return true;
}

bool sequential_reader::read(void* out, std::int64_t count) {
  auto* target = static_cast<unsigned char*>(out);
  while (count > 0) {
    if (begin_ == end_ && !refill()) return false;
    const std::int64_t take = std::min(count, end_ - begin_);
    std::memcpy(target, buffer_.get() + begin_, static_cast<std::size_t>(take));
    begin_ += take;
    target += take;
    count -= take;
  }
  return true;
}

bool sequential_reader::skip(std::int64_t count) {
  while (count > 0) {
    if (begin_ == end_ && !refill()) return false;
    const std::int64_t take = std::min(count, end_ - begin_);
    begin_ += take;
    count -= take;
  }
  return true;
}

}  // namespace archive
