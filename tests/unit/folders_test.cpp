// Folder texts and the folders the environment names.

#include "platform/folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/file_ops.h"
#include "tests/support/temp_dir.h"

using namespace spinfolio;
using spinfolio::test::FreshEnvironment;

namespace {

struct TextCase {
  const char* path;
  const char* expected;
};

class WithTrailingSlashTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WithTrailingSlashTest, AppendsASlashUnlessThereIsOne) {
  EXPECT_EQ(WithTrailingSlash(GetParam().path), GetParam().expected);
}

const TextCase kWithTrailingSlashCases[] = {
    {"/a", "/a/"}, {"/a/", "/a/"}, {"/", "/"}, {"", "/"}, {"rel/dir", "rel/dir/"},
};

INSTANTIATE_TEST_SUITE_P(Texts, WithTrailingSlashTest,
                         ::testing::ValuesIn(kWithTrailingSlashCases));

class FolderPartTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FolderPartTest, KeepsTheTextUpToTheLastSlash) {
  EXPECT_EQ(FolderPart(GetParam().path), GetParam().expected);
}

const TextCase kFolderPartCases[] = {
    {"/a/b.txt", "/a/"}, {"/x", "/"}, {"/a/b/", "/a/b/"},
    {"b.txt", ""},       {"", ""},    {"a/b/c", "a/b/"},
};

INSTANTIATE_TEST_SUITE_P(Texts, FolderPartTest, ::testing::ValuesIn(kFolderPartCases));

class FileNamePartTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FileNamePartTest, KeepsTheTextAfterTheLastSlash) {
  EXPECT_EQ(FileNamePart(GetParam().path), GetParam().expected);
}

const TextCase kFileNamePartCases[] = {
    {"/a/b.txt", "b.txt"}, {"b.txt", "b.txt"}, {"/a/", ""}, {"", ""}, {"/.hidden", ".hidden"},
};

INSTANTIATE_TEST_SUITE_P(Texts, FileNamePartTest, ::testing::ValuesIn(kFileNamePartCases));

TEST(FoldersTest, UserConfigFolderComesFromXdgConfigHome) {
  FreshEnvironment environment;
  ::setenv("XDG_CONFIG_HOME", "/some/where", 1);
  EXPECT_EQ(UserConfigFolder(), "/some/where/");
  ::setenv("XDG_CONFIG_HOME", "/some/where/", 1);
  EXPECT_EQ(UserConfigFolder(), "/some/where/");
}

TEST(FoldersTest, UserConfigFolderFallsBackToHome) {
  FreshEnvironment environment;
  ::setenv("HOME", "/home/someone", 1);
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(UserConfigFolder(), "/home/someone/.config/");
  // An empty or relative XDG_CONFIG_HOME is ignored.
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(UserConfigFolder(), "/home/someone/.config/");
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(UserConfigFolder(), "/home/someone/.config/");
  ::setenv("HOME", "/home/other/", 1);
  EXPECT_EQ(UserConfigFolder(), "/home/other/.config/");
}

TEST(FoldersTest, SystemTempFolderIsTheCanonicalTmpdir) {
  FreshEnvironment environment;
  const std::string real = environment.tempDir() + "real";
  ASSERT_FALSE(MakeFolders(real));
  const std::string link = environment.tempDir() + "link";
  std::filesystem::create_directory_symlink(real, link);
  ::setenv("TMPDIR", link.c_str(), 1);
  EXPECT_EQ(SystemTempFolder(), std::filesystem::canonical(real).string() + "/");
}

TEST(FoldersTest, SystemTempFolderIsTmpWhenTmpdirIsMissing) {
  FreshEnvironment environment;
  ::setenv("TMPDIR", (environment.tempDir() + "missing").c_str(), 1);
  EXPECT_EQ(SystemTempFolder(), "/tmp/");
  ::unsetenv("TMPDIR");
  EXPECT_EQ(SystemTempFolder(), "/tmp/");
}

TEST(FoldersTest, ExecutableFolderHoldsTheRunningProgram) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(FileExists(folder + "platform_tests"));
}

}  // namespace
