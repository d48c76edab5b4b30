#include "platform/memory_hints.h"

#include <cstdint>
#include <sys/mman.h>

namespace platform {

void advise_large_block(void* start, std::size_t length) {
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t page = 4096;
  const auto first = (reinterpret_cast<std::uintptr_t>(start) + page - 1) & ~(page - 1);
  const auto last = (reinterpret_cast<std::uintptr_t>(start) + length) & ~(page - 1);
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)start;
  (void)length;
#endif
}

}  // namespace platform
