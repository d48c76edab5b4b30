// The marking commands and "remove marker(s)": which rows, which files,
// the marker field, the selection, the save button and the status texts.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/load_archive.h"
#include "commands/marking_commands.h"
#include "support/fake_seams.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

struct marking_fixture : ::testing::Test {
  temp_dir dir;
  fake_desk desk;
  throwing_fatal_end fatal;

  // Rows: 0 a\x.txt, 1 a\y.txt, 2 b\x.txt, 3 z.bin.
  void SetUp() override {
    pak_builder pak;
    pak.add("a/x.txt", "1").add("a/y.txt", "2").add("b/x.txt", "3").add("z.bin", "4");
    ASSERT_TRUE(archive::load_archive(desk.state, write_file(dir / "x.pak", pak.build()), desk.seams()));
    desk.state.game_directory = dir.path() + "/game/";
  }
  // A file in the game's tree at the relative path.
  std::string game_file(const std::string& relative) {
    std::filesystem::create_directories(std::filesystem::path(dir / ("game/" + relative)).parent_path());
    return write_file(dir / ("game/" + relative), std::string("content"));
  }
  std::vector<std::string> markers() const {
    std::vector<std::string> all;
    for (std::size_t row = 0; row < desk.list.row_count(); ++row) all.push_back(desk.list.marker(row));
    return all;
  }
  std::vector<bool> marked() const {
    std::vector<bool> all;
    for (const auto& entry : desk.state.cat.entries) all.push_back(entry.marked);
    return all;
  }
};

const std::string m = " * ";

}  // namespace

// The chosen file marks the one selected row, not the focused one; with any
// other selection, or a cancelled dialog, nothing changes.
TEST_F(marking_fixture, by_chosen_file_marks_the_selected_row) {
  desk.list.select_only({2});
  desk.list.set_item_index(0);
  desk.window.chosen_files.push_back("C:\\mods\\missing.txt");  // no existence test
  commands::selected_by_file(desk.state, desk.seams());
  EXPECT_EQ(markers(), (std::vector<std::string>{"", "", m, ""}));
  EXPECT_EQ(desk.state.cat.entries[2].replacement, "C:\\mods\\missing.txt");
  EXPECT_TRUE(desk.window.save_button);
  EXPECT_EQ(desk.window.status(), " File marked for replacement.");

  const auto status = desk.window.status();
  for (const std::vector<std::size_t>& selection : {std::vector<std::size_t>{}, std::vector<std::size_t>{0, 1}}) {
    desk.list.select_only(selection);
    desk.window.chosen_files.push_back("C:\\other.txt");
    commands::selected_by_file(desk.state, desk.seams());
    EXPECT_EQ(desk.window.chosen_files.size(), 1u) << "the dialog is not shown";
    desk.window.chosen_files.clear();
  }
  desk.list.select_only({1});
  commands::selected_by_file(desk.state, desk.seams());  // the dialog is cancelled
  EXPECT_EQ(markers(), (std::vector<std::string>{"", "", m, ""}));
  EXPECT_EQ(desk.window.status(), status);
}

// Marking by files of the same name: in the game's tree (selected rows or
// all rows) or straight in a chosen directory, counted in the status line.
TEST_F(marking_fixture, by_files_of_the_same_name) {
  game_file("a/x.txt");
  game_file("b/x.txt");
  game_file("z.bin");
  std::filesystem::create_directories(dir / "chosen");
  write_file(dir / "chosen/x.txt", std::string("chosen"));

  const struct {
    const char* why;
    std::vector<std::size_t> selected;
    void (*command)(archive::session&, const platform::seams&);
    std::vector<bool> marked;
    std::vector<std::size_t> selected_after;
    std::string status;
  } cases[] = {
      {"original: selected rows with a file", {0, 1, 3}, commands::selected_by_original,
       {true, false, false, true}, {0, 1, 3}, " 2 files marked for replacement."},
      {"original: no selection", {}, commands::selected_by_original,
       {false, false, false, false}, {}, " 0 files marked for replacement."},
      {"specified: same name in two paths, one file", {0, 1, 2}, commands::selected_by_specified,
       {true, false, true, false}, {0, 1, 2}, " 2 files marked for replacement."},
      {"all: marked rows become selected, others keep their state", {1}, commands::all_by_original,
       {true, false, true, true}, {0, 1, 2, 3}, " 3 files marked for replacement."},
  };
  for (const auto& c : cases) {
    SetUp();
    desk.list.select_only(c.selected);
    desk.window.directories.push_back(dir.path() + "/chosen");
    c.command(desk.state, desk.seams());
    EXPECT_EQ(marked(), c.marked) << c.why;
    for (std::size_t row = 0; row < c.marked.size(); ++row)
      EXPECT_EQ(desk.list.marker(row), c.marked[row] ? m : "") << c.why << " row " << row;
    EXPECT_EQ(desk.list.selected_rows(), c.selected_after) << c.why;
    EXPECT_EQ(desk.window.status(), c.status) << c.why;
    EXPECT_EQ(desk.window.save_button, c.status != " 0 files marked for replacement.") << c.why;
  }
  EXPECT_EQ(desk.state.cat.entries[3].replacement, dir.path() + "/game/z.bin");
  SetUp();
  desk.list.select_only({0, 2});
  desk.window.directories.push_back(dir.path() + "/chosen");
  commands::selected_by_specified(desk.state, desk.seams());
  EXPECT_EQ(desk.state.cat.entries[0].replacement, dir.path() + "/chosen\\x.txt");
  EXPECT_EQ(desk.state.cat.entries[2].replacement, dir.path() + "/chosen\\x.txt");
}

