// Loading a shared library at run time.

#include "platform/runtime_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

using namespace spinfolio;
using spinfolio::test::TempDir;

namespace {

// The absolute path of the system's zlib, found through the dynamic loader.
std::string ZlibPath() {
  void* handle = ::dlopen("libz.so.1", RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return {};
  std::string path;
  Dl_info info{};
  if (void* symbol = ::dlsym(handle, "zlibVersion"); symbol && ::dladdr(symbol, &info) != 0) {
    path = info.dli_fname;
  }
  ::dlclose(handle);
  return path;
}

TEST(RuntimeLibraryTest, MissingFileIsNotLoaded) {
  TempDir dir;
  const RuntimeLibrary library(dir / "libmissing.so");
  EXPECT_FALSE(library.loaded());
  EXPECT_EQ(library.entry<void()>("anything"), nullptr);
}

TEST(RuntimeLibraryTest, SystemLibraryGivesItsFunctions) {
  const std::string path = ZlibPath();
  ASSERT_FALSE(path.empty()) << "libz.so.1 not found";
  ASSERT_EQ(path.front(), '/') << path;

  const RuntimeLibrary library(path);
  ASSERT_TRUE(library.loaded());
  const auto version = library.entry<const char*()>("zlibVersion");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(std::string(version()).substr(0, 2), "1.");
  EXPECT_EQ(library.entry<void()>("no_such_symbol"), nullptr);
}

}  // namespace
