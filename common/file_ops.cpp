#include "common/file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace spinfolio {
namespace fs = std::filesystem;
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

}  // namespace

bool FileExists(const fs::path& path) {
  std::error_code ignored;
  return fs::is_regular_file(path, ignored);
}

bool FolderExists(const fs::path& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

bool PathExists(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool IsMarkedReadOnly(const fs::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

std::error_code ClearAttributes(const fs::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return LastError();
  if (S_ISLNK(info.st_mode)) return {};  // links carry no permissions of their own
  mode_t wanted = info.st_mode | S_IWUSR;
  if (S_ISDIR(info.st_mode)) wanted |= S_IRUSR | S_IXUSR;  // an emptied folder must be listable
  if (wanted == info.st_mode) return {};
  return ::chmod(path.c_str(), wanted & 07777) == 0 ? std::error_code{} : LastError();
}

std::error_code DeleteFileAt(const fs::path& path) {
  return ::unlink(path.c_str()) == 0 ? std::error_code{} : LastError();
}

std::error_code CopyFileTo(const fs::path& from, const fs::path& to, Replace replace) {
  std::error_code error;
  const auto options =
      replace == Replace::Yes ? fs::copy_options::overwrite_existing : fs::copy_options::none;
  if (replace == Replace::Yes) ClearAttributes(to);
  fs::copy_file(from, to, options, error);
  return error;
}

std::error_code MoveFileTo(const fs::path& from, const fs::path& to, Replace replace) {
  if (replace == Replace::No && PathExists(to)) return std::make_error_code(std::errc::file_exists);
  if (::rename(from.c_str(), to.c_str()) == 0) return {};
  if (errno != EXDEV) return LastError();
  if (auto error = CopyFileTo(from, to, replace)) return error;
  return DeleteFileAt(from);
}

std::error_code MakeFolders(const fs::path& path) {
  std::error_code error;
  fs::create_directories(path, error);
  if (error && FolderExists(path)) return {};
  return error;
}

std::error_code RemoveFolder(const fs::path& path) {
  return ::rmdir(path.c_str()) == 0 ? std::error_code{} : LastError();
}

}  // namespace spinfolio
