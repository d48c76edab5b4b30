// stowix-cli info: the window's entry report on standard output.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/load_archive.h"
#include "commands/entry_report.h"
#include "support/cli_runner.h"
#include "support/fake_seams.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;

TEST(cli_info, prints_the_report_of_the_first_match_with_the_registry_game_directory) {
  temp_dir dir;
  pak_builder pak;
  pak.add("textures/wall.bmp", std::string(1536, 'w')).add("sound/wall.wav", "ab").add("intro.bik", "");
  const std::string archive = write_file(dir / "x.pak", pak.build());
  std::filesystem::create_directories(dir / "prefix");
  write_file(dir / "prefix/system.reg",
             std::string("[Software\\\\Orvane\\\\Dunmarrow] 1\n\"InstallDir\"=\"D:\\\\Games\\\\Dunmarrow\\\\\"\n"));

  // The same text the window shows, from the same session.
  fake_desk desk;
  ASSERT_TRUE(archive::load_archive(desk.state, archive, desk.seams()));
  desk.state.game_directory = "D:\\Games\\Dunmarrow\\";
  const std::vector<std::string> env = {"LC_ALL=C", "WINEPREFIX=" + (dir / "prefix")};

  const struct {
    std::string selector;
    std::size_t row;
  } cases[] = {{"sound/wall.wav", 1}, {"#3", 2}, {"*wall*", 0}};
  for (const auto& c : cases) {
    const auto result = run_program(STOWIX_CLI, {{"info", archive, c.selector}, {}, {}, env});
    EXPECT_EQ(result.status, 0) << c.selector;
    EXPECT_EQ(result.out, commands::entry_report(desk.state, c.row) + "\n") << c.selector;
    EXPECT_EQ(result.err, "") << c.selector;
  }
  EXPECT_NE(run_program(STOWIX_CLI, {{"info", archive, "#1"}, {}, {}, env}).out.find("Original path: \t\tD:\\Games\\Dunmarrow\\textures\\ \n"),
            std::string::npos);

  const auto none = run_program(STOWIX_CLI, {{"info", archive, "nothing.txt"}, {}, {}, env});
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "No entry matches nothing.txt\n");
  EXPECT_EQ(run_program(STOWIX_CLI, {{"info", archive}, {}, {}, env}).status, 2);
}
