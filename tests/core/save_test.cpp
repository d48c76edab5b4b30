// The save around the writer: backup names, the question, Cancel, the
// exchange and every way it can fail without losing the archive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>

#include "platform/platform_error.h"
#include "save_fixture.h"
#include "support/faulty_files.h"

using namespace save_testing;
using commands::save_outcome;

namespace {

// A files seam that can also make a replacement unopenable, lie about a
// file's size, or let someone else take a backup name just before the link.
class scripted_files : public faulty_files {
 public:
  std::set<std::string> size_throws;  // file_size throws "Cannot open file"
  std::set<std::string> open_fails;   // open_read fails
  std::string grows;                  // file_size reports 10 bytes more than there are
  std::string taken_before_link;      // someone creates this name just before the link

  std::optional<std::int64_t> file_size(const std::string& path) override {
    if (size_throws.count(path) != 0) throw platform::platform_error("Cannot open file " + path);
    const auto size = faulty_files::file_size(path);
    return path == grows && size ? *size + 10 : size;
  }
  platform::file_handle open_read(const std::string& path) override {
    return open_fails.count(path) != 0 ? platform::no_file : faulty_files::open_read(path);
  }
  bool link_new(const std::string& existing, const std::string& new_name) override {
    if (new_name == taken_before_link) write_file(native_path(new_name), std::string("someone else's"));
    return faulty_files::link_new(existing, new_name);
  }
};

const std::string not_saved_end = ".\nThe archive is unchanged and the marks are kept.";

bool exists(const std::string& path) { return std::filesystem::exists(std::filesystem::symlink_status(path)); }

}  // namespace

// The question names the archive and the backup with the smallest free
// number; its details list what will be replaced.
TEST_F(save_fixture, question_backup_number_and_pending_list) {
  const struct {
    std::vector<int> existing;
    int expected;
  } cases[] = {{{}, 1}, {{1, 3}, 2}, {{2, 3}, 1}, {{1, 2}, 3}};
  for (const auto& c : cases) {
    std::filesystem::remove_all(dir / "game");
    std::filesystem::create_directories(dir / "game/packs/Stowix Backups");
    for (const int n : c.existing) write_file(backup(n), "older backup " + std::to_string(n));
    pak_builder pak;
    pak.add("a/b.txt", "hello").add("c", "ccc");
    open(pak);
    const bytes before = read_file(archive);
    const std::string replacement = mark(0, "goodbye");
    std::remove(mark(1, "gone").c_str());
    desk.window.questions.clear();
    ASSERT_EQ(save(), save_outcome::saved);

    ASSERT_EQ(desk.window.questions.size(), 1u);
    const auto& q = desk.window.questions[0];
    EXPECT_EQ(q.text, "Changes (file replacements) will be saved to \n" + archive + ".\n\n" +
                          "A backup of the current file will be saved to \n" + backup_text(c.expected) + ". \n\nContinue?");
    EXPECT_EQ(q.caption, "Save to Pak");
    EXPECT_EQ(q.choices, platform::buttons::ok_cancel);
    EXPECT_EQ(q.details, "a/b.txt: 5 bytes -> 7 bytes from " + replacement + "\n" +
                             "c: 3 bytes -> file not found, entry stays as it is: " + (dir / "new1") + "\n");
    EXPECT_EQ(read_file(backup(c.expected)), before);
    for (const int n : c.existing) EXPECT_EQ(read_file(backup(n)), bytes_of("older backup " + std::to_string(n)));
  }
}

// With the usual game directory in program form the backup directory shows
// two backslashes in a row, and the file still lands in the game's tree.
TEST_F(save_fixture, program_form_game_directory) {
  ::setenv("WINEPREFIX", (dir / "prefix").c_str(), 1);
  desk.state.game_directory = "C:\\games\\Qel\\";
  pak_builder pak;
  pak.add("a", "old");
  open(pak);
  mark(0, "new");
  ASSERT_EQ(save(), save_outcome::saved);
  ::unsetenv("WINEPREFIX");
  ASSERT_EQ(desk.window.questions.size(), 1u);
  EXPECT_NE(desk.window.questions[0].text.find("\nC:\\games\\Qel\\\\packs\\Stowix Backups\\x.pak.1. \n"),
            std::string::npos);
  EXPECT_EQ(read_file(dir / "prefix/drive_c/games/Qel/packs/Stowix Backups/x.pak.1"), pak.build());
}