// A cancelled directory choice changes nothing; marking with nothing found
// keeps an enabled save button enabled and an earlier mark in place.
TEST_F(marking_fixture, nothing_found_keeps_marks_and_button) {
  game_file("a/x.txt");
  desk.list.select_only({0});
  commands::selected_by_original(desk.state, desk.seams());
  const auto statuses = desk.window.statuses;
  commands::selected_by_specified(desk.state, desk.seams());  // cancelled
  EXPECT_EQ(desk.window.statuses, statuses);

  std::filesystem::remove(dir / "game/a/x.txt");
  commands::selected_by_original(desk.state, desk.seams());
  EXPECT_EQ(desk.window.status(), " 0 files marked for replacement.");
  EXPECT_TRUE(desk.window.save_button);
  EXPECT_EQ(markers()[0], m);
  EXPECT_EQ(desk.state.cat.entries[0].replacement, dir.path() + "/game/a\\x.txt");
}

// Marking again keeps the later file and counts the entry again.
TEST_F(marking_fixture, marking_twice_keeps_the_second_file) {
  game_file("a/x.txt");
  write_file(dir / "x.txt", std::string("other"));
  desk.list.select_only({0});
  commands::selected_by_original(desk.state, desk.seams());
  desk.window.directories.push_back(dir.path());
  commands::selected_by_specified(desk.state, desk.seams());
  EXPECT_EQ(desk.state.cat.entries[0].replacement, dir.path() + "\\x.txt");
  EXPECT_EQ(desk.window.status(), " 1 files marked for replacement.");
}

// Removal takes the marks of selected rows only; the button stays enabled
// while an unselected row keeps its mark.
TEST_F(marking_fixture, remove_marker_table) {
  const struct {
    const char* why;
    std::vector<std::size_t> marked_before;
    std::vector<std::size_t> selected;
    std::vector<std::string> markers_after;
    bool button;
    std::string status;
  } cases[] = {
      {"mixed selection: only marked rows count", {0, 2}, {0, 1, 2}, {"", "", "", ""}, false,
       " 2 files unmarked (will not be replaced)."},
      {"an unselected mark remains", {0, 3}, {0, 1}, {"", "", "", m}, true,
       " 1 files unmarked (will not be replaced)."},
      {"nothing marked selected", {3}, {1}, {"", "", "", m}, true, " 0 files unmarked (will not be replaced)."},
  };
  for (const auto& c : cases) {
    SetUp();
    desk.window.chosen_files.clear();
    for (const std::size_t row : c.marked_before) {
      desk.list.select_only({row});
      desk.window.chosen_files.push_back(dir / "file");
      commands::selected_by_file(desk.state, desk.seams());
    }
    desk.list.select_only(c.selected);
    commands::remove_marker(desk.state, desk.seams());
    EXPECT_EQ(markers(), c.markers_after) << c.why;
    for (std::size_t row = 0; row < 4; ++row) {
      EXPECT_EQ(desk.state.cat.entries[row].marked, c.markers_after[row] == m) << c.why << " row " << row;
      if (c.markers_after[row].empty()) {
        EXPECT_EQ(desk.state.cat.entries[row].replacement, "") << c.why;
      }
    }
    EXPECT_EQ(desk.list.selected_rows(), c.selected) << c.why;
    EXPECT_EQ(desk.window.save_button, c.button) << c.why;
    EXPECT_EQ(desk.window.status(), c.status) << c.why;
  }
}
