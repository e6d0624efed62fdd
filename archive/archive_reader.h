#pragma once

#include <string>

#include "archive/archive_progress.h"
#include "common/archive_requests.h"

namespace spinfolio::archive {

enum class OpenOutcome {
  Opened,       // every member was unpacked
  NewCatalog,   // no archive there: empty "plyty" and "kat"
  OlderLayout,  // not an ".sfa" path: handed to the import of older catalogs
  Damaged,      // unpacked what could be; the user was told and the archive copied aside
};

/// Makes the catalog folder and the photo folder and fills them from the archive. A damaged
/// archive is unpacked as far as it goes, copied to archivePath + ".damaged" and reported.
OpenOutcome ReadArchive(const OpenArchiveRequest& arguments, ArchiveProgress& progress);

/// Where a damaged archive is copied before anything can overwrite it.
std::string DamagedCopyPath(const std::string& archivePath);

}  // namespace spinfolio::archive
