// Size texts, row texts and the decoding of stored names.
#include <gtest/gtest.h>

#include "archive/catalogue.h"
#include "archive/name_decoding.h"

using namespace archive;

TEST(size_text, boundaries_between_units) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "0 Bytes"},           {1024, "1024 Bytes"},        {1025, "1.00 KB"},
      {1536, "1.50 KB"},        {1048575, "1024.00 KB"},     {1048576, "1024.00 KB"},
      {1048577, "1.00 MB"},     {2147483647, "2048.00 MB"},  {-5, "-5 Bytes"},
      {1029, "1.00 KB"},        {1034, "1.01 KB"},
  };
  for (const auto& [size, text] : cases) EXPECT_EQ(size_text(size, '.'), text) << size;
  EXPECT_EQ(size_text(1536, ','), "1,50 KB");
}

TEST(row_text, five_fields_with_empty_marker_and_label) {
  entry_type e;
  e.path = "a\\b\\";
  e.name = "c.txt";
  e.data_size = 1536;
  EXPECT_EQ(row_text(e, '.'), "|a\\b\\|c.txt|1.50 KB|ASCII");
  e.name = "readme";
  EXPECT_EQ(row_text(e, '.', " * "), " * |a\\b\\|readme|1.50 KB|");
  EXPECT_EQ(full_name_of(e), "a/b/readme");
}

TEST(name_decoding, low_byte_read_as_windows_1252) {
  const unsigned char units[] = {0x41, 0x01, 0xE9, 0x00, 0x80, 0x00, 0x81, 0x00, 0x2F, 0x12};
  const std::string low = low_bytes_of_units(units, 5);
  EXPECT_EQ(low, std::string("A\xE9\x80\x81/", 5));
  EXPECT_EQ(windows1252_to_utf8(low), "A\u00e9\u20ac\u0081/");
}
