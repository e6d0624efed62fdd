#pragma once

#include <string>

namespace spinfolio {

/// Where the open catalog lives. Folder texts end in "/".
struct CatalogLocation {
  std::string TempRoot;           // folder under which the catalog folder lies
  std::string CatalogFolderName;  // "spinfoliotemp_" + start time "yyyymmddhhnn" + "/"
  std::string ArchivePath;        // the archive file of the open catalog
  std::string PhotoFolder;        // ArchivePath without its extension + "-graph/"
  int DiscCount = 0;              // lines of "plyty"
  int CategoryCount = 0;          // lines of "kat"

  std::string catalogFolder() const { return TempRoot + CatalogFolderName; }
};

}  // namespace spinfolio
