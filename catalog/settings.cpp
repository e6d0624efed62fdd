#include "catalog/settings.h"

#include "common/comma_text.h"
#include "common/file_ops.h"
#include "platform/folders.h"

namespace spinfolio {
namespace {

constexpr char kOptions[] = "Opcje";
constexpr char kPosition[] = "Polozenie";
constexpr char kPaths[] = "Sciezki";
constexpr char kFilter[] = "Filtr";

// A stored value without exactly five items, the old six-item default included, shows no
// extra drive kind.
DriveKinds ParseDriveKinds(const std::string& text) {
  DriveKinds kinds{};
  const auto items = FromCommaText(text);
  if (items.size() != kinds.size()) return kinds;
  for (std::size_t i = 0; i < kinds.size(); ++i) kinds[i] = ParseInteger(items[i]).value_or(0) != 0;
  return kinds;
}

// Missing items and values that are no display flag show sizes and paths.
DisplayFlags ParseDisplayFlags(const std::string& text) {
  DisplayFlags flags{};
  const auto items = FromCommaText(text);
  for (std::size_t i = 0; i < flags.size() && i < items.size(); ++i) {
    const int flag = ParseInteger(items[i]).value_or(0);
    flags[i] = flag >= 0 && flag <= 3 ? flag : 0;
  }
  return flags;
}

// An item index outside the box's items selects nothing.
int ItemOrNone(int value, int count) { return value >= 0 && value < count ? value : -1; }

ReadFilter ReadReadFilter(const IniFile& ini) { return ActiveFilter(ReadFilterSettings(ini)); }

std::string ReadDriveRoot(const IniFile& ini, const CodePage& codePage) {
  std::string root = codePage.toNative(
      ini.readString(kOptions, "Litera CD-ROM", codePage.fromNative(kDefaultDriveRoot)));
  // A bare drive letter, as older versions stored it.
  if (root.size() == 1) root += ":\\";
  return root;
}

std::string ReadTempRoot(const IniFile& ini, const SettingsContext& context,
                         const CodePage& codePage) {
  const std::string stored = codePage.toNative(
      ini.readString(kPaths, "Temp", codePage.fromNative(context.systemTempFolder)));
  if (stored.empty() || !FolderExists(stored)) return context.settingsFolder;
  return WithTrailingSlash(stored);
}

}  // namespace

StartupSettings ReadStartupSettings(const IniFile& ini, const SettingsContext& context,
                                    const CodePage& codePage) {
  StartupSettings s;
  s.driveKinds = ParseDriveKinds(ini.readString(kOptions, "Drives", "1,0,0,0,0,0"));
  s.displayFlags = ParseDisplayFlags(ini.readString(kOptions, "WList", "0,0,0,0"));
  s.driveRoot = ReadDriveRoot(ini, codePage);
  s.tempRoot = ReadTempRoot(ini, context, codePage);
  s.photosInside = ini.readBool(kOptions, "SavePic", true);
  // Only "after every change" is kept as such; anything else packs at exit, so that an odd
  // value can never leave the catalog unsaved.
  s.archivingMoment = ini.readInteger(kOptions, "Archiwizacja", 0) == 1 ? 1 : 0;
  s.compressionItem = ItemOrNone(ini.readInteger(kOptions, "Met Kompresji", 0), 4);
  s.ejectItem = ItemOrNone(ini.readInteger(kOptions, "Wysun", 0), 3);
  if (ini.sectionExists(kPosition)) {
    s.windowPosition = WindowPosition{ini.readInteger(kPosition, "Poziomo", 10),
                                      ini.readInteger(kPosition, "Pionowo", 10)};
  }
  s.versionCheck = ini.readBool(kOptions, "Wersja", true);
  s.languageIndex = ini.readInteger(kOptions, "Jezyk", 0) == 1 ? 1 : 0;
  s.backgrounds = context.backdropPresent && ini.readBool(kOptions, "Tla", true);
  s.readFilter = ReadReadFilter(ini);
  s.reduceFonts = ini.readBool(kOptions, "ZmnCzci", false);
  return s;
}

FilterSettings ReadFilterSettings(const IniFile& ini) {
  FilterSettings settings;
  settings.enabled = ini.readBool(kFilter, "Wlaczone", false);
  settings.readOnlyListed = ini.readBool(kFilter, "Typ", true);
  settings.readList = FromCommaText(ini.readString(kFilter, "ListaW", ""));
  settings.skipList = FromCommaText(ini.readString(kFilter, "ListaP", ""));
  return settings;
}

void WriteFilterSettings(IniFile& ini, const FilterSettings& settings) {
  ini.writeBool(kFilter, "Wlaczone", settings.enabled);
  ini.writeBool(kFilter, "Typ", settings.readOnlyListed);
  ini.writeString(kFilter, "ListaW", ToCommaText(settings.readList));
  ini.writeString(kFilter, "ListaP", ToCommaText(settings.skipList));
}

ReadFilter ActiveFilter(const FilterSettings& settings) {
  ReadFilter filter;
  filter.readOnlyListed = settings.readOnlyListed;
  filter.extensions = settings.readOnlyListed ? settings.readList : settings.skipList;
  filter.enabled = settings.enabled && !filter.extensions.empty();
  return filter;
}

std::string DriveKindsText(const DriveKinds& kinds) {
  std::vector<std::string> items;
  for (const bool kind : kinds) items.emplace_back(kind ? "1" : "0");
  return ToCommaText(items);
}

std::string DisplayFlagsText(const DisplayFlags& flags) {
  std::vector<std::string> items;
  for (const int flag : flags) items.push_back(std::to_string(flag));
  return ToCommaText(items);
}

void WriteExitSettings(IniFile& ini, const ExitSettings& settings) {
  ini.writeBool(kOptions, "Tla", settings.backgrounds);
  ini.writeBool(kOptions, "Wersja", settings.versionCheck);
  ini.writeBool(kOptions, "ZmnCzci", settings.reduceFonts);
  ini.writeBool(kOptions, "SavePic", settings.photosInside);
  ini.writeInteger(kOptions, "Wysun", settings.ejectItem);
  if (settings.windowPosition) {
    ini.writeInteger(kPosition, "Poziomo", settings.windowPosition->left);
    ini.writeInteger(kPosition, "Pionowo", settings.windowPosition->top);
  } else {
    ini.eraseSection(kPosition);
  }
  ini.writeString(kOptions, "WList", DisplayFlagsText(settings.displayFlags));
  ini.writeString(kOptions, "Drives", DriveKindsText(settings.driveKinds));
}

std::string ReadArchivePathSetting(const IniFile& ini, const std::string& settingsFolder,
                                   const CodePage& codePage) {
  return codePage.toNative(ini.readString(kPaths, "Archiwa", codePage.fromNative(settingsFolder)));
}

void WriteArchivePathSetting(IniFile& ini, const std::string& archivePath,
                             const CodePage& codePage) {
  ini.writeString(kPaths, "Archiwa", codePage.fromNative(archivePath));
}

void WriteDriveRoot(IniFile& ini, const std::string& driveRoot, const CodePage& codePage) {
  ini.writeString(kOptions, "Litera CD-ROM", codePage.fromNative(driveRoot));
}

void WriteArchivingMoment(IniFile& ini, int moment) {
  ini.writeInteger(kOptions, "Archiwizacja", moment);
}

void WriteCompressionItem(IniFile& ini, int item) {
  ini.writeInteger(kOptions, "Met Kompresji", item);
}

void WriteLanguage(IniFile& ini, int languageIndex) {
  ini.writeInteger(kOptions, "Jezyk", languageIndex);
}

int CompressionLevelFor(int item) {
  switch (item) {
    case 0:
      return -1;
    case 1:
      return 0;
    case 2:
      return 1;
    case 3:
      return 9;
    default:
      return 0;
  }
}

}  // namespace spinfolio
