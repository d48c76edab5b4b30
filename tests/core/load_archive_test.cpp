// Loading an archive into the catalogue and the list.
#include <gtest/gtest.h>

#include "archive/load_archive.h"
#include "support/fake_seams.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace archive;
using namespace testing_support;

namespace {

const std::string opened_3 = " Package opened, 3 entries found and analyzed. Right-click on a list entry for options.";

struct load_fixture : ::testing::Test {
  temp_dir dir;
  fake_desk desk;
  throwing_fatal_end fatal;

  bool load(const bytes& content, const std::string& name = "x.pak") {
    return load_archive(desk.state, write_file(dir / name, content), desk.seams());
  }
  std::string fatal_message_of(const bytes& content) {
    try {
      load(content);
    } catch (const fatal_error& e) {
      return e.what();
    }
    return "(no fatal end)";
  }
};

}  // namespace

TEST_F(load_fixture, three_entries_fill_catalogue_rows_and_window) {
  pak_builder pak;
  pak.add("a/b/c.txt", "hello").add("intro.bik", std::string(2000, 'x')).add("readme", "");
  ASSERT_TRUE(load(pak.build()));

  const auto& entries = desk.state.cat.entries;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(desk.state.cat.last_entry_index(), 2);
  EXPECT_EQ(entries[0].path, "a\\b\\");
  EXPECT_EQ(entries[0].name, "c.txt");
  EXPECT_EQ(entries[0].header_length, 14 + 2 * 9);
  EXPECT_EQ(entries[0].record_length, 14 + 2 * 9 + 5);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(entries[k].data_offset, data_offset_of(pak, k)) << k;
  EXPECT_EQ(row_text(entries[1], '.'), "||intro.bik|1.95 KB|BINK Video");
  EXPECT_EQ(row_text(entries[2], '.'), "||readme|0 Bytes|");

  EXPECT_TRUE(desk.list.enabled());
  EXPECT_EQ(desk.list.row_count(), 3u);
  EXPECT_EQ(desk.list.item_index(), 0u);
  EXPECT_EQ(desk.list.selected_rows(), (std::vector<std::size_t>{0}));
  EXPECT_EQ(desk.window.file_label, " " + (dir / "x.pak"));
  EXPECT_FALSE(desk.window.italic);
  EXPECT_FALSE(desk.window.save_button);
  EXPECT_EQ(desk.window.statuses, (std::vector<std::string>{" Busy...", opened_3}));
  EXPECT_EQ(desk.state.archive_path, dir / "x.pak");
}

TEST_F(load_fixture, names_split_into_path_and_name) {
  const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
      {"a/b/c.txt", {"a\\b\\", "c.txt"}}, {"plain.txt", {"", "plain.txt"}},
      {"dir/", {"dir\\", ""}},            {"a//b", {"a\\\\", "b"}},
      {"", {"", ""}},                     {"/root", {"\\", "root"}},
  };
  pak_builder pak;
  for (const auto& [full, expected] : cases) pak.add(full, "d");
  ASSERT_TRUE(load(pak.build()));
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    EXPECT_EQ(desk.state.cat.entries[k].path, cases[k].second.first) << cases[k].first;
    EXPECT_EQ(desk.state.cat.entries[k].name, cases[k].second.second) << cases[k].first;
  }
  EXPECT_EQ(desk.state.cat.entries[4].header_length, 14);
}

TEST_F(load_fixture, high_bytes_of_name_units_are_dropped) {
  pak_builder pak;
  pak_entry e = entry("", "z");
  e.name_units = {0x0141, 0x00E9, 0x012F, 0x0062};  // "A", "é", then 0x2F is a "/"
  pak.add(e);
  ASSERT_TRUE(load(pak.build()));
  EXPECT_EQ(desk.state.cat.entries[0].path, "A\u00e9\\");
  EXPECT_EQ(desk.state.cat.entries[0].name, "b");
}

TEST_F(load_fixture, empty_directory_opens_with_no_entries) {
  ASSERT_TRUE(load(pak_builder{}.build()));
  EXPECT_EQ(desk.state.cat.last_entry_index(), -1);
  EXPECT_TRUE(desk.list.enabled());
  EXPECT_EQ(desk.list.row_count(), 0u);
  EXPECT_FALSE(desk.list.item_index().has_value());
  EXPECT_EQ(desk.window.status(),
            " Package opened, 0 entries found and analyzed. Right-click on a list entry for options.");
}

TEST_F(load_fixture, record_reaching_past_directory_end_is_the_last) {
  pak_builder pak;
  pak.add("first", "1").add("second", "2").add("third", "3");
  pak.directory_size = 14 + 2 * 5 + 1;  // ends inside the second record
  ASSERT_TRUE(load(pak.build()));
  ASSERT_EQ(desk.state.cat.entries.size(), 2u);
  EXPECT_EQ(desk.state.cat.entries[1].name, "second");
}

