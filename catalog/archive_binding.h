#pragma once

#include <string>

namespace spinfolio {

// The program's side of the archive library and of the version-check library: each request
// loads the library from the program's folder, calls one entry point and releases it at once.

inline constexpr char kPackholdLibrary[] = "libpackhold.so";
inline constexpr char kVersionCheckLibrary[] = "libvercheck.so";
inline constexpr char kBackdropLibrary[] = "libbackdrop.so";

/// The signature every archive is written with.
inline constexpr char kArchiveTitle[] = "Spinfolio";

enum class LibraryCall {
  Done,            // the entry point was called
  LibraryMissing,  // the library file could not be loaded: the caller warns
  EntryMissing,    // the library lacks the entry point: nothing is reported
};

struct SaveRequest {
  bool closeCatalog = false;  // the catalog folder (and photos packed inside) go afterwards
  int level = -1;             // -1 default, 0 stored, 1 fastest, 9 best
  std::string archivePath;
  std::string tempRoot;           // ends in "/"
  std::string catalogFolderName;  // ends in "/"
  int languageIndex = 0;
  bool photosInside = true;
};

struct OpenRequest {
  std::string archivePath;
  std::string tempRoot;
  std::string catalogFolderName;
  int languageIndex = 0;
};

/// Packs the catalog folder into the archive (_SaveArch).
LibraryCall CallSaveArch(const std::string& programFolder, const SaveRequest& request);

/// Unpacks the archive into the catalog folder (_OpenArch).
LibraryCall CallOpenArch(const std::string& programFolder, const OpenRequest& request);

struct VersionCheck {
  LibraryCall call = LibraryCall::LibraryMissing;
  bool newVersion = false;  // true ends the program before the catalog is opened
};

/// Asks the version-check library (_SprVer) with the program's name, version and product.
VersionCheck CallVersionCheck(const std::string& programFolder, int languageIndex);

}  // namespace spinfolio
