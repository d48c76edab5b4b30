// How the command line names entries.
#include <gtest/gtest.h>

#include "commands/entry_matching.h"

using namespace commands;

TEST(wildcard_match, stars_and_question_marks) {
  EXPECT_TRUE(wildcard_match("*.bmp", "textures/wall.bmp"));
  EXPECT_TRUE(wildcard_match("textures/*", "textures/a/b.txt"));
  EXPECT_TRUE(wildcard_match("?.txt", "a.txt"));
  EXPECT_FALSE(wildcard_match("?.txt", "ab.txt"));
  EXPECT_TRUE(wildcard_match("*", ""));
  EXPECT_FALSE(wildcard_match("a*b*c", "aXbXd"));
  EXPECT_TRUE(wildcard_match("a*b*c", "aXbXbc"));
  // Many stars against a long text stay quick.
  EXPECT_FALSE(wildcard_match("*a*a*a*a*a*a*a*b", std::string(5000, 'a')));
}

TEST(match_entries, full_name_row_number_and_pattern) {
  archive::catalogue cat;
  for (const auto& [path, name] : {std::pair{"textures\\", "wall.bmp"}, {"", "wall.bmp"}, {"sound\\", "x.wav"}}) {
    archive::entry_type e;
    e.path = path;
    e.name = name;
    cat.entries.push_back(e);
  }
  EXPECT_EQ(match_entries(cat, "textures/wall.bmp"), (std::vector<std::size_t>{0}));
  EXPECT_EQ(match_entries(cat, "wall.bmp"), (std::vector<std::size_t>{1}));
  EXPECT_EQ(match_entries(cat, "#3"), (std::vector<std::size_t>{2}));
  EXPECT_EQ(match_entries(cat, "*wall.bmp"), (std::vector<std::size_t>{0, 1}));
  for (const char* none : {"#0", "#4", "#x", "#", "#1x", "nothing", "#99999999999999999999999"})
    EXPECT_TRUE(match_entries(cat, none).empty()) << none;
}
