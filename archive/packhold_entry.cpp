// The library's entry points: the program loads the library, calls one of them and releases it.

#include <exception>
#include <string>

#include "archive/archive_reader.h"
#include "archive/archive_writer.h"
#include "archive/progress_window.h"

#define PACKHOLD_EXPORT __attribute__((visibility("default")))

namespace {

using namespace spinfolio;
using namespace spinfolio::archive;

// A null text is the empty text.
std::string Text(const char* text) { return text != nullptr ? text : ""; }

// A truth value is its low byte.
bool Truth(int value) { return (value & 0xFF) != 0; }

// Nothing may leave a C entry point as an exception.
template <typename Work>
void Guarded(ArchiveProgress& progress, Work&& work) {
  try {
    work();
  } catch (const std::exception& error) {
    progress.reportError(error.what());
  } catch (...) {
    progress.reportError("unexpected error");
  }
}

}  // namespace

extern "C" {

/// The progress window's unit variable; never set.
PACKHOLD_EXPORT void* _Form7 = nullptr;

PACKHOLD_EXPORT void _SaveArch(int closeCatalog, int level, const char* title,
                               const char* archivePath, const char* tempRoot,
                               const char* catalogFolderName, int languageIndex, int photosInside) {
  SaveArchiveRequest arguments;
  arguments.closeCatalog = Truth(closeCatalog);
  arguments.level = level;
  arguments.title = Text(title);
  arguments.archivePath = Text(archivePath);
  arguments.tempRoot = Text(tempRoot);
  arguments.catalogFolderName = Text(catalogFolderName);
  arguments.languageIndex = languageIndex;
  arguments.photosInside = Truth(photosInside);
  const auto progress = MakeArchiveProgress();
  Guarded(*progress, [&] { WriteArchive(arguments, *progress); });
}

PACKHOLD_EXPORT void _OpenArch(const char* archivePath, const char* tempRoot,
                               const char* catalogFolderName, int languageIndex) {
  OpenArchiveRequest arguments;
  arguments.archivePath = Text(archivePath);
  arguments.tempRoot = Text(tempRoot);
  arguments.catalogFolderName = Text(catalogFolderName);
  arguments.languageIndex = languageIndex;
  const auto progress = MakeArchiveProgress();
  Guarded(*progress, [&] { ReadArchive(arguments, *progress); });
}

}  // extern "C"
