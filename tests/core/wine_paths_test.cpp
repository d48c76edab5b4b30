// Program-form paths on Linux, and the registry read from a Wine prefix.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/platform_error.h"
#include "platform/posix/wine_prefix.h"
#include "platform/posix/wine_registry.h"
#include "platform/registry.h"
#include "support/pak_builder.h"
#include "support/temp_dir.h"

using namespace platform;

TEST(native_path, backslashes_and_drives_through_the_prefix) {
  testing_support::temp_dir prefix;
  EXPECT_EQ(native_from_program_path("C:\\temp\\packs\\x.pak", prefix.path()), prefix.path() + "/drive_c/temp/packs/x.pak");
  EXPECT_EQ(native_from_program_path("/home/u/x.pak", prefix.path()), "/home/u/x.pak");
  EXPECT_EQ(native_from_program_path("rel\\a", prefix.path()), "rel/a");
  std::filesystem::create_directories(prefix / "dosdevices");
  std::filesystem::create_directory_symlink("/tmp", prefix / "dosdevices/d:");
  EXPECT_EQ(native_from_program_path("D:\\Games\\X", prefix.path()), prefix.path() + "/dosdevices/d:/Games/X");
  EXPECT_EQ(native_from_program_path("C:", prefix.path()), prefix.path() + "/drive_c");
}

TEST(wine_registry, finds_text_values_by_key_and_type) {
  const std::string reg =
      "WINE REGISTRY Version 2\n"
      "[Software\\\\Wow6432Node\\\\Orvane\\\\Dunmarrow] 1700000000\n"
      "#time=1d\n"
      "\"Other\"=dword:00000001\n"
      "\"installdir\"=\"D:\\\\Games\\\\Dunmarrow\\\\\"\n"
      "\n"
      "[Software\\\\Orvane\\\\Dunmarrow] 1700000000\n"
      "\"InstallDir\"=str(2):\"%ProgramFiles%\\\\Qel\"\n"
      "\"Number\"=dword:00000005\n"
      "\"Quoted\"=\"a\\\"b\\x00e9\"\n";
  const auto wow = find_registry_value(reg, {"SOFTWARE\\Wow6432Node\\Orvane\\Dunmarrow"}, "InstallDir");
  EXPECT_EQ(wow.kind, reg_value_kind::text);
  EXPECT_EQ(wow.text, "D:\\Games\\Dunmarrow\\");
  const auto plain = find_registry_value(reg, {"SOFTWARE\\Orvane\\Dunmarrow"}, "InstallDir");
  EXPECT_EQ(plain.text, "%ProgramFiles%\\Qel");  // REG_EXPAND_SZ taken as stored
  EXPECT_EQ(find_registry_value(reg, {"SOFTWARE\\Orvane\\Dunmarrow"}, "Number").kind, reg_value_kind::other);
  EXPECT_EQ(find_registry_value(reg, {"SOFTWARE\\Orvane\\Dunmarrow"}, "Quoted").text, "a\"b\u00e9");
  EXPECT_EQ(find_registry_value(reg, {"SOFTWARE\\Orvane\\Nothing"}, "InstallDir").kind, reg_value_kind::missing);
  EXPECT_EQ(find_registry_value(reg, {"SOFTWARE\\Orvane\\Dunmarrow"}, "Missing").kind, reg_value_kind::missing);
}

TEST(wine_registry, read_from_the_prefix_with_default_and_type_error) {
  testing_support::temp_dir prefix;
  ::setenv("WINEPREFIX", prefix.path().c_str(), 1);
  EXPECT_EQ(read_machine_string("SOFTWARE\\Orvane\\Dunmarrow", "InstallDir", "C:\\temp\\"), "C:\\temp\\");
  testing_support::write_file(prefix / "system.reg",
                              std::string("[Software\\\\Orvane\\\\Dunmarrow] 1\n\"InstallDir\"=\"E:\\\\Q\"\n"));
  EXPECT_EQ(read_machine_string("SOFTWARE\\Orvane\\Dunmarrow", "InstallDir", "C:\\temp\\"), "E:\\Q");
  testing_support::write_file(prefix / "system.reg",
                              std::string("[Software\\\\Orvane\\\\Dunmarrow] 1\n\"InstallDir\"=hex:41,00\n"));
  try {
    read_machine_string("SOFTWARE\\Orvane\\Dunmarrow", "InstallDir", "C:\\temp\\");
    ADD_FAILURE() << "no error";
  } catch (const platform_error& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'InstallDir'");
  }
  ::unsetenv("WINEPREFIX");
}
