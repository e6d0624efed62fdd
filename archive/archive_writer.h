#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_progress.h"
#include "common/archive_requests.h"

namespace spinfolio::archive {

/// One file packed into the archive.
struct Member {
  std::string name;
  std::string path;
  std::int64_t size = 0;
};

/// The members of a catalog in archive order, each only when its file exists: "plyty", "kat",
/// then per disc cd<N>, its photo (only with photosInside) and op<N>, then per category k<N>.
/// A file that cannot be opened counts 0 bytes.
std::vector<Member> ListMembers(const std::string& catalogFolder, const std::string& photoFolder,
                                int discCount, int categoryCount, bool photosInside);

/// For tests: makes the compression fail part way.
struct WriterFaults {
  std::int64_t failCompressionAfterBytes = -1;
};

enum class SaveOutcome {
  Saved,          // the archive holds the catalog
  NothingToSave,  // no discs, no categories and no archive yet: no file is made
  Failed,         // reported to the user; the previous archive and the folders are untouched
};

/// Packs the catalog folder (and the photos, when asked) into the archive. The archive is
/// replaced only once the new one is complete on disk; a failure leaves the previous archive
/// as it was, keeps the folders even when closing, and is reported through the progress.
SaveOutcome WriteArchive(const SaveArchiveRequest& arguments, ArchiveProgress& progress,
                         const WriterFaults& faults = {});

}  // namespace spinfolio::archive
