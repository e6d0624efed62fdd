#include "tests/scanner/tree_fixture.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "acquire/disc_scanner.h"

namespace spinfolio::test {

namespace fs = std::filesystem;

void MakeTree(const std::string& root, const std::vector<TreeItem>& items) {
  for (const auto& item : items) {
    const fs::path path = root + item.path;
    if (item.path.ends_with('/')) {
      fs::create_directories(path);
      continue;
    }
    fs::create_directories(path.parent_path());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(item.size)), 0);
    ::close(fd);
  }
}

namespace {

void List(const fs::path& folder, const std::string& prefix, Lines& lines) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory() && !entry.is_symlink()) {
      List(entry.path(), prefix + name + "\\", lines);
    } else {
      lines.push_back("<n>" + prefix + name + "</n>" + SizeText(entry.file_size(), "."));
    }
  }
}

}  // namespace

Lines ExpectedListing(const std::string& root) {
  Lines lines;
  List(root, "", lines);
  return lines;
}

}  // namespace spinfolio::test
