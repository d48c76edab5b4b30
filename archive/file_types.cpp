#include "archive/file_types.h"

#include <algorithm>
#include <array>
#include <utility>

namespace archive {

std::string_view extension_of(std::string_view name) {
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

namespace {

constexpr std::string_view ascii = "ASCII";
constexpr std::string_view true_type = "True Type Font";

// Keys are compared whole and case-sensitively; no key occurs twice.
constexpr std::array<std::pair<std::string_view, std::string_view>, 43> labels = {{
    {"ani", "Win animated Cursor"}, {"anim", ascii},
    {"bik", "BINK Video"},          {"bft", "proprietary font"},
    {"bmp", "Bitmap"},              {"BMP", "Bitmap"},
    {"bush", ascii},                {"csv", ascii},
    {"dat", "proprietary / binary"}, {"db", "Thumbnail database"},
    {"def", ascii},                 {"--def", ascii},
    {"dll", "Dynamic Link Library"}, {"dt", "proprietary / binary"},
    {"exe", "Executable"},          {"ext", ascii},
    {"fire", ascii},                {"group", ascii},
    {"house", ascii},               {"log", ascii},
    {"menu", ascii},                {"ogg", "Ogg Vorbis Audio"},
    {"pass", ascii},                {"rar", "RAR archive"},
    {"rle", "proprietary image"},   {"s", ascii},
    {"save", "proprietary savegame"}, {"social", ascii},
    {"tent", ascii},                {"tree", ascii},
    {"tsv", true_type},             {"ttf", true_type},
    {"TTF", true_type},             {"txt", ascii},
    {"TXT", ascii},                 {"unit", ascii},
    {"view", ascii},                {"wav", "Wave Audio"},
    {"WAV", "Wave Audio"},          {"img", ascii},
    {"ini", ascii},                 {"in2", ascii},
    {"xls", "MS Excel Worksheet"},
}};

struct description_row {
  std::string_view key;
  std::string_view other_key;  // empty when the row has one key
  std::string_view text;
};

constexpr std::array<description_row, 14> descriptions = {{
    {"ani", "", "This file contains the definition of an animated cursor in the standard \nWindows ANI format."},
    {"bik", "",
     "This is a BINK Video. It can be viewed or altered with the RAD Game Tool \npackage, "
     "http://www.radgametools.com."},
    {"bft", "",
     "A proprietary font format. Files of this type can be created from standard Windows fonts \nwith the "
     "program Typesmith.exe, which you can find in fonts.pak."},
    {"bmp", "BMP", "A standard Windows Bitmap, can be read/edited by any graphics program."},
    {"dat", "dt", "The format of this file is currently unknown."},
    {"db", "", "This is a Windows Thumbnail database."},
    {"dll", "", "This is a Dynamic Link Library (DLL)."},
    {"exe", "", "A Windows Executable."},
    {"ogg", "", "An Ogg Vorbis Audio file, can be played and/or converted by most Multimedia Players."},
    {"rar", "", "This is a RAR compressed archive."},
    {"rle", "", "While this is definitely an image file, the exact file format remains unknown until now."},
    {"ttf", "TTF", "This is a standard Windows True Type Font."},
    {"wav", "WAV", "A standard Wave Audio file."},
    {"xls", "", "A Microsoft Excel Worksheet."},
}};

}  // namespace

std::string_view type_label_of(std::string_view extension) {
  // Every row of the list asks, so look the key up by halving a sorted copy.
  static const auto sorted = [] {
    auto rows = labels;
    std::sort(rows.begin(), rows.end());
    return rows;
  }();
  const auto found = std::lower_bound(sorted.begin(), sorted.end(), extension,
                                      [](const auto& row, std::string_view key) { return row.first < key; });
  return found != sorted.end() && found->first == extension ? found->second : std::string_view();
}

std::string_view type_description_of(std::string_view extension) {
  for (const auto& row : descriptions)
    if (row.key == extension || (!row.other_key.empty() && row.other_key == extension)) return row.text;
  return "None.";
}

}  // namespace archive
