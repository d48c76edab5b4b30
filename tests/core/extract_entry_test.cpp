// Copying one entry into a file: pieces, directories, replacement, and what
// a failure leaves behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/extract_entry.h"
#include "archive/load_archive.h"
#include "archive/pak_format.h"
#include "platform/fatal.h"
#include "support/fake_seams.h"
#include "support/faulty_files.h"
#include "support/file_tree.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace archive;
using namespace testing_support;

namespace {

constexpr std::int64_t block = copy_block_size;

struct extract_fixture : ::testing::Test {
  temp_dir dir;
  fake_desk desk;
  faulty_files fs;
  throwing_fatal_end fatal;

  void load(const pak_builder& pak) {
    ASSERT_TRUE(load_archive(desk.state, write_file(dir / "x.pak", pak.build()), desk.seams()));
  }
  // The output directory in the program's form: backslashes, resolved by the files seam.
  std::string out_dir(const std::string& sub = "out") const { return dir.path() + "\\" + sub + "\\"; }
  void extract(const entry_type& entry, const std::string& directory) {
    extract_entry(entry, directory, {desk.state.archive_path, fs, desk.window});
  }
  std::string fatal_message_of(const entry_type& entry, const std::string& directory) {
    try {
      extract(entry, directory);
    } catch (const fatal_error& e) {
      return e.what();
    }
    return "(no fatal end)";
  }
};

std::string pattern(std::int64_t size) {
  std::string data(static_cast<std::size_t>(size), '\0');
  for (std::int64_t i = 0; i < size; ++i) data[static_cast<std::size_t>(i)] = static_cast<char>(i * 7 + i / 251);
  return data;
}

}  // namespace

// Entries larger than one piece go in whole pieces and one last piece; an
// entry of exactly one piece is a single read and write; an empty entry
// reads and writes nothing.
TEST_F(extract_fixture, copies_in_pieces_of_at_most_one_block) {
  const struct {
    std::int64_t size;
    std::vector<std::int64_t> pieces;
  } cases[] = {
      {0, {}},
      {block, {block}},
      {block + 1, {block, 1}},
      {2 * block + 17, {block, block, 17}},
  };
  pak_builder pak;
  for (const auto& c : cases) pak.add("e" + std::to_string(c.size), pattern(c.size));
  load(pak);

  for (std::size_t k = 0; k < std::size(cases); ++k) {
    fs.read_sizes.clear();
    fs.write_sizes.clear();
    const auto& entry = desk.state.cat.entries[k];
    extract(entry, out_dir());
    EXPECT_EQ(fs.read_sizes, cases[k].pieces) << entry.name;
    EXPECT_EQ(fs.write_sizes, cases[k].pieces) << entry.name;
    EXPECT_TRUE(text_of(dir / "out/" + entry.name) == pattern(cases[k].size)) << entry.name;
    EXPECT_EQ(desk.window.statuses.back(), " " + out_dir() + entry.name + "  successfully written.");
    EXPECT_EQ(desk.window.statuses.end()[-2], " Busy...");
  }
  // Nothing but the targets: no temporary file is left.
  EXPECT_EQ(tree_of(dir / "out"), (std::vector<std::string>{"e0", "e10485777", "e5242880", "e5242881"}));
}

TEST_F(extract_fixture, creates_missing_parents_and_replaces_a_longer_file) {
  load(pak_builder().add("a/b/c.txt", "new"));
  const auto& entry = desk.state.cat.entries[0];

  extract(entry, out_dir("deep\\er\\still"));
  EXPECT_EQ(text_of(dir / "deep/er/still/c.txt"), "new");
  EXPECT_EQ(desk.window.statuses.back(), " " + out_dir("deep\\er\\still") + "c.txt  successfully written.");

  write_file(dir / "deep/er/still/c.txt", std::string("a much longer old content"));
  extract(entry, out_dir("deep\\er\\still"));
  EXPECT_EQ(text_of(dir / "deep/er/still/c.txt"), "new");
  EXPECT_EQ(tree_of(dir / "deep"), (std::vector<std::string>{"er/", "er/still/", "er/still/c.txt"}));
}

// A file put in place of the target must reach the disk before it replaces
// the user's file; a new file is not synced one by one.
TEST_F(extract_fixture, syncs_before_replacing_an_existing_file_only) {
  load(pak_builder().add("c.txt", "new"));
  extract(desk.state.cat.entries[0], out_dir());
  EXPECT_EQ(fs.count(call_kind::sync), 0);

  extract(desk.state.cat.entries[0], out_dir());
  ASSERT_EQ(fs.count(call_kind::sync), 1);
  std::vector<call_kind> order;
  for (const auto& call : fs.calls())
    if (call.kind == call_kind::sync || call.kind == call_kind::rename) order.push_back(call.kind);
  EXPECT_EQ(order, (std::vector<call_kind>{call_kind::rename, call_kind::sync, call_kind::rename}));
}

