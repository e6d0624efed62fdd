// The mounts table of the kernel (/proc/self/mounts and files in its format).

#include "acquire/mounts_table.h"

#include <array>
#include <cstddef>
#include <fstream>

namespace spinfolio {

namespace {

bool IsOctal(char c, char highest = '7') { return c >= '0' && c <= highest; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The next blank-separated field of line from position at on, moving at past it; "" at the end.
std::string_view NextField(std::string_view line, std::size_t& at) {
  while (at < line.size() && IsBlank(line[at])) ++at;
  const std::size_t start = at;
  while (at < line.size() && !IsBlank(line[at])) ++at;
  return line.substr(start, at - start);
}

}  // namespace

std::string DecodeMountsField(std::string_view field) {
  std::string decoded;
  decoded.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    // The kernel writes a byte as a backslash and three octal digits, so the first is at most 3.
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1], '3') &&
        IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
      decoded += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                   (field[i + 3] - '0'));
      i += 3;
    } else {
      decoded += field[i];
    }
  }
  return decoded;
}

std::vector<MountEntry> ReadMountsTable(const std::string& path) {
  std::vector<MountEntry> mounts;
  std::ifstream table(path);
  std::string line;
  while (std::getline(table, line)) {
    std::size_t at = 0;
    std::array<std::string_view, 3> fields;
    for (std::string_view& field : fields) field = NextField(line, at);
    if (fields.back().empty()) continue;
    mounts.push_back(
        {DecodeMountsField(fields[0]), DecodeMountsField(fields[1]), DecodeMountsField(fields[2])});
  }
  return mounts;
}

}  // namespace spinfolio
