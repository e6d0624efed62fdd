#include "browse/catalog_search.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QString>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

#include "catalog/reading_rules.h"
#include "common/catalog_names.h"
#include "common/file_descriptor.h"
#include "common/progress_ticker.h"
#include "common/text_file.h"

namespace spinfolio {
namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view kCrLf = "\r\n";

// Bytes of lowered paths, names and size texts, the most common first; a byte not listed is
// rarer than all of them.
constexpr std::string_view kByCommonness = " e\\ta.o0i1nrs2l<>/3mc5d4u6p798kbhgfyw_-()vjxzq";

std::size_t Rarity(char byte) {
  const std::size_t rank = kByCommonness.find(byte);
  return rank == npos ? kByCommonness.size() : rank;
}

// Finds a query in lowered text: memchr looks for the query's rarest byte, then the whole query
// is compared there. Nothing is prepared per call, so resuming after a rejected hit costs little.
class QueryFinder {
 public:
  explicit QueryFinder(std::string_view query) : query_(query) {
    for (std::size_t at = 1; at < query.size(); ++at) {
      if (Rarity(query[at]) >= Rarity(query[rareAt_])) rareAt_ = at;
    }
  }

  /// The first occurrence at or after from; npos when there is none.
  std::size_t find(std::string_view text, std::size_t from = 0) const {
    if (query_.empty()) return from;
    if (text.size() < from + query_.size()) return npos;
    const char rare = query_[rareAt_];
    const char* at = text.data() + from + rareAt_;
    const char* const end = text.data() + text.size() - query_.size() + rareAt_ + 1;
    while (at < end) {
      at = static_cast<const char*>(std::memchr(at, rare, static_cast<std::size_t>(end - at)));
      if (at == nullptr) return npos;
      const char* const start = at - rareAt_;
      if (std::memcmp(start, query_.data(), query_.size()) == 0) {
        return static_cast<std::size_t>(start - text.data());
      }
      ++at;
    }
    return npos;
  }

  bool holds(std::string_view text) const { return find(text) != npos; }

 private:
  std::string_view query_;
  std::size_t rareAt_ = 0;  // where the rarest byte stands in the query
};

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Calls visit for every line of bytes, split as SplitLines splits them, until it returns true.
template <typename Visit>
bool AnyLine(std::string_view bytes, Visit visit) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = start;
    while (end < bytes.size() && !IsLineBreak(bytes[end])) ++end;
    if (visit(bytes.substr(start, end - start), start == 0)) return true;
    if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return false;
}

// Where TagValue(line, "<n>") takes the content path from: after the first "<n>" up to the
// first "</n>" of the line; empty when a tag is missing or the closing one comes first.
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};

Span PathSpan(std::string_view line) {
  const auto open = line.find("<n>");
  if (open == npos) return {};
  const auto begin = open + 3;
  const auto close = line.find("</n>");
  if (close == npos || close <= begin) return {};
  return {begin, close};
}

std::string_view PathOf(std::string_view line) {
  const Span span = PathSpan(line);
  return line.substr(span.begin, span.end - span.begin);
}

// A growable block of bytes that is not cleared when it grows; reused from file to file.
class ByteBuffer {
 public:
  /// Room for at least size bytes; the first kept bytes stay when the block moves.
  char* reserve(std::size_t size, std::size_t kept = 0) {
    if (size > capacity_) {
      auto larger = std::make_unique_for_overwrite<char[]>(size);
      if (kept > 0) std::memcpy(larger.get(), bytes_.get(), kept);
      bytes_ = std::move(larger);
      capacity_ = size;
    }
    return bytes_.get();
  }
  std::size_t capacity() const { return capacity_; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t capacity_ = 0;
};

// Reads a whole regular file with one open, one fstat and normally two reads (the second sees
// the end); nullopt when it is missing or cannot be read.
std::optional<std::string_view> ReadWhole(const std::string& path, ByteBuffer& buffer) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!file.valid()) return std::nullopt;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  char* data = buffer.reserve(static_cast<std::size_t>(status.st_size) + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == buffer.capacity()) data = buffer.reserve(used * 2, used);  // the file grew
    const ssize_t got = ::read(file.get(), data + used, buffer.capacity() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) return std::string_view(data, used);
    used += static_cast<std::size_t>(got);
  }
}

