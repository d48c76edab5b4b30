#include "platform/memory_hints.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
namespace {
constexpr int default_top_pad = 0;             // the allocator's own defaults
constexpr int default_trim_threshold = 128 << 10;
}  // namespace

small_block_burst::small_block_burst(std::size_t bytes) {
  constexpr std::size_t worth_it = 32 << 20;  // below this the faults cost little
  constexpr std::size_t largest = 512 << 20;
  if (bytes < worth_it) return;
  const int pad = static_cast<int>(std::min(bytes, largest));
  if (mallopt(M_TOP_PAD, pad) == 0 || mallopt(M_TRIM_THRESHOLD, pad) == 0) return;
  active_ = true;

  // Blocks below the mapping threshold come from the heap; the first one
  // that does not fit makes it grow by the padding. Then the new part is
  // marked for large pages; the small blocks that follow come from it.
  constexpr int probe_count = 64;
  constexpr std::size_t probe_size = 60 << 10;
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void* probes[probe_count];
  int made = 0;
  while (made < probe_count && reinterpret_cast<std::uintptr_t>(sbrk(0)) == before) {
    probes[made] = std::malloc(probe_size);
    if (probes[made] == nullptr) break;
    ++made;
  }
  for (int k = 0; k < made; ++k) std::free(probes[k]);
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  if (after > before) advise_large_block(reinterpret_cast<void*>(before), after - before);
}

small_block_burst::~small_block_burst() {
  if (!active_) return;
  mallopt(M_TOP_PAD, default_top_pad);
  mallopt(M_TRIM_THRESHOLD, default_trim_threshold);
}
#else
small_block_burst::small_block_burst(std::size_t) {}
small_block_burst::~small_block_burst() = default;
#endif

}  // namespace platform
