// File primitives and emptying folders.

#include "common/file_ops.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/empty_folder.h"
#include "tests/support/temp_dir.h"

using namespace spinfolio;
using spinfolio::test::ReadFile;
using spinfolio::test::TempDir;
using spinfolio::test::WriteFile;

namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST(FileOpsTest, ExistenceChecksTellFilesFoldersAndLinksApart) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  ASSERT_FALSE(MakeFolders(dir / "folder"));
  fs::create_symlink(dir / "nowhere", dir / "dangling");

  EXPECT_TRUE(FileExists(dir / "file"));
  EXPECT_FALSE(FolderExists(dir / "file"));
  EXPECT_TRUE(FolderExists(dir / "folder"));
  EXPECT_FALSE(FileExists(dir / "folder"));
  EXPECT_FALSE(FileExists(dir / "dangling"));
  EXPECT_TRUE(PathExists(dir / "dangling"));
  EXPECT_FALSE(PathExists(dir / "missing"));
}

TEST(FileOpsTest, MoveWithoutReplaceRefusesAnExistingTarget) {
  TempDir dir;
  WriteFile(dir / "from", "source");
  WriteFile(dir / "to", "target");
  EXPECT_EQ(MoveFileTo(dir / "from", dir / "to", Replace::No), std::errc::file_exists);
  EXPECT_EQ(ReadFile(dir / "from"), "source");
  EXPECT_EQ(ReadFile(dir / "to"), "target");
}

TEST(FileOpsTest, MoveReplacesOrCreatesTheTarget) {
  TempDir dir;
  WriteFile(dir / "from", "source");
  WriteFile(dir / "to", "target");
  ASSERT_FALSE(MoveFileTo(dir / "from", dir / "to", Replace::Yes));
  EXPECT_FALSE(PathExists(dir / "from"));
  EXPECT_EQ(ReadFile(dir / "to"), "source");

  ASSERT_FALSE(MoveFileTo(dir / "to", dir / "new", Replace::No));
  EXPECT_FALSE(PathExists(dir / "to"));
  EXPECT_EQ(ReadFile(dir / "new"), "source");
}

TEST(FileOpsTest, MoveOfAMissingFileFails) {
  TempDir dir;
  EXPECT_EQ(MoveFileTo(dir / "missing", dir / "to", Replace::Yes),
            std::errc::no_such_file_or_directory);
  EXPECT_FALSE(PathExists(dir / "to"));
}

TEST(FileOpsTest, CopyKeepsTheSourceAndRefusesAnExistingTargetWithoutReplace) {
  TempDir dir;
  WriteFile(dir / "from", "source\r\n");
  ASSERT_FALSE(CopyFileTo(dir / "from", dir / "copy", Replace::No));
  EXPECT_EQ(ReadFile(dir / "from"), "source\r\n");
  EXPECT_EQ(ReadFile(dir / "copy"), "source\r\n");

  WriteFile(dir / "to", "target");
  EXPECT_TRUE(CopyFileTo(dir / "from", dir / "to", Replace::No));
  EXPECT_EQ(ReadFile(dir / "to"), "target");
}

TEST(FileOpsTest, CopyWithReplaceOverwritesEvenAReadOnlyTarget) {
  TempDir dir;
  WriteFile(dir / "from", "source");
  WriteFile(dir / "to", "a longer target");
  ASSERT_EQ(::chmod((dir / "to").c_str(), 0444), 0);
  ASSERT_FALSE(CopyFileTo(dir / "from", dir / "to", Replace::Yes));
  EXPECT_EQ(ReadFile(dir / "to"), "source");
}

TEST(FileOpsTest, MakeFoldersCreatesParentsAndAcceptsAnExistingFolder) {
  TempDir dir;
  ASSERT_FALSE(MakeFolders(dir / "a/b/c"));
  EXPECT_TRUE(FolderExists(dir / "a/b/c"));
  EXPECT_FALSE(MakeFolders(dir / "a/b/c"));
  EXPECT_FALSE(MakeFolders(dir / "a/b/c/"));

  WriteFile(dir / "file", "x");
  EXPECT_TRUE(MakeFolders(dir / "file"));
  EXPECT_TRUE(MakeFolders(dir / "file/sub"));
  EXPECT_EQ(ReadFile(dir / "file"), "x");
}

