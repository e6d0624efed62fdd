#include "platform/code_page.h"

#include <QFile>

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstdlib>

namespace spinfolio {
namespace {

bool IsUtf8Name(std::string_view name) {
  std::string folded;
  for (const char c : name) {
    if (c != '-' && c != '_') folded += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  }
  return folded == "UTF8";
}

bool IsAsciiName(std::string_view name) {
  return name == "ANSI_X3.4-1968" || name == "ASCII" || name == "US-ASCII" || name.empty();
}

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Owns one iconv conversion descriptor.
class Converter {
 public:
  Converter(const char* to, const char* from)
      : cd_(::iconv_open(to, from)), fromUtf8_(IsUtf8Name(from)) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (valid()) ::iconv_close(cd_);
  }
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts the whole text; a byte sequence that cannot be converted becomes the replacement.
  std::string convert(std::string_view input, std::string_view replacement) {
    std::string output;
    output.resize(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    while (inLeft > 0) {
      if (::iconv(cd_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        const auto used = static_cast<std::size_t>(out - output.data());
        output.resize(output.size() * 2);
        out = output.data() + used;
        outLeft = output.size() - used;
        continue;
      }
      // EILSEQ or EINVAL: pass over one character (one byte, or a whole UTF-8 sequence) and put
      // the replacement in its place.
      ++in;
      --inLeft;
      while (fromUtf8_ && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
        ++in;
        --inLeft;
      }
      if (outLeft < replacement.size()) {
        const auto used = static_cast<std::size_t>(out - output.data());
        output.resize(output.size() * 2 + replacement.size());
        out = output.data() + used;
        outLeft = output.size() - used;
      }
      for (const char c : replacement) *out++ = c;
      outLeft -= replacement.size();
    }
    output.resize(static_cast<std::size_t>(out - output.data()));
    return output;
  }

 private:
  iconv_t cd_;
  bool fromUtf8_;
};

std::string Convert(const std::string& to, const std::string& from, std::string_view bytes,
                    std::string_view replacement) {
  Converter converter(to.c_str(), from.c_str());
  return converter.valid() ? converter.convert(bytes, replacement) : std::string(bytes);
}

std::string SystemCodePageName() {
  if (const char* chosen = std::getenv("SPINFOLIO_CODEPAGE"); chosen && *chosen) return chosen;
  const std::string codeset = ::nl_langinfo(CODESET);
  return IsAsciiName(codeset) ? "UTF-8" : codeset;
}

}  // namespace

CodePage::CodePage(std::string name) : name_(std::move(name)), utf8_(IsUtf8Name(name_)) {
  if (!utf8_ && !Converter("UTF-8", name_.c_str()).valid()) {
    name_ = "UTF-8";
    utf8_ = true;
  }
}

const CodePage& CodePage::System() {
  static const CodePage system(SystemCodePageName());
  return system;
}

QString CodePage::decode(std::string_view bytes) const {
  const auto size = static_cast<qsizetype>(bytes.size());
  if (utf8_ || IsAscii(bytes)) return QString::fromUtf8(bytes.data(), size);
  const std::string utf8 = Convert("UTF-8", name_, bytes, "\xEF\xBF\xBD");
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string CodePage::encode(QStringView text) const {
  const QByteArray utf8 = text.toUtf8();
  std::string bytes(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  if (utf8_ || IsAscii(bytes)) return bytes;
  return Convert(name_, "UTF-8", bytes, "?");
}

std::string CodePage::lower(std::string_view bytes) const {
  if (IsAscii(bytes)) {
    std::string lowered(bytes);
    for (char& c : lowered) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return lowered;
  }
  return encode(decode(bytes).toLower());
}

std::string CodePage::fromNative(std::string_view native) const {
  if (utf8_ || IsAscii(native)) return std::string(native);
  return encode(QString::fromUtf8(native.data(), static_cast<qsizetype>(native.size())));
}

std::string CodePage::toNative(std::string_view bytes) const {
  if (utf8_ || IsAscii(bytes)) return std::string(bytes);
  const QByteArray utf8 = decode(bytes).toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

QString NativeText(const std::string& path) { return QFile::decodeName(path.c_str()); }

}  // namespace spinfolio
