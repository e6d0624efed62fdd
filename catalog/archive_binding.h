#pragma once

#include <string>

#include "common/archive_requests.h"

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

/// Packs the catalog folder into the archive (_SaveArch).
LibraryCall CallSaveArch(const std::string& programFolder, const SaveArchiveRequest& request);

/// Unpacks the archive into the catalog folder (_OpenArch).
LibraryCall CallOpenArch(const std::string& programFolder, const OpenArchiveRequest& request);

struct VersionCheck {
  LibraryCall call = LibraryCall::LibraryMissing;
  bool newVersion = false;  // true ends the program before the catalog is opened
};

/// Asks the version-check library (_SprVer) with the program's name, version and product.
VersionCheck CallVersionCheck(const std::string& programFolder, int languageIndex);

}  // namespace spinfolio
