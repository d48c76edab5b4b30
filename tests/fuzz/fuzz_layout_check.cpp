// The check that an archive can be saved, on any bytes that load: it names a
// problem or passes, and never crashes or reads out of bounds.
#include "archive/layout_check.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::fuzz_session run(data, size);
  if (!run.load()) return 0;
  try {
    (void)archive::check_layout(run.fs, run.path, run.state.cat.entries);
  } catch (const fuzzing::fatal_stop&) {
  }
  return 0;
}
