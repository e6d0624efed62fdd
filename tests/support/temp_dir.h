#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spinfolio::test {

/// A fresh folder removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  /// The folder's path, ending in "/".
  const std::string& path() const { return path_; }
  /// path() + relative.
  std::string operator/(std::string_view relative) const { return path_ + std::string(relative); }

 private:
  std::string path_;
};

/// Writes bytes to a file, making its folders; fails the test when it cannot.
void WriteFile(const std::string& path, std::string_view bytes);
/// The bytes of a file; fails the test when it cannot be read.
std::string ReadFile(const std::string& path);

/// Points HOME, XDG_CONFIG_HOME, XDG_RUNTIME_DIR and TMPDIR at fresh folders below one temporary
/// folder for the object's life, and puts the old values back afterwards.
class FreshEnvironment {
 public:
  FreshEnvironment();
  FreshEnvironment(const FreshEnvironment&) = delete;
  FreshEnvironment& operator=(const FreshEnvironment&) = delete;
  ~FreshEnvironment();

  std::string home() const { return root_ / "home/"; }
  std::string configHome() const { return root_ / "home/.config/"; }
  std::string runtimeDir() const { return root_ / "run/"; }
  std::string tempDir() const { return root_ / "tmp/"; }
  /// A folder standing for the program's folder, where the libraries lie.
  std::string programFolder() const { return root_ / "program/"; }

 private:
  TempDir root_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace spinfolio::test
