// The mounts table parser: decoded fields, lines passed over, a table that cannot be read.

#include "acquire/mounts_table.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/support/temp_dir.h"

namespace spinfolio {

void PrintTo(const MountEntry& mount, std::ostream* out) {
  *out << '{' << mount.source << " | " << mount.mountPoint << " | " << mount.type << '}';
}

namespace {

using test::TempDir;
using test::WriteFile;

TEST(MountsTableTest, FieldsAreDecodedAndShortLinesPassedOver) {
  TempDir dir;
  WriteFile(dir / "mounts",
            "/dev/sr0 /media/u/My\\040Disc iso9660 ro,nosuid 0 0\n"
            "\n"
            "no-type /mnt\n"
            "tmpfs\t/tmp  tmpfs rw 0 0\n"
            "/dev/sda1 /a\\134b\\011c\\012d ext4 rw 0 0");  // the last line without its end
  const std::vector<MountEntry> expected = {
      {"/dev/sr0", "/media/u/My Disc", "iso9660"},
      {"tmpfs", "/tmp", "tmpfs"},
      {"/dev/sda1", "/a\\b\tc\nd", "ext4"},
  };
  EXPECT_EQ(ReadMountsTable(dir / "mounts"), expected);
}

TEST(MountsTableTest, UnreadableTableGivesNoMounts) {
  TempDir dir;
  EXPECT_TRUE(ReadMountsTable(dir / "missing").empty());
  EXPECT_TRUE(ReadMountsTable(dir.path()).empty());  // a folder
}

TEST(MountsTableTest, BackslashesThatEscapeNoByteAreKept) {
  EXPECT_EQ(DecodeMountsField("a\\400b"), "a\\400b");  // above 255
  EXPECT_EQ(DecodeMountsField("a\\09b"), "a\\09b");
  EXPECT_EQ(DecodeMountsField("end\\04"), "end\\04");
  EXPECT_EQ(DecodeMountsField("\\134040"), "\\040");  // decoded once, not again
}

}  // namespace
}  // namespace spinfolio
