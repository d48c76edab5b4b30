#pragma once
#include <cstddef>

namespace platform {

// Tells the system that a large block will be filled front to back soon, so
// that it can back it with large pages: a million catalogue entries then cost
// a few hundred page faults instead of tens of thousands. Only a hint.
void advise_large_block(void* start, std::size_t length);

}  // namespace platform
