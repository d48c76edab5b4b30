// What a save writes, byte for byte: the expected archives come from the
// test's builder (or are spelled out), never from the writer itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "archive/pak_format.h"
#include "save_fixture.h"
#include "support/faulty_files.h"

using namespace save_testing;

namespace {

std::int32_t le32_at(const bytes& file, std::size_t at) {
  return static_cast<std::int32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 | static_cast<unsigned>(file[at + 3]) << 24);
}

bytes slice(const bytes& file, std::size_t at, std::size_t count) { return bytes(file.begin() + at, file.begin() + at + count); }

bytes concat(std::initializer_list<bytes> parts) {
  bytes all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::size_t occurrences(const bytes& file, std::string_view text) {
  std::size_t found = 0;
  for (auto at = file.begin(); (at = std::search(at, file.end(), text.begin(), text.end())) != file.end(); ++at) ++found;
  return found;
}

}  // namespace

// Every field of a small save spelled out: the new directory offset, the five
// bytes and sizes of the replaced record in both places, the untouched record
// and the padding before the trailer.
TEST_F(save_fixture, fields_land_at_their_offsets) {
  pak_builder pak;
  pak.add("a.txt", "hello").add("b", "xy");
  for (std::size_t i = 0; i < pak.header_rest.size(); ++i) pak.header_rest[i] = static_cast<unsigned char>(200 - i);
  open(pak);
  mark(0, "HELLO!!");
  ASSERT_EQ(save(), commands::save_outcome::saved);

  const bytes file = read_file(archive);
  const bytes name_a = {5, 'a', 0, '.', 0, 't', 0, 'x', 0, 't', 0};
  const bytes new_a_header = concat({{31, 0, 0, 0}, {0, 0, 0, 0, 1}, {7, 0, 0, 0}, name_a});
  const bytes b_header = {18, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 2, 0, 0, 0, 1, 'b', 0};
  ASSERT_EQ(file.size(), 288u);  // 217 bytes, 7 of padding, 64 of trailer
  EXPECT_EQ(slice(file, 0, 4), (bytes{'K', 'A', 'P', 'B'}));
  EXPECT_EQ(le32_at(file, 4), 177);  // 128 + 31 + 18
  EXPECT_EQ(le32_at(file, 8), 40);   // carried over
  EXPECT_EQ(slice(file, 12, 116), bytes(pak.header_rest.begin(), pak.header_rest.end()));
  EXPECT_EQ(slice(file, 128, 31), concat({new_a_header, bytes{'H', 'E', 'L', 'L', 'O', '!', '!'}}));
  EXPECT_EQ(slice(file, 159, 18), concat({b_header, bytes{'x', 'y'}}));
  EXPECT_EQ(slice(file, 177, 40), concat({new_a_header, b_header}));
  EXPECT_EQ(slice(file, 217, 7 + 16), bytes(23, 0));
  EXPECT_EQ(slice(file, 240, 32), bytes(archive::trailer_text.begin(), archive::trailer_text.end()));
  EXPECT_EQ(slice(file, 272, 16), bytes(16, 0));
}

// Replacement sizes 0 to 15 move the end of the directory through every
// remainder modulo 16, so the padding takes every length from 0 to 15.
TEST_F(save_fixture, padding_for_every_remainder_and_an_empty_replacement) {
  pak_builder pak;
  pak.add("data/one.bin", "0123456789").add("two", "abc");
  for (std::size_t size = 0; size < 16; ++size) {
    open(pak);
    const std::string data(size, static_cast<char>('A' + size));
    mark(0, data);
    ASSERT_EQ(save(), commands::save_outcome::saved) << size;
    const bytes file = read_file(archive);
    EXPECT_EQ(file, expected_after(pak, {{0, data}})) << size;
    EXPECT_EQ(file.size() % 16, 0u);
    if (size == 0) {
      EXPECT_EQ(desk.state.cat.entries[0].data_size, 0);
      EXPECT_EQ(desk.state.cat.entries[0].record_length, desk.state.cat.entries[0].header_length);
    }
  }
}

// Names travel as raw bytes: units with high bytes come out unchanged, in
// replaced and copied records alike, and so does any header rest.
TEST_F(save_fixture, names_with_high_bytes_and_header_rest_come_out_unchanged) {
  pak_builder pak;
  pak_entry odd;
  odd.name_units = {0x0141, 0x00E9, 0x4E2D, '/', 0xFF00, 'x'};
  odd.data = {1, 2, 3};
  pak.add(odd).add("plain/name.txt", "text");
  odd.name_units = {0x2603, 0x00FF};
  pak.add(odd);
  for (std::size_t i = 0; i < pak.header_rest.size(); ++i) pak.header_rest[i] = static_cast<unsigned char>(i * 7 + 3);
  open(pak);
  mark(0, "first");
  mark(2, std::string(100, 'z'));
  ASSERT_EQ(save(), commands::save_outcome::saved);
  EXPECT_EQ(read_file(archive), expected_after(pak, {{0, "first"}, {2, std::string(100, 'z')}}));
  ASSERT_EQ(desk.state.cat.entries.size(), 3u);
  EXPECT_EQ(desk.state.cat.entries[1].name, "name.txt");
  EXPECT_EQ(desk.state.cat.entries[2].data_size, 100);
}

