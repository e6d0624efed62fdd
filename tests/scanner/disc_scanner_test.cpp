// The disc content scanner on fixture folder trees.

#include "acquire/disc_scanner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/code_page.h"
#include "tests/scanner/tree_fixture.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::test {
namespace {

namespace fs = std::filesystem;

Lines Scan(const std::string& folder, const DiscScan& scan = {}) {
  Lines lines;
  ReadDiscTree(folder, scan, CodePage("UTF-8"), lines);
  return lines;
}

DiscScan Filtered(bool readOnlyListed, std::vector<std::string> extensions) {
  DiscScan scan;
  scan.filter = {true, readOnlyListed, std::move(extensions)};
  return scan;
}

TEST(SizeText, EdgesOfTheUnits) {
  EXPECT_EQ(SizeText(0, "."), "<r>0.00 B</r>");
  EXPECT_EQ(SizeText(512, "."), "<r>512.00 B</r>");
  EXPECT_EQ(SizeText(1023, "."), "<r>1023.00 B</r>");
  EXPECT_EQ(SizeText(1024, "."), "<r>1.00 KB</r>");
  EXPECT_EQ(SizeText(1536, "."), "<r>1.50 KB</r>");
  EXPECT_EQ(SizeText(1048575, "."), "<r>1024.00 KB</r>");
  EXPECT_EQ(SizeText(1048576, "."), "<r>1.00 MB</r>");
  EXPECT_EQ(SizeText(1073741823, "."), "<r>1024.00 MB</r>");
  EXPECT_EQ(SizeText(1073741824, "."), "<r>1.00 GB</r>");
  EXPECT_EQ(SizeText(5ull << 30, "."), "<r>5.00 GB</r>");
  EXPECT_EQ(SizeText(5000ull << 30, "."), "<r>5000.00 GB</r>");
}

TEST(SizeText, SeparatorOfTheLocale) {
  EXPECT_EQ(SizeText(1536, ","), "<r>1,50 KB</r>");
  EXPECT_EQ(SizeText(0, ","), "<r>0,00 B</r>");
}

TEST(ReadDiscTree, SizesOfFilesIncludingBigSparseOnes) {
  TempDir tree;
  MakeTree(tree.path(), {{"zero", 0},
                         {"b1023", 1023},
                         {"k1024", 1024},
                         {"k1536", 1536},
                         {"k1048575", 1048575},
                         {"m1048576", 1048576},
                         {"g5", 5ull << 30}});
  Lines lines = Scan(tree.path());
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (Lines{"<n>b1023</n><r>1023.00 B</r>", "<n>g5</n><r>5.00 GB</r>",
                          "<n>k1024</n><r>1.00 KB</r>", "<n>k1048575</n><r>1024.00 KB</r>",
                          "<n>k1536</n><r>1.50 KB</r>", "<n>m1048576</n><r>1.00 MB</r>",
                          "<n>zero</n><r>0.00 B</r>"}));
  DiscScan polish;
  polish.decimalSeparator = ",";
  lines = Scan(tree.path(), polish);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "<n>k1536</n><r>1,50 KB</r>"), lines.end());
}

TEST(ReadDiscTree, HiddenFilesListedEmptyFoldersLeaveNoTrace) {
  TempDir tree;
  MakeTree(tree.path(), {{".hidden", 3}, {".dotdir/.x", 1}, {"empty/", 0}, {"a/b/c/", 0}});
  Lines lines = Scan(tree.path());
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (Lines{"<n>.dotdir\\.x</n><r>1.00 B</r>", "<n>.hidden</n><r>3.00 B</r>"}));
}

TEST(ReadDiscTree, OnlyEmptyFoldersGiveNothing) {
  TempDir tree;
  MakeTree(tree.path(), {{"a/", 0}, {"b/c/", 0}});
  EXPECT_TRUE(Scan(tree.path()).empty());
}

TEST(ReadDiscTree, PreOrderInDirectoryOrderWithSubfoldersWhereMet) {
  TempDir tree;
  std::vector<TreeItem> items;
  for (int i = 0; i < 12; ++i) {
    items.push_back({"f" + std::to_string(i) + ".txt", static_cast<std::uint64_t>(i)});
    items.push_back({"d" + std::to_string(i) + "/x" + std::to_string(i), 10});
    items.push_back({"d" + std::to_string(i) + "/sub/y", 2048});
  }
  MakeTree(tree.path(), items);
  const Lines lines = Scan(tree.path());
  EXPECT_EQ(lines, ExpectedListing(tree.path()));
  ASSERT_EQ(lines.size(), 36u);
  // Each folder's entries lie together, where the folder was met.
  for (int i = 0; i < 12; ++i) {
    const std::string folder = "<n>d" + std::to_string(i) + "\\";
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& l) { return l.starts_with(folder); });
    ASSERT_NE(first, lines.end());
    ASSERT_TRUE(first + 1 != lines.end());
    EXPECT_TRUE((first + 1)->starts_with(folder));
  }
}

TEST(ReadDiscTree, RelativePathsUseBackslashes) {
  TempDir tree;
  MakeTree(tree.path(), {{"Docs/Sub Folder/a.txt", 5}});
  EXPECT_EQ(Scan(tree.path()), (Lines{"<n>Docs\\Sub Folder\\a.txt</n><r>5.00 B</r>"}));
  // A folder given without its final "/" gives the same paths.
  std::string bare = tree.path();
  bare.pop_back();
  EXPECT_EQ(Scan(bare), (Lines{"<n>Docs\\Sub Folder\\a.txt</n><r>5.00 B</r>"}));
}

