#pragma once
// The byte layout of a PAK archive: a 128-byte header ("KAPB", directory
// offset, directory size, 116 bytes carried along), packed data records from
// offset 128, the directory, and the trailer that our writer appends.
#include <array>
#include <cstdint>
#include <string_view>

namespace archive {

inline constexpr std::string_view pak_signature = "KAPB";
inline constexpr std::int64_t header_size = 128;
inline constexpr std::int64_t header_fields_size = 12;     // signature, offset, size
inline constexpr std::int64_t record_fixed_size = 14;      // record header without the name
inline constexpr std::int64_t record_name_length_at = 13;  // where name_length sits in a record header
inline constexpr std::int64_t copy_block_size = 5'242'880;  // largest piece read and written at once
inline constexpr std::array<std::uint8_t, 5> replaced_opaque_bytes = {0, 0, 0, 0, 1};
inline constexpr std::string_view trailer_text = "!  created by  !!  Qel Stowix  !";
inline constexpr std::int64_t trailer_zeros = 16;  // before and after the text

inline std::int32_t read_le32(const unsigned char* bytes) {
  const std::uint32_t value = std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) |
                              (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
  return static_cast<std::int32_t>(value);
}

inline std::array<unsigned char, 4> le32_bytes(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
          static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
}

// The archive's 32-bit fields wrap like the original's signed arithmetic;
// the program computes in 64 bits and keeps the low 32 bits where a field
// holds the result.
inline std::int32_t wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace archive