// Cancel: only the backup directory may be new; marks, button and status stay.
TEST_F(save_fixture, cancel_changes_nothing_but_the_backup_directory) {
  pak_builder pak;
  pak.add("a", "old").add("b", "old b");
  open(pak);
  mark(1, "new");
  const auto statuses = desk.window.statuses;
  EXPECT_EQ(save(desk.fs, platform::answer::cancel), save_outcome::cancelled);
  EXPECT_EQ(read_file(archive), pak.build());
  EXPECT_TRUE(std::filesystem::is_directory(dir / "game/packs/Stowix Backups"));
  EXPECT_TRUE(std::filesystem::is_empty(dir / "game/packs/Stowix Backups"));
  EXPECT_FALSE(exists(temporary()));
  EXPECT_TRUE(desk.state.cat.entries[1].marked);
  EXPECT_EQ(desk.list.marker(1), " * ");
  EXPECT_TRUE(desk.window.save_button);
  EXPECT_EQ(desk.window.statuses, statuses);
}

// A temporary file left by an earlier save, even a link planted at its name,
// is put aside: the link's target is never written.
TEST_F(save_fixture, success_reloads_and_ignores_a_planted_temporary) {
  pak_builder pak;
  pak.add("a", "old a").add("b", "old b");
  open(pak);
  const std::string victim = write_file(dir / "victim", std::string("precious"));
  std::filesystem::create_symlink(victim, temporary());
  mark(0, "new a");
  ASSERT_EQ(save(), save_outcome::saved);
  EXPECT_EQ(read_file(victim), bytes_of("precious"));
  EXPECT_FALSE(exists(temporary()));
  EXPECT_EQ(read_file(archive), expected_after(pak, {{0, "new a"}}));
  EXPECT_EQ(read_file(backup(1)), pak.build());
  EXPECT_EQ(desk.window.status(), success(1));
  EXPECT_FALSE(desk.window.save_button);
  EXPECT_FALSE(desk.state.cat.entries[0].marked);
  EXPECT_EQ(desk.list.marker(0), "");
  EXPECT_TRUE(desk.window.messages.empty());
}

// Every step of the exchange that can fail leaves the old archive under its
// name, no temporary file, the marks, and a message instead of the success text.
TEST_F(save_fixture, a_failing_step_keeps_the_old_archive) {
  const struct {
    const char* why;
    std::vector<std::pair<call_kind, int>> failures;
    std::string message_part;
  } cases[] = {
      {"the rename over the archive", {{call_kind::rename, 1}}, "could not take the name"},
      {"the sync of the new archive", {{call_kind::sync, 1}}, "the new archive could not be written to disk"},
      {"the sync of the backup directory", {{call_kind::sync_directory, 1}}, "backup directory"},
      {"creating the temporary file", {{call_kind::create_new, 1}}, "could not be created"},
      {"no link and a copy that cannot be synced", {{call_kind::link, 1}, {call_kind::sync, 2}},
       "could not be written to disk"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(dir / "game");
    pak_builder pak;
    pak.add("a", "old a").add("b", "old b");
    open(pak);
    mark(1, "new b");
    desk.window.messages.clear();
    faulty_files fs;
    for (const auto& [kind, n] : c.failures) fs.fail_at(kind, n);

    EXPECT_EQ(save(fs), save_outcome::failed) << c.why;
    EXPECT_EQ(read_file(archive), pak.build()) << c.why;
    EXPECT_FALSE(exists(temporary())) << c.why;
    EXPECT_FALSE(exists(backup(1))) << c.why;
    EXPECT_TRUE(desk.state.cat.entries[1].marked) << c.why;
    EXPECT_EQ(desk.list.marker(1), " * ") << c.why;
    EXPECT_TRUE(desk.window.save_button) << c.why;
    EXPECT_EQ(desk.window.status(), " Writing to Pak...") << c.why;
    ASSERT_EQ(desk.window.messages.size(), 1u) << c.why;
    const std::string& message = desk.window.messages[0];
    EXPECT_EQ(message.rfind("The archive was not saved: ", 0), 0u) << message;
    EXPECT_NE(message.find(c.message_part), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.size() - not_saved_end.size()), not_saved_end) << message;
  }
}