// An archive saved again and again (and one that came with a trailer) ends
// with exactly one trailer.
TEST_F(save_fixture, one_trailer_after_several_saves) {
  pak_builder pak;
  pak.add("a", "1").add("b", "22").add("c", "333");
  pak.trailer = true;
  open(pak);
  for (const std::string data : {"x", "yy", "zzzzzzzzzzzzzzzzzzz"}) {
    mark(1, data);
    ASSERT_EQ(save(), commands::save_outcome::saved);
  }
  const bytes file = read_file(archive);
  EXPECT_EQ(file, expected_after(pak, {{1, "zzzzzzzzzzzzzzzzzzz"}}));
  EXPECT_EQ(occurrences(file, archive::trailer_text), 1u);
}

// Two entries marked with one file both get all of it; a later mark of an
// entry replaces its earlier one.
TEST_F(save_fixture, one_file_for_two_entries_and_a_second_mark) {
  pak_builder pak;
  pak.add("a", "aaa").add("b", "bbb").add("c", "ccc");
  open(pak);
  const std::string shared = mark(0, "shared content");
  commands::mark_entry(desk.state, desk.seams(), 2, shared);
  mark(1, "first choice");
  mark(1, "second choice", "other");
  ASSERT_EQ(save(), commands::save_outcome::saved);
  EXPECT_EQ(read_file(archive),
            expected_after(pak, {{0, "shared content"}, {1, "second choice"}, {2, "shared content"}}));
  EXPECT_EQ(desk.window.status(), success(3));
}

// A mark whose file has gone is dropped silently: the entry is saved as it
// was and not counted. With every mark gone the archive is still rewritten,
// backed up and loaded again.
TEST_F(save_fixture, stale_marks_leave_their_entries_unchanged) {
  const struct {
    const char* why;
    bool first_stale;
    std::map<std::size_t, std::string> replaced;
  } cases[] = {
      {"one of two marks stale", false, {{0, "new a"}}},
      {"every mark stale", true, {}},
  };
  int backups = 0;
  for (const auto& c : cases) {
    pak_builder pak;
    pak.add("a", "old a").add("b", "old b");
    open(pak);
    const std::string first = mark(0, "new a");
    std::remove(mark(1, "new b").c_str());
    if (c.first_stale) std::remove(first.c_str());
    const bytes before = read_file(archive);
    ASSERT_EQ(save(), commands::save_outcome::saved) << c.why;
    EXPECT_EQ(read_file(archive), expected_after(pak, c.replaced)) << c.why;
    EXPECT_EQ(read_file(backup(++backups)), before) << c.why;
    EXPECT_EQ(desk.window.status(), success(static_cast<int>(c.replaced.size()))) << c.why;
    EXPECT_EQ(desk.list.marker(1), "") << c.why;
  }
}

// Large data goes in pieces of at most 5,242,880 bytes; a progress bar
// follows the save and is hidden at its end.
TEST_F(save_fixture, large_data_goes_in_bounded_pieces_with_progress) {
  pak_builder pak;
  pak.add("big/kept.bin", std::string(12 << 20, 'k')).add("big/new.bin", "small").add("tail", "t");
  open(pak);
  const std::string replacement(11 << 20 | 3, 'n');
  mark(1, replacement);
  faulty_files fs;
  ASSERT_EQ(save(fs), commands::save_outcome::saved);

  const bytes file = read_file(archive);
  EXPECT_EQ(file, expected_after(pak, {{1, replacement}}));
  for (const auto size : fs.read_sizes) EXPECT_LE(size, archive::copy_block_size);
  for (const auto size : fs.write_sizes) EXPECT_LE(size, archive::copy_block_size);
  ASSERT_GE(desk.window.progress.size(), 2u);
  EXPECT_EQ(desk.window.progress.back(), (std::pair<std::int64_t, std::int64_t>{0, 0}));
  const auto last_shown = desk.window.progress[desk.window.progress.size() - 2];
  EXPECT_EQ(last_shown.second, static_cast<std::int64_t>(file.size()));
  EXPECT_LE(last_shown.first, last_shown.second);
}

// A kernel copy that stops early or fails is done again through memory from
// the same place, and the result is the same archive.
TEST_F(save_fixture, kernel_copy_that_stops_early_is_redone) {
  for (const auto how : {failure::short_transfer, failure::error}) {
    pak_builder pak;
    pak.add("a", std::string(3000, 'a')).add("b", "b").add("c", std::string(5000, 'c'));
    open(pak);
    mark(1, "replaced");
    faulty_files fs;
    fs.fail_at(call_kind::copy_range, 1, how);
    fs.fail_at(call_kind::copy_range, 3, how);
    ASSERT_EQ(save(fs), commands::save_outcome::saved);
    EXPECT_EQ(read_file(archive), expected_after(pak, {{1, "replaced"}}));
  }
}
