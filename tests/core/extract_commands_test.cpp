// The four extraction commands: which rows, where to, the one overwrite
// question, and entries whose names would lead elsewhere.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/load_archive.h"
#include "commands/extraction_commands.h"
#include "support/fake_seams.h"
#include "support/file_tree.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;
using platform::answer;

namespace {

const std::string question_text =
    "At least one of the files you have chosen for export already exists. Do you want to overwrite existing files?";
const std::string question_caption = "Files already exist, overwrite?";

struct commands_fixture : ::testing::Test {
  temp_dir dir;
  fake_desk desk;
  throwing_fatal_end fatal;

  void load(const pak_builder& pak) {
    ASSERT_TRUE(archive::load_archive(desk.state, write_file(dir / "x.pak", pak.build()), desk.seams()));
    desk.state.game_directory = dir.path() + "\\game\\";
  }
  std::string game(const std::string& relative) const { return dir / ("game/" + relative); }
};

}  // namespace

// Rows 0..3 hold p/a.txt .. p/d.txt with the data "new a" .. "new d".
// `existing` lists the rows whose targets exist (holding "old") before the
// command; the answer is queued for the one question.
TEST_F(commands_fixture, overwrite_question_and_its_answers) {
  const struct {
    const char* what;
    std::vector<std::size_t> selected;
    std::vector<std::size_t> existing;
    std::vector<answer> answers;
    std::vector<std::string> contents;  // of a.txt .. d.txt afterwards
    std::size_t questions;
    std::string status;
  } cases[] = {
      {"no target exists: no question", {0, 1, 2, 3}, {}, {}, {"new a", "new b", "new c", "new d"}, 0, "d.txt"},
      {"cancel at the third: the first two stay written", {0, 1, 2}, {2}, {answer::cancel},
       {"new a", "new b", "old", "(missing)"}, 1, "Extraction cancelled."},
      {"cancel stops before later missing targets", {0, 1, 2, 3}, {1}, {answer::cancel},
       {"new a", "old", "(missing)", "(missing)"}, 1, "Extraction cancelled."},
      {"no keeps every existing one, missing ones still written", {0, 1, 2, 3}, {1, 3}, {answer::no},
       {"new a", "old", "new c", "old"}, 1, "c.txt"},
      {"yes replaces every existing one with one question", {0, 1, 2, 3}, {0, 2, 3}, {answer::yes},
       {"new a", "new b", "new c", "new d"}, 1, "d.txt"},
      {"the box closed counts as cancel", {1, 2}, {1}, {answer::ok}, {"(missing)", "old", "(missing)", "(missing)"},
       1, "Extraction cancelled."},
      {"unselected rows are passed over", {3}, {}, {}, {"(missing)", "(missing)", "(missing)", "new d"}, 0, "d.txt"},
  };
  const std::string letters = "abcd";
  pak_builder pak;
  for (const char c : letters) pak.add(std::string("p/") + c + ".txt", std::string("new ") + c);
  load(pak);

  for (const auto& c : cases) {
    std::filesystem::remove_all(dir / "game");
    std::filesystem::create_directories(dir / "game/p");
    for (const auto row : c.existing) write_file(game("p/") + letters[row] + ".txt", std::string("old"));
    desk.window = fake_window();
    desk.window.answers.assign(c.answers.begin(), c.answers.end());
    desk.list.select_only(c.selected);

    commands::selected_to_original(desk.state, desk.seams());

    std::vector<std::string> contents;
    for (const char l : letters) contents.push_back(text_of(game("p/") + l + ".txt"));
    EXPECT_EQ(contents, c.contents) << c.what;
    ASSERT_EQ(desk.window.questions.size(), c.questions) << c.what;
    if (c.questions == 1) {
      EXPECT_EQ(desk.window.questions[0].text, question_text);
      EXPECT_EQ(desk.window.questions[0].caption, question_caption);
      EXPECT_EQ(desk.window.questions[0].choices, platform::buttons::yes_no_cancel);
    }
    const std::string expected_status =
        c.status == "Extraction cancelled." ? c.status : " " + desk.state.game_directory + "p\\" + c.status + "  successfully written.";
    EXPECT_EQ(desk.window.status(), expected_status) << c.what;
    EXPECT_TRUE(desk.window.messages.empty()) << c.what;
  }
}

