#pragma once

#include <string>
#include <vector>

#include "catalog/drive_kind.h"
#include "catalog/settings.h"

namespace spinfolio {

/// A drive the user may read from. The root is the folder a disc is read from, ending in "/",
/// or, for an optical drive, its device path ("/dev/sr0").
struct Drive {
  std::string root;
  DriveKind kind = DriveKind::Other;

  friend bool operator==(const Drive&, const Drive&) = default;
};

/// Where the system describes its drives; tests give fixture files.
struct DriveSources {
  std::string mountsTable = "/proc/self/mounts";
  std::string blockClass = "/sys/class/block";
};

/// Every drive of every kind, in listing order: optical drives first by device name, then the
/// mount points of the other kinds in the mounts table's order.
///
/// Optical drives are the sr<N> block devices and the devices of iso9660 and udf mounts (a
/// mounted disc image on a loop device too), each once, in natural order of their names. Every
/// other mount point is listed once at the place of its first mount, with the kind of the last
/// mount on it (the one in effect); pseudo file systems, mounts of optical discs and files
/// mounted over files are not drives.
std::vector<Drive> ListDrives(const DriveSources& sources = {});

/// The roots the drive list shows: optical drives always, other kinds when ticked (IsShown).
std::vector<Drive> ShownDrives(const std::vector<Drive>& drives, const DriveKinds& kinds);

}  // namespace spinfolio
