// The tray operation: device path of a drive root, the disk service before the ioctls, the ioctl
// numbers, and the real system side failing fast where there is neither bus nor drive.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "acquire/drive_tray.h"
#include "acquire/mounts_table.h"
#include "tests/support/temp_dir.h"

namespace spinfolio {
namespace {

using test::TempDir;
using test::WriteFile;

// Records every request and answers as told.
class FakeTray final : public TrayDevice {
 public:
  bool udisksAnswers = false;
  bool udisksEjects = true;
  int ioctlResult = 0;

  int udisksAsked = 0;
  std::vector<std::string> udisksEjected;
  std::vector<std::pair<std::string, unsigned long>> ioctls;

  bool udisksAvailable() override {
    ++udisksAsked;
    return udisksAnswers;
  }
  bool udisksUnmountAndEject(const std::string& device) override {
    udisksEjected.push_back(device);
    return udisksEjects;
  }
  int ioctlRequest(const std::string& device, unsigned long request) override {
    ioctls.emplace_back(device, request);
    return ioctlResult;
  }
};

const char kMounts[] =
    "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
    "/dev/sda1 / ext4 rw,relatime 0 0\n"
    "/dev/sr0 /media/user/My\\040Disc iso9660 ro,nosuid,nodev 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "/dev/sr1 /media/user/Old udf ro 0 0\n"
    "/dev/sr2 /media/user/Old iso9660 ro 0 0\n";

TEST(DriveTrayTest, IoctlNumbersAreTheLinuxCdromRequests) {
  EXPECT_EQ(kTrayEjectRequest, 0x5309UL);
  EXPECT_EQ(kTrayCloseRequest, 0x5319UL);
}

TEST(DriveTrayTest, MountsFieldEscapesAreDecoded) {
  EXPECT_EQ(DecodeMountsField("/media/My\\040Disc"), "/media/My Disc");
  EXPECT_EQ(DecodeMountsField("a\\011b\\012c\\134d"), "a\tb\nc\\d");
  EXPECT_EQ(DecodeMountsField("plain\\04"), "plain\\04");
}

TEST(DriveTrayTest, DeviceRootIsItsOwnDevice) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  EXPECT_EQ(TrayDevicePath("/dev/sr0", dir / "mounts"), "/dev/sr0");
  EXPECT_EQ(TrayDevicePath("/dev/sr1", dir / "missing"), "/dev/sr1");
}

TEST(DriveTrayTest, MountedFolderMapsToItsDevice) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  EXPECT_EQ(TrayDevicePath("/media/user/My Disc/", dir / "mounts"), "/dev/sr0");
  EXPECT_EQ(TrayDevicePath("/media/user/My Disc", dir / "mounts"), "/dev/sr0");
  EXPECT_EQ(TrayDevicePath("/", dir / "mounts"), "/dev/sda1");
}

TEST(DriveTrayTest, LastMountOnAFolderWins) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  EXPECT_EQ(TrayDevicePath("/media/user/Old/", dir / "mounts"), "/dev/sr2");
}

TEST(DriveTrayTest, RootsWithoutDeviceGiveNothing) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  EXPECT_EQ(TrayDevicePath("/tmp/", dir / "mounts"), "");        // not a block device
  EXPECT_EQ(TrayDevicePath("/sys/", dir / "mounts"), "");
  EXPECT_EQ(TrayDevicePath("/home/user/", dir / "mounts"), "");  // not a mount point
  EXPECT_EQ(TrayDevicePath("/media/user/My", dir / "mounts"), "");
  EXPECT_EQ(TrayDevicePath("E:\\", dir / "mounts"), "");
  EXPECT_EQ(TrayDevicePath("", dir / "mounts"), "");
  EXPECT_EQ(TrayDevicePath("/media/user/My Disc/", dir / "missing"), "");
}

