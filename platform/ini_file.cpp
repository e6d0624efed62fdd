#include "platform/ini_file.h"

#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <limits>

#include "common/file_ops.h"
#include "common/text_file.h"

namespace spinfolio {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trimmed(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trimmed(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))};
}

// Where a section lies in the lines: its header line and one past its last line.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> FindSection(const Lines& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const Lines& lines, SectionSpan span, std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto parsed = ParseKeyLine(lines[i]);
    if (parsed && SameName(parsed->key, key)) return i;
  }
  return std::nullopt;
}

// A file the user marked read-only is refused even where the system would let us replace it;
// a missing file can be created.
bool IsWritable(const std::filesystem::path& file) {
  if (IsMarkedReadOnly(file)) return false;
  return !FileExists(file) || ::access(file.c_str(), W_OK) == 0;
}

void WriteOrThrow(const std::filesystem::path& file, const Lines& lines) {
  if (!IsWritable(file) || WriteLines(file, lines)) throw IniWriteError(file);
}

}  // namespace

IniWriteError::IniWriteError(const std::filesystem::path& file)
    : std::runtime_error("Unable to write to " + file.string()) {}

std::optional<int> ParseInteger(std::string_view text) {
  text = Trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.size() > 1 && text[0] == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc{} || end != text.data() + text.size() || magnitude < 0) {
    return std::nullopt;
  }
  const long long value = negative ? -magnitude : magnitude;
  // Hexadecimal texts name bit patterns: 0xFFFFFFFF is -1, as the profile functions read it.
  if (base == 16 && !negative && value <= std::numeric_limits<std::uint32_t>::max()) {
    return static_cast<int>(static_cast<std::uint32_t>(value));
  }
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

IniFile::IniFile(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::string> IniFile::readValue(std::string_view section,
                                              std::string_view key) const {
  const Lines lines = ReadLinesOrEmpty(file_);
  const auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  const auto at = FindKey(lines, *span, key);
  if (!at) return std::nullopt;
  return std::string(ParseKeyLine(lines[*at])->value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  auto value = readValue(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto value = readValue(section, key);
  if (!value) return fallback;
  return ParseInteger(*value).value_or(fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::sectionExists(std::string_view section) const {
  const Lines lines = ReadLinesOrEmpty(file_);
  const auto span = FindSection(lines, section);
  if (!span) return false;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (ParseKeyLine(lines[i])) return true;
  }
  return false;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  Lines lines = ReadLinesOrEmpty(file_);
  std::string line;
  line.append(key).append("=").append(value);
  if (const auto span = FindSection(lines, section)) {
    if (const auto at = FindKey(lines, *span, key)) {
      lines[*at] = std::move(line);
    } else {
      // A new key goes after the section's last non-empty line.
      std::size_t insertAt = span->end;
      while (insertAt > span->header + 1 && Trimmed(lines[insertAt - 1]).empty()) --insertAt;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
    }
  } else {
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(std::move(line));
  }
  WriteOrThrow(file_, lines);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
  Lines lines = ReadLinesOrEmpty(file_);
  const auto span = FindSection(lines, section);
  if (!span) return;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(span->header),
              lines.begin() + static_cast<std::ptrdiff_t>(span->end));
  WriteOrThrow(file_, lines);
}

}  // namespace spinfolio
