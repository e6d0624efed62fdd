// Records its calls and does the least the program relies on: an unpack makes the catalog
// folder with the files of SPINFOLIO_FAKE_CATALOG (or an empty catalog); a closing pack removes
// the catalog folder, and the photo folder when photos go inside, unless
// SPINFOLIO_FAKE_SAVE_FAILS is set.

#include <filesystem>
#include <string>

#include "common/empty_folder.h"
#include "common/file_ops.h"
#include "common/text_file.h"
#include "tests/fakes/fake_log.h"

namespace {

using spinfolio::fake::Record;
using spinfolio::fake::Setting;
using spinfolio::fake::Text;

std::string PhotoFolderOf(const std::string& archive) {
  std::filesystem::path path(archive);
  return (path.parent_path() / path.stem()).string() + "-graph/";
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void* _Form7 = nullptr;

__attribute__((visibility("default"))) void _SaveArch(int closeCatalog, int level,
                                                      const char* title, const char* archivePath,
                                                      const char* tempRoot,
                                                      const char* catalogFolderName,
                                                      int languageIndex, int photosInside) {
  const bool closing = (closeCatalog & 0xFF) != 0;
  const bool photos = (photosInside & 0xFF) != 0;
  Record({"_SaveArch", closing ? "1" : "0", std::to_string(level), Text(title), Text(archivePath),
          Text(tempRoot), Text(catalogFolderName), std::to_string(languageIndex),
          photos ? "1" : "0"});
  if (!closing || !Setting("SPINFOLIO_FAKE_SAVE_FAILS").empty()) return;
  spinfolio::RemoveFolderTree(Text(tempRoot) + Text(catalogFolderName));
  if (photos) spinfolio::RemoveFolderTree(PhotoFolderOf(Text(archivePath)));
}

__attribute__((visibility("default"))) void _OpenArch(const char* archivePath, const char* tempRoot,
                                                      const char* catalogFolderName,
                                                      int languageIndex) {
  Record({"_OpenArch", Text(archivePath), Text(tempRoot), Text(catalogFolderName),
          std::to_string(languageIndex)});
  const std::string folder = Text(tempRoot) + Text(catalogFolderName);
  spinfolio::MakeFolders(folder);
  spinfolio::MakeFolders(PhotoFolderOf(Text(archivePath)));
  const std::string source = Setting("SPINFOLIO_FAKE_CATALOG");
  if (!source.empty()) {
    for (const auto& entry : std::filesystem::directory_iterator(source)) {
      spinfolio::CopyFileTo(entry.path(), folder + entry.path().filename().string(),
                            spinfolio::Replace::Yes);
    }
  }
  for (const char* name : {"plyty", "kat"}) {
    if (!spinfolio::FileExists(folder + name)) spinfolio::WriteLines(folder + name, {});
  }
}

}  // extern "C"
