#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace spinfolio::archive {

// The container inside an archive's zlib stream, integers 32-bit little-endian:
//   header  title (16 bytes, zero-terminated, zero-filled) | 1 | member count
//   member  name (100 bytes, zero-terminated, zero-filled) | size | the file's bytes

inline constexpr std::size_t kTitleFieldSize = 16;
inline constexpr std::size_t kHeaderSize = 24;
inline constexpr std::size_t kNameFieldSize = 100;
inline constexpr std::size_t kRecordSize = 104;

using HeaderBytes = std::array<char, kHeaderSize>;
using RecordBytes = std::array<char, kRecordSize>;

/// A title longer than 15 characters is cut to fit its field.
HeaderBytes EncodeHeader(std::string_view title, std::uint32_t memberCount);
/// A name longer than 99 characters is cut to fit its field.
RecordBytes EncodeRecord(std::string_view name, std::uint32_t size);

struct Header {
  std::string title;
  std::int64_t memberCount = 0;  // as stored, read as a signed 32-bit number
};
Header DecodeHeader(const HeaderBytes& bytes);

struct Record {
  std::string name;
  std::int64_t size = 0;  // as stored, read as a signed 32-bit number
};
Record DecodeRecord(const RecordBytes& bytes);

/// Photos go to the photo folder: names whose extension, lower-cased, is ".jpg".
bool IsPhotoMember(std::string_view name);

/// A name that stays inside its folder: not empty, not "." or "..", no "/" or "\".
bool IsSafeMemberName(std::string_view name);

}  // namespace spinfolio::archive
