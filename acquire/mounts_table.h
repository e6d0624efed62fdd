#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spinfolio {

/// One line of the mounts table, its fields decoded.
struct MountEntry {
  std::string source;      // the device, or what stands for it ("server:/export", "tmpfs")
  std::string mountPoint;  // as the table writes it: no final "/" except for "/" itself
  std::string type;        // the file system type, e.g. "ext4", "fuse.sshfs"

  friend bool operator==(const MountEntry&, const MountEntry&) = default;
};

/// Undoes the octal escapes (\040 for a blank, \011, \012, \134) of a mounts table field; any
/// other backslash is kept as it is.
std::string DecodeMountsField(std::string_view field);

/// The mounts of a table in the format of /proc/self/mounts (source, mount point, type, options,
/// ... separated by blanks), in the table's order. Lines with fewer than three fields are passed
/// over; a table that cannot be read gives no mounts.
std::vector<MountEntry> ReadMountsTable(const std::string& path);

}  // namespace spinfolio
