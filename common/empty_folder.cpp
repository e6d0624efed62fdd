#include "common/empty_folder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "common/file_ops.h"

namespace spinfolio {

void EmptyFolder(const std::filesystem::path& folder) {
  ClearAttributes(folder);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  // The names are collected first: deleting while the listing is open may skip entries.
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  for (const auto& name : names) {
    const auto path = folder / name;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) continue;
    if (S_ISDIR(info.st_mode)) {
      EmptyFolder(path);
      RemoveFolder(path);
    } else {
      ClearAttributes(path);
      DeleteFileAt(path);
    }
  }
}

void RemoveFolderTree(const std::filesystem::path& folder) {
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return;
  EmptyFolder(folder);
  RemoveFolder(folder);
}

}  // namespace spinfolio
