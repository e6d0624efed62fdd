// Reading a disc's directory tree into content entries.

#include "acquire/disc_scanner.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "acquire/mounts_table.h"
#include "common/progress_ticker.h"
#include "platform/code_page.h"

namespace spinfolio {

bool PassesReadFilter(std::string_view fileName, const ReadFilter& filter,
                      const CodePage& codePage) {
  if (!filter.enabled) return true;
  const std::size_t dot = fileName.rfind('.');
  const std::string extension =
      dot == std::string_view::npos ? std::string() : codePage.lower(fileName.substr(dot + 1));
  const bool listed = std::find(filter.extensions.begin(), filter.extensions.end(), extension) !=
                      filter.extensions.end();
  return filter.readOnlyListed ? listed : !listed;
}

std::string SizeText(std::uint64_t size, std::string_view decimalSeparator) {
  const double v = static_cast<double>(size);
  double number = v;
  const char* unit = "B";
  if (v >= 1073741824.0) {
    number = v / 1073741824.0;
    unit = "GB";
  } else if (v >= 1048576.0) {
    number = v / 1048576.0;
    unit = "MB";
  } else if (v >= 1024.0) {
    number = v / 1024.0;
    unit = "KB";
  }
  char digits[64];
  const int length = std::snprintf(digits, sizeof digits, "%.2f", number);
  std::string text;
  text.reserve(static_cast<std::size_t>(length) + 16);
  text += "<r>";
  for (int i = 0; i < length; ++i) {
    // snprintf follows the C locale of the process; the separator is put in here.
    if (digits[i] == '.' || digits[i] == ',') {
      text += decimalSeparator;
    } else {
      text += digits[i];
    }
  }
  text += ' ';
  text += unit;
  text += "</r>";
  return text;
}

namespace {

// How often a walk lets the window repaint.
constexpr std::chrono::milliseconds kEventInterval{30};

class TreeWalk {
 public:
  TreeWalk(const DiscScan& scan, const CodePage& codePage, Lines& entries)
      : scan_(scan),
        codePage_(codePage),
        entries_(entries),
        events_(scan.processEvents, kEventInterval) {}

  // Walks the open folder fd (taken over and closed); prefix is its relative path with "\".
  void walk(int folderFd, std::string& prefix) {
    DIR* folder = ::fdopendir(folderFd);
    if (folder == nullptr) {
      ::close(folderFd);
      return;
    }
    const std::size_t prefixLength = prefix.size();
    while (const dirent* entry = ::readdir(folder)) {
      const char* name = entry->d_name;
      if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
      unsigned char type = entry->d_type;
      struct stat info {};
      bool stated = false;
      if (type == DT_UNKNOWN) {
        if (::fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        stated = true;
        type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
      }
      if (type == DT_DIR) {
        const int child = ::openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0) continue;  // an unreadable folder contributes nothing
        appendName(prefix, name);
        prefix += '\\';
        walk(child, prefix);
        prefix.resize(prefixLength);
        continue;
      }
      // A file, or any other kind of entry, listed as a file.
      std::uint64_t size = 0;
      if (type == DT_LNK) {
        // The target's size; a dangling link gives 0 and a link to a folder is not followed.
        if (::fstatat(folderFd, name, &info, 0) == 0 && !S_ISDIR(info.st_mode)) {
          size = static_cast<std::uint64_t>(info.st_size);
        }
      } else if (stated || ::fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
        size = static_cast<std::uint64_t>(info.st_size);
      }
      if (PassesReadFilter(name, scan_.filter, codePage_)) {
        std::string line;
        line.reserve(prefixLength + std::char_traits<char>::length(name) + 32);
        line += "<n>";
        line += prefix;
        appendName(line, name);
        line += "</n>";
        line += SizeText(size, scan_.decimalSeparator);
        entries_.push_back(std::move(line));
      }
      maybeProcessEvents();
    }
    ::closedir(folder);
  }

 private:
  void appendName(std::string& text, const char* name) const {
    if (codePage_.isUtf8()) {
      text += name;
    } else {
      text += codePage_.fromNative(name);
    }
  }

  // The clock is looked at every 16 files, the hook called when 30 ms have passed.
  void maybeProcessEvents() {
    if ((++filesSinceCheck_ & 15u) == 0) events_.tick();
  }

  const DiscScan& scan_;
  const CodePage& codePage_;
  Lines& entries_;
  ProgressTicker events_;
  unsigned filesSinceCheck_ = 0;
};

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Canonical(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string result(resolved);
  std::free(resolved);
  return result;
}

}  // namespace

void ReadDiscTree(const std::string& folder, const DiscScan& scan, const CodePage& codePage,
                  Lines& entries) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  TreeWalk walk(scan, codePage, entries);
  std::string prefix;
  prefix.reserve(1024);
  walk.walk(fd, prefix);
}

std::optional<std::string> VolumeFolder(const std::string& driveRoot,
                                        const std::string& mountsTable) {
  if (driveRoot.empty()) return std::nullopt;
  if (IsFolder(driveRoot)) return driveRoot;
  // A device: its most recent mount wins, as the kernel lists mounts in order.
  const std::string device = Canonical(driveRoot);
  std::optional<std::string> mountPoint;
  for (MountEntry& mount : ReadMountsTable(mountsTable)) {
    if (mount.source == driveRoot || Canonical(mount.source) == device) {
      mountPoint = std::move(mount.mountPoint);
    }
  }
  if (!mountPoint || !IsFolder(*mountPoint)) return std::nullopt;
  if (mountPoint->back() != '/') *mountPoint += '/';
  return mountPoint;
}

}  // namespace spinfolio
