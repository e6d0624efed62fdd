#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <system_error>

namespace spinfolio {

/// The last system error as an error code.
inline std::error_code LastSystemError() { return {errno, std::generic_category()}; }

/// Owns an open file descriptor and closes it when it goes out of scope.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = other.fd_;
      other.fd_ = -1;
    }
    return *this;
  }
  ~FileDescriptor() { reset(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

  /// Closes now, so that a failing close (a full disk on a network file system) is seen.
  std::error_code close() {
    const int fd = fd_;
    fd_ = -1;
    if (fd < 0) return {};
    return ::close(fd) == 0 ? std::error_code{} : LastSystemError();
  }

 private:
  void reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

  int fd_ = -1;
};

/// Reads up to size bytes, retrying after interruptions and short reads; the count read, or -1
/// on an error.
ssize_t ReadFully(int fd, void* buffer, std::size_t size);

/// Writes all bytes; false on an error (errno tells which).
bool WriteFully(int fd, const void* buffer, std::size_t size);

}  // namespace spinfolio
