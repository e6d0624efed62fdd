#pragma once

#include <QDateTime>
#include <optional>
#include <string>
#include <string_view>

namespace spinfolio {

/// "spinfoliotemp_" + the time formatted "yyyymmddhhnn" + "/".
std::string CatalogFolderNameAt(const QDateTime& start);

/// The settings folder: the user's configuration folder + "Spinfolio/", made when missing, with a
/// "spinfolio.ini" lying in the program's folder moved into it when it has none; without a
/// configuration folder, the program's folder.
std::string PrepareSettingsFolder(const std::optional<std::string>& userConfigFolder,
                                  const std::string& programFolder);

/// A command-line argument names an archive to open: an existing file whose extension,
/// lower-cased, is ".sfa".
bool IsArchiveArgument(const std::string& argument);

/// Which archive start-up opens, and the archive path that holds afterwards.
struct ArchiveChoice {
  std::string pathToOpen;
  std::string archivePath;
  bool storeArchivePath = false;  // the path changed and goes into the settings at once
};

/// An existing file is opened as it is. Otherwise (nothing there, or a folder) the first that
/// exists in the path's folder (or the settings folder when that folder is missing) is opened:
/// "spinfolio.sfz", "data1.z" with "data2.z", "spinfolio.sfa"; else settings folder +
/// "spinfolio.sfa". The archive path then becomes that file's folder + "spinfolio.sfa".
ArchiveChoice ChooseArchive(const std::string& archivePath, const std::string& settingsFolder);

/// The first line of a disc list in the current format holds "</n>".
bool IsCurrentDiscListFormat(std::string_view firstLine);

}  // namespace spinfolio