TEST(DriveTrayTest, OpenUsesDiskServiceWhenItAnswers) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  FakeTray tray;
  tray.udisksAnswers = true;
  EXPECT_TRUE(DriveTray(true, "/media/user/My Disc/", tray, dir / "mounts"));
  EXPECT_EQ(tray.udisksEjected, std::vector<std::string>{"/dev/sr0"});
  EXPECT_TRUE(tray.ioctls.empty());
}

TEST(DriveTrayTest, OpenUsesEjectIoctlWhenDiskServiceIsAbsent) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  FakeTray tray;
  EXPECT_TRUE(DriveTray(true, "/dev/sr0", tray, dir / "mounts"));
  EXPECT_TRUE(tray.udisksEjected.empty());
  ASSERT_EQ(tray.ioctls.size(), 1U);
  EXPECT_EQ(tray.ioctls[0].first, "/dev/sr0");
  EXPECT_EQ(tray.ioctls[0].second, 0x5309UL);
}

TEST(DriveTrayTest, OpenFallsBackToIoctlWhenDiskServiceRefuses) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  FakeTray tray;
  tray.udisksAnswers = true;
  tray.udisksEjects = false;
  EXPECT_TRUE(DriveTray(true, "/dev/sr0", tray, dir / "mounts"));
  EXPECT_EQ(tray.udisksEjected.size(), 1U);
  ASSERT_EQ(tray.ioctls.size(), 1U);
  EXPECT_EQ(tray.ioctls[0].second, kTrayEjectRequest);
}

TEST(DriveTrayTest, CloseUsesCloseIoctlEvenWithDiskService) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  FakeTray tray;
  tray.udisksAnswers = true;
  EXPECT_TRUE(DriveTray(false, "/dev/sr0", tray, dir / "mounts"));
  EXPECT_TRUE(tray.udisksEjected.empty());
  ASSERT_EQ(tray.ioctls.size(), 1U);
  EXPECT_EQ(tray.ioctls[0].first, "/dev/sr0");
  EXPECT_EQ(tray.ioctls[0].second, 0x5319UL);
}

TEST(DriveTrayTest, RefusedIoctlAnswersFalse) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  FakeTray tray;
  tray.ioctlResult = -1;
  EXPECT_FALSE(DriveTray(true, "/dev/sr0", tray, dir / "mounts"));
  EXPECT_FALSE(DriveTray(false, "/dev/sr0", tray, dir / "mounts"));
}

TEST(DriveTrayTest, RootWithoutDeviceAsksNothing) {
  TempDir dir;
  WriteFile(dir / "mounts", kMounts);
  FakeTray tray;
  tray.udisksAnswers = true;
  EXPECT_FALSE(DriveTray(true, dir.path(), tray, dir / "mounts"));
  EXPECT_FALSE(DriveTray(false, dir.path(), tray, dir / "mounts"));
  EXPECT_EQ(tray.udisksAsked, 0);
  EXPECT_TRUE(tray.udisksEjected.empty());
  EXPECT_TRUE(tray.ioctls.empty());
}

TEST(DriveTrayTest, RealIoctlOnMissingDeviceOrPlainFileFails) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  TrayDevice& system = SystemTrayDevice();
  EXPECT_EQ(system.ioctlRequest(dir / "missing", kTrayEjectRequest), -1);
  EXPECT_EQ(system.ioctlRequest(dir / "file", kTrayEjectRequest), -1);
}

// A device that does not exist: never touches a real drive, and must answer false quickly
// whether or not a system bus and disk service are present.
TEST(DriveTrayTest, RealTrayOnMissingDeviceAnswersFalseQuickly) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(DriveTray(true, "/dev/spinfolio-no-such-drive"));
  EXPECT_FALSE(DriveTray(false, "/dev/spinfolio-no-such-drive"));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::seconds(10));
}

TEST(DriveTrayTest, RealTrayOnFolderWithoutDeviceAnswersFalse) {
  TempDir dir;
  EXPECT_FALSE(DriveTray(true, dir.path()));
  EXPECT_FALSE(DriveTray(false, dir.path()));
}

}  // namespace
}  // namespace spinfolio
