#pragma once

#include <string>

namespace spinfolio::archive {

/// The library's numbered texts (UTF-8): Polish under 326 to 329, English under the number + 100.
/// The Polish text is used for any language index but 0.
std::string LibraryText(int polishId, int languageIndex);

inline constexpr int kPleaseWait = 326;
inline constexpr int kLoadingArchive = 327;
inline constexpr int kSavingArchive = 328;
inline constexpr int kConvertingArchive = 329;

/// The box shown when a save fails: names the archive and the system's reason, and says the
/// previous archive is unchanged.
std::string SaveFailedText(const std::string& archivePath, const std::string& reason,
                           int languageIndex);

/// Why an archive could not be read whole.
enum class Damage {
  NotAnArchive,       // the file is no zlib stream
  StreamDamaged,      // the compressed data are damaged or cut short
  ContainerCutShort,  // the data end before the members they announce
  ReadError,          // the system could not read the file
};

/// The box shown when an archive is damaged: what happened and where the copy lies.
std::string DamagedArchiveText(const std::string& archivePath, Damage damage,
                               const std::string& copyPath, bool copied, int languageIndex);

}  // namespace spinfolio::archive