TEST(ReadDiscTree, SymbolicLinks) {
  TempDir tree;
  MakeTree(tree.path(), {{"d/target.bin", 2048}});
  fs::create_symlink("d/target.bin", tree / "tofile");
  fs::create_symlink("nowhere", tree / "dangling");
  fs::create_directory_symlink("..", tree / "d/up");  // a loop
  fs::create_directory_symlink("d", tree / "tofolder");
  Lines lines = Scan(tree.path());
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (Lines{"<n>d\\target.bin</n><r>2.00 KB</r>", "<n>d\\up</n><r>0.00 B</r>",
                          "<n>dangling</n><r>0.00 B</r>", "<n>tofile</n><r>2.00 KB</r>",
                          "<n>tofolder</n><r>0.00 B</r>"}));
}

TEST(ReadDiscTree, FilterApplies) {
  TempDir tree;
  MakeTree(tree.path(), {{"PHOTO.JPG", 1}, {"a.jpeg", 1}, {"README", 1}, {"sub/b.jpg", 1}});
  Lines lines = Scan(tree.path(), Filtered(true, {"jpg"}));
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (Lines{"<n>PHOTO.JPG</n><r>1.00 B</r>", "<n>sub\\b.jpg</n><r>1.00 B</r>"}));
}

TEST(ReadDiscTree, UnreadableFolderIsSkipped) {
  // Root reads any folder, so the walk then runs in a child that has given up root.
  char pattern[] = "/tmp/spinfolio-unreadable-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::string root = std::string(pattern) + "/";
  MakeTree(root, {{"a.txt", 1}, {"closed/secret", 1}, {"open/b.txt", 1}});
  ::chmod(pattern, 0755);
  ::chmod((root + "open").c_str(), 0755);
  ::chmod((root + "closed").c_str(), 0);
  const auto check = [&] {
    Lines lines = Scan(root);
    std::sort(lines.begin(), lines.end());
    return lines == Lines{"<n>a.txt</n><r>1.00 B</r>", "<n>open\\b.txt</n><r>1.00 B</r>"};
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(check());
  } else {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
      ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  ::chmod((root + "closed").c_str(), 0755);
  fs::remove_all(root);
}

TEST(PassesReadFilter, ReadOnlyListed) {
  const CodePage utf8("UTF-8");
  const ReadFilter jpg{true, true, {"jpg"}};
  EXPECT_TRUE(PassesReadFilter("PHOTO.JPG", jpg, utf8));
  EXPECT_FALSE(PassesReadFilter("a.jpeg", jpg, utf8));
  EXPECT_FALSE(PassesReadFilter("README", jpg, utf8));
  // An item typed in capitals never matches: only the file's extension is lower-cased.
  const ReadFilter upper{true, true, {"JPG"}};
  EXPECT_FALSE(PassesReadFilter("PHOTO.JPG", upper, utf8));
  EXPECT_FALSE(PassesReadFilter("photo.jpg", upper, utf8));
}

TEST(PassesReadFilter, SkipListed) {
  const CodePage utf8("UTF-8");
  const ReadFilter txt{true, false, {"txt"}};
  EXPECT_TRUE(PassesReadFilter("README", txt, utf8));
  EXPECT_TRUE(PassesReadFilter("a.TXT.bak", txt, utf8));
  EXPECT_FALSE(PassesReadFilter("Notes.TXT", txt, utf8));
}

TEST(PassesReadFilter, EmptyItemMatchesNamesWithoutExtension) {
  const CodePage utf8("UTF-8");
  const ReadFilter bare{true, true, {""}};
  EXPECT_TRUE(PassesReadFilter("README", bare, utf8));
  EXPECT_TRUE(PassesReadFilter("ends.", bare, utf8));
  EXPECT_FALSE(PassesReadFilter("a.txt", bare, utf8));
}

TEST(PassesReadFilter, OffTakesEverythingAndPolishLettersFold) {
  const CodePage utf8("UTF-8");
  EXPECT_TRUE(PassesReadFilter("a.jpeg", ReadFilter{false, true, {"jpg"}}, utf8));
  EXPECT_TRUE(PassesReadFilter("plik.ŻÓŁW", ReadFilter{true, true, {"żółw"}}, utf8));
}

TEST(VolumeFolder, FoldersAndMountedDevices) {
  TempDir dir;
  const std::string mounted = dir / "disc with blank/";
  fs::create_directories(mounted);
  WriteFile(dir / "mounts", "/dev/sda1 / ext4 rw 0 0\n/dev/sr0 " + dir.path() +
                                "disc\\040with\\040blank iso9660 ro 0 0\n");
  EXPECT_EQ(VolumeFolder(dir.path(), dir / "mounts"), dir.path());
  EXPECT_EQ(VolumeFolder("/dev/sr0", dir / "mounts"), mounted);
  EXPECT_EQ(VolumeFolder("/dev/sr1", dir / "mounts"), std::nullopt);
  EXPECT_EQ(VolumeFolder(dir / "missing/", dir / "mounts"), std::nullopt);
  EXPECT_EQ(VolumeFolder("/dev/sr0", dir / "no-such-table"), std::nullopt);
}

}  // namespace
}  // namespace spinfolio::test
