#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/settings.h"
#include "common/text_file.h"

namespace spinfolio {

class CodePage;

/// Whether a bare file name passes the read filter: its extension (after the last ".", without
/// the dot) lower-cased by the code page, compared exactly with the items as stored.
bool PassesReadFilter(std::string_view fileName, const ReadFilter& filter,
                      const CodePage& codePage);

/// The size text of a content entry, "<r>" + number + " " + unit + "</r>": the unit chosen on
/// the unrounded size (B, KB, MB, GB), the number with exactly two decimals and the separator
/// given, e.g. "<r>1024.00 KB</r>" for 1048575 bytes.
std::string SizeText(std::uint64_t size, std::string_view decimalSeparator);

/// What a tree walk needs besides the folder.
struct DiscScan {
  ReadFilter filter;
  std::string decimalSeparator = ".";
  /// Called now and then during the walk (at most about every 30 ms) to let the window repaint.
  std::function<void()> processEvents;
};

/// Appends a content entry for every accepted file below the folder (a native path), depth
/// first, pre-order, in the file system's own order: "<n>" + path relative to the folder with
/// "\" separators + "</n>" + size text. Nothing is skipped; links to files give their target's
/// size, dangling links 0, links to folders are listed as files and never followed; a folder
/// that cannot be read gives nothing.
void ReadDiscTree(const std::string& folder, const DiscScan& scan, const CodePage& codePage,
                  Lines& entries);

/// The folder to read for a drive root: an existing folder is itself; a device path is its
/// current mount point in the mounts table. nullopt when there is no volume.
std::optional<std::string> VolumeFolder(const std::string& driveRoot,
                                        const std::string& mountsTable = "/proc/self/mounts");

}  // namespace spinfolio
