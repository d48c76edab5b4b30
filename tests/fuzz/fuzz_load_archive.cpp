// Any bytes offered as an archive: loading either accepts them, refuses them,
// or ends with one of the fatal messages, and never crashes or allocates
// more than the bytes can justify.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "archive/layout_check.h"
#include "archive/load_archive.h"
#include "memory_files.h"
#include "platform/fatal.h"
#include "platform/memory_list.h"
#include "support/fake_seams.h"

namespace {
struct fatal_stop : std::runtime_error {
  using std::runtime_error::runtime_error;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool installed = [] {
    platform::set_fatal_handler([](std::string_view message) { throw fatal_stop(std::string(message)); });
    return true;
  }();
  (void)installed;

  const std::string_view content(reinterpret_cast<const char*>(data), size);
  fuzzing::memory_files fs(content);
  archive::session state;
  platform::memory_list list;
  testing_support::fake_window window;
  try {
    if (!archive::load_archive(state, "fuzz.pak", {fs, list, window})) return 0;
    for (std::size_t row = 0; row < state.cat.entries.size(); ++row)
      (void)archive::row_text(state.cat.entries[row], '.');
    (void)archive::check_layout(fs, "fuzz.pak", state.cat.entries);
  } catch (const fatal_stop&) {
  }
  return 0;
}
