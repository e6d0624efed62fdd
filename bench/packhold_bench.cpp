// Packs and unpacks a generated catalog with libpackhold.so, as the program calls it, and in
// the same run compresses and decompresses the same container bytes with plain zlib (file to
// file, the way zlib's own example program does) at the same level. Prints both times and the
// ratio library / zlib; the work above zlib is copying files.
//
//   packhold_bench [--discs N] [--lines N] [--photos N] [--photo-kb N] [--runs N] [--dir D]

#include <fcntl.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "common/empty_folder.h"
#include "common/file_descriptor.h"
#include "common/file_ops.h"
#include "common/text_file.h"
#include "platform/folders.h"
#include "platform/runtime_library.h"

namespace {

using namespace spinfolio;

extern "C" {
using SaveArchFunction = void(int, int, const char*, const char*, const char*, const char*, int,
                              int);
using OpenArchFunction = void(const char*, const char*, const char*, int);
}

struct Options {
  int discs = 2000;
  int lines = 500;
  int photos = 200;
  int photoKiB = 200;
  int runs = 3;
  std::string dir;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const std::string value = argv[i + 1];
    if (name == "--discs") options.discs = std::stoi(value);
    if (name == "--lines") options.lines = std::stoi(value);
    if (name == "--photos") options.photos = std::stoi(value);
    if (name == "--photo-kb") options.photoKiB = std::stoi(value);
    if (name == "--runs") options.runs = std::stoi(value);
    if (name == "--dir") options.dir = WithTrailingSlash(value);
  }
  if (options.dir.empty()) options.dir = SystemTempFolder() + "packhold-bench/";
  return options;
}

void Check(std::error_code error, const std::string& what) {
  if (!error) return;
  std::fprintf(stderr, "%s: %s\n", what.c_str(), error.message().c_str());
  std::exit(1);
}

// A catalog like a real one: content lists of paths and size texts, and JPEG-like photos that
// do not compress.
void Generate(const Options& options, const std::string& catalog, const std::string& photos) {
  MakeFolders(catalog);
  MakeFolders(photos);
  std::mt19937 random(42);
  Lines discs;
  for (int disc = 0; disc < options.discs; ++disc) {
    discs.push_back("<f><n>Disc number " + std::to_string(disc) + "</n>");
    Lines content;
    for (int line = 0; line < options.lines; ++line) {
      content.push_back("<n>Folder" + std::to_string(line % 17) + "\\Sub" +
                        std::to_string(random() % 50) + "\\file_" + std::to_string(random()) +
                        ".dat</n><r>" + std::to_string(random() % 1000) + ".25 KB</r>");
    }
    Check(WriteLines(catalog + "cd" + std::to_string(disc), content), "content list");
  }
  Check(WriteLines(catalog + "plyty", discs), "disc list");
  Check(WriteLines(catalog + "kat", {"<n>Filmy</n>"}), "category list");
  std::string photo(static_cast<std::size_t>(options.photoKiB) * 1024, '\0');
  for (int i = 0; i < options.photos; ++i) {
    for (char& c : photo) c = static_cast<char>(random());
    const int disc = i * std::max(1, options.discs / std::max(1, options.photos));
    Check(WriteBytes(photos + "cd" + std::to_string(disc) + ".jpg", photo), "photo");
  }
}

// zlib's example stream loop, file to file, 16 KiB buffers.
void PlainDeflate(const std::string& source, const std::string& target, int level) {
  FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  FileDescriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  z_stream stream{};
  deflateInit(&stream, level);
  std::array<unsigned char, 16384> inBuffer;
  std::array<unsigned char, 16384> outBuffer;
  int flush = Z_NO_FLUSH;
  do {
    const ssize_t got = ReadFully(in.get(), inBuffer.data(), inBuffer.size());
    flush = got < static_cast<ssize_t>(inBuffer.size()) ? Z_FINISH : Z_NO_FLUSH;
    stream.next_in = inBuffer.data();
    stream.avail_in = static_cast<uInt>(std::max<ssize_t>(got, 0));
    do {
      stream.next_out = outBuffer.data();
      stream.avail_out = outBuffer.size();
      deflate(&stream, flush);
      WriteFully(out.get(), outBuffer.data(), outBuffer.size() - stream.avail_out);
    } while (stream.avail_out == 0);
  } while (flush != Z_FINISH);
  deflateEnd(&stream);
}

