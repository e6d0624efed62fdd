#include "common/comma_text.h"

namespace spinfolio {
namespace {

constexpr char kQuote = '"';
constexpr char kDelimiter = ',';

// Codes 1 to 32: the characters that separate items and are skipped before them.
bool IsBlank(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

bool NeedsQuotes(std::string_view item) {
  for (const char c : item) {
    if (c == '\0') break;
    if (IsBlank(c) || c == kQuote || c == kDelimiter) return true;
  }
  return false;
}

std::string Quoted(std::string_view item) {
  std::string out(1, kQuote);
  for (const char c : item) {
    out += c;
    if (c == kQuote) out += kQuote;
  }
  out += kQuote;
  return out;
}

}  // namespace

std::string ToCommaText(const std::vector<std::string>& items) {
  if (items.size() == 1 && items.front().empty()) return {kQuote, kQuote};
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += kDelimiter;
    text += NeedsQuotes(items[i]) ? Quoted(items[i]) : items[i];
  }
  return text;
}

std::vector<std::string> FromCommaText(std::string_view text) {
  // A NUL ends the text, as it ends the stored value.
  if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> items;
  std::size_t p = 0;
  const std::size_t end = text.size();
  const auto skipBlanks = [&] {
    while (p < end && IsBlank(text[p])) ++p;
  };
  skipBlanks();
  while (p < end) {
    std::string item;
    if (text[p] == kQuote) {
      ++p;
      while (p < end) {
        if (text[p] == kQuote) {
          if (p + 1 < end && text[p + 1] == kQuote) {
            item += kQuote;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += text[p++];
      }
    } else {
      const std::size_t start = p;
      while (p < end && !IsBlank(text[p]) && text[p] != kDelimiter) ++p;
      item.assign(text.substr(start, p - start));
    }
    items.push_back(std::move(item));
    skipBlanks();
    if (p < end && text[p] == kDelimiter) {
      if (p + 1 == end) items.emplace_back();
      ++p;
      skipBlanks();
    }
  }
  return items;
}

}  // namespace spinfolio
