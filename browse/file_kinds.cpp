#include "browse/file_kinds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/code_page.h"

namespace spinfolio {
namespace {

struct KindPattern {
  std::string_view pattern;
  int slot;
};

// The file-kinds table flattened in its testing order: kinds top to bottom, patterns left to
// right. The first pattern that matches belongs to the first kind with a match.
// clang-format off
constexpr std::array kPatterns{
    // video
    KindPattern{".avi", 3}, KindPattern{".mpg", 3}, KindPattern{".mpeg", 3},
    KindPattern{".wmv", 3}, KindPattern{".asf", 3}, KindPattern{".asx", 3},
    KindPattern{".m2v", 3}, KindPattern{".divx", 3}, KindPattern{".vcd", 3},
    // image
    KindPattern{".jpg", 4}, KindPattern{".jpeg", 4}, KindPattern{".gif", 4},
    KindPattern{".bmp", 4}, KindPattern{".ico", 4}, KindPattern{".tiff", 4},
    KindPattern{".tif", 4}, KindPattern{".jp2", 4}, KindPattern{".png", 4},
    KindPattern{".ai", 4}, KindPattern{".psd", 4}, KindPattern{".ppf", 4},
    KindPattern{".pp5", 4}, KindPattern{".cdr", 4}, KindPattern{".cmx", 4},
    KindPattern{".pcd", 4}, KindPattern{".pct", 4},
    // archive
    KindPattern{".zip", 6}, KindPattern{".rar", 6}, KindPattern{".ace", 6},
    KindPattern{".7z", 6}, KindPattern{".cab", 6}, KindPattern{".z", 6},
    KindPattern{".gz", 6}, KindPattern{".bz2", 6}, KindPattern{".r0", 6},
    KindPattern{".r1", 6}, KindPattern{".r2", 6}, KindPattern{".r3", 6},
    KindPattern{".r4", 6}, KindPattern{".r5", 6}, KindPattern{".r6", 6},
    KindPattern{".r7", 6}, KindPattern{".r8", 6}, KindPattern{".r9", 6},
    KindPattern{".z0", 6}, KindPattern{".z1", 6}, KindPattern{".z2", 6},
    // source
    KindPattern{".cpp", 5}, KindPattern{".pas", 5}, KindPattern{".inf", 5},
    KindPattern{".me", 5}, KindPattern{".css", 5},
    // audio
    KindPattern{".mp3", 7}, KindPattern{".mp2", 7}, KindPattern{".mp1", 7},
    KindPattern{".wma", 7}, KindPattern{".wav", 7}, KindPattern{".au", 7},
    KindPattern{".mid", 7}, KindPattern{".mpc", 7}, KindPattern{".mp+", 7},
    KindPattern{".mpp", 7}, KindPattern{".ogg", 7}, KindPattern{".aac", 7},
    KindPattern{".miz", 7}, KindPattern{".m3u", 7},
    // program
    KindPattern{".exe", 8}, KindPattern{".com", 8}, KindPattern{".pif", 8},
    KindPattern{".msi", 8},
    // web
    KindPattern{".htm", 20}, KindPattern{".html", 20}, KindPattern{".xml", 20},
    // text
    KindPattern{".txt", 21}, KindPattern{".nfo", 21}, KindPattern{".diz", 21},
    // document
    KindPattern{".doc", 23}, KindPattern{".rtf", 23},
    // spreadsheet
    KindPattern{".xls", 22},
    // PDF
    KindPattern{".pdf", 18},
    // library
    KindPattern{".dll", 16},
    // TrueType font
    KindPattern{".ttf", 24}, KindPattern{".ttc", 24},
    // bitmap font
    KindPattern{".fon", 25},
    // batch
    KindPattern{".bat", 15},
    // configuration
    KindPattern{".ini", 19}, KindPattern{".cfg", 19}, KindPattern{".sys", 19},
    KindPattern{".reg", 19}, KindPattern{".log", 19},
    // disc image
    KindPattern{".iso", 0}, KindPattern{".bin", 0}, KindPattern{".cue", 0},
    KindPattern{".nrg", 0},
    // RealMedia
    KindPattern{".rm", 26}, KindPattern{".ram", 26},
    // QuickTime
    KindPattern{".qt", 27}, KindPattern{".mov", 27}, KindPattern{".3gp", 27},
};
// clang-format on

constexpr int kThumbnailCacheSlot = 16;
constexpr int kUnknownKindSlot = 1;

constexpr std::size_t LongestPattern() {
  std::size_t longest = 0;
  for (const auto& entry : kPatterns) longest = std::max(longest, entry.pattern.size());
  return longest;
}
constexpr std::size_t kLongestPattern = LongestPattern();

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The patterns grouped by their character after the ".", each group in table order: an
// extension is tested only against the group of its own second character.
struct PatternIndex {
  std::array<std::uint8_t, 129> start{};  // group c is order[start[c]] up to order[start[c + 1]]
  std::array<std::uint8_t, kPatterns.size()> order{};
};

constexpr PatternIndex IndexPatterns() {
  PatternIndex index;
  std::size_t next = 0;
  for (std::size_t c = 0; c < 128; ++c) {
    index.start[c] = static_cast<std::uint8_t>(next);
    for (std::size_t i = 0; i < kPatterns.size(); ++i) {
      if (static_cast<unsigned char>(kPatterns[i].pattern[1]) == c) {
        index.order[next++] = static_cast<std::uint8_t>(i);
      }
    }
  }
  index.start[128] = static_cast<std::uint8_t>(next);
  return index;
}
constexpr PatternIndex kIndex = IndexPatterns();
static_assert(kIndex.start[128] == kPatterns.size(),
              "every pattern has an ASCII character after its dot");

// The extension holds one "." only, its first character, and every pattern starts with ".":
// a pattern is contained in the extension exactly when the extension starts with it.
int SlotOfLoweredExtension(std::string_view extension) {
  if (extension.size() < 2) return -1;
  const auto second = static_cast<unsigned char>(extension[1]);
  if (second >= 128) return -1;
  for (std::size_t k = kIndex.start[second]; k < kIndex.start[second + 1]; ++k) {
    const KindPattern& entry = kPatterns[kIndex.order[k]];
    if (extension.starts_with(entry.pattern)) return entry.slot;
  }
  return -1;
}

// No letter outside ASCII lowers to a letter of "thumbs.db" (only the Kelvin sign and the dotted
// capital I lower to ASCII, to "k" and "i"), so a name with any other byte is never the cache.
bool IsThumbnailCache(std::string_view name) {
  constexpr std::string_view kThumbnailCache = "thumbs.db";
  if (name.size() != kThumbnailCache.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (AsciiLower(name[i]) != kThumbnailCache[i]) return false;
  }
  return true;
}

}  // namespace

std::string_view FileNamePart(std::string_view pathText) {
  const auto separator = pathText.find_last_of("\\:");
  return separator == std::string_view::npos ? pathText : pathText.substr(separator + 1);
}

int FileKindIconSlot(std::string_view pathText, const CodePage& codePage) {
  const std::string_view name = FileNamePart(pathText);
  const auto dot = name.rfind('.');
  if (dot != std::string_view::npos) {
    const std::string_view extension = name.substr(dot);
    // Only as many characters as the longest pattern can decide. When they are plain ASCII,
    // they are lowered on the stack; others go through the code page's lowering.
    int slot = -1;
    if (IsAscii(extension.substr(0, kLongestPattern))) {
      std::array<char, kLongestPattern> lowered{};
      const std::size_t length = std::min(extension.size(), lowered.size());
      for (std::size_t i = 0; i < length; ++i) lowered[i] = AsciiLower(extension[i]);
      slot = SlotOfLoweredExtension(std::string_view(lowered.data(), length));
    } else {
      slot = SlotOfLoweredExtension(codePage.lower(extension));
    }
    if (slot >= 0) return slot;
  }
  return IsThumbnailCache(name) ? kThumbnailCacheSlot : kUnknownKindSlot;
}

}  // namespace spinfolio
