// Times the disc content scanner against find on a generated tree, and measures the resident
// memory of a content list of a million entries.
//
//   scan_bench [--files N] [--folders M]

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "acquire/disc_scanner.h"
#include "platform/code_page.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Folders two levels deep, files spread evenly over them with varied sizes (sparse).
void MakeTree(const std::string& root, int files, int folders) {
  const int groups = 100;
  for (int f = 0; f < folders; ++f) {
    const std::string folder =
        root + "g" + std::to_string(f % groups) + "/d" + std::to_string(f) + "/";
    fs::create_directories(folder);
    const int first = static_cast<int>(static_cast<long long>(files) * f / folders);
    const int last = static_cast<int>(static_cast<long long>(files) * (f + 1) / folders);
    for (int i = first; i < last; ++i) {
      const std::string file = folder + "file_" + std::to_string(i) + ".dat";
      const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0) {
        std::perror(file.c_str());
        std::exit(1);
      }
      if (::ftruncate(fd, static_cast<off_t>(i) * 977) != 0) std::perror("ftruncate");
      ::close(fd);
    }
  }
}

long ResidentKilobytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  int files = 200000;
  int folders = 20000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--files") == 0) files = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--folders") == 0) folders = std::atoi(argv[i + 1]);
  }
  const char* tmp = std::getenv("TMPDIR");
  const std::string base = (tmp != nullptr && fs::is_directory(tmp)) ? tmp : "/tmp";
  const std::string root = base + "/spinfolio-scan-bench-" + std::to_string(::getpid()) + "/";
  std::printf("tree: %d files in %d folders under %s\n", files, folders, root.c_str());
  MakeTree(root, files, folders);

  const std::string find = "find '" + root + "' -type f -printf '%s\\n' > /dev/null";
  // Warm the cache for both.
  if (std::system(find.c_str()) != 0) std::fprintf(stderr, "find failed\n");
  const spinfolio::CodePage& codePage = spinfolio::CodePage::System();
  spinfolio::DiscScan scan;
  scan.processEvents = [] {};
  {
    spinfolio::Lines warm;
    spinfolio::ReadDiscTree(root, scan, codePage, warm);
  }

  double bestScan = 1e9;
  double bestFind = 1e9;
  std::size_t entries = 0;
  for (int round = 0; round < 3; ++round) {
    auto start = Clock::now();
    spinfolio::Lines lines;
    spinfolio::ReadDiscTree(root, scan, codePage, lines);
    bestScan = std::min(bestScan, Seconds(start));
    entries = lines.size();
    start = Clock::now();
    if (std::system(find.c_str()) != 0) std::fprintf(stderr, "find failed\n");
    bestFind = std::min(bestFind, Seconds(start));
  }
  std::printf(
      "ReadDiscTree: %.1f ms (%zu entries)\nfind:         %.1f ms\nratio:        %.2f "
      "(at most 1.50 wanted)\n",
      bestScan * 1000, entries, bestFind * 1000, bestScan / bestFind);
  fs::remove_all(root);

  // A content list of a million entries of typical length.
  const long before = ResidentKilobytes();
  spinfolio::Lines big;
  big.reserve(1000000);
  for (int i = 0; i < 1000000; ++i) {
    big.push_back("<n>Folder " + std::to_string(i % 977) + "\\Sub\\file_" + std::to_string(i) +
                  ".dat</n>" + spinfolio::SizeText(static_cast<std::uint64_t>(i) * 977, "."));
  }
  const long after = ResidentKilobytes();
  std::printf(
      "1,000,000 entries: peak resident %.1f MB (list adds %.1f MB; under 200 MB "
      "wanted)\n",
      after / 1024.0, (after - before) / 1024.0);
  return 0;
}
