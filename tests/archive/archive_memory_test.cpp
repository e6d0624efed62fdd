// Packing and unpacking a catalog of 200 MB keeps the peak resident memory of the process
// under 64 MB: every file goes through fixed buffers, whatever its size.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>

#include "archive/archive_reader.h"
#include "archive/archive_writer.h"
#include "common/file_descriptor.h"
#include "common/file_ops.h"
#include "common/text_file.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::archive {
namespace {

constexpr long kLimitKiB = 64 * 1024;

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Writes a file of the given size in small pieces, so making it costs no memory either.
void WriteLargeFile(const std::string& path, std::size_t size, unsigned seed) {
  std::string piece;
  for (int i = 0; piece.size() < 65536; ++i) {
    piece += "<n>Folder" + std::to_string((seed + i) % 97) + "\\file" +
             std::to_string(seed * 31 + i) + ".dat</n><r>1.50 MB</r>\r\n";
  }
  FileDescriptor out(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  ASSERT_TRUE(out.valid());
  for (std::size_t written = 0; written < size; written += piece.size()) {
    ASSERT_TRUE(WriteFully(out.get(), piece.data(), std::min(piece.size(), size - written)));
  }
}

TEST(ArchiveMemory, PackingAndUnpacking200MegabytesStaysUnder64Megabytes) {
  spinfolio::test::TempDir dir;
  const std::string tempRoot = dir / "tmp/";
  const std::string folder = "spinfoliotemp_202612111432/";
  const std::string catalog = tempRoot + folder;
  MakeFolders(catalog);
  constexpr int kDiscs = 4;
  std::string discs;
  for (int disc = 0; disc < kDiscs; ++disc) {
    discs += "<n>Disc " + std::to_string(disc) + "</n>\r\n";
    WriteLargeFile(catalog + "cd" + std::to_string(disc), 50u << 20, static_cast<unsigned>(disc));
  }
  ASSERT_FALSE(WriteBytes(catalog + "plyty", discs));
  const long before = PeakResidentKiB();

  SilentProgress progress;
  SaveArchiveRequest save;
  save.closeCatalog = true;
  save.level = 1;
  save.title = "Spinfolio";
  save.archivePath = dir / "data/spinfolio.sfa";
  save.tempRoot = tempRoot;
  save.catalogFolderName = folder;
  ASSERT_EQ(WriteArchive(save, progress), SaveOutcome::Saved);
  ASSERT_FALSE(PathExists(catalog));
  ASSERT_EQ(ReadArchive({save.archivePath, tempRoot, folder, 0}, progress), OpenOutcome::Opened);

  struct stat info {};
  ASSERT_EQ(::stat((catalog + "cd3").c_str(), &info), 0);
  EXPECT_EQ(info.st_size, 50 << 20);
  const long peak = PeakResidentKiB();
  std::printf("peak resident memory: %ld KiB (before packing %ld KiB)\n", peak, before);
  EXPECT_LT(peak, kLimitKiB);
}

}  // namespace
}  // namespace spinfolio::archive