TEST_F(load_fixture, lying_sizes_load_without_checks) {
  pak_builder pak;
  pak_entry small = entry("small", "abc");
  small.record_length = 2;  // smaller than its data
  pak_entry negative = entry("negative", "");
  negative.data_size = -100;
  pak_entry huge = entry("huge", "");
  huge.record_length = 0x7FFFFFFF;
  huge.data_size = -0x7FFFFFFF - 1;
  pak.add(small).add(negative).add(huge).add("after", "x");
  ASSERT_TRUE(load(pak.build()));
  const auto& entries = desk.state.cat.entries;
  EXPECT_EQ(entries[0].header_length, 2 - 3);
  EXPECT_EQ(entries[0].data_offset, 128 - 1);
  EXPECT_EQ(entries[1].data_size, -100);
  EXPECT_EQ(entries[2].header_length, -1);  // 0x7FFFFFFF - (-2^31) wraps as a 32-bit value would
  EXPECT_EQ(row_text(entries[1], '.'), "||negative|-100 Bytes|");
  EXPECT_EQ(entries.size(), 4u);
}

TEST_F(load_fixture, short_and_broken_files_end_with_read_error) {
  const bytes good = pak_builder{}.add("name", "data").build();
  const auto truncated = [&](std::size_t length) { return bytes(good.begin(), good.begin() + length); };
  pak_builder past_end;
  past_end.add("a", "b");
  past_end.directory_offset = 100000;
  past_end.directory_size = 20;
  pak_builder negative_offset;
  negative_offset.directory_offset = -5;
  negative_offset.directory_size = 30;
  pak_builder huge_size;
  huge_size.add("a", "b");
  huge_size.directory_size = 0x7FFFFFFF;

  const std::pair<const char*, bytes> cases[] = {
      {"empty file", {}},
      {"signature only", truncated(4)},
      {"11 bytes", truncated(11)},
      {"directory cut in a record", truncated(good.size() - 12)},
      {"directory cut in the name", truncated(good.size() - 3)},
      {"directory past the end", past_end.build()},
      {"negative directory offset", negative_offset.build()},
      {"directory size 0x7FFFFFFF", huge_size.build()},
  };
  for (const auto& [what, content] : cases) EXPECT_EQ(fatal_message_of(content), "Error reading the file") << what;
}

TEST_F(load_fixture, missing_file_ends_with_read_error) {
  try {
    load_archive(desk.state, dir / "missing.pak", desk.seams());
    ADD_FAILURE() << "loaded";
  } catch (const fatal_error& e) {
    EXPECT_STREQ(e.what(), "Error reading the file");
  }
}

TEST_F(load_fixture, rejected_file_changes_nothing) {
  // With no archive open.
  EXPECT_FALSE(load(bytes{'k', 'a', 'p', 'b', 0, 0, 0, 0, 0, 0, 0, 0}, "lower.pak"));
  EXPECT_EQ(desk.window.messages, (std::vector<std::string>{"This file is not a Qel PAK file!"}));
  EXPECT_FALSE(desk.list.enabled());
  EXPECT_EQ(desk.window.file_label, " no file opened");
  EXPECT_TRUE(desk.window.italic);
  EXPECT_TRUE(desk.window.statuses.empty());
  EXPECT_TRUE(desk.state.archive_path.empty());

  // With an archive open and a mark shown.
  ASSERT_TRUE(load(pak_builder{}.add("a", "1").add("b", "2").build()));
  desk.state.cat.entries[1].marked = true;
  desk.list.set_marker(1, " * ");
  desk.window.set_save_enabled(true);
  const auto statuses = desk.window.statuses;
  EXPECT_FALSE(load(bytes{'Z', 'I', 'P', '!', 1, 2, 3}, "other.pak"));
  EXPECT_EQ(desk.list.marker(1), " * ");
  EXPECT_TRUE(desk.state.cat.entries[1].marked);
  EXPECT_TRUE(desk.window.save_button);
  EXPECT_EQ(desk.window.statuses, statuses);
  EXPECT_EQ(desk.state.archive_path, dir / "x.pak");

  // Opening the same archive again drops the marks.
  ASSERT_TRUE(load_archive(desk.state, dir / "x.pak", desk.seams()));
  EXPECT_FALSE(desk.state.cat.entries[1].marked);
  EXPECT_EQ(desk.list.marker(1), "");
  EXPECT_FALSE(desk.window.save_button);
}

TEST_F(load_fixture, trailer_and_header_rest_are_ignored) {
  pak_builder pak;
  pak.add("a.txt", "1");
  pak.trailer = true;
  pak.header_rest.fill(0xEE);
  ASSERT_TRUE(load(pak.build()));
  EXPECT_EQ(desk.state.cat.entries.size(), 1u);
}
