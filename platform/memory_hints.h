#pragma once
#include <cstddef>

namespace platform {

// Tells the system that a large block will be filled front to back soon, so
// that it can back it with large pages: a million catalogue entries then cost
// a few hundred page faults instead of tens of thousands. Only a hint.
void advise_large_block(void* start, std::size_t length);

// While alive, tells the allocator that about `bytes` of small blocks (a
// catalogue's texts) are being allocated: the heap grows once by that much,
// backed by large pages, instead of growing and faulting 4 KiB at a time,
// and it is not trimmed meanwhile. Only a hint; where the allocator offers
// no such control it does nothing.
class small_block_burst {
 public:
  explicit small_block_burst(std::size_t bytes);
  ~small_block_burst();
  small_block_burst(const small_block_burst&) = delete;
  small_block_burst& operator=(const small_block_burst&) = delete;

 private:
  bool active_ = false;
};

}  // namespace platform
