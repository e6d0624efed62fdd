#include "tests/archive/archive_fixture.h"

#include <zlib.h>

#include "archive/archive_format.h"

namespace spinfolio::archive::test {

void ArchiveFixture::writeCatalog(
    const std::vector<std::pair<std::string, std::string>>& files) const {
  for (const auto& [name, bytes] : files) {
    WriteFile((IsPhotoMember(name) ? photos() : catalog()) + name, bytes);
  }
}

SaveArchiveRequest ArchiveFixture::saveArguments(bool closing, bool photosInside) const {
  SaveArchiveRequest arguments;
  arguments.closeCatalog = closing;
  arguments.level = -1;
  arguments.title = "Spinfolio";
  arguments.archivePath = archive();
  arguments.tempRoot = tempRoot();
  arguments.catalogFolderName = kFolderName;
  arguments.languageIndex = 0;
  arguments.photosInside = photosInside;
  return arguments;
}

OpenArchiveRequest ArchiveFixture::openArguments() const {
  return {archive(), tempRoot(), kFolderName, 0};
}

SaveOutcome ArchiveFixture::save(bool closing, bool photosInside) {
  return WriteArchive(saveArguments(closing, photosInside), progress);
}

OpenOutcome ArchiveFixture::open() { return ReadArchive(openArguments(), progress); }

std::string Inflated(const std::string& compressed) {
  z_stream stream{};
  EXPECT_EQ(inflateInit(&stream), Z_OK);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  std::string out;
  char buffer[4096];
  int code = Z_OK;
  while (code == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    code = inflate(&stream, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - stream.avail_out);
  }
  EXPECT_EQ(code, Z_STREAM_END) << "not one whole zlib stream";
  EXPECT_EQ(stream.avail_in, 0u) << "bytes after the stream";
  inflateEnd(&stream);
  return out;
}

}  // namespace spinfolio::archive::test
