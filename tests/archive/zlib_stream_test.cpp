#include "archive/zlib_stream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/support/temp_dir.h"

namespace spinfolio::archive {
namespace {

using spinfolio::test::ReadFile;
using spinfolio::test::TempDir;
using spinfolio::test::WriteFile;

std::string SampleBytes() {
  std::string bytes;
  for (int i = 0; i < 50000; ++i) bytes += "<n>Docs\\file" + std::to_string(i) + ".txt</n>\r\n";
  return bytes;
}

TEST(ZlibStream, RoundTripAtEveryLevel) {
  TempDir dir;
  const std::string original = SampleBytes();
  WriteFile(dir / "plain", original);
  for (const int level : {-1, 0, 1, 9}) {
    ASSERT_EQ(DeflateFile(dir / "plain", dir / "packed", level), kStreamOk) << level;
    ASSERT_EQ(InflateFile(dir / "packed", dir / "unpacked"), kStreamOk) << level;
    EXPECT_EQ(ReadFile(dir / "unpacked"), original) << level;
  }
}

TEST(ZlibStream, EmptyFileMakesAValidStream) {
  TempDir dir;
  WriteFile(dir / "plain", "");
  ASSERT_EQ(DeflateFile(dir / "plain", dir / "packed", 9), kStreamOk);
  EXPECT_EQ(InflateFile(dir / "packed", dir / "unpacked"), kStreamOk);
  EXPECT_EQ(ReadFile(dir / "unpacked"), "");
}

TEST(ZlibStream, Failures) {
  TempDir dir;
  WriteFile(dir / "plain", SampleBytes());
  std::error_code reason;
  EXPECT_EQ(DeflateFile(dir / "missing", dir / "packed", -1, {}, &reason), kStreamIoError);
  EXPECT_EQ(reason, std::errc::no_such_file_or_directory);
  EXPECT_EQ(DeflateFile(dir / "plain", dir / "plain/packed", -1), kStreamIoError);
  EXPECT_EQ(DeflateFile(dir / "plain", dir / "packed", 42), Z_STREAM_ERROR);

  DeflateOptions failing;
  failing.failAfterBytes = 100;
  EXPECT_EQ(DeflateFile(dir / "plain", dir / "packed", -1, failing, &reason), kStreamIoError);
  EXPECT_EQ(reason, std::errc::io_error);

  // Not a stream, a stream cut short, a stream with a flipped byte: damaged, and what was
  // decompressed before stays in the target.
  WriteFile(dir / "garbage", "this is not compressed at all");
  EXPECT_EQ(InflateFile(dir / "garbage", dir / "out"), Z_DATA_ERROR);
  ASSERT_EQ(DeflateFile(dir / "plain", dir / "packed", 0), kStreamOk);
  const std::string packed = ReadFile(dir / "packed");
  WriteFile(dir / "short", packed.substr(0, packed.size() / 2));
  EXPECT_EQ(InflateFile(dir / "short", dir / "out"), Z_DATA_ERROR);
  EXPECT_GT(ReadFile(dir / "out").size(), 100000u);
  std::string flipped = packed;
  flipped[flipped.size() - 2] ^= 0x55;  // the checksum
  WriteFile(dir / "flipped", flipped);
  EXPECT_EQ(InflateFile(dir / "flipped", dir / "out"), Z_DATA_ERROR);
  EXPECT_EQ(InflateFile(dir / "missing", dir / "out"), kStreamIoError);
}

}  // namespace
}  // namespace spinfolio::archive
