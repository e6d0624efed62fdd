#include "archive/archive_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <zlib.h>

#include <array>
#include <cstring>
#include <limits>

#include "archive/archive_format.h"
#include "archive/packhold_texts.h"
#include "archive/zlib_stream.h"
#include "common/catalog_names.h"
#include "common/empty_folder.h"
#include "common/file_descriptor.h"
#include "common/file_ops.h"
#include "common/path_text.h"
#include "common/text_file.h"

namespace spinfolio::archive {
namespace {

constexpr char kTemporarySuffix[] = ".saving";

int LineCount(const std::string& file) { return static_cast<int>(ReadLinesOrEmpty(file).size()); }

std::int64_t SizeOf(const std::string& file) {
  const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (!fd.valid() || ::fstat(fd.get(), &info) != 0) return 0;
  return info.st_size;
}

void AddIfPresent(std::vector<Member>& members, const std::string& folder, std::string name) {
  std::string path = folder + name;
  if (!FileExists(path)) return;
  const std::int64_t size = SizeOf(path);
  members.push_back({std::move(name), std::move(path), size});
}

// The older layouts in the archive's folder are moved aside, so that a catalog already
// imported is not imported again. A taken ".bak" name leaves the file where it is.
void MoveOlderCatalogsAside(const std::string& archiveFolder) {
  for (const char* name : {"data1.z", "data2.z", "spinfolio.sfz"}) {
    const std::string path = archiveFolder + name;
    if (PathExists(path)) MoveFileTo(path, path + ".bak", Replace::No);
  }
}

// The failure of one step of a save, with the system's reason.
struct SaveError {
  std::error_code reason;
};

// Writes the container through the compressor: header, then each member's record and bytes.
// The window's bar runs down one step for the header and one per member while the window fades.
class ContainerWriter {
 public:
  ContainerWriter(ArchiveProgress& progress, DeflateStream& out, int barPosition)
      : progress_(progress), out_(out), bar_(barPosition) {}

  void write(const std::string& title, const std::vector<Member>& members) {
    const HeaderBytes header = EncodeHeader(title, static_cast<std::uint32_t>(members.size()));
    put(header.data(), header.size());
    step();
    const float opacityStep = 200.0f / static_cast<float>(members.size() + 1);
    float opacity = 200.0f;
    for (const Member& member : members) {
      copyMember(member);
      opacity -= opacityStep;
      progress_.setOpacity(static_cast<int>(opacity));
      step();
    }
  }

  int barPosition() const { return bar_; }

 private:
  void put(const void* bytes, std::size_t size) {
    if (!out_.write(bytes, size)) throw SaveError{LastSystemError()};
  }

  void step() {
    progress_.setPosition(--bar_);
    progress_.processMessages();
  }