// Two entries of the same name from different archive directories share one
// target in a chosen directory: the second meets the first one's file.
TEST_F(commands_fixture, same_names_into_one_chosen_directory) {
  load(pak_builder().add("x/same.txt", "first").add("y/same.txt", "second"));
  for (const auto reply : {answer::yes, answer::no}) {
    std::filesystem::remove_all(dir / "chosen");
    desk.window = fake_window();
    desk.window.directories.push_back(dir / "chosen");
    desk.window.answers.push_back(reply);
    commands::all_to_specified(desk.state, desk.seams());
    EXPECT_EQ(desk.window.questions.size(), 1u);
    EXPECT_EQ(text_of(dir / "chosen/same.txt"), reply == answer::yes ? "second" : "first");
    EXPECT_EQ(tree_of(dir / "chosen"), std::vector<std::string>{"same.txt"});
  }
}

TEST_F(commands_fixture, targets_of_each_command) {
  load(pak_builder().add("a/b/c.txt", "c").add("top.txt", "t").add("d/e.txt", "e"));
  desk.state.cat.entries[1].marked = true;  // marks do not matter: the archive's data is written
  desk.state.cat.entries[1].replacement = dir / "x.pak";
  desk.list.select_only({1, 2});

  commands::selected_to_original(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir / "game"), (std::vector<std::string>{"d/", "d/e.txt", "top.txt"}));
  EXPECT_EQ(text_of(game("top.txt")), "t");

  commands::all_to_original(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir / "game"), (std::vector<std::string>{"a/", "a/b/", "a/b/c.txt", "d/", "d/e.txt", "top.txt"}));

  desk.window.directories.push_back(dir / "one");
  commands::selected_to_specified(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir / "one"), (std::vector<std::string>{"e.txt", "top.txt"}));
  EXPECT_EQ(desk.window.status(), " " + (dir / "one") + "\\e.txt  successfully written.");

  desk.window.directories.push_back(dir / "all");
  commands::all_to_specified(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir / "all"), (std::vector<std::string>{"c.txt", "e.txt", "top.txt"}));
}

TEST_F(commands_fixture, nothing_to_do_changes_nothing) {
  load(pak_builder().add("a.txt", "a"));
  const auto before = desk.window.statuses.size();
  desk.list.select_only({});
  commands::selected_to_original(desk.state, desk.seams());
  desk.window.directories.push_back(dir / "chosen");
  commands::selected_to_specified(desk.state, desk.seams());  // the dialog still comes first
  EXPECT_TRUE(desk.window.directories.empty());
  desk.list.select_only({0});
  commands::all_to_specified(desk.state, desk.seams());  // dialog cancelled
  commands::selected_to_specified(desk.state, desk.seams());
  EXPECT_EQ(desk.window.statuses.size(), before);
  EXPECT_EQ(tree_of(dir.path()), std::vector<std::string>{"x.pak"});
}

