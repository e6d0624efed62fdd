#include "platform/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/file_ops.h"

namespace spinfolio {
namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

}  // namespace

std::string WithTrailingSlash(std::string_view folder) {
  std::string text(folder);
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

std::string ExecutableFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return WithTrailingSlash(std::filesystem::current_path(error).string());
  return WithTrailingSlash(exe.parent_path().string());
}

std::optional<std::string> UserConfigFolder() {
  if (auto config = Environment("XDG_CONFIG_HOME"); config && config->front() == '/') {
    return WithTrailingSlash(*config);
  }
  std::optional<std::string> home = Environment("HOME");
  if (!home) {
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir) {
      home = std::string(user->pw_dir);
    }
  }
  if (!home) return std::nullopt;
  return WithTrailingSlash(*home) + ".config/";
}

std::string SystemTempFolder() {
  std::string folder = "/tmp";
  if (auto tmpdir = Environment("TMPDIR"); tmpdir && FolderExists(*tmpdir)) folder = *tmpdir;
  std::error_code error;
  const auto canonical = std::filesystem::canonical(folder, error);
  return WithTrailingSlash(error ? folder : canonical.string());
}

std::string FolderPart(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNamePart(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace spinfolio
