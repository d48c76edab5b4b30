// File type labels and descriptions: display texts keyed by the extension.
#include <gtest/gtest.h>

#include "archive/file_types.h"

using namespace archive;

struct type_case {
  const char* name;
  const char* extension;
  const char* label;
  const char* description_start;
};

class file_type_lookup : public ::testing::TestWithParam<type_case> {};

TEST_P(file_type_lookup, gives_extension_label_and_description) {
  const auto& c = GetParam();
  EXPECT_EQ(extension_of(c.name), c.extension);
  EXPECT_EQ(type_label_of(extension_of(c.name)), c.label);
  EXPECT_EQ(type_description_of(extension_of(c.name)).substr(0, std::string_view(c.description_start).size()),
            c.description_start);
}

INSTANTIATE_TEST_SUITE_P(
    names, file_type_lookup,
    ::testing::Values(type_case{"intro.bik", "bik", "BINK Video", "This is a BINK Video. It can be viewed or altered with the RAD Game Tool \npackage, "},
                      type_case{"a.b.rar", "rar", "RAR archive", "This is a RAR compressed archive."},
                      type_case{"notes.TXT", "TXT", "ASCII", "None."},
                      type_case{"notes.Txt", "Txt", "", "None."},
                      type_case{"save", "save", "proprietary savegame", "None."},
                      type_case{"s", "s", "ASCII", "None."},
                      type_case{"readme", "readme", "", "None."},
                      type_case{"odd.", "", "", "None."},
                      type_case{".ogg", "ogg", "Ogg Vorbis Audio", "An Ogg Vorbis Audio file"},
                      type_case{"font.tsv", "tsv", "True Type Font", "None."},
                      type_case{"x.dt", "dt", "proprietary / binary", "The format of this file is currently unknown."},
                      type_case{"x.img", "img", "ASCII", "None."},
                      type_case{"thumbs.db", "db", "Thumbnail database", "This is a Windows Thumbnail database."},
                      type_case{"a.BMP", "BMP", "Bitmap", "A standard Windows Bitmap"},
                      type_case{"a.Bmp", "Bmp", "", "None."},
                      type_case{"a.OGG", "OGG", "", "None."},
                      type_case{"x.--def", "--def", "ASCII", "None."},
                      type_case{"f.TTF", "TTF", "True Type Font", "This is a standard Windows True Type Font."},
                      type_case{"", "", "", "None."}),
    [](const auto& info) { return "case_" + std::to_string(info.index); });

TEST(file_types, descriptions_keep_their_line_feeds_and_blanks) {
  EXPECT_EQ(type_description_of("ani"),
            "This file contains the definition of an animated cursor in the standard \nWindows ANI format.");
  EXPECT_EQ(type_description_of("bft"),
            "A proprietary font format. Files of this type can be created from standard Windows fonts \nwith the "
            "program Typesmith.exe, which you can find in fonts.pak.");
  const auto bik = type_description_of("bik");
  EXPECT_EQ(bik.back(), '.');
  EXPECT_NE(bik.find("http"), std::string_view::npos);
}
