// stowix-cli extract: where files go, existing files, unsafe names, errors.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/file_tree.h"
#include "support/cli_runner.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

// Runs stowix-cli in `dir` with `input` on standard input (a pipe, never a terminal).
cli_result run_cli(const std::string& arguments, const temp_dir& dir, const std::string& input = "") {
  return run_command_line(STOWIX_CLI, dir.path(), arguments, input);
}

std::string summary(int written, int left_alone, int refused) {
  return std::to_string(written) + " files written, " + std::to_string(left_alone) + " existing files left alone, " +
         std::to_string(refused) + " entries refused.\n";
}

struct cli_extract : ::testing::Test {
  temp_dir dir;
  void SetUp() override {
    write_file(dir / "x.pak", pak_builder().add("a/b/c.txt", "c").add("a/d.txt", "d").add("top.txt", "t").build());
  }
};

}  // namespace

TEST_F(cli_extract, targets_by_option) {
  const struct {
    std::string arguments;
    std::vector<std::string> tree;  // under the place written to
    std::string place;
  } cases[] = {
      {"extract x.pak -C out", {"a/", "a/b/", "a/b/c.txt", "a/d.txt", "top.txt"}, "out"},
      {"extract -C out/ x.pak", {"a/", "a/b/", "a/b/c.txt", "a/d.txt", "top.txt"}, "out"},
      {"extract --flat -C out x.pak", {"c.txt", "d.txt", "top.txt"}, "out"},
      {"extract x.pak 'a/*' -C out", {"a/", "a/b/", "a/b/c.txt", "a/d.txt"}, "out"},
      {"extract x.pak '#3' top.txt -C out", {"top.txt"}, "out"},
      {"extract --original x.pak", {"a/", "a/b/", "a/b/c.txt", "a/d.txt", "top.txt"}, "prefix/drive_c/temp"},
  };
  for (const auto& c : cases) {
    const auto result = run_cli(c.arguments, dir);
    EXPECT_EQ(result.status, 0) << c.arguments << result.err;
    EXPECT_EQ(result.out, summary(static_cast<int>(std::count_if(c.tree.begin(), c.tree.end(),
                                                                 [](const std::string& p) { return p.back() != '/'; })),
                                  0, 0))
        << c.arguments;
    EXPECT_EQ(result.err, "") << c.arguments;
    EXPECT_EQ(tree_of(dir / c.place), c.tree) << c.arguments;
    std::filesystem::remove_all(dir / c.place);
  }
  // Without -C the current directory takes the tree.
  EXPECT_EQ(run_cli("extract x.pak top.txt", dir).status, 0);
  EXPECT_EQ(text_of(dir / "top.txt"), "t");
}

TEST_F(cli_extract, existing_files_by_overwrite_policy) {
  const std::string question =
      "At least one of the files you have chosen for export already exists. Do you want to overwrite existing files? "
      "[y]es, [n]o, [c]ancel: ";
  const struct {
    std::string options;
    std::string input;
    int status;
    std::string top, c;  // contents afterwards; both existed holding "old"
    std::string out, err;
  } cases[] = {
      {"", "y\n", 0, "old", "old", summary(1, 2, 0), ""},  // not a terminal: keep, ask nobody
      {"--overwrite=no", "", 0, "old", "old", summary(1, 2, 0), ""},
      {"--overwrite=yes", "", 0, "t", "c", summary(3, 0, 0), ""},
      {"--overwrite=ask", "y\n", 0, "t", "c", summary(3, 0, 0), question},
      {"--overwrite=ask", "maybe\nn\n", 0, "old", "old", summary(1, 2, 0), question + question},
      {"--overwrite=ask", "c\n", 1, "old", "old", summary(0, 1, 0), question + "Extraction cancelled.\n"},
      {"--overwrite=ask", "", 1, "old", "old", summary(0, 1, 0), question + "Extraction cancelled.\n"},
  };
  for (const auto& c : cases) {
    std::filesystem::create_directories(dir / "out/a/b");
    write_file(dir / "out/top.txt", std::string("old"));
    write_file(dir / "out/a/b/c.txt", std::string("old"));
    const auto result = run_cli("extract x.pak -C out " + c.options, dir, c.input);
    EXPECT_EQ(result.status, c.status) << c.options << c.input;
    EXPECT_EQ(text_of(dir / "out/top.txt"), c.top) << c.options << c.input;
    EXPECT_EQ(text_of(dir / "out/a/b/c.txt"), c.c) << c.options << c.input;
    EXPECT_EQ(result.out, c.out) << c.options << c.input;
    EXPECT_EQ(result.err, c.err) << c.options << c.input;
    std::filesystem::remove_all(dir / "out");
  }
}

TEST_F(cli_extract, unsafe_names_are_refused) {
  write_file(dir / "bad.pak", pak_builder().add("../../escape.txt", "x").add("ok.txt", "ok").add("C:/win.txt", "x").build());
  const auto result = run_cli("extract bad.pak -C out/in", dir);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, summary(1, 0, 2));
  EXPECT_NE(result.err.find("2 entries were not extracted"), std::string::npos) << result.err;
  EXPECT_EQ(tree_of(dir / "out"), (std::vector<std::string>{"in/", "in/ok.txt"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "escape.txt"));
}

TEST_F(cli_extract, errors_and_wrong_calls) {
  pak_entry lying = entry("big.txt", "abc");
  lying.data_size = 1'000'000;
  write_file(dir / "damaged.pak", pak_builder().add(lying).build());

  const struct {
    std::string arguments;
    int status;
    std::string err_start;
  } cases[] = {
      {"extract damaged.pak -C out", 1, "Error reading the file\n"},
      {"extract missing.pak -C out", 1, "Error reading the file\n"},
      {"extract x.pak nothing.txt -C out", 1, "No entry matches nothing.txt\n"},
      {"extract", 2, "Usage:"},
      {"extract -C out", 2, "Usage:"},
      {"extract x.pak -C", 2, "Usage:"},
      {"extract x.pak -C out -C other", 2, "Usage:"},
      {"extract x.pak --original -C out", 2, "Usage:"},
      {"extract x.pak --original --flat", 2, "Usage:"},
      {"extract x.pak --overwrite=maybe", 2, "Usage:"},
      {"extract x.pak --verbose", 2, "Usage:"},
  };
  for (const auto& c : cases) {
    const auto result = run_cli(c.arguments, dir);
    EXPECT_EQ(result.status, c.status) << c.arguments;
    EXPECT_EQ(result.err.substr(0, c.err_start.size()), c.err_start) << c.arguments << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out/big.txt")) << c.arguments;
  }
  EXPECT_EQ(tree_of(dir / "out"), std::vector<std::string>{});
}
