#include "catalog/archive_binding.h"

#include "platform/runtime_library.h"

namespace spinfolio {
namespace {

extern "C" {
using SaveArchFunction = void(int closeCatalog, int level, const char* title,
                              const char* archivePath, const char* tempRoot,
                              const char* catalogFolderName, int languageIndex, int photosInside);
using OpenArchFunction = void(const char* archivePath, const char* tempRoot,
                              const char* catalogFolderName, int languageIndex);
using SprVerFunction = unsigned char(const char* shortName, const char* version,
                                     const char* product, int languageIndex);
}

// Loads the library, looks the entry up and hands it to the call; releases the library after.
template <typename Function, typename Call>
LibraryCall WithEntry(const std::string& programFolder, const char* libraryFile,
                      const char* entryName, Call&& call) {
  const RuntimeLibrary library(programFolder + libraryFile);
  if (!library.loaded()) return LibraryCall::LibraryMissing;
  auto* entry = library.entry<Function>(entryName);
  if (entry == nullptr) return LibraryCall::EntryMissing;
  call(entry);
  return LibraryCall::Done;
}

}  // namespace

LibraryCall CallSaveArch(const std::string& programFolder, const SaveArchiveRequest& request) {
  return WithEntry<SaveArchFunction>(
      programFolder, kPackholdLibrary, "_SaveArch", [&request](SaveArchFunction* saveArch) {
        saveArch(request.closeCatalog ? 1 : 0, request.level, request.title.c_str(),
                 request.archivePath.c_str(), request.tempRoot.c_str(),
                 request.catalogFolderName.c_str(), request.languageIndex,
                 request.photosInside ? 1 : 0);
      });
}

LibraryCall CallOpenArch(const std::string& programFolder, const OpenArchiveRequest& request) {
  return WithEntry<OpenArchFunction>(
      programFolder, kPackholdLibrary, "_OpenArch", [&request](OpenArchFunction* openArch) {
        openArch(request.archivePath.c_str(), request.tempRoot.c_str(),
                 request.catalogFolderName.c_str(), request.languageIndex);
      });
}

VersionCheck CallVersionCheck(const std::string& programFolder, int languageIndex) {
  VersionCheck result;
  result.call = WithEntry<SprVerFunction>(
      programFolder, kVersionCheckLibrary, "_SprVer", [&](SprVerFunction* sprVer) {
        result.newVersion = sprVer("spinfolio", "3.9.2", "Spinfolio", languageIndex) != 0;
      });
  return result;
}

}  // namespace spinfolio
