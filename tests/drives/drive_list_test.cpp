// The drive list on fixture mounts tables and fixture sysfs trees laid out like the kernel's:
// device folders under devices/, linked from class/block/.

#include "acquire/drive_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/temp_dir.h"

namespace spinfolio {

void PrintTo(const Drive& drive, std::ostream* out) {
  static constexpr const char* kNames[] = {"Optical", "Removable", "Fixed",
                                           "Network", "RamDisk",   "Other"};
  *out << '{' << drive.root << ", " << kNames[static_cast<int>(drive.kind)] << '}';
}

namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteFile;

// A sysfs tree in a temporary folder.
class FakeSysfs {
 public:
  explicit FakeSysfs(const TempDir& dir) : root_(dir / "sys/") {
    fs::create_directories(root_ + "class/block");
  }

  std::string blockClass() const { return root_ + "class/block"; }

  // A disk at devices/<devicePath> (its last component is its name) with its removable flag and
  // partitions, each linked from class/block/ as the kernel does.
  void addDisk(std::string_view devicePath, std::string_view removable,
               std::initializer_list<std::string_view> partitions = {}) const {
    const std::string disk = "devices/" + std::string(devicePath);
    WriteFile(root_ + disk + "/removable", std::string(removable) + "\n");
    link(disk);
    for (const std::string_view partition : partitions) {
      const std::string folder = disk + "/" + std::string(partition);
      WriteFile(root_ + folder + "/partition", "1\n");
      link(folder);
    }
  }

 private:
  void link(const std::string& folder) const {
    const std::string name = fs::path(folder).filename();
    fs::create_directory_symlink("../../" + folder, root_ + "class/block/" + name);
  }

  std::string root_;
};

constexpr std::string_view kAta = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/";
constexpr std::string_view kUsb =
    "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/";

// One optical drive, an internal disk, a USB stick, a memory card and two loop devices.
void AddMachine(const FakeSysfs& sys) {
  sys.addDisk(std::string(kAta) + "sr0", "1");
  sys.addDisk(std::string(kAta) + "sda", "0", {"sda1", "sda2"});
  sys.addDisk(std::string(kUsb) + "sdb", "0", {"sdb1"});
  sys.addDisk("platform/fe320000.mmc/mmc_host/mmc0/mmc0:aaaa/block/mmcblk0", "1", {"mmcblk0p1"});
  sys.addDisk("virtual/block/loop0", "0");
  sys.addDisk("virtual/block/loop1", "0");
}

Drive Optical(std::string root) { return {std::move(root), DriveKind::Optical}; }
Drive Removable(std::string root) { return {std::move(root), DriveKind::Removable}; }
Drive Fixed(std::string root) { return {std::move(root), DriveKind::Fixed}; }
Drive Network(std::string root) { return {std::move(root), DriveKind::Network}; }
Drive RamDisk(std::string root) { return {std::move(root), DriveKind::RamDisk}; }
Drive Other(std::string root) { return {std::move(root), DriveKind::Other}; }

class DriveListTest : public testing::Test {
 protected:
  DriveListTest() { AddMachine(sys_); }

  std::vector<Drive> list(std::string_view mounts) const {
    WriteFile(dir_ / "mounts", mounts);
    return ListDrives({dir_ / "mounts", sys_.blockClass()});
  }