// Names that would leave the target directory, or land somewhere else than
// they say, are never written; the rest of the run goes on and one message
// tells the user.
TEST_F(commands_fixture, unsafe_names_are_skipped_and_reported) {
  pak_builder pak;
  const std::vector<std::vector<std::uint16_t>> unsafe = {
      units_of("../up.txt"),
      units_of("a/../../up2.txt"),
      units_of("a\\..\\..\\up3/x.txt"),  // backslashes become separators in the path
      units_of("C:/drive.txt"),
      units_of("a/D:drive.txt"),
      units_of("stream.txt:hidden"),
      units_of("/rooted.txt"),
      units_of("a\\b.txt"),
      units_of("dots/.../x.txt"),
      units_of("./here.txt"),
      units_of("dir/"),
      units_of(std::string("nul\0.txt", 8)),
      units_of("tab\t.txt"),
      {'c', '1', 0x81, '.', 't'},  // a byte that Windows-1252 leaves undefined: the C1 control U+0081
  };
  pak.add("ok/fine.txt", "fine");
  for (const auto& name : unsafe) {
    pak_entry e = entry("", "x");
    e.name_units = name;
    pak.add(e);
  }
  pak.add("last.txt", "last");
  load(pak);

  commands::all_to_original(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir.path()), (std::vector<std::string>{"game/", "game/last.txt", "game/ok/", "game/ok/fine.txt", "x.pak"}));
  ASSERT_EQ(desk.window.messages.size(), 1u);
  EXPECT_EQ(desk.window.messages[0],
            "14 entries were not extracted because their names are unsafe: they could write outside the target "
            "directory or to another file than their name says.\n\n../up.txt\na/../../up2.txt\na/../../up3/x.txt\n"
            "C:/drive.txt\na/D:drive.txt\n...");
  EXPECT_EQ(desk.window.status(), " " + desk.state.game_directory + "last.txt  successfully written.");

  desk.window = fake_window();
  desk.window.directories.push_back(dir / "chosen");
  commands::all_to_specified(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir / "chosen"), (std::vector<std::string>{"fine.txt", "last.txt"}));
  EXPECT_EQ(desk.window.messages.size(), 1u);

  // Control characters are shown, not passed on.
  desk.window = fake_window();
  desk.list.select_only({12, 14});
  commands::selected_to_original(desk.state, desk.seams());
  ASSERT_EQ(desk.window.messages.size(), 1u);
  EXPECT_NE(desk.window.messages[0].find("\nnul\\x00.txt\nc1\\x81.t"), std::string::npos) << desk.window.messages[0];
}

TEST_F(commands_fixture, progress_bar_for_long_runs_only) {
  pak_builder pak;
  for (int k = 0; k < 30; ++k) pak.add("f" + std::to_string(k), "data");
  load(pak);

  commands::all_to_original(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir / "game").size(), 30u);
  ASSERT_EQ(desk.window.progress.size(), 32u);
  EXPECT_EQ(desk.window.progress.front(), (std::pair<std::int64_t, std::int64_t>{0, 150}));
  EXPECT_EQ(desk.window.progress.end()[-2], (std::pair<std::int64_t, std::int64_t>{150, 150}));
  EXPECT_EQ(desk.window.progress.back(), (std::pair<std::int64_t, std::int64_t>{0, 0}));

  desk.window.progress.clear();
  desk.window.directories.push_back(dir / "chosen");
  desk.list.select_only({0, 1, 2});
  commands::selected_to_specified(desk.state, desk.seams());
  EXPECT_EQ(tree_of(dir / "chosen").size(), 3u);
  EXPECT_TRUE(desk.window.progress.empty());
}

// The archive went away after it was loaded: the command ends the program at
// the first entry it writes, and the file that was there stays as it was.
TEST_F(commands_fixture, archive_removed_before_extraction_keeps_existing_target) {
  load(pak_builder().add("p/a.txt", "from the archive"));
  std::filesystem::create_directories(dir / "game/p");
  write_file(game("p/a.txt"), std::string("mine"));
  std::filesystem::remove(dir / "x.pak");
  desk.window.answers.push_back(answer::yes);
  try {
    commands::all_to_original(desk.state, desk.seams());
    ADD_FAILURE() << "no fatal end";
  } catch (const fatal_error& e) {
    EXPECT_STREQ(e.what(), "Error reading the file");
  }
  EXPECT_EQ(tree_of(dir.path()), (std::vector<std::string>{"game/", "game/p/", "game/p/a.txt"}));
  EXPECT_EQ(text_of(game("p/a.txt")), "mine");
}
