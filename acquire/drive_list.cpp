// The drives of a Linux system, from the mounts table and the kernel's block device folders.

#include "acquire/drive_list.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "acquire/mounts_table.h"

namespace spinfolio {

namespace {

namespace fs = std::filesystem;

// What a file system type tells of its mounts. Types not listed are judged by their source.
enum class FsRole { NoDrive, Optical, Network, RamDisk, Fixed };

struct FsRule {
  std::string_view type;
  FsRole role;
};

// Sorted by type for a binary search.
constexpr FsRule kFileSystems[] = {
    {"9p", FsRole::Network},
    {"afs", FsRole::Network},
    {"autofs", FsRole::NoDrive},
    {"binfmt_misc", FsRole::NoDrive},
    {"bpf", FsRole::NoDrive},
    {"ceph", FsRole::Network},
    {"cgroup", FsRole::NoDrive},
    {"cgroup2", FsRole::NoDrive},
    {"cifs", FsRole::Network},
    {"coda", FsRole::Network},
    {"configfs", FsRole::NoDrive},
    {"cpuset", FsRole::NoDrive},
    {"davfs", FsRole::Network},
    {"debugfs", FsRole::NoDrive},
    {"devpts", FsRole::NoDrive},
    {"devtmpfs", FsRole::NoDrive},
    {"efivarfs", FsRole::NoDrive},
    {"fuse.ceph-fuse", FsRole::Network},
    {"fuse.curlftpfs", FsRole::Network},
    {"fuse.davfs", FsRole::Network},
    {"fuse.glusterfs", FsRole::Network},
    {"fuse.gvfsd-fuse", FsRole::NoDrive},
    {"fuse.lxcfs", FsRole::NoDrive},
    {"fuse.portal", FsRole::NoDrive},
    {"fuse.rclone", FsRole::Network},
    {"fuse.s3fs", FsRole::Network},
    {"fuse.sshfs", FsRole::Network},
    {"fusectl", FsRole::NoDrive},
    {"glusterfs", FsRole::Network},
    {"hugetlbfs", FsRole::NoDrive},
    {"iso9660", FsRole::Optical},
    {"lustre", FsRole::Network},
    {"mqueue", FsRole::NoDrive},
    {"ncpfs", FsRole::Network},
    {"nfs", FsRole::Network},
    {"nfs4", FsRole::Network},
    {"nfsd", FsRole::NoDrive},  // the NFS server's control files, not a share
    {"nsfs", FsRole::NoDrive},
    {"overlay", FsRole::NoDrive},
    {"proc", FsRole::NoDrive},
    {"pstore", FsRole::NoDrive},
    {"ramfs", FsRole::RamDisk},
    {"rootfs", FsRole::RamDisk},  // the kernel's first root, a ramfs or tmpfs
    {"rpc_pipefs", FsRole::NoDrive},
    {"securityfs", FsRole::NoDrive},
    {"selinuxfs", FsRole::NoDrive},
    {"smb3", FsRole::Network},
    {"smbfs", FsRole::Network},
    {"sysfs", FsRole::NoDrive},
    {"tmpfs", FsRole::RamDisk},
    {"tracefs", FsRole::NoDrive},
    {"udf", FsRole::Optical},
    {"zfs", FsRole::Fixed},  // pools are named, not devices
};
static_assert(std::ranges::is_sorted(kFileSystems, {}, &FsRule::type));

std::optional<FsRole> RoleOf(std::string_view type) {
  const FsRule* const rule = std::ranges::lower_bound(kFileSystems, type, {}, &FsRule::type);
  if (rule == std::end(kFileSystems) || rule->type != type) return std::nullopt;
  return rule->role;
}

// The kind a file system role gives its mount point; none for pseudo file systems and optical
// discs, which are listed by their device.
std::optional<DriveKind> KindOf(FsRole role) {
  switch (role) {
    case FsRole::Network:
      return DriveKind::Network;
    case FsRole::RamDisk:
      return DriveKind::RamDisk;
    case FsRole::Fixed:
      return DriveKind::Fixed;
    case FsRole::NoDrive:
    case FsRole::Optical:
      break;
  }
  return std::nullopt;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view BaseName(std::string_view path) { return path.substr(path.rfind('/') + 1); }

// Whether a device name is prefix and a number, as the kernel names sr0 or loop12.
bool IsNumbered(std::string_view name, std::string_view prefix) {
  return name.size() > prefix.size() && name.starts_with(prefix) &&
         std::ranges::all_of(name.substr(prefix.size()), IsDigit);
}

// Takes the digits at the front of text; their number's digits without leading zeros.
std::string_view TakeNumber(std::string_view& text) {
  std::size_t end = 0;
  while (end < text.size() && IsDigit(text[end])) ++end;
  std::string_view digits = text.substr(0, end);
  text.remove_prefix(end);
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  return digits;
}

// Orders names with runs of digits compared as numbers, so that sr2 comes before sr10.
bool NaturalLess(std::string_view a, std::string_view b) {
  while (!a.empty() && !b.empty()) {
    if (IsDigit(a.front()) && IsDigit(b.front())) {
      const std::string_view x = TakeNumber(a);
      const std::string_view y = TakeNumber(b);
      if (x.size() != y.size()) return x.size() < y.size();
      if (x != y) return x < y;
    } else {
      if (a.front() != b.front()) return a.front() < b.front();
      a.remove_prefix(1);
      b.remove_prefix(1);
    }
  }
  return a.empty() && !b.empty();
}

// Sorts device paths by device name in natural order and drops repeats.
void SortByDeviceName(std::vector<std::string>& devices) {
  std::ranges::sort(devices, [](const std::string& a, const std::string& b) {
    const std::string_view nameA = BaseName(a);
    const std::string_view nameB = BaseName(b);
    if (NaturalLess(nameA, nameB)) return true;
    if (NaturalLess(nameB, nameA)) return false;
    return a < b;
  });
  const auto repeats = std::ranges::unique(devices);
  devices.erase(repeats.begin(), repeats.end());
}

// The device of a mount as this system names it: the canonical path when the source exists
// here (so /dev/cdrom gives /dev/sr0), else the source as written. "" for sources outside /dev.
std::string DevicePath(const std::string& source) {
  if (!source.starts_with("/dev/")) return {};
  std::error_code error;
  const fs::path canonical = fs::canonical(source, error);
  return error ? source : canonical.native();
}

// The optical drives the kernel knows (sr<N>), with or without a disc.
std::vector<std::string> KernelOpticalDrives(const std::string& blockClass) {
  std::vector<std::string> devices;
  std::error_code error;
  for (fs::directory_iterator entry(blockClass, error), end; !error && entry != end;
       entry.increment(error)) {
    const fs::path name = entry->path().filename();
    if (IsNumbered(name.native(), "sr")) devices.push_back("/dev/" + name.native());
  }
  return devices;
}

// Whether a mount is of an optical disc: an iso9660 or udf file system, or any on an sr device.
bool IsOpticalMount(const MountEntry& mount, std::string_view device) {
  return RoleOf(mount.type) == FsRole::Optical || IsNumbered(BaseName(device), "sr");
}

bool ReadsOne(const fs::path& file) {
  std::ifstream in(file);
  char first = 0;
  return in.get(first) && first == '1';
}

// The kind of a block device by its kernel name: removable when the kernel says so or when its
// disk hangs off a USB bus, else fixed; a loop device holds an image file, of another kind.
DriveKind BlockDeviceKind(const std::string& blockClass, std::string_view name) {
  if (IsNumbered(name, "loop")) return DriveKind::Other;
  std::error_code error;
  // The class entry links to the device's folder, in which a partition's folder lies inside
  // its disk's.
  fs::path disk = fs::canonical(fs::path(blockClass) / name, error);
  if (error) return DriveKind::Fixed;
  if (fs::exists(disk / "partition", error)) disk = disk.parent_path();
  const bool onUsb = disk.native().find("/usb") != std::string::npos;
  return onUsb || ReadsOne(disk / "removable") ? DriveKind::Removable : DriveKind::Fixed;
}

// A file mounted over a file (as containers have for /etc/hosts) is no drive.
bool IsFileMount(const std::string& mountPoint) {
  std::error_code error;
  const fs::file_status status = fs::status(mountPoint, error);
  return fs::exists(status) && !fs::is_directory(status);
}

// Whether a folder lies in the kernel's own trees, which hold no user data whatever is mounted
// there (as tmpfs on /sys/fs/cgroup).
bool InKernelTree(std::string_view mountPoint) {
  for (const std::string_view tree : {std::string_view("/proc"), std::string_view("/sys")}) {
    if (mountPoint.starts_with(tree) &&
        (mountPoint.size() == tree.size() || mountPoint[tree.size()] == '/')) {
      return true;
    }
  }
  return false;
}

// The kind of the drive at a mount point by the mount in effect there, or none when the mount
// point is no drive of its own. device is the mount's DevicePath.
std::optional<DriveKind> MountPointKind(const MountEntry& mount, const std::string& device,
                                        const std::string& blockClass) {
  if (InKernelTree(mount.mountPoint)) return std::nullopt;
  if (const std::optional<FsRole> role = RoleOf(mount.type)) return KindOf(*role);
  if (device.empty()) return DriveKind::Other;
  // Network mount points are never looked at, as a server that is gone would hang the list.
  if (IsOpticalMount(mount, device) || IsFileMount(mount.mountPoint)) return std::nullopt;
  return BlockDeviceKind(blockClass, BaseName(device));
}

// For each mount point, in the order of its first mount, the index of its last mount: a later
// mount on the same point covers the earlier ones.
std::vector<std::size_t> MountsInEffect(const std::vector<MountEntry>& mounts) {
  std::unordered_map<std::string_view, std::size_t> last;
  last.reserve(mounts.size());
  for (std::size_t i = 0; i < mounts.size(); ++i) last[mounts[i].mountPoint] = i;
  std::vector<std::size_t> inEffect;
  inEffect.reserve(last.size());
  for (const MountEntry& mount : mounts) {
    const auto found = last.find(mount.mountPoint);
    if (found == last.end()) continue;  // listed at an earlier place
    inEffect.push_back(found->second);
    last.erase(found);
  }
  return inEffect;
}

std::string FolderRoot(const std::string& mountPoint) {
  return mountPoint.ends_with('/') ? mountPoint : mountPoint + '/';
}

}  // namespace

std::vector<Drive> ListDrives(const DriveSources& sources) {
  const std::vector<MountEntry> mounts = ReadMountsTable(sources.mountsTable);
  std::vector<std::string> devices;
  devices.reserve(mounts.size());
  for (const MountEntry& mount : mounts) devices.push_back(DevicePath(mount.source));

  std::vector<std::string> optical = KernelOpticalDrives(sources.blockClass);
  for (std::size_t i = 0; i < mounts.size(); ++i) {
    if (!devices[i].empty() && IsOpticalMount(mounts[i], devices[i])) {
      optical.push_back(devices[i]);
    }
  }
  SortByDeviceName(optical);

  std::vector<Drive> drives;
  drives.reserve(optical.size() + mounts.size());
  for (std::string& device : optical) drives.push_back({std::move(device), DriveKind::Optical});
  for (const std::size_t i : MountsInEffect(mounts)) {
    if (const auto kind = MountPointKind(mounts[i], devices[i], sources.blockClass)) {
      drives.push_back({FolderRoot(mounts[i].mountPoint), *kind});
    }
  }
  return drives;
}

std::vector<Drive> ShownDrives(const std::vector<Drive>& drives, const DriveKinds& kinds) {
  std::vector<Drive> shown;
  std::ranges::copy_if(drives, std::back_inserter(shown),
                       [&kinds](const Drive& drive) { return IsShown(drive.kind, kinds); });
  return shown;
}

}  // namespace spinfolio
