#include "archive/archive_format.h"

#include <gtest/gtest.h>

namespace spinfolio::archive {
namespace {

std::string Bytes(const auto& array) { return std::string(array.data(), array.size()); }

TEST(ArchiveFormat, HeaderBytes) {
  EXPECT_EQ(Bytes(EncodeHeader("Spinfolio", 4)),
            std::string("Spinfolio\0\0\0\0\0\0\0\x01\0\0\0\x04\0\0\0", 24));
  // A title too long for its field keeps its terminating zero.
  EXPECT_EQ(Bytes(EncodeHeader("0123456789ABCDEFGH", 0x01020304)),
            std::string("0123456789ABCDE\0\x01\0\0\0\x04\x03\x02\x01", 24));
}

TEST(ArchiveFormat, RecordBytesAndDecoding) {
  const RecordBytes record = EncodeRecord("cd12", 70000);
  EXPECT_EQ(Bytes(record),
            std::string("cd12") + std::string(96, '\0') + std::string("\x70\x11\x01\x00", 4));
  const Record decoded = DecodeRecord(record);
  EXPECT_EQ(decoded.name, "cd12");
  EXPECT_EQ(decoded.size, 70000);

  RecordBytes negative{};
  negative[100] = '\xFF';
  negative[101] = '\xFF';
  negative[102] = '\xFF';
  negative[103] = '\xFF';
  EXPECT_EQ(DecodeRecord(negative).size, -1);

  HeaderBytes header{};
  header[20] = '\x00';
  header[23] = '\x40';
  EXPECT_EQ(DecodeHeader(header).memberCount, 0x40000000);
}

TEST(ArchiveFormat, MemberNames) {
  const std::pair<const char*, bool> photos[] = {
      {"cd3.jpg", true}, {"CD3.JPG", true}, {"cd3.jpeg", false}, {"cd3", false}, {"jpg", false}};
  for (const auto& [name, photo] : photos) EXPECT_EQ(IsPhotoMember(name), photo) << name;

  const std::pair<const char*, bool> safe[] = {
      {"plyty", true}, {"cd0.jpg", true}, {"..x", true},  {"", false},     {".", false},
      {"..", false},   {"../kat", false}, {"a/b", false}, {"a\\b", false}, {"/etc", false}};
  for (const auto& [name, ok] : safe) EXPECT_EQ(IsSafeMemberName(name), ok) << name;
}

}  // namespace
}  // namespace spinfolio::archive
