#pragma once

#include <string>

namespace spinfolio {

// What the program asks of the archive library: the arguments of its two entry points, in
// their order. Folder texts end in "/".

/// _SaveArch: pack the catalog folder into the archive.
struct SaveArchiveRequest {
  bool closeCatalog = false;  // afterwards remove the catalog folder (and photos packed inside)
  int level = -1;             // -1 default, 0 stored, 1 fastest, 9 best
  std::string title;          // written into the archive's header
  std::string archivePath;
  std::string tempRoot;
  std::string catalogFolderName;
  int languageIndex = 0;  // 0 English, 1 Polish
  bool photosInside = false;
};

/// _OpenArch: unpack the archive into the catalog folder.
struct OpenArchiveRequest {
  std::string archivePath;
  std::string tempRoot;
  std::string catalogFolderName;
  int languageIndex = 0;
};

}  // namespace spinfolio
