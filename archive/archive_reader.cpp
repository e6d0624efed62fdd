#include "archive/archive_reader.h"

#include <fcntl.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <optional>

#include "archive/archive_format.h"
#include "archive/packhold_texts.h"
#include "archive/zlib_stream.h"
#include "common/catalog_names.h"
#include "common/file_descriptor.h"
#include "common/file_ops.h"
#include "common/path_text.h"
#include "common/text_file.h"

namespace spinfolio::archive {
namespace {

void WriteEmptyCatalog(const std::string& catalogFolder) {
  WriteLines(catalogFolder + kDiscListFile, {});
  WriteLines(catalogFolder + kCategoryListFile, {});
}

std::optional<Damage> DamageOfStream(int code) {
  switch (code) {
    case kStreamOk:
      return std::nullopt;
    case kStreamIoError:
      return Damage::ReadError;
    default:
      return Damage::StreamDamaged;
  }
}

// Unpacks the members of a container file. Nothing the file claims drives an allocation: every
// member goes through one fixed buffer, and the data running out ends the loop.
class ContainerReader {
 public:
  ContainerReader(ArchiveProgress& progress, std::string catalogFolder, std::string photoFolder)
      : progress_(progress),
        catalogFolder_(std::move(catalogFolder)),
        photoFolder_(std::move(photoFolder)) {}

  /// False when the container ends before its header and records do.
  bool unpack(const std::string& container) {
    const FileDescriptor in(::open(container.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid()) return false;
    HeaderBytes headerBytes;
    if (ReadFully(in.get(), headerBytes.data(), headerBytes.size()) !=
        static_cast<ssize_t>(headerBytes.size())) {
      return false;
    }
    const std::int64_t count = std::max<std::int64_t>(DecodeHeader(headerBytes).memberCount, 0);
    maximum_ = static_cast<int>(std::min<std::int64_t>(count + 1, kLargestBar));
    progress_.setMaximum(maximum_);
    progress_.setPosition(0);
    const float opacityStep = 200.0f / static_cast<float>(count + 1);
    float opacity = 0.0f;
    for (std::int64_t i = 0; i < count; ++i) {
      RecordBytes recordBytes;
      if (ReadFully(in.get(), recordBytes.data(), recordBytes.size()) !=
          static_cast<ssize_t>(recordBytes.size())) {
        return false;
      }
      const Record record = DecodeRecord(recordBytes);
      if (!copyMember(in.get(), record)) return false;
      progress_.setPosition(static_cast<int>(std::min<std::int64_t>(i + 1, kLargestBar)));
      opacity += opacityStep;
      progress_.setOpacity(static_cast<int>(opacity));
      progress_.processMessages();
    }
    return true;
  }

  int maximum() const { return maximum_; }

 private:
  static constexpr std::int64_t kLargestBar = 1 << 30;

  // Copies the member's bytes into its file, or passes over them when the name would leave its
  // folder. False when the data end first.
  bool copyMember(int in, const Record& record) {
    FileDescriptor out;
    if (IsSafeMemberName(record.name)) {
      const std::string target =
          (IsPhotoMember(record.name) ? photoFolder_ : catalogFolder_) + record.name;
      out = FileDescriptor(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    }
    std::int64_t left = std::max<std::int64_t>(record.size, 0);
    while (left > 0) {
      const auto want = static_cast<std::size_t>(std::min<std::int64_t>(left, buffer_.size()));
      const ssize_t got = ReadFully(in, buffer_.data(), want);
      if (got > 0 && out.valid()) WriteFully(out.get(), buffer_.data(), static_cast<std::size_t>(got));
      if (got < static_cast<ssize_t>(want)) return false;
      left -= got;
      progress_.processMessages();
    }
    return true;
  }

  ArchiveProgress& progress_;
  std::string catalogFolder_;
  std::string photoFolder_;
  std::array<char, kChunkSize> buffer_;
  int maximum_ = 1;
};

// The two bytes every zlib stream starts with: deflate method, and a check value.
bool StartsLikeZlibStream(const std::string& file) {
  const FileDescriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  std::array<unsigned char, 2> head{};
  if (!in.valid() || ReadFully(in.get(), head.data(), head.size()) != 2) return false;
  return (head[0] & 0x0F) == Z_DEFLATED && (head[0] * 256 + head[1]) % 31 == 0;
}

}  // namespace

std::string DamagedCopyPath(const std::string& archivePath) { return archivePath + ".damaged"; }

OpenOutcome ReadArchive(const OpenArguments& arguments, ArchiveProgress& progress) {
  const std::string catalogFolder = arguments.tempRoot + arguments.catalogFolderName;
  const std::string photoFolder = PhotoFolderFor(arguments.archivePath);
  MakeFolders(catalogFolder);
  MakeFolders(photoFolder);

  if (LowerCaseExtension(arguments.archivePath) != ".sfa") {
    // Older layouts are imported by their own code; until then a new catalog starts.
    WriteEmptyCatalog(catalogFolder);
    return OpenOutcome::OlderLayout;
  }
  if (!PathExists(arguments.archivePath)) {
    WriteEmptyCatalog(catalogFolder);
    return OpenOutcome::NewCatalog;
  }

  const int language = arguments.languageIndex;
  progress.setTexts(LibraryText(kPleaseWait, language), LibraryText(kLoadingArchive, language));
  progress.setOpacity(0);
  progress.show();
  progress.processMessages();

  const std::string container = arguments.tempRoot + kContainerFileName;
  if (PathExists(container)) {
    ClearAttributes(container);
    DeleteFileAt(container);
  }
  std::optional<Damage> damage = DamageOfStream(InflateFile(arguments.archivePath, container));
  progress.processMessages();

  ContainerReader reader(progress, catalogFolder, photoFolder);
  const bool whole = reader.unpack(container);
  DeleteFileAt(container);
  progress.setPosition(reader.maximum());
  progress.processMessages();

  if (!whole && !damage) damage = Damage::ContainerCutShort;
  if (damage == Damage::StreamDamaged && !StartsLikeZlibStream(arguments.archivePath)) {
    damage = Damage::NotAnArchive;
  }
  if (!damage) return OpenOutcome::Opened;

  const std::string copy = DamagedCopyPath(arguments.archivePath);
  const bool copied = !CopyFileTo(arguments.archivePath, copy, Replace::Yes);
  progress.reportError(DamagedArchiveText(arguments.archivePath, *damage, copy, copied, language));
  return OpenOutcome::Damaged;
}

}  // namespace spinfolio::archive