constexpr std::array<char, 128> kAsciiLower = [] {
  std::array<char, 128> table{};
  for (int c = 0; c < 128; ++c) table[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return table;
}();

constexpr std::uint64_t kEveryByte = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

// Lower-cases eight ASCII bytes at once: the high bit of byte + 0x3F is set from 'A' on, that of
// byte + 0x25 from '[' on; neither sum carries into the next byte.
std::uint64_t LowerAsciiWord(std::uint64_t word) {
  const std::uint64_t fromA = word + kEveryByte * (0x80 - 'A');
  const std::uint64_t pastZ = word + kEveryByte * (0x80 - 'Z' - 1);
  return word | ((fromA & ~pastZ & kHighBits) >> 2);
}

// Whether every ASCII byte stands for itself in the code page whatever stands next to it, so
// that a text can be lowered run by run. Fails for code pages whose double-byte characters can
// end in an ASCII byte (Shift JIS, GBK, Big5) and for those that switch meanings with ASCII
// sequences (ISO-2022, UTF-7).
bool AsciiStandsAlone(const CodePage& codePage) {
  if (codePage.isUtf8()) return true;
  std::string probe;
  for (int high = 0x80; high <= 0xFF; ++high) {
    for (const char ascii : std::string_view("@A\\~a")) {
      probe += static_cast<char>(high);
      probe += ascii;
    }
  }
  probe += "\x1B$BAA\x1B(B+AGE-";
  std::string sent;
  for (const char c : probe) {
    if (static_cast<unsigned char>(c) < 0x80) sent += c;
  }
  std::string seen;
  for (const QChar c : codePage.decode(probe)) {
    if (c.unicode() < 0x80) seen += static_cast<char>(c.unicode());
  }
  return seen == sent;
}

struct Lowered {
  std::string_view text;
  bool sameLayout = true;  // every byte kept its place
};

// Lower-cases bytes exactly as CodePage::lower lowers any text they stand in, for code pages in
// which ASCII stands alone: ASCII eight bytes at a time, every run of other bytes through the
// code page, each distinct run converted once per search.
class Lowerer {
 public:
  explicit Lowerer(const CodePage& codePage) : codePage_(codePage) {}

  Lowered lower(std::string_view bytes, ByteBuffer& buffer) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    char* out = buffer.reserve(size);
    bool sameLayout = true;
    std::size_t read = 0;
    std::size_t written = 0;
    while (read < size) {
      if (read + 8 <= size) {
        std::uint64_t word;
        std::memcpy(&word, in + read, 8);
        if ((word & kHighBits) == 0) {
          word = LowerAsciiWord(word);
          std::memcpy(out + written, &word, 8);
          read += 8;
          written += 8;
          continue;
        }
      }
      if (in[read] < 0x80) {
        out[written++] = kAsciiLower[in[read++]];
        continue;
      }
      std::size_t end = read + 1;
      while (end < size && in[end] >= 0x80) ++end;
      const std::string_view run = lowerRun(bytes.substr(read, end - read));
      if (run.size() != end - read) {
        sameLayout = false;
        out = buffer.reserve(written + run.size() + (size - end), written);
      }
      std::memcpy(out + written, run.data(), run.size());
      written += run.size();
      read = end;
    }
    return {std::string_view(out, written), sameLayout};
  }

 private:
  struct RunHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view run) const {
      return std::hash<std::string_view>{}(run);
    }
  };

  std::string_view lowerRun(std::string_view run) {
    if (const auto known = runs_.find(run); known != runs_.end()) return known->second;
    // A letter before the run keeps it from standing at the start of a text, where a UTF-8
    // byte-order mark would be dropped.
    std::string lowered = codePage_.lower("a" + std::string(run));
    lowered.erase(0, 1);
    return runs_.emplace(std::string(run), std::move(lowered)).first->second;
  }

  const CodePage& codePage_;
  std::unordered_map<std::string, std::string, RunHash, std::equal_to<>> runs_;
};

// Decides disc by disc whether the searched text holds the query. The text is never built: the
// files are lowered whole and searched, and a hit in a content list counts only inside the path
// of its line. Queries holding a line break, and code pages in which ASCII does not stand alone,
// build the text as it is defined instead.
class DiscMatcher {
 public:
  explicit DiscMatcher(const CatalogSearch& search)
      : search_(search),
        query_(search.query),
        // Decoding UTF-8 drops a byte-order mark at the very start of a text.
        leadingMark_(search.codePage.isUtf8() ? "\xEF\xBB\xBF" : ""),
        byRuns_(query_.find_first_of(kCrLf) == npos && AsciiStandsAlone(search.codePage)),
        finder_(query_),
        lowerer_(search.codePage) {}

  bool found(int disc) {
    if (query_.empty()) return true;
    return byRuns_ ? foundByRuns(disc) : foundByDefinition(disc);
  }

 private:
  std::string_view entry(int disc) const {
    const auto index = static_cast<std::size_t>(disc);
    return index < search_.discEntries.size() ? std::string_view(search_.discEntries[index])
                                              : std::string_view();
  }

  const std::string& filePath(const std::string& name) {
    path_.assign(search_.catalogFolder);
    path_ += name;
    return path_;
  }

