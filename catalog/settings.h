#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/ini_file.h"

namespace spinfolio {

/// The settings file's name, in the settings folder.
inline constexpr char kSettingsFileName[] = "spinfolio.ini";

/// The drive root read when none is stored: the first optical drive.
inline constexpr char kDefaultDriveRoot[] = "/dev/sr0";

/// Which files a disc read takes, by extension.
struct ReadFilter {
  bool enabled = false;
  bool readOnlyListed = true;  // false: skip the listed extensions
  std::vector<std::string> extensions;

  friend bool operator==(const ReadFilter&, const ReadFilter&) = default;
};

/// The stored filter settings, section "Filtr": both lists are kept whichever kind is chosen.
/// Items are bytes in the catalog's code page.
struct FilterSettings {
  bool enabled = false;               // "Wlaczone"
  bool readOnlyListed = true;         // "Typ": true reads only "ListaW", false skips "ListaP"
  std::vector<std::string> readList;  // "ListaW"
  std::vector<std::string> skipList;  // "ListaP"

  friend bool operator==(const FilterSettings&, const FilterSettings&) = default;
};

FilterSettings ReadFilterSettings(const IniFile& ini);
/// Writes "Wlaczone", "Typ", "ListaW" and "ListaP" in this order; a write that fails raises
/// IniWriteError.
void WriteFilterSettings(IniFile& ini, const FilterSettings& settings);
/// The filter a disc read applies: the list of the chosen kind, on only when that list has items.
ReadFilter ActiveFilter(const FilterSettings& settings);

/// The drive kinds shown besides optical drives: removable, fixed, network, RAM disks, other.
using DriveKinds = std::array<bool, 5>;
/// Display flags of the browse, category, search and pending content lists; 1 hides sizes,
/// 2 hides paths, 3 both.
using DisplayFlags = std::array<int, 4>;

struct WindowPosition {
  int left = 10;
  int top = 10;
};

/// What start-up reads from the settings file, with every default and correction applied.
struct StartupSettings {
  DriveKinds driveKinds{};
  DisplayFlags displayFlags{};
  std::string driveRoot;  // file-system text
  std::string tempRoot;   // file-system text, ends in "/"
  bool photosInside = true;
  int archivingMoment = 0;                       // 0 at exit, 1 after every change
  int compressionItem = 0;                       // item of the compression box, -1 for none
  int ejectItem = 0;                             // item of the eject box, -1 for none
  std::optional<WindowPosition> windowPosition;  // present while "Polozenie" exists
  bool versionCheck = true;
  int languageIndex = 0;  // 0 English, 1 Polish
  bool backgrounds = false;
  ReadFilter readFilter;
  bool reduceFonts = false;
};

/// What the defaults of start-up depend on.
struct SettingsContext {
  std::string systemTempFolder;  // ends in "/"
  std::string settingsFolder;    // ends in "/"
  bool backdropPresent = false;  // "Tla" is read only when the background library is there
};

StartupSettings ReadStartupSettings(const IniFile& ini, const SettingsContext& context,
                                    const CodePage& codePage);

/// What shut-down writes.
struct ExitSettings {
  bool backgrounds = false;
  bool versionCheck = true;
  bool reduceFonts = false;
  bool photosInside = true;
  int ejectItem = 0;
  std::optional<WindowPosition> windowPosition;  // none erases the section "Polozenie"
  DisplayFlags displayFlags{};
  DriveKinds driveKinds{};
};

/// Writes key by key in the fixed order; a write that fails raises IniWriteError.
void WriteExitSettings(IniFile& ini, const ExitSettings& settings);

/// "Sciezki"/"Archiwa", the settings folder when none is stored.
std::string ReadArchivePathSetting(const IniFile& ini, const std::string& settingsFolder,
                                   const CodePage& codePage);
void WriteArchivePathSetting(IniFile& ini, const std::string& archivePath,
                             const CodePage& codePage);

/// "Opcje"/"Litera CD-ROM", written as soon as the user chooses a drive.
void WriteDriveRoot(IniFile& ini, const std::string& driveRoot, const CodePage& codePage);

void WriteArchivingMoment(IniFile& ini, int moment);
void WriteCompressionItem(IniFile& ini, int item);
void WriteLanguage(IniFile& ini, int languageIndex);

/// The compression level handed to the archive writer for an item of the compression box:
/// "Normalna" -1, "Brak kompresji" 0, "Szybka" 1, "Najlepsza" 9; no item selected gives 0.
int CompressionLevelFor(int item);

/// "Drives" and "WList" as written at exit.
std::string DriveKindsText(const DriveKinds& kinds);
std::string DisplayFlagsText(const DisplayFlags& flags);

}  // namespace spinfolio