// Where no second name can be made the backup is a full copy; a backup name
// taken by someone else meanwhile is left alone and the next number used.
TEST_F(save_fixture, backup_by_copy_and_a_name_taken_meanwhile) {
  pak_builder pak;
  pak.add("a", "old a");
  {
    open(pak);
    mark(0, "new a");
    scripted_files fs;
    fs.fail_at(call_kind::link, 1);
    ASSERT_EQ(save(fs), save_outcome::saved);
    EXPECT_EQ(read_file(backup(1)), pak.build());
    EXPECT_EQ(fs.count(call_kind::create_new), 2);  // the temporary file and the copy
  }
  {
    const bytes before = read_file(archive);
    mark(0, "newer a");
    scripted_files fs;
    fs.taken_before_link = backup_text(2);
    ASSERT_EQ(save(fs), save_outcome::saved);
    EXPECT_EQ(read_file(backup(2)), bytes_of("someone else's"));
    EXPECT_EQ(read_file(backup(3)), before);
    EXPECT_EQ(desk.window.questions.back().text.find(backup_text(3)), std::string::npos);  // it offered number 2
  }
}

// An archive that the writer would corrupt is refused before anything
// happens: no question, no backup directory, no temporary file.
TEST_F(save_fixture, refused_layouts_name_the_problem) {
  pak_builder two;
  two.add("a1", "xx").add("b2", "yy");
  const bytes packed = two.build();
  const std::size_t directory_at = 128 + 2 * (14 + 4 + 2);

  bytes gap = packed;
  gap.insert(gap.begin() + directory_at, 16, 0xEE);
  gap[4] = static_cast<unsigned char>(directory_at + 16);

  bytes swapped = packed;  // the data records of a1 and b2 change places
  std::swap_ranges(swapped.begin() + 128, swapped.begin() + 148, swapped.begin() + 148);

  pak_builder long_header;
  pak_entry odd = entry("odd", "data");
  odd.record_length = 14 + 6 + 4 + 1;
  long_header.add(odd);

  pak_builder negative;
  pak_entry lying = entry("neg", "data");
  lying.data_size = -1;
  negative.add(lying);

  pak_builder changed;  // the same data area length, other record lengths
  changed.add("a1", "xxx").add("b2", "y");

  const struct {
    const char* why;
    bytes content;
    std::function<void(const std::string&)> after_open;
    std::string message_part;
  } cases[] = {
      {"a gap before the directory", gap, {}, "does not begin directly after the last data record: it is at offset 184, the data records end at 168"},
      {"data records out of order", swapped, {}, "entry #1 (a1) at offset 128 does not match its directory record"},
      {"a header longer than its name", long_header.build(), {}, "entry #1 (odd) is 21 bytes long, not 14 + 2 x name length = 20"},
      {"a negative size", negative.build(), {}, "entry #1 (neg) has a negative length"},
      {"a file cut short after opening", packed,
       [](const std::string& path) { std::filesystem::resize_file(path, 170); }, "too short"},
      {"a file changed after opening", packed,
       [&](const std::string& path) { write_file(path, changed.build()); }, "has changed since it was opened"},
  };
  for (const auto& c : cases) {
    open(c.content);
    if (c.after_open) c.after_open(archive);
    const bytes before = read_file(archive);
    mark(0, "new");
    desk.window.messages.clear();
    desk.window.questions.clear();

    EXPECT_EQ(save(), save_outcome::refused) << c.why;
    ASSERT_EQ(desk.window.messages.size(), 1u) << c.why;
    const std::string& message = desk.window.messages[0];
    EXPECT_EQ(message.rfind("The archive cannot be saved: ", 0), 0u) << message;
    EXPECT_NE(message.find(c.message_part), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.size() - 21), "\nNothing was changed.") << message;
    EXPECT_TRUE(desk.window.questions.empty()) << c.why;
    EXPECT_EQ(read_file(archive), before) << c.why;
    EXPECT_FALSE(exists(dir / "game")) << c.why;
    EXPECT_TRUE(desk.state.cat.entries[0].marked) << c.why;
  }
}