// Whatever fails, the user's existing file keeps its content and no partial
// or temporary file is left next to it.
TEST_F(extract_fixture, failures_end_with_their_message_and_leave_the_target_alone) {
  load(pak_builder().add("c.txt", pattern(block + 10)));
  const entry_type good = desk.state.cat.entries[0];
  entry_type past_end = good;  // the last bytes of the file, and one more piece
  past_end.data_offset = static_cast<std::int32_t>(std::filesystem::file_size(dir / "x.pak")) - 5;
  entry_type huge = good;
  huge.data_size = 0x7FFFFFFF;  // must be refused before 2 GiB are asked for
  entry_type negative_size = good;
  negative_size.data_size = -1;
  entry_type negative_offset = good;
  negative_offset.data_offset = -4;

  const struct {
    const char* what;
    entry_type entry;
    call_kind kind;
    int n;
    failure how;
    std::string_view message;
  } cases[] = {
      {"first read fails", good, call_kind::read, 1, failure::error, platform::msg_error_reading},
      {"second read short", good, call_kind::read, 2, failure::short_transfer, platform::msg_error_reading},
      {"first write fails", good, call_kind::write, 1, failure::error, platform::msg_error_writing},
      {"last write short", good, call_kind::write, 2, failure::short_transfer, platform::msg_error_writing},
      {"archive cannot be opened", good, call_kind::open_read, 1, failure::error, platform::msg_error_reading},
      {"temporary file cannot be created", good, call_kind::create_new, 100, failure::error, platform::msg_error_writing},
      {"sync fails", good, call_kind::sync, 1, failure::error, platform::msg_error_writing},
      {"rename fails", good, call_kind::rename, 1, failure::error, platform::msg_error_writing},
      {"range past the end", past_end, call_kind::read, 99, failure::error, platform::msg_error_reading},
      {"size of 2 GiB past the end", huge, call_kind::read, 99, failure::error, platform::msg_error_reading},
      {"negative size", negative_size, call_kind::read, 99, failure::error, platform::msg_error_reading},
      {"negative offset", negative_offset, call_kind::read, 99, failure::error, platform::msg_error_reading},
  };
  std::filesystem::create_directory(dir / "out");
  for (const auto& c : cases) {
    write_file(dir / "out/c.txt", std::string("old"));
    faulty_files failing;
    if (c.kind == call_kind::create_new) {
      for (int n = 1; n <= 8; ++n) failing.fail_at(c.kind, n, c.how);
    } else {
      failing.fail_at(c.kind, c.n, c.how);
    }
    std::string message = "(no fatal end)";
    try {
      extract_entry(c.entry, out_dir(), {desk.state.archive_path, failing, desk.window});
    } catch (const fatal_error& e) {
      message = e.what();
    }
    EXPECT_EQ(message, c.message) << c.what;
    EXPECT_EQ(text_of(dir / "out/c.txt"), "old") << c.what;
    EXPECT_EQ(tree_of(dir / "out"), std::vector<std::string>{"c.txt"}) << c.what;
  }
}

TEST_F(extract_fixture, directories_that_cannot_be_created_end_the_program) {
  load(pak_builder().add("c.txt", "x"));
  write_file(dir / "blocked", std::string("a file where a directory should be"));
  EXPECT_EQ(fatal_message_of(desk.state.cat.entries[0], out_dir("blocked\\sub")), platform::msg_create_dirs);
  EXPECT_EQ(tree_of(dir.path()), (std::vector<std::string>{"blocked", "x.pak"}));
}

// The archive went away after it was opened: the first read fails and
// neither the existing target nor a partial file is touched.
TEST_F(extract_fixture, archive_removed_before_extraction_keeps_existing_target) {
  load(pak_builder().add("c.txt", "from the archive"));
  std::filesystem::create_directory(dir / "out");
  write_file(dir / "out/c.txt", std::string("mine"));
  std::filesystem::remove(dir / "x.pak");
  EXPECT_EQ(fatal_message_of(desk.state.cat.entries[0], out_dir()), platform::msg_error_reading);
  EXPECT_EQ(text_of(dir / "out/c.txt"), "mine");
  EXPECT_EQ(tree_of(dir.path()), (std::vector<std::string>{"out/", "out/c.txt"}));
}

// A link planted at the target's name is replaced, never written through.
TEST_F(extract_fixture, link_at_target_is_replaced_not_followed) {
  load(pak_builder().add("c.txt", "new"));
  write_file(dir / "elsewhere.txt", std::string("precious"));
  std::filesystem::create_directory(dir / "out");
  std::filesystem::create_symlink(dir / "elsewhere.txt", dir / "out/c.txt");
  extract(desk.state.cat.entries[0], out_dir());
  EXPECT_EQ(text_of(dir / "elsewhere.txt"), "precious");
  EXPECT_FALSE(std::filesystem::is_symlink(dir / "out/c.txt"));
  EXPECT_EQ(text_of(dir / "out/c.txt"), "new");
}