void PlainInflate(const std::string& source, const std::string& target) {
  FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  FileDescriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  z_stream stream{};
  inflateInit(&stream);
  std::array<unsigned char, 16384> inBuffer;
  std::array<unsigned char, 16384> outBuffer;
  int code = Z_OK;
  do {
    const ssize_t got = ReadFully(in.get(), inBuffer.data(), inBuffer.size());
    if (got <= 0) break;
    stream.next_in = inBuffer.data();
    stream.avail_in = static_cast<uInt>(got);
    do {
      stream.next_out = outBuffer.data();
      stream.avail_out = outBuffer.size();
      code = inflate(&stream, Z_NO_FLUSH);
      WriteFully(out.get(), outBuffer.data(), outBuffer.size() - stream.avail_out);
    } while (stream.avail_out == 0);
  } while (code != Z_STREAM_END);
  inflateEnd(&stream);
}

// The best of several runs, in seconds; prepare runs untimed before each.
double Best(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
  double best = 1e30;
  for (int run = 0; run < runs; ++run) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const RuntimeLibrary library(ExecutableFolder() + "libpackhold.so");
  auto* saveArch = library.entry<SaveArchFunction>("_SaveArch");
  auto* openArch = library.entry<OpenArchFunction>("_OpenArch");
  if (saveArch == nullptr || openArch == nullptr) {
    std::fprintf(stderr, "libpackhold.so not found beside the benchmark\n");
    return 1;
  }

  RemoveFolderTree(options.dir);
  const std::string tempRoot = options.dir + "tmp/";
  const std::string folderName = "spinfoliotemp_202612111432/";
  const std::string unpackName = "spinfoliotemp_202612111433/";
  const std::string archive = options.dir + "data/spinfolio.sfa";
  const std::string photos = options.dir + "data/spinfolio-graph/";
  const std::string container = options.dir + "container";
  const std::string plainArchive = options.dir + "plain.z";
  std::printf("generating %d discs x %d lines and %d photos of %d KiB in %s\n", options.discs,
              options.lines, options.photos, options.photoKiB, options.dir.c_str());
  Generate(options, tempRoot + folderName, photos);
  const auto nothing = [] {};

  std::printf("%6s %10s %10s %7s %10s %10s %7s\n", "level", "lib pack", "zlib pack", "ratio",
              "lib open", "zlib open", "ratio");
  for (const int level : {-1, 1}) {
    const double libraryPack = Best(options.runs, nothing, [&] {
      saveArch(0, level, "Spinfolio", archive.c_str(), tempRoot.c_str(), folderName.c_str(), 0, 1);
    });
    PlainInflate(archive, container);  // the same container bytes for plain zlib
    const double plainPack =
        Best(options.runs, nothing, [&] { PlainDeflate(container, plainArchive, level); });
    const double plainOpen = Best(
        options.runs, [&] { DeleteFileAt(container); },
        [&] { PlainInflate(plainArchive, container); });
    const double libraryOpen = Best(
        options.runs,
        [&] {
          // As at start-up: no catalog folder, and no photo folder when photos are packed.
          RemoveFolderTree(tempRoot + unpackName);
          RemoveFolderTree(photos);
        },
        [&] { openArch(archive.c_str(), tempRoot.c_str(), unpackName.c_str(), 0); });
    std::printf("%6d %9.3fs %9.3fs %6.2fx %9.3fs %9.3fs %6.2fx\n", level, libraryPack, plainPack,
                libraryPack / plainPack, libraryOpen, plainOpen, libraryOpen / plainOpen);
  }
  RemoveFolderTree(options.dir);
  return 0;
}
