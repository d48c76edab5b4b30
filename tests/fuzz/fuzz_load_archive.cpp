// Any bytes offered as an archive: loading accepts them, refuses them, or
// ends with "Error reading the file"; it never crashes and never allocates
// more than the bytes can justify. Every row text can be made.
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::fuzz_session run(data, size);
  if (!run.load()) return 0;
  for (const auto& entry : run.state.cat.entries) (void)archive::row_text(entry, '.');
  return 0;
}