  TempDir dir_;
  FakeSysfs sys_{dir_};
};

struct Case {
  const char* name;
  const char* mounts;
  std::vector<Drive> expected;
};

void PrintTo(const Case& mountsCase, std::ostream* out) { *out << mountsCase.name; }

class DriveKindsTest : public DriveListTest, public testing::WithParamInterface<Case> {};

TEST_P(DriveKindsTest, ListsTheDrives) { EXPECT_EQ(list(GetParam().mounts), GetParam().expected); }

const Case kCases[] = {
    {"EmptyOpticalDrive", "", {Optical("/dev/sr0")}},
    {"DiscInOpticalDriveOnceByDevice",
     "/dev/sr0 /media/u/DISC iso9660 ro,nosuid 0 0\n",
     {Optical("/dev/sr0")}},
    {"OtherFileSystemOnOpticalDrive", "/dev/sr0 /media/u/RAM ext2 rw 0 0\n", {Optical("/dev/sr0")}},
    {"UdfDiscInDriveUnknownToKernel",
     "/dev/sr3 /media/u/BD udf ro 0 0\n",
     {Optical("/dev/sr0"), Optical("/dev/sr3")}},
    {"MountedIsoImageIsOptical",
     "/dev/loop0 /media/u/IMAGE iso9660 ro 0 0\n",
     {Optical("/dev/loop0"), Optical("/dev/sr0")}},
    {"UsbStickIsRemovable",
     "/dev/sdb1 /media/u/STICK vfat rw 0 0\n",
     {Optical("/dev/sr0"), Removable("/media/u/STICK/")}},
    {"UnpartitionedUsbStickIsRemovable",
     "/dev/sdb /media/u/RAW vfat rw 0 0\n",
     {Optical("/dev/sr0"), Removable("/media/u/RAW/")}},
    {"CardWithRemovableFlagIsRemovable",
     "/dev/mmcblk0p1 /media/u/CARD exfat rw 0 0\n",
     {Optical("/dev/sr0"), Removable("/media/u/CARD/")}},
    {"ExtRootIsFixed", "/dev/sda2 / ext4 rw 0 0\n", {Optical("/dev/sr0"), Fixed("/")}},
    {"DeviceUnknownToKernelIsFixed",
     "/dev/root / ext4 rw 0 0\n",
     {Optical("/dev/sr0"), Fixed("/")}},
    {"ZfsIsFixed", "rpool/home /home zfs rw 0 0\n", {Optical("/dev/sr0"), Fixed("/home/")}},
    {"SharesAreNetwork",
     "server:/export /mnt/nfs nfs4 rw 0 0\n"
     "//nas/share /mnt/share cifs rw 0 0\n"
     "u@host:/ /mnt/ssh fuse.sshfs rw 0 0\n",
     {Optical("/dev/sr0"), Network("/mnt/nfs/"), Network("/mnt/share/"), Network("/mnt/ssh/")}},
    {"TmpfsIsRamDisk", "tmpfs /tmp tmpfs rw 0 0\n", {Optical("/dev/sr0"), RamDisk("/tmp/")}},
    {"PseudoFileSystemsAreNoDrives",
     "proc /proc proc rw 0 0\n"
     "sysfs /sys sysfs rw 0 0\n"
     "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
     "devpts /dev/pts devpts rw 0 0\n"
     "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n",
     {Optical("/dev/sr0")}},
    // The kernel's own folders hold no user data, whatever is mounted there.
    {"NothingUnderProcOrSys",
     "tmpfs /sys/fs/cgroup tmpfs ro 0 0\n"
     "binfmt /proc/sys/fs/binfmt_misc ext4 rw 0 0\n"
     "tmpfs /system tmpfs rw 0 0\n",
     {Optical("/dev/sr0"), RamDisk("/system/")}},
    {"LoopDeviceWithoutDiscImageIsOther",
     "/dev/loop1 /snap/core/1 squashfs ro 0 0\n",
     {Optical("/dev/sr0"), Other("/snap/core/1/")}},
    {"UnknownFileSystemIsOther",
     "pool /mnt/pool fuse.mergerfs rw 0 0\n",
     {Optical("/dev/sr0"), Other("/mnt/pool/")}},
    {"BlankInMountPointIsDecoded",
     "/dev/sdb1 /media/u/MY\\040STICK vfat rw 0 0\n",
     {Optical("/dev/sr0"), Removable("/media/u/MY STICK/")}},
    {"MountPointListedOnce",
     "/dev/sda2 / ext4 rw 0 0\n"
     "/dev/sdb1 /media/u/A vfat rw 0 0\n"
     "/dev/sda2 / ext4 rw 0 0\n",
     {Optical("/dev/sr0"), Fixed("/"), Removable("/media/u/A/")}},
    {"LastMountOnAPointGivesItsKindAtTheFirstPlace",
     "/dev/sda1 /mnt ext4 rw 0 0\n"
     "systemd-1 /mnt/nas autofs rw 0 0\n"
     "/dev/sdb1 /media/u/A vfat rw 0 0\n"
     "tmpfs /mnt tmpfs rw 0 0\n"
     "nas:/x /mnt/nas nfs rw 0 0\n",
     {Optical("/dev/sr0"), RamDisk("/mnt/"), Network("/mnt/nas/"), Removable("/media/u/A/")}},
    {"DesktopInTableOrder",
     "sysfs /sys sysfs rw 0 0\n"
     "proc /proc proc rw 0 0\n"
     "udev /dev devtmpfs rw 0 0\n"
     "tmpfs /run tmpfs rw 0 0\n"
     "/dev/sda2 / ext4 rw 0 0\n"
     "/dev/loop1 /snap/core/1 squashfs ro 0 0\n"
     "/dev/sda1 /boot/efi vfat rw 0 0\n"
     "server:/home /home nfs rw 0 0\n"
     "/dev/sr0 /media/u/DISC iso9660 ro 0 0\n"
     "/dev/sdb1 /media/u/STICK vfat rw 0 0\n",
     {Optical("/dev/sr0"), RamDisk("/run/"), Fixed("/"), Other("/snap/core/1/"),
      Fixed("/boot/efi/"), Network("/home/"), Removable("/media/u/STICK/")}},
};

INSTANTIATE_TEST_SUITE_P(Mounts, DriveKindsTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) {
                           return std::string(param.param.name);
                         });

