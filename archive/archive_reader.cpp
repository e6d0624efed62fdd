#include "archive/archive_reader.h"

#include <fcntl.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <optional>

#include "archive/archive_format.h"
#include "archive/background_file_writer.h"
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

// Unpacks the members of the container as it comes out of the decompressor. Nothing the data
// claim drives an allocation: every member goes through one fixed buffer, and the data running
// out ends the loop.
class ContainerReader {
 public:
  ContainerReader(ArchiveProgress& progress, InflateStream& in, std::string catalogFolder,
                  std::string photoFolder)
      : progress_(progress),
        in_(in),
        catalogFolder_(std::move(catalogFolder)),
        photoFolder_(std::move(photoFolder)) {}

  /// False when the data end before the header and the records they announce. Every member
  /// file is written and closed when it returns.
  bool unpack() {
    const bool whole = unpackMembers();
    files_.finish();
    return whole;
  }

  int maximum() const { return maximum_; }

 private:
  static constexpr std::int64_t kLargestBar = 1 << 30;

  bool unpackMembers() {
    HeaderBytes headerBytes;
    if (in_.read(headerBytes.data(), headerBytes.size()) != headerBytes.size()) return false;
    const std::int64_t count = std::max<std::int64_t>(DecodeHeader(headerBytes).memberCount, 0);
    maximum_ = static_cast<int>(std::min<std::int64_t>(count + 1, kLargestBar));
    progress_.setMaximum(maximum_);
    progress_.setPosition(0);
    const float opacityStep = 200.0f / static_cast<float>(count + 1);
    float opacity = 0.0f;
    for (std::int64_t i = 0; i < count; ++i) {
      RecordBytes recordBytes;
      if (in_.read(recordBytes.data(), recordBytes.size()) != recordBytes.size()) return false;
      if (!copyMember(DecodeRecord(recordBytes))) return false;
      progress_.setPosition(static_cast<int>(std::min<std::int64_t>(i + 1, kLargestBar)));
      opacity += opacityStep;
      progress_.setOpacity(static_cast<int>(opacity));
      progress_.processMessages();
    }
    return true;
  }

  // Hands the member's bytes to its file, or passes over them when the name would leave its
  // folder. False when the data end first.
  bool copyMember(const Record& record) {
    const bool kept = IsSafeMemberName(record.name);
    if (kept) {
      files_.startFile((IsPhotoMember(record.name) ? photoFolder_ : catalogFolder_) + record.name);
    }
    std::int64_t left = std::max<std::int64_t>(record.size, 0);
    while (left > 0) {
      const std::string_view piece =
          in_.next(static_cast<std::size_t>(std::min<std::int64_t>(left, kChunkSize)));
      if (piece.empty()) return false;
      if (kept) files_.write(piece);
      left -= static_cast<std::int64_t>(piece.size());
      progress_.processMessages();
    }
    return true;
  }

  ArchiveProgress& progress_;
  InflateStream& in_;
  std::string catalogFolder_;
  std::string photoFolder_;
  BackgroundFileWriter files_;
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

OpenOutcome ReadArchive(const OpenArchiveRequest& arguments, ArchiveProgress& progress) {
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

  const FileDescriptor in(::open(arguments.archivePath.c_str(), O_RDONLY | O_CLOEXEC));
  InflateStream stream(in.get());
  ContainerReader reader(progress, stream, catalogFolder, photoFolder);
  const bool whole = in.valid() && reader.unpack();
  progress.setPosition(reader.maximum());
  progress.processMessages();

  // The members may end before the stream does: only a stream read to its end counts as whole.
  if (whole) {
    while (!stream.next(kChunkSize).empty()) {
    }
  }
  std::optional<Damage> damage = in.valid() ? DamageOfStream(stream.result()) : Damage::ReadError;
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
