#include "common/text_file.h"

#include <fcntl.h>

#include "common/file_descriptor.h"

namespace spinfolio {
Lines SplitLines(std::string_view bytes) {
  Lines lines;
  std::size_t start = 0;
  const std::size_t size = bytes.size();
  while (start < size) {
    std::size_t end = start;
    while (end < size && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    lines.emplace_back(bytes.substr(start, end - start));
    if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const Lines& lines) {
  std::size_t total = 0;
  for (const auto& line : lines) total += line.size() + 2;
  std::string bytes;
  bytes.reserve(total);
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  std::string bytes;
  std::size_t used = 0;
  std::size_t capacity = 64 * 1024;
  for (;;) {
    bytes.resize(capacity);
    const ssize_t got = ::read(fd.get(), bytes.data() + used, capacity - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
    if (used == capacity) capacity *= 2;
  }
  bytes.resize(used);
  return bytes;
}

std::optional<Lines> ReadLines(const std::filesystem::path& file) {
  auto bytes = ReadBytes(file);
  if (!bytes) return std::nullopt;
  return SplitLines(*bytes);
}

Lines ReadLinesOrEmpty(const std::filesystem::path& file) {
  auto lines = ReadLines(file);
  return lines ? std::move(*lines) : Lines{};
}

std::optional<std::string> ReadFirstLine(const std::filesystem::path& file) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  std::string line;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) return line;
    const std::string_view chunk(buffer, static_cast<std::size_t>(got));
    const auto end = chunk.find_first_of("\r\n");
    line.append(chunk.substr(0, end));
    if (end != std::string_view::npos) return line;
  }
}

std::error_code WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  // Written beside the target and renamed over it, so a failed write (a full disk) leaves the
  // old file whole instead of a truncated one.
  std::filesystem::path temporary = file;
  temporary += ".~writing";
  const auto fail = [&temporary](std::error_code error) {
    ::unlink(temporary.c_str());
    return error;
  };
  FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd.valid()) return LastSystemError();
  if (!WriteFully(fd.get(), bytes.data(), bytes.size())) return fail(LastSystemError());
  if (auto error = fd.close()) return fail(error);
  if (::rename(temporary.c_str(), file.c_str()) != 0) return fail(LastSystemError());
  return {};
}

std::error_code WriteLines(const std::filesystem::path& file, const Lines& lines) {
  return WriteBytes(file, JoinLines(lines));
}

}  // namespace spinfolio