  // Without a line break in the query, a hit lies inside one line of the text, so the pieces
  // can be searched one by one, in any order. Only the first piece differs: a byte-order mark
  // at its start is dropped.
  bool foundByRuns(int disc) {
    const SearchScopes& scopes = search_.scopes;
    const std::string name = scopes.titles ? DiscName(entry(disc)) : std::string();
    // A name holding the query without its mark holds it wherever it stands, so it is tried
    // before any file is read.
    if (scopes.titles && pieceHolds(name, true)) return true;
    bool first = true;
    if (scopes.content) {
      const ContentResult content = pathsHold(disc, first);
      if (content.held) return true;
      first = !content.anyLine;
    }
    if (scopes.titles) {
      if (!first && startsWithMark(name) && pieceHolds(name, false)) return true;
      first = false;
    }
    return scopes.descriptions && descriptionHolds(disc, first);
  }

  bool startsWithMark(std::string_view piece) const {
    return !leadingMark_.empty() && piece.starts_with(leadingMark_);
  }

  bool pieceHolds(std::string_view piece, bool first) {
    if (first && startsWithMark(piece)) piece.remove_prefix(leadingMark_.size());
    return finder_.holds(lowerer_.lower(piece, scratch_).text);
  }

  struct ContentResult {
    bool held = false;
    bool anyLine = false;
  };

  ContentResult pathsHold(int disc, bool first) {
    const auto bytes = ReadWhole(filePath(ContentFileName(disc)), raw_);
    if (!bytes || bytes->empty()) return {};
    const Lowered lowered = lowerer_.lower(*bytes, lowered_);
    const bool markFirst = first && startsWithMark(PathOf(FirstLine(*bytes)));
    if (!lowered.sameLayout || markFirst) return {pathsHoldLineByLine(*bytes, first), true};
    return {pathsHoldInPlace(*bytes, lowered.text), true};
  }

  static std::string_view FirstLine(std::string_view bytes) {
    std::size_t end = 0;
    while (end < bytes.size() && !IsLineBreak(bytes[end])) ++end;
    return bytes.substr(0, end);
  }

  // The lowered bytes lie where the raw ones do: every hit is checked against the path of the
  // raw line it falls in, so hits in size texts and tags are passed over. A hit is the first
  // one from where the search resumed, so a later hit in the same path cannot end inside it.
  bool pathsHoldInPlace(std::string_view raw, std::string_view lowered) const {
    for (std::size_t from = 0;;) {
      const std::size_t hit = finder_.find(lowered, from);
      if (hit == npos) return false;
      std::size_t start = hit;
      while (start > 0 && !IsLineBreak(lowered[start - 1])) --start;
      std::size_t end = hit + query_.size();
      while (end < lowered.size() && !IsLineBreak(lowered[end])) ++end;
      const Span span = PathSpan(raw.substr(start, end - start));
      const std::size_t pathBegin = start + span.begin;
      const std::size_t pathEnd = start + span.end;
      if (hit < pathBegin) {
        from = pathBegin;  // before the path: a hit inside it may still follow
      } else if (hit + query_.size() <= pathEnd) {
        return true;
      } else {
        from = end;
      }
    }
  }

  // Some run changed its length when lowered: every path is lowered on its own.
  bool pathsHoldLineByLine(std::string_view raw, bool first) {
    return AnyLine(raw, [&](std::string_view line, bool firstLine) {
      return pieceHolds(PathOf(line), first && firstLine);
    });
  }

  bool descriptionHolds(int disc, bool first) {
    const auto bytes = ReadWhole(filePath(DescriptionFileName(disc)), raw_);
    return bytes && pieceHolds(*bytes, first);
  }

  // The text as it is defined: built whole and lowered whole.
  bool foundByDefinition(int disc) {
    const SearchScopes& scopes = search_.scopes;
    std::string text;
    const auto addLine = [&text](std::string_view line) {
      text += line;
      text += kCrLf;
    };
    if (scopes.content) {
      for (const auto& line : fileLines(ContentFileName(disc))) addLine(TagValue(line, "<n>"));
    }
    if (scopes.titles) addLine(DiscName(entry(disc)));
    if (scopes.descriptions) {
      for (const auto& line : fileLines(DescriptionFileName(disc))) addLine(line);
    }
    return finder_.holds(search_.codePage.lower(text));
  }

  Lines fileLines(const std::string& name) {
    const auto bytes = ReadWhole(filePath(name), raw_);
    return bytes ? SplitLines(*bytes) : Lines{};
  }

  const CatalogSearch& search_;
  const std::string_view query_;
  const std::string_view leadingMark_;
  const bool byRuns_;
  const QueryFinder finder_;
  Lowerer lowerer_;
  ByteBuffer raw_;
  ByteBuffer lowered_;
  ByteBuffer scratch_;
  std::string path_;
};

}  // namespace

std::vector<int> SearchCatalog(const CatalogSearch& search) {
  DiscMatcher matcher(search);
  ProgressTicker ticker(search.progress, search.progressInterval);
  std::vector<int> found;
  for (int disc = 0; disc < search.discCount; ++disc) {
    if (matcher.found(disc)) found.push_back(disc);
    ticker.tick();
  }
  return found;
}

}  // namespace spinfolio
