#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace spinfolio {

/// The character set of catalog and settings files: the locale's (UTF-8 where the locale names
/// plain ASCII), or the iconv name in SPINFOLIO_CODEPAGE, e.g. CP1250 for catalogs from Polish
/// Windows. File names on disk are UTF-8, as Qt takes them.
class CodePage {
 public:
  /// An iconv character set name; an unknown name falls back to UTF-8.
  explicit CodePage(std::string name);

  /// The code page of this run, chosen once from the environment and the locale.
  static const CodePage& System();

  const std::string& name() const { return name_; }
  bool isUtf8() const { return utf8_; }

  QString decode(std::string_view bytes) const;
  /// Characters the code page lacks become "?".
  std::string encode(QStringView text) const;

  /// Lower-cases every letter, Polish ones included (Ą becomes ą); plain ASCII takes a fast path.
  std::string lower(std::string_view bytes) const;

  /// A file-system path or name (UTF-8) in this code page, and back.
  std::string fromNative(std::string_view native) const;
  std::string toNative(std::string_view bytes) const;

 private:
  std::string name_;
  bool utf8_;
};

/// A file-system path as the windows show it.
QString NativeText(const std::string& path);

}  // namespace spinfolio
