// stowix-cli replace and check as a user calls them.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

struct replace_fixture : ::testing::Test {
  temp_dir dir;
  std::string archive = dir / "x.pak";
  std::string backups = dir / "prefix/drive_c/temp/packs/Stowix Backups";
  pak_builder pak;

  replace_fixture() {
    pak.add("textures/wall.bmp", "old wall").add("sounds/wall.bmp", "other wall").add("readme", "text");
    write_file(archive, pak.build());
    write_file(dir / "new.bmp", std::string("new wall!"));
  }
  cli_result run(std::vector<std::string> arguments) {
    cli_call call;
    call.arguments = std::move(arguments);
    call.working_directory = dir.path();
    call.environment.push_back("WINEPREFIX=" + (dir / "prefix"));
    return run_program(STOWIX_CLI, call);
  }
  bytes expected(const std::vector<std::size_t>& rows, const std::string& data) const {
    pak_builder after = pak;
    for (const auto k : rows) {
      after.entries[k].data.assign(data.begin(), data.end());
      after.entries[k].opaque = {0, 0, 0, 0, 1};
    }
    after.trailer = true;
    return after.build();
  }
};

}  // namespace

TEST_F(replace_fixture, replaces_saves_with_a_backup_and_prints_the_status) {
  const auto result = run({"replace", "x.pak", "textures/wall.bmp=new.bmp"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, " x.pak  successfully altered.  1 entries were replaced.\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(read_file(archive), expected({0}, "new wall!"));
  EXPECT_EQ(read_file(backups + "/x.pak.1"), pak.build());

  // A pattern that names two entries marks both; the next backup takes number 2.
  const bytes before = read_file(archive);
  const auto again = run({"replace", "x.pak", "*wall.bmp=new.bmp"});
  EXPECT_EQ(again.out, " x.pak  successfully altered.  2 entries were replaced.\n");
  EXPECT_EQ(read_file(archive), expected({0, 1}, "new wall!"));
  EXPECT_EQ(read_file(backups + "/x.pak.2"), before);
}

TEST_F(replace_fixture, dry_run_lists_and_writes_nothing) {
  const auto result = run({"replace", "--dry-run", "x.pak", "#3=new.bmp", "textures/wall.bmp=new.bmp"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "textures/wall.bmp: 8 bytes -> 9 bytes from new.bmp\nreadme: 4 bytes -> 9 bytes from new.bmp\n");
  EXPECT_EQ(read_file(archive), pak.build());
  EXPECT_FALSE(std::filesystem::exists(dir / "prefix"));
}

TEST_F(replace_fixture, wrong_calls_write_nothing) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string err_start;
  } cases[] = {
      {{"replace", "x.pak", "nothing/here=new.bmp"}, 2, "No entry matches nothing/here\n"},
      {{"replace", "x.pak", "readme=missing.bmp"}, 2, "No such file: missing.bmp\n"},
      {{"replace", "x.pak", "readme=new.bmp", "#9=new.bmp"}, 2, "No entry matches #9\n"},
      {{"replace", "x.pak"}, 2, "Usage:"},
      {{"replace", "x.pak", "readme"}, 2, "Usage:"},
      {{"replace", "x.pak", "=new.bmp"}, 2, "Usage:"},
      {{"replace", "--force", "x.pak", "readme=new.bmp"}, 2, "Usage:"},
      {{"replace", "missing.pak", "readme=new.bmp"}, 1, "Error reading the file\n"},
  };
  for (const auto& c : cases) {
    const auto result = run(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.arguments.back();
    EXPECT_EQ(result.err.substr(0, c.err_start.size()), c.err_start) << c.arguments.back();
    EXPECT_EQ(result.out, "") << c.arguments.back();
  }
  EXPECT_EQ(read_file(archive), pak.build());
  EXPECT_FALSE(std::filesystem::exists(dir / "prefix"));
}

TEST_F(replace_fixture, check_names_the_first_problem) {
  const auto fine = run({"check", "x.pak"});
  EXPECT_EQ(fine.status, 0);
  EXPECT_EQ(fine.out, "The archive has the layout that saving needs.\n");

  bytes gap = pak.build();
  const std::size_t directory_at = gap.size() - (14 + 34) - (14 + 30) - (14 + 12);
  gap.insert(gap.begin() + static_cast<std::ptrdiff_t>(directory_at), 4, 0);
  gap[4] = static_cast<unsigned char>(gap[4] + 4);
  write_file(dir / "gap.pak", gap);
  const auto broken = run({"check", "gap.pak"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out, "The directory does not begin directly after the last data record: it is at offset " +
                            std::to_string(directory_at + 4) + ", the data records end at " +
                            std::to_string(directory_at) + ".\n");

  // The save refuses it the same way and changes nothing.
  const auto refused = run({"replace", "gap.pak", "readme=new.bmp"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err.rfind("The archive cannot be saved: The directory does not begin", 0), 0u) << refused.err;
  EXPECT_EQ(read_file(dir / "gap.pak"), gap);

  EXPECT_EQ(run({"check"}).status, 2);
}