TEST_F(DriveListTest, OpticalDrivesInNaturalOrderOfNames) {
  for (const char* name : {"sr10", "sr2", "sr1"}) sys_.addDisk(std::string(kAta) + name, "1");
  EXPECT_EQ(list("/dev/sr10 /media/u/DISC iso9660 ro 0 0\n"
                 "/dev/loop0 /media/u/IMAGE udf ro 0 0\n"),
            (std::vector{Optical("/dev/loop0"), Optical("/dev/sr0"), Optical("/dev/sr1"),
                         Optical("/dev/sr2"), Optical("/dev/sr10")}));
}

TEST_F(DriveListTest, FileMountedOverFileIsNoDrive) {
  WriteFile(dir_ / "hosts", "");
  fs::create_directories(dir_ / "data");
  EXPECT_EQ(list("/dev/sda2 " + (dir_ / "hosts") + " ext4 rw 0 0\n" +  //
                 "/dev/sda2 " + (dir_ / "data") + " ext4 rw 0 0\n"),
            (std::vector{Optical("/dev/sr0"), Fixed(dir_ / "data/")}));
}

TEST_F(DriveListTest, MissingMountsTableGivesKernelOpticalDrives) {
  EXPECT_EQ(ListDrives({dir_ / "missing", sys_.blockClass()}), std::vector{Optical("/dev/sr0")});
  EXPECT_TRUE(ListDrives({dir_ / "missing", dir_ / "missing"}).empty());
}

TEST(ShownDrivesTest, OpticalAlwaysOtherKindsWhenTicked) {
  const std::vector<Drive> drives = {
      Optical("/dev/sr0"), RamDisk("/run/"),    Fixed("/"),        Removable("/media/u/A/"),
      Network("/home/"),   Fixed("/boot/efi/"), Other("/snap/x/"),
  };
  EXPECT_EQ(ShownDrives(drives, {}), std::vector{Optical("/dev/sr0")});
  DriveKinds disks{};
  disks[1] = true;  // "Dyski"
  EXPECT_EQ(ShownDrives(drives, disks),
            (std::vector{Optical("/dev/sr0"), Fixed("/"), Fixed("/boot/efi/")}));
  EXPECT_EQ(ShownDrives(drives, {true, true, true, true, true}), drives);
}

// The real system: whatever it holds, every root is a device or a folder, and none twice.
TEST(ListDrivesTest, RealSystemGivesWellFormedRoots) {
  const std::vector<Drive> drives = ListDrives();
  for (std::size_t i = 0; i < drives.size(); ++i) {
    const std::string& root = drives[i].root;
    EXPECT_TRUE(drives[i].kind == DriveKind::Optical ? root.starts_with("/dev/")
                                                     : root.ends_with('/'))
        << root;
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(drives[j].root, root);
  }
}

}  // namespace
}  // namespace spinfolio
