#include "archive/archive_format.h"

#include <algorithm>

#include "common/path_text.h"

namespace spinfolio::archive {
namespace {

void PutInt32(char* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::int64_t GetInt32(const char* at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::uint32_t{static_cast<unsigned char>(at[i])} << (8 * i);
  return static_cast<std::int32_t>(value);
}

// The text of a field up to its first zero byte.
std::string FieldText(const char* field, std::size_t size) {
  const char* end = std::find(field, field + size, '\0');
  return std::string(field, end);
}

}  // namespace

HeaderBytes EncodeHeader(std::string_view title, std::uint32_t memberCount) {
  HeaderBytes bytes{};
  const auto length = std::min(title.size(), kTitleFieldSize - 1);
  std::copy_n(title.data(), length, bytes.data());
  PutInt32(bytes.data() + 16, 1);
  PutInt32(bytes.data() + 20, memberCount);
  return bytes;
}

RecordBytes EncodeRecord(std::string_view name, std::uint32_t size) {
  RecordBytes bytes{};
  const auto length = std::min(name.size(), kNameFieldSize - 1);
  std::copy_n(name.data(), length, bytes.data());
  PutInt32(bytes.data() + kNameFieldSize, size);
  return bytes;
}

Header DecodeHeader(const HeaderBytes& bytes) {
  return {FieldText(bytes.data(), kTitleFieldSize), GetInt32(bytes.data() + 20)};
}

Record DecodeRecord(const RecordBytes& bytes) {
  return {FieldText(bytes.data(), kNameFieldSize), GetInt32(bytes.data() + kNameFieldSize)};
}

bool IsPhotoMember(std::string_view name) { return LowerCaseExtension(name) == ".jpg"; }

bool IsSafeMemberName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string_view::npos;
}

}  // namespace spinfolio::archive
