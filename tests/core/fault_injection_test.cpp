// Every file operation that a save or an extraction reaches, failing in turn:
// the n-th read, write, copy, rename, link, sync or directory creation, as an
// error and (for transfers) as a short transfer. Whatever fails, the archive's
// name holds a whole archive, no temporary file stays behind, an existing
// target is either untouched or wholly replaced, and the user is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "archive/load_archive.h"
#include "commands/extraction_commands.h"
#include "commands/mark_entry.h"
#include "commands/save_changes.h"
#include "platform/platform_error.h"
#include "support/fake_seams.h"
#include "support/faulty_files.h"
#include "support/file_tree.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

struct injected {
  call_kind kind;
  failure how;
  const char* name;
};

const injected faults[] = {
    {call_kind::open_read, failure::error, "open for reading"},
    {call_kind::create_new, failure::error, "create"},
    {call_kind::read, failure::error, "read error"},
    {call_kind::read, failure::short_transfer, "short read"},
    {call_kind::write, failure::error, "write error"},
    {call_kind::write, failure::short_transfer, "short write"},
    {call_kind::copy_range, failure::error, "copy error"},
    {call_kind::copy_range, failure::short_transfer, "short copy"},
    {call_kind::seek, failure::error, "seek"},
    {call_kind::sync, failure::error, "fsync"},
    {call_kind::sync_directory, failure::error, "directory fsync"},
    {call_kind::rename, failure::error, "rename"},
    {call_kind::link, failure::error, "link"},
    {call_kind::create_directories, failure::error, "directory creation"},
};

const std::vector<std::string> fatal_messages = {"Error reading the file", "Error writing the file",
                                                 "Memory allocation error, quitting.",
                                                 "Error creating output directories."};

bool is_fatal_message(const std::string& text) {
  return std::find(fatal_messages.begin(), fatal_messages.end(), text) != fatal_messages.end();
}

// An archive big enough for several copy pieces, with two entries to replace.
pak_builder sample_archive() {
  pak_builder pak;
  pak.add("data/big.bin", std::string(6'000'000, 'b'))
      .add("a.txt", "old a")
      .add("sub/dir/c.txt", "old c")
      .add("d.txt", std::string(300, 'd'));
  return pak;
}

struct outcome {
  std::string fatal;     // the fatal message, if the run ended so
  std::string thrown;    // a platform error, if one left the command
  std::vector<std::string> messages;
  std::string status;
};

template <class Command>
outcome run_guarded(fake_desk& desk, Command command) {
  outcome result;
  try {
    command();
  } catch (const fatal_error& error) {
    result.fatal = error.what();
  } catch (const platform::platform_error& error) {
    result.thrown = error.what();
  }
  result.messages = desk.window.messages;
  result.status = desk.window.status();
  return result;
}

// One save of the sample archive with two marks, over the given files seam.
struct save_run {
  temp_dir dir;
  fake_desk desk;
  std::string archive = dir / "x.pak";
  bytes old_archive = sample_archive().build();
  bytes new_archive;