// Sizes that the 32-bit fields cannot hold are refused before anything is
// written: one replacement of 2 GiB, or a new archive that would reach it.
TEST_F(save_fixture, refused_sizes) {
  const auto sparse = [&](const std::string& name, std::uintmax_t size) {
    const std::string path = write_file(dir / name, std::string());
    std::filesystem::resize_file(path, size);
    return path;
  };
  const std::string two_gib = sparse("huge", 2147483648u);
  const std::string over_one_gib = sparse("large", 1200u << 20);
  const struct {
    const char* why;
    std::vector<std::string> files;
    std::string message_part;
  } cases[] = {
      {"one file of 2 GiB", {two_gib}, "the file " + two_gib + " is 2147483648 bytes long"},
      {"two files that add up to more", {over_one_gib, over_one_gib}, "the new archive would be 2516582"},
  };
  for (const auto& c : cases) {
    pak_builder pak;
    pak.add("a", "a").add("b", "b");
    open(pak);
    for (std::size_t k = 0; k < c.files.size(); ++k) commands::mark_entry(desk.state, desk.seams(), k, c.files[k]);
    desk.window.messages.clear();
    EXPECT_EQ(save(), save_outcome::refused) << c.why;
    ASSERT_EQ(desk.window.messages.size(), 1u) << c.why;
    EXPECT_NE(desk.window.messages[0].find(c.message_part), std::string::npos) << desk.window.messages[0];
    EXPECT_EQ(read_file(archive), pak.build()) << c.why;
    EXPECT_FALSE(exists(temporary())) << c.why;
    EXPECT_TRUE(desk.state.cat.entries[0].marked) << c.why;
  }
}

// A replacement that exists but cannot be opened leaves the command with
// "Cannot open file ..." for the window's exception display, whether the
// size pass or the copy meets it; no temporary file stays behind.
TEST_F(save_fixture, unopenable_replacement_leaves_with_its_error) {
  for (const bool at_copy : {false, true}) {
    pak_builder pak;
    pak.add("a", "old a").add("b", "old b");
    open(pak);
    const std::string locked = mark(1, "new b");
    scripted_files fs;
    (at_copy ? fs.open_fails : fs.size_throws).insert(locked);
    try {
      save(fs);
      ADD_FAILURE() << "no error at_copy=" << at_copy;
    } catch (const platform::platform_error& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot open file " + locked);
    }
    EXPECT_EQ(read_file(archive), pak.build());
    EXPECT_FALSE(exists(temporary()));
    EXPECT_FALSE(exists(backup(1)));
    EXPECT_TRUE(desk.state.cat.entries[1].marked);
  }
}

// A short write or a replacement that turns out shorter than measured ends
// the program as before; the archive is still whole under its name and the
// half-written temporary file is gone.
TEST_F(save_fixture, fatal_ends_leave_the_archive_in_place) {
  const struct {
    const char* why;
    bool short_write;
    std::string message;
  } cases[] = {
      {"a short write", true, "Error writing the file"},
      {"a replacement shorter than measured", false, "Error reading the file"},
  };
  for (const auto& c : cases) {
    pak_builder pak;
    pak.add("a", "old a").add("b", "old b");
    open(pak);
    const std::string replacement = mark(0, "new a");
    scripted_files fs;
    if (c.short_write) fs.fail_at(call_kind::write, 1, failure::short_transfer);
    else fs.grows = replacement;
    try {
      save(fs);
      ADD_FAILURE() << c.why;
    } catch (const fatal_error& error) {
      EXPECT_EQ(std::string(error.what()), c.message) << c.why;
    }
    EXPECT_EQ(read_file(archive), pak.build()) << c.why;
    EXPECT_FALSE(exists(backup(1))) << c.why;
    EXPECT_FALSE(exists(temporary())) << c.why;
  }
}

// When the archive's directory cannot be synced after the rename, the new
// archive is in place but the user hears that it may not be on the disk yet.
TEST_F(save_fixture, unconfirmed_directory_sync_is_not_reported_as_success) {
  pak_builder pak;
  pak.add("a", "old a");
  open(pak);
  mark(0, "new a");
  faulty_files fs;
  fs.fail_at(call_kind::sync_directory, 2);
  EXPECT_EQ(save(fs), save_outcome::failed);
  EXPECT_EQ(read_file(archive), expected_after(pak, {{0, "new a"}}));
  EXPECT_EQ(read_file(backup(1)), pak.build());
  ASSERT_EQ(desk.window.messages.size(), 1u);
  EXPECT_NE(desk.window.messages[0].find("did not confirm"), std::string::npos);
  EXPECT_NE(desk.window.status(), success(1));
}
