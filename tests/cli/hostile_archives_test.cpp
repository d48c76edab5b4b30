// Damaged and hostile archives through every command of stowix-cli: each
// gets one of the program's own messages or a clean refusal, never a crash,
// a hang, a sanitizer report or a large allocation, and a refused save
// leaves the archive as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

struct hostile_case {
  std::string name;
  bytes content;
};

bytes truncated(const bytes& whole, std::size_t length) { return bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(std::min(length, whole.size()))); }

std::vector<hostile_case> hostile_cases() {
  std::vector<hostile_case> cases;
  pak_builder good;
  good.add("a/b/c.txt", "hello").add("second.bik", std::string(300, 'v'));
  const bytes whole = good.build();
  const std::size_t directory_start = static_cast<std::size_t>(128 + 2 * 14 + 2 * (9 + 10) + 5 + 300);
  for (const std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{8}, std::size_t{11},
                                std::size_t{12}, std::size_t{127}, std::size_t{128}, std::size_t{140},
                                directory_start - 1, directory_start, directory_start + 13,
                                directory_start + 20, whole.size() - 1})
    cases.push_back({"cut at " + std::to_string(cut), truncated(whole, cut)});

  for (const std::int32_t value : {0, -1, -0x7FFFFFFF - 1, 100000, 0x7FFFFFFF}) {
    pak_builder offset = good;
    offset.directory_offset = value;
    cases.push_back({"directory_offset " + std::to_string(value), offset.build()});
    pak_builder size = good;
    size.directory_size = value;
    cases.push_back({"directory_size " + std::to_string(value), size.build()});
  }

  pak_builder lying;
  pak_entry small = entry("small.txt", "abcdef");
  small.record_length = 2;
  pak_entry negative = entry("negative.txt", "xyz");
  negative.data_size = -50;
  pak_entry beyond = entry("beyond.txt", "q");
  beyond.data_size = 0x7FFFFFF0;
  lying.add(small).add(negative).add(beyond);
  cases.push_back({"record_length smaller than data_size, negative and huge sizes", lying.build()});

  pak_builder cut_name;
  pak_entry long_name = entry(std::string(255, 'n'), "d");
  cut_name.add(long_name);
  bytes cut_bytes = cut_name.build();
  cut_bytes.resize(cut_bytes.size() - 200);
  cases.push_back({"name_length 255 with the name cut off", cut_bytes});

  pak_builder hostile_names;
  for (const std::string& name : {std::string("../../escape.txt"), std::string("a/../../b.txt"), std::string(".."),
                                  std::string("C:/windows/x.dll"), std::string("/etc/passwd"),
                                  std::string("dir\\..\\up.txt"), std::string("ctl\x01\x1f.txt"),
                                  std::string("nul\0name", 8)})
    hostile_names.add(name, "bad");
  cases.push_back({"names of control characters and ..", hostile_names.build()});

  pak_builder many;
  many.entries.assign(1'000'000, entry("", ""));
  cases.push_back({"a million zero-length names", many.build()});
  return cases;
}

bool mentions_sanitizer(const std::string& text) {
  return text.find("Sanitizer") != std::string::npos || text.find("runtime error") != std::string::npos;
}

}  // namespace

TEST(hostile_archives, every_command_answers_cleanly) {
  temp_dir dir;
  write_file(dir / "replacement.txt", std::string("new content"));
  for (const auto& c : hostile_cases()) {
    SCOPED_TRACE(c.name);
    const std::string archive = write_file(dir / "hostile.pak", c.content);
    std::filesystem::remove_all(dir / "out");
    const std::vector<std::vector<std::string>> calls = {
        {"list", archive},
        {"info", archive, "#1"},
        {"check", archive},
        {"extract", archive, "-C", dir / "out", "--overwrite=no"},
        {"replace", archive, "#1=" + (dir / "replacement.txt")},
    };
    for (const auto& arguments : calls) {
      SCOPED_TRACE(arguments[0]);
      cli_call call;
      call.arguments = arguments;
      call.working_directory = dir.path();
      call.environment.push_back("WINEPREFIX=" + (dir / "prefix"));
      call.time_limit_seconds = 30;
      const auto result = run_program(STOWIX_CLI, call);
      EXPECT_FALSE(result.timed_out);
      EXPECT_EQ(result.signal, 0);
      EXPECT_TRUE(result.status >= 0 && result.status <= 2) << result.status;
      EXPECT_FALSE(mentions_sanitizer(result.err)) << result.err.substr(0, 2000);
      if (result.status != 0) {
        EXPECT_FALSE(result.err.empty() && result.out.empty());
      }
#ifndef STOWIX_SANITIZED
      // Memory follows the bytes of the file, never what a header claims.
      EXPECT_LT(result.peak_kib, 64 * 1024 + static_cast<long>(c.content.size()) * 12 / 1024) << result.peak_kib;
#endif
      if (arguments[0] == "replace" && result.status != 0) {
        EXPECT_EQ(read_file(archive), c.content);
      }
    }
    // Nothing lands outside the chosen directory.
    for (const auto& item : std::filesystem::recursive_directory_iterator(dir.path())) {
      const auto relative = std::filesystem::relative(item.path(), dir.path()).string();
      EXPECT_TRUE(relative == "hostile.pak" || relative == "replacement.txt" || relative.rfind("out", 0) == 0 ||
                  relative.rfind("prefix", 0) == 0)
          << relative;
    }
  }
}