  save_run() {
    write_file(archive, old_archive);
    desk.state.game_directory = dir.path() + "/game/";
    EXPECT_TRUE(archive::load_archive(desk.state, archive, desk.seams()));
    commands::mark_entry(desk.state, desk.seams(), 1, write_file(dir / "new_a", std::string("brand new a")));
    commands::mark_entry(desk.state, desk.seams(), 3, write_file(dir / "new_d", std::string(70'000, 'N')));
    pak_builder expected = sample_archive();
    expected.entries[1].data = {'b', 'r', 'a', 'n', 'd', ' ', 'n', 'e', 'w', ' ', 'a'};
    expected.entries[3].data.assign(70'000, 'N');
    for (const std::size_t k : {1, 3}) expected.entries[k].opaque = {0, 0, 0, 0, 1};
    expected.trailer = true;
    new_archive = expected.build();
  }

  outcome save(platform::files& fs) {
    desk.window.answers.push_back(platform::answer::ok);
    return run_guarded(desk, [&] { commands::save_changes(desk.state, {fs, desk.list, desk.window}); });
  }
};

// An extraction of every entry into a chosen directory where a.txt exists.
struct extraction_run {
  temp_dir dir;
  fake_desk desk;
  std::string out = dir / "out";

  extraction_run() {
    write_file(dir / "x.pak", sample_archive().build());
    EXPECT_TRUE(archive::load_archive(desk.state, dir / "x.pak", desk.seams()));
    std::filesystem::create_directories(out);
    write_file(out + "/a.txt", std::string("the user's own a"));
  }

  outcome extract(platform::files& fs) {
    desk.window.directories.push_back(out);
    desk.window.answers.push_back(platform::answer::yes);
    return run_guarded(desk, [&] { commands::all_to_specified(desk.state, {fs, desk.list, desk.window}); });
  }
};

std::vector<std::string> leftovers(const std::string& root) {
  std::vector<std::string> found;
  for (const auto& item : tree_of(root))
    if (item.find(".Stowix") != std::string::npos || item.find(".part") != std::string::npos) found.push_back(item);
  return found;
}

}  // namespace

TEST(fault_injection, save_keeps_a_whole_archive_whatever_fails) {
  faulty_files counting;
  {
    save_run clean;
    ASSERT_NE(clean.save(counting).status.find("  successfully altered."), std::string::npos);
  }
  int runs = 0;
  for (const auto& fault : faults) {
    for (int n = 1; n <= counting.count(fault.kind); ++n) {
      SCOPED_TRACE(std::string(fault.name) + " #" + std::to_string(n));
      save_run run;
      faulty_files fs;
      fs.fail_at(fault.kind, n, fault.how);
      throwing_fatal_end fatal;
      const outcome result = run.save(fs);
      ++runs;

      const bytes now = read_file(run.archive);
      const bool is_old = now == run.old_archive;
      const bool is_new = now == run.new_archive;
      EXPECT_TRUE(is_old || is_new);
      EXPECT_TRUE(leftovers(run.dir.path()).empty()) << leftovers(run.dir.path()).front();
      const std::string backups = run.dir / "game/packs/Stowix Backups";
      if (std::filesystem::exists(backups)) {
        for (const auto& item : tree_of(backups)) EXPECT_EQ(read_file(backups + "/" + item), run.old_archive) << item;
      }

      const bool success = result.status.find("successfully altered.") != std::string::npos;
      EXPECT_TRUE(success || is_fatal_message(result.fatal) || !result.thrown.empty() || !result.messages.empty());
      if (success) {
        EXPECT_TRUE(is_new);
      }
      if (is_old) {
        EXPECT_TRUE(run.desk.state.cat.entries[1].marked || !result.fatal.empty()) << "the marks are kept";
      }
    }
  }
  EXPECT_GT(runs, 20);
}

TEST(fault_injection, save_syncs_the_new_file_before_the_backup_and_the_name_after) {
  save_run run;
  faulty_files fs;
  ASSERT_TRUE(run.save(fs).messages.empty());
  const auto& calls = fs.calls();
  const auto first = [&](call_kind kind, std::ptrdiff_t from = 0) {
    return std::find_if(calls.begin() + from, calls.end(), [&](const auto& c) { return c.kind == kind; }) -
           calls.begin();
  };
  const auto last_before = [&](call_kind kind, std::ptrdiff_t limit) {
    std::ptrdiff_t found = -1;
    for (std::ptrdiff_t i = 0; i < limit; ++i)
      if (calls[static_cast<std::size_t>(i)].kind == kind) found = i;
    return found;
  };
  const auto link = first(call_kind::link);
  const auto rename = first(call_kind::rename);
  const auto directory_sync = first(call_kind::sync_directory, rename);
  ASSERT_LT(link, static_cast<std::ptrdiff_t>(calls.size()));
  EXPECT_GE(last_before(call_kind::sync, link), 0) << "the new archive is synced before the backup is made";
  EXPECT_LT(link, rename) << "the backup exists before the archive's name changes hands";
  ASSERT_LT(directory_sync, static_cast<std::ptrdiff_t>(calls.size())) << "the directory is synced after";
  EXPECT_EQ(calls[static_cast<std::size_t>(directory_sync)].subject, run.dir.path() + "/");
  EXPECT_EQ(calls[static_cast<std::size_t>(rename)].subject, run.archive + ".Stowix > " + run.archive);
}

TEST(fault_injection, extraction_never_leaves_partial_files_or_harms_existing_ones) {
  faulty_files counting;
  {
    extraction_run clean;
    clean.extract(counting);
    ASSERT_EQ(text_of(clean.out + "/a.txt"), "old a");
  }
  const std::map<std::string, std::string> whole = {
      {"big.bin", std::string(6'000'000, 'b')}, {"a.txt", "old a"}, {"c.txt", "old c"}, {"d.txt", std::string(300, 'd')}};
  int runs = 0;
  for (const auto& fault : faults) {
    for (int n = 1; n <= counting.count(fault.kind); ++n) {
      SCOPED_TRACE(std::string(fault.name) + " #" + std::to_string(n));
      extraction_run run;
      faulty_files fs;
      fs.fail_at(fault.kind, n, fault.how);
      throwing_fatal_end fatal;
      const outcome result = run.extract(fs);
      ++runs;

      EXPECT_TRUE(leftovers(run.dir.path()).empty()) << leftovers(run.dir.path()).front();
      const std::string a = text_of(run.out + "/a.txt");
      EXPECT_TRUE(a == "the user's own a" || a == "old a") << a.substr(0, 40);
      for (const auto& item : tree_of(run.out)) {
        const auto expected = whole.find(item);
        ASSERT_NE(expected, whole.end()) << item;
        if (item != "a.txt") {
          EXPECT_EQ(text_of(run.out + "/" + item), expected->second) << item;
        }
      }
      const bool complete = tree_of(run.out).size() == whole.size() && a == "old a";
      EXPECT_TRUE(complete || is_fatal_message(result.fatal)) << result.fatal;
    }
  }
  EXPECT_GT(runs, 10);
}
