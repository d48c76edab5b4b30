#pragma once
// An open archive with marks, a window that answers, and what a save must
// make of it, built here by the test's own builder rather than the writer.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "archive/load_archive.h"
#include "commands/mark_entry.h"
#include "commands/save_changes.h"
#include "support/fake_seams.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

namespace save_testing {

using namespace testing_support;

inline bytes bytes_of(const std::string& text) { return bytes(text.begin(), text.end()); }

// The old archive with the given entries' data replaced: record header
// 00 00 00 00 01 and the new size, everything else as it was, and one trailer.
inline bytes expected_after(pak_builder pak, const std::map<std::size_t, std::string>& replaced) {
  for (const auto& [k, data] : replaced) {
    pak.entries[k].data.assign(data.begin(), data.end());
    pak.entries[k].opaque = {0, 0, 0, 0, 1};
  }
  pak.trailer = true;
  return pak.build();
}

struct save_fixture : ::testing::Test {
  temp_dir dir;
  fake_desk desk;
  throwing_fatal_end fatal;
  std::string archive = dir / "x.pak";

  save_fixture() { desk.state.game_directory = dir.path() + "/game/"; }

  platform::seams seams_over(platform::files& fs) { return {fs, desk.list, desk.window}; }

  void open(const bytes& content) {
    write_file(archive, content);
    ASSERT_TRUE(archive::load_archive(desk.state, archive, desk.seams()));
  }
  void open(const pak_builder& pak) { open(pak.build()); }

  // Writes a replacement file and marks entry `row` with it.
  std::string mark(std::size_t row, const std::string& content, const std::string& name = {}) {
    const std::string path = write_file(dir / (name.empty() ? "new" + std::to_string(row) : name), content);
    commands::mark_entry(desk.state, desk.seams(), row, path);
    return path;
  }

  commands::save_outcome save(platform::files& fs, platform::answer answer = platform::answer::ok) {
    desk.window.answers.push_back(answer);
    return commands::save_changes(desk.state, seams_over(fs));
  }
  commands::save_outcome save() { return save(desk.fs); }

  // The backup as the program names it, and as the file system finds it.
  std::string backup_text(int number) const {
    return dir.path() + "/game/\\packs\\Stowix Backups\\x.pak." + std::to_string(number);
  }
  std::string backup(int number) const { return dir.path() + "/game//packs/Stowix Backups/x.pak." + std::to_string(number); }
  std::string temporary() const { return archive + ".Stowix"; }
  std::string success(int replaced) const {
    return " " + archive + "  successfully altered.  " + std::to_string(replaced) + " entries were replaced.";
  }
};

}  // namespace save_testing
