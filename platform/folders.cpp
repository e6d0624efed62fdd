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

}  // namespace spinfolio
