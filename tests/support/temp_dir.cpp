#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "common/empty_folder.h"
#include "common/file_ops.h"
#include "common/text_file.h"

namespace spinfolio::test {

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/spinfolio-test-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
  path_ = pattern + "/";
}

TempDir::~TempDir() { RemoveFolderTree(path_); }

void WriteFile(const std::string& path, std::string_view bytes) {
  MakeFolders(std::filesystem::path(path).parent_path());
  ASSERT_FALSE(WriteBytes(path, bytes)) << path;
}

std::string ReadFile(const std::string& path) {
  auto bytes = ReadBytes(path);
  EXPECT_TRUE(bytes.has_value()) << "cannot read " << path;
  return bytes.value_or("");
}

FreshEnvironment::FreshEnvironment() {
  const std::pair<const char*, std::string> variables[] = {
      {"HOME", home()},
      {"XDG_CONFIG_HOME", configHome()},
      {"XDG_RUNTIME_DIR", runtimeDir()},
      {"TMPDIR", tempDir()},
  };
  for (const auto& [name, value] : variables) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    MakeFolders(value);
    ::setenv(name, value.c_str(), 1);
  }
  MakeFolders(programFolder());
}

FreshEnvironment::~FreshEnvironment() {
  for (const auto& [name, value] : saved_) {
    if (value) {
      ::setenv(name.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name.c_str());
    }
  }
}

}  // namespace spinfolio::test
