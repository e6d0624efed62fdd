#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace spinfolio {

/// Raised when the settings file cannot be written: "Unable to write to <file>".
class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(const std::filesystem::path& file);
};

/// A profile (ini) file with the semantics of the Windows profile functions: sections and keys are
/// matched without regard to case, every call reads the file afresh and every write rewrites it at
/// once keeping all other lines, values come back as written (trimmed, quotes kept), lines are
/// written with CR LF.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path file);

  const std::filesystem::path& path() const { return file_; }

  std::optional<std::string> readValue(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  /// Decimal or "0x" hexadecimal; a missing or non-numeric value gives the fallback.
  int readInteger(std::string_view section, std::string_view key, int fallback) const;
  /// Read as an integer: any value but 0 is true.
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;
  /// True when the section holds at least one key.
  bool sectionExists(std::string_view section) const;

  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);
  void writeBool(std::string_view section, std::string_view key, bool value);
  /// Removes the section with all its keys; nothing happens when it does not exist.
  void eraseSection(std::string_view section);

 private:
  std::filesystem::path file_;
};

/// The integer rule of the profile functions: optional sign, decimal or "0x"/"$" hexadecimal,
/// surrounding blanks ignored; nullopt for anything else or a value out of range.
std::optional<int> ParseInteger(std::string_view text);

}  // namespace spinfolio
