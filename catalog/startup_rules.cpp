#include "catalog/startup_rules.h"

#include "catalog/settings.h"
#include "common/file_ops.h"
#include "platform/folders.h"

namespace spinfolio {

std::string CatalogFolderNameAt(const QDateTime& start) {
  return "spinfoliotemp_" + start.toString(QStringLiteral("yyyyMMddHHmm")).toStdString() + "/";
}

std::string PrepareSettingsFolder(const std::optional<std::string>& userConfigFolder,
                                  const std::string& programFolder) {
  if (!userConfigFolder) return programFolder;
  const std::string folder = *userConfigFolder + "Spinfolio/";
  MakeFolders(folder);
  const std::string oldFile = programFolder + kSettingsFileName;
  const std::string newFile = folder + kSettingsFileName;
  if (FileExists(oldFile) && !PathExists(newFile)) MoveFileTo(oldFile, newFile, Replace::No);
  return folder;
}

bool IsArchiveArgument(const std::string& argument) {
  return !argument.empty() && FileExists(argument) && LowerCaseExtension(argument) == ".sfa";
}

ArchiveChoice ChooseArchive(const std::string& archivePath, const std::string& settingsFolder) {
  if (PathExists(archivePath) && !FolderExists(archivePath)) {
    return {archivePath, archivePath, false};
  }
  std::string folder = FolderPart(archivePath);
  if (folder.empty() || !FolderExists(folder)) folder = settingsFolder;
  std::string chosen = settingsFolder + "spinfolio.sfa";
  if (FileExists(folder + "spinfolio.sfz")) {
    chosen = folder + "spinfolio.sfz";
  } else if (FileExists(folder + "data1.z") && FileExists(folder + "data2.z")) {
    chosen = folder + "data1.z";
  } else if (FileExists(folder + "spinfolio.sfa")) {
    chosen = folder + "spinfolio.sfa";
  }
  return {chosen, FolderPart(chosen) + "spinfolio.sfa", true};
}

bool IsCurrentDiscListFormat(std::string_view firstLine) {
  return firstLine.find("</n>") != std::string_view::npos;
}

}  // namespace spinfolio