TEST(FileOpsTest, ClearAttributesGivesTheOwnerWritePermission) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  ASSERT_EQ(::chmod((dir / "file").c_str(), 0444), 0);
  ASSERT_FALSE(ClearAttributes(dir / "file"));
  EXPECT_EQ(ModeOf(dir / "file"), 0644u);

  // A folder also becomes listable and enterable, so that it can be emptied.
  ASSERT_FALSE(MakeFolders(dir / "folder"));
  ASSERT_EQ(::chmod((dir / "folder").c_str(), 0), 0);
  ASSERT_FALSE(ClearAttributes(dir / "folder"));
  EXPECT_EQ(ModeOf(dir / "folder"), 0700u);

  EXPECT_EQ(ClearAttributes(dir / "missing"), std::errc::no_such_file_or_directory);
}

TEST(FileOpsTest, DeleteFileAtDeletesFilesAndLinksButNotFolders) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  ASSERT_FALSE(DeleteFileAt(dir / "file"));
  EXPECT_FALSE(PathExists(dir / "file"));

  WriteFile(dir / "target", "x");
  fs::create_symlink(dir / "target", dir / "link");
  ASSERT_FALSE(DeleteFileAt(dir / "link"));
  EXPECT_FALSE(PathExists(dir / "link"));
  EXPECT_EQ(ReadFile(dir / "target"), "x");

  ASSERT_FALSE(MakeFolders(dir / "folder"));
  EXPECT_TRUE(DeleteFileAt(dir / "folder"));
  EXPECT_TRUE(FolderExists(dir / "folder"));
  EXPECT_EQ(DeleteFileAt(dir / "missing"), std::errc::no_such_file_or_directory);
}

TEST(FileOpsTest, RemoveFolderRemovesOnlyAnEmptyFolder) {
  TempDir dir;
  WriteFile(dir / "full/file", "x");
  EXPECT_TRUE(RemoveFolder(dir / "full"));
  EXPECT_EQ(ReadFile(dir / "full/file"), "x");
  ASSERT_FALSE(MakeFolders(dir / "empty"));
  EXPECT_FALSE(RemoveFolder(dir / "empty"));
  EXPECT_FALSE(PathExists(dir / "empty"));
}

TEST(EmptyFolderTest, DeletesEverythingBelowAndKeepsTheFolder) {
  TempDir dir;
  const std::string folder = dir / "folder/";
  WriteFile(folder + ".hidden", "h");
  WriteFile(folder + "plain.txt", "p");
  WriteFile(folder + "a/b/c/deep.txt", "d");
  WriteFile(folder + "a/.hidden-folder/file", "f");
  WriteFile(folder + "readonly.txt", "r");
  ASSERT_EQ(::chmod((folder + "readonly.txt").c_str(), 0444), 0);
  WriteFile(folder + "locked/inner.txt", "i");
  WriteFile(folder + "locked/sub/inner.txt", "i");
  ASSERT_EQ(::chmod((folder + "locked/sub").c_str(), 0500), 0);
  ASSERT_EQ(::chmod((folder + "locked").c_str(), 0500), 0);
  fs::create_symlink(dir / "nowhere", folder + "dangling");

  EmptyFolder(folder);

  EXPECT_TRUE(FolderExists(folder));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(EmptyFolderTest, EmptiesAReadOnlyFolderItself) {
  TempDir dir;
  const std::string folder = dir / "folder/";
  WriteFile(folder + "file", "x");
  ASSERT_EQ(::chmod(folder.c_str(), 0500), 0);
  EmptyFolder(folder);
  EXPECT_TRUE(FolderExists(folder));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(EmptyFolderTest, DeletesLinksWithoutFollowingThem) {
  TempDir dir;
  const std::string folder = dir / "folder/";
  WriteFile(dir / "outside/kept.txt", "k");
  WriteFile(dir / "outside-file.txt", "o");
  ASSERT_FALSE(MakeFolders(folder));
  fs::create_directory_symlink(dir / "outside", folder + "to-folder");
  fs::create_symlink(dir / "outside-file.txt", folder + "to-file");

  EmptyFolder(folder);

  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_EQ(ReadFile(dir / "outside/kept.txt"), "k");
  EXPECT_EQ(ReadFile(dir / "outside-file.txt"), "o");
}

TEST(EmptyFolderTest, RemoveFolderTreeRemovesTheFolderAndIgnoresAMissingOne) {
  TempDir dir;
  WriteFile(dir / "tree/a/b.txt", "x");
  ASSERT_EQ(::chmod((dir / "tree/a").c_str(), 0500), 0);
  RemoveFolderTree(dir / "tree");
  EXPECT_FALSE(PathExists(dir / "tree"));

  RemoveFolderTree(dir / "missing");
  EXPECT_FALSE(PathExists(dir / "missing"));
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
