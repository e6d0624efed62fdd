// Times the catalog search in all three scopes against grep -c -i -F over the same files, on a
// generated catalog of 1,000 discs with 1,000 content entries each, from warm files.
//
//   search_bench [--discs N] [--lines N] [--runs N] [--query TEXT] [--polish 1]
//
// --query adds a query of its own to the two built in; --polish 1 puts Polish letters (UTF-8)
// into every path.
// Exits with 1 when the search takes more than twice as long as grep (in the locale of the
// environment) or 300 ms or more, for either query.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "browse/catalog_search.h"
#include "common/text_file.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kFewQuery = "zanzibar";  // planted in a few discs, in mixed case
constexpr const char* kNoQuery = "nowhere to be found";

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string Number(int n, int width) {
  std::string text = std::to_string(n);
  return std::string(text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0, '0') +
         text;
}

bool Planted(int disc) { return disc % 250 == 137; }

// Content lines like those the disc reader writes: a path, then a size text.
std::string ContentList(int disc, int lines, bool polish) {
  static const char* const kKinds[] = {"mp3", "jpg", "avi", "txt", "flac", "pdf"};
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(lines) * 72);
  for (int i = 0; i < lines; ++i) {
    const int artist = (disc * 7 + i / 50) % 97;
    if (Planted(disc) && i == lines - 3) {
      bytes += "<n>Music\\Zanzibar Live\\track 01.mp3</n><r>5.02 MB</r>\r\n";
      continue;
    }
    bytes += (polish ? "<n>Muzyka\\Wykonawca \xC5\xBB\xC3\xB3\xC5\x82w " : "<n>Music\\Artist ") +
             std::to_string(artist) + (polish ? "\\P\xC5\x82yta " : "\\Album ") +
             std::to_string(i / 12 % 20) + (polish ? "\\utw\xC3\xB3r " : "\\track ") +
             Number(i % 12 + 1, 2) + "." + kKinds[(disc + i) % 6] + "</n><r>" +
             std::to_string(i % 9 + 1) + "." + Number((disc + i * 37) % 100, 2) +
             (i % 3 == 0 ? " KB" : " MB") + "</r>\r\n";
  }
  return bytes;
}

spinfolio::Lines MakeCatalog(const std::string& folder, int discs, int lines, bool polish) {
  fs::create_directories(folder);
  spinfolio::Lines entries;
  for (int disc = 0; disc < discs; ++disc) {
    entries.push_back("<m><n>Kolekcja " + std::to_string(disc) + " (" +
                      std::to_string(1990 + disc % 30) + ")</n>");
    const std::string number = std::to_string(disc);
    if (spinfolio::WriteBytes(folder + "cd" + number, ContentList(disc, lines, polish))) {
      std::fprintf(stderr, "cannot write %scd%s\n", folder.c_str(), number.c_str());
      std::exit(2);
    }
    if (disc % 3 == 0) {
      (void)spinfolio::WriteBytes(folder + "op" + number, "Nagrania z koncertu, p\xC5\x82yta " +
                                                              number + ".\r\nStan: dobry\r\n");
    }
  }
  (void)spinfolio::WriteLines(folder + "plyty", entries);
  return entries;
}

// Runs grep -c -i -F over the whole folder, its output thrown away; cLocale sets LC_ALL=C.
double TimeGrep(const std::string& folder, const char* query, bool cLocale) {
  std::vector<std::string> variables;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    if (!cLocale || std::strncmp(*variable, "LC_ALL=", 7) != 0) variables.emplace_back(*variable);
  }
  if (cLocale) variables.emplace_back("LC_ALL=C");
  std::vector<char*> environment;
  for (auto& variable : variables) environment.push_back(variable.data());
  environment.push_back(nullptr);

  std::string arguments[] = {"grep", "-c", "-i", "-F", "-r", "--", query, folder};
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = Clock::now();
  pid_t child = 0;
  if (posix_spawnp(&child, "grep", &actions, nullptr, argv.data(), environment.data()) != 0) {
    std::perror("grep");
    std::exit(2);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  const double elapsed = Milliseconds(start);
  posix_spawn_file_actions_destroy(&actions);
  return elapsed;
}

struct Timing {
  double search = 1e9;
  double grep = 1e9;
  double grepC = 1e9;
  std::size_t found = 0;
};

Timing Measure(const std::string& folder, const spinfolio::Lines& entries, const char* query,
               int runs) {
  Timing best;
  const spinfolio::CatalogSearch search{
      .catalogFolder = folder,
      .discEntries = entries,
      .discCount = static_cast<int>(entries.size()),
      .scopes = {.titles = true, .content = true, .descriptions = true},
      .query = query,
      .progress = [] {}};
  for (int run = 0; run < runs; ++run) {
    const auto start = Clock::now();
    best.found = spinfolio::SearchCatalog(search).size();
    best.search = std::min(best.search, Milliseconds(start));
    best.grep = std::min(best.grep, TimeGrep(folder, query, false));
    best.grepC = std::min(best.grepC, TimeGrep(folder, query, true));
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  int discs = 1000;
  int lines = 1000;
  int runs = 5;
  bool polish = false;
  std::vector<const char*> queries = {kFewQuery, kNoQuery};
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--polish") == 0) polish = std::atoi(argv[i + 1]) != 0;
    if (std::strcmp(argv[i], "--query") == 0) queries.push_back(argv[i + 1]);
    if (std::strcmp(argv[i], "--discs") == 0) discs = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--lines") == 0) lines = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::atoi(argv[i + 1]);
  }
  const char* tmp = std::getenv("TMPDIR");
  const std::string base = (tmp != nullptr && fs::is_directory(tmp)) ? tmp : "/tmp";
  const std::string folder = base + "/spinfolio-search-bench-" + std::to_string(::getpid()) + "/";
  const spinfolio::Lines entries = MakeCatalog(folder, discs, lines, polish);
  std::uintmax_t bytes = 0;
  for (const auto& file : fs::directory_iterator(folder)) bytes += file.file_size();
  const char* locale = std::getenv("LC_ALL");
  std::printf("catalog: %d discs x %d lines, %.1f MB in %s; code page %s, LC_ALL=%s\n", discs,
              lines, static_cast<double>(bytes) / 1e6, folder.c_str(),
              spinfolio::CodePage::System().name().c_str(), locale ? locale : "(unset)");

  Measure(folder, entries, kNoQuery, 1);  // warms the files
  bool within = true;
  for (const char* query : queries) {
    const Timing best = Measure(folder, entries, query, runs);
    const double ratio = best.search / best.grep;
    std::printf(
        "query \"%s\": %zu discs found\n  SearchCatalog %7.1f ms\n  grep          %7.1f ms  "
        "(LC_ALL=C %.1f ms)\n  ratio         %7.2f  (at most 2 wanted; %.2f against LC_ALL=C)\n",
        query, best.found, best.search, best.grep, best.grepC, ratio, best.search / best.grepC);
    within = within && ratio <= 2.0 && best.search < 300.0;
  }
  fs::remove_all(folder);
  std::printf("%s\n", within ? "within bounds" : "OUT OF BOUNDS");
  return within ? 0 : 1;
}
