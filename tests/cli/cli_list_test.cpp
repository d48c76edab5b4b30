// stowix-cli as a user calls it: output, messages and exit status.
#include <gtest/gtest.h>


#include "support/cli_runner.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

cli_result run_cli(const std::string& arguments, const temp_dir& dir) {
  return run_command_line(STOWIX_CLI, dir.path(), arguments);
}

}  // namespace

TEST(cli_list, prints_rows_in_catalogue_order) {
  temp_dir dir;
  pak_builder pak;
  pak.add("textures/wall.bmp", std::string(1536, 'w')).add("readme", "").add("a/b/c.txt", "x");
  write_file(dir / "x.pak", pak.build());
  const auto result = run_cli("list '" + (dir / "x.pak") + "'", dir);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "|textures\\|wall.bmp|1.50 KB|Bitmap\n||readme|0 Bytes|\n|a\\b\\|c.txt|1 Bytes|ASCII\n");
  EXPECT_EQ(result.err, "");
}

TEST(cli_list, errors_and_wrong_calls) {
  temp_dir dir;
  write_file(dir / "not.pak", std::string("PK\3\4 not a pak"));
  write_file(dir / "short.pak", std::string("KAPB\1\0"));

  const struct {
    std::string arguments;
    int status;
    std::string err_start;
  } cases[] = {
      {"list '" + (dir / "not.pak") + "'", 1, "This file is not a Qel PAK file!\n"},
      {"list '" + (dir / "short.pak") + "'", 1, "Error reading the file\n"},
      {"list '" + (dir / "missing.pak") + "'", 1, "Error reading the file\n"},
      {"list", 2, "Usage:"},
      {"list a b", 2, "Usage:"},
      {"frobnicate x", 2, "Usage:"},
      {"", 2, "Usage:"},
  };
  for (const auto& c : cases) {
    const auto result = run_cli(c.arguments, dir);
    EXPECT_EQ(result.status, c.status) << c.arguments;
    EXPECT_EQ(result.err.substr(0, c.err_start.size()), c.err_start) << c.arguments;
    EXPECT_EQ(result.out, "") << c.arguments;
  }
  const auto help = run_cli("--help", dir);
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.substr(0, 6), "Usage:");
}