  // Copies exactly the size noted in the member's record, so the container stays consistent;
  // a file that changed meanwhile fails the save instead.
  void copyMember(const Member& member) {
    const RecordBytes record = EncodeRecord(member.name, static_cast<std::uint32_t>(member.size));
    put(record.data(), record.size());
    if (member.size == 0) return;
    const FileDescriptor in(::open(member.path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid()) throw SaveError{LastSystemError()};
    std::int64_t left = member.size;
    while (left > 0) {
      const auto want = static_cast<std::size_t>(std::min<std::int64_t>(left, buffer_.size()));
      const ssize_t got = ReadFully(in.get(), buffer_.data(), want);
      if (got < 0) throw SaveError{LastSystemError()};
      if (static_cast<std::size_t>(got) < want) {
        throw SaveError{std::make_error_code(std::errc::io_error)};
      }
      put(buffer_.data(), want);
      left -= got;
      progress_.processMessages();
    }
  }

  ArchiveProgress& progress_;
  DeflateStream& out_;
  int bar_;
  std::array<char, kChunkSize> buffer_;
};

void SyncFolder(const std::string& folder) {
  const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
}

}  // namespace

std::vector<Member> ListMembers(const std::string& catalogFolder, const std::string& photoFolder,
                                int discCount, int categoryCount, bool photosInside) {
  std::vector<Member> members;
  AddIfPresent(members, catalogFolder, kDiscListFile);
  AddIfPresent(members, catalogFolder, kCategoryListFile);
  for (int disc = 0; disc < discCount; ++disc) {
    AddIfPresent(members, catalogFolder, ContentFileName(disc));
    if (photosInside) AddIfPresent(members, photoFolder, PhotoFileName(disc));
    AddIfPresent(members, catalogFolder, DescriptionFileName(disc));
  }
  for (int category = 0; category < categoryCount; ++category) {
    AddIfPresent(members, catalogFolder, MemberFileName(category));
  }
  return members;
}

SaveOutcome WriteArchive(const SaveArchiveRequest& arguments, ArchiveProgress& progress,
                         const WriterFaults& faults) {
  const std::string catalogFolder = arguments.tempRoot + arguments.catalogFolderName;
  const std::string photoFolder = PhotoFolderFor(arguments.archivePath);
  const std::string archiveFolder = FolderPart(arguments.archivePath);
  const auto closeFolders = [&] {
    if (!arguments.closeCatalog) return;
    RemoveFolderTree(catalogFolder);
    if (arguments.photosInside) RemoveFolderTree(photoFolder);
  };

  const int discs = LineCount(catalogFolder + kDiscListFile);
  const int categories = LineCount(catalogFolder + kCategoryListFile);
  // An empty catalog makes no archive on a first run, but an emptied one must replace the
  // archive that still holds the old discs.
  if (discs == 0 && categories == 0 && !PathExists(arguments.archivePath)) {
    closeFolders();
    return SaveOutcome::NothingToSave;
  }

  const int language = arguments.languageIndex;
  progress.setTexts(LibraryText(kPleaseWait, language), LibraryText(kSavingArchive, language));
  MoveOlderCatalogsAside(archiveFolder);
  const std::vector<Member> members =
      ListMembers(catalogFolder, photoFolder, discs, categories, arguments.photosInside);

  const std::string temporaryArchive = arguments.archivePath + kTemporarySuffix;
  try {
    for (const Member& member : members) {
      if (member.size > std::numeric_limits<std::int32_t>::max()) {
        throw SaveError{std::make_error_code(std::errc::file_too_large)};
      }
    }
    MakeFolders(archiveFolder);

    const int barMaximum = static_cast<int>(members.size()) + 3;
    progress.setOpacity(200);
    progress.setMaximum(barMaximum);
    progress.setPosition(barMaximum);
    progress.show();
    progress.processMessages();

    // The container is compressed as it is written, into a new file beside the archive that
    // replaces it only once it is complete on the disk.
    FileDescriptor out(
        ::open(temporaryArchive.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!out.valid()) throw SaveError{LastSystemError()};
    DeflateOptions options;
    options.syncTarget = true;
    options.failAfterBytes = faults.failCompressionAfterBytes;
    DeflateStream stream(out.get(), arguments.level, options);
    if (stream.setUpResult() != Z_OK) {
      throw SaveError{std::make_error_code(std::errc::invalid_argument)};
    }
    ContainerWriter writer(progress, stream, barMaximum);
    writer.write(arguments.title, members);
    if (!stream.finish()) throw SaveError{LastSystemError()};
    if (auto error = out.close()) throw SaveError{error};
    if (::rename(temporaryArchive.c_str(), arguments.archivePath.c_str()) != 0) {
      throw SaveError{LastSystemError()};
    }
    SyncFolder(archiveFolder);
    progress.setPosition(writer.barPosition() - 1);
    progress.processMessages();
  } catch (const SaveError& error) {
    DeleteFileAt(temporaryArchive);
    progress.reportError(SaveFailedText(arguments.archivePath, error.reason.message(), language));
    return SaveOutcome::Failed;
  }

  progress.setPosition(0);
  progress.processMessages();
  closeFolders();
  return SaveOutcome::Saved;
}

}  // namespace spinfolio::archive
