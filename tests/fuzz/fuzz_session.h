#pragma once
// What both fuzz targets share: the bytes offered as an archive file, loaded
// into a session, with a fatal end that returns to the fuzzer.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "archive/load_archive.h"
#include "memory_files.h"
#include "platform/fatal.h"
#include "platform/memory_list.h"
#include "support/fake_seams.h"

namespace fuzzing {

struct fatal_stop : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline void stop_fatal_ends() {
  static const bool installed = [] {
    platform::set_fatal_handler([](std::string_view message) { throw fatal_stop(std::string(message)); });
    return true;
  }();
  (void)installed;
}

struct fuzz_session {
  explicit fuzz_session(const std::uint8_t* data, std::size_t size)
      : fs(std::string_view(reinterpret_cast<const char*>(data), size)) {
    stop_fatal_ends();
  }
  // Loads the bytes; false when they are refused or a read ends the load.
  bool load() {
    try {
      return archive::load_archive(state, path, {fs, list, window});
    } catch (const fatal_stop&) {
      return false;
    }
  }

  const std::string path = "fuzz.pak";
  memory_files fs;
  archive::session state;
  platform::memory_list list;
  testing_support::fake_window window;
};

}  // namespace fuzzing
