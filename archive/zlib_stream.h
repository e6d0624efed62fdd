#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace spinfolio::archive {

/// Streams work through buffers of this size, so memory does not grow with the data.
inline constexpr std::size_t kChunkSize = 16384;

/// Result codes beside zlib's own (Z_DATA_ERROR -3, Z_MEM_ERROR -4, ...): 0 success, -1 a read
/// or write error.
inline constexpr int kStreamOk = 0;
inline constexpr int kStreamIoError = -1;

/// Options of a compression that tests and the writer set.
struct DeflateOptions {
  /// Push the output to the disk while compressing and flush it before the end, so that a
  /// rename afterwards is safe.
  bool syncTarget = false;
  /// For tests: writing the compressed output fails once this many bytes were written.
  std::int64_t failAfterBytes = -1;
};

/// Compresses what is written to it into an open file as one zlib stream.
class DeflateStream {
 public:
  DeflateStream(int targetFd, int level, const DeflateOptions& options = {});
  DeflateStream(const DeflateStream&) = delete;
  DeflateStream& operator=(const DeflateStream&) = delete;
  ~DeflateStream();

  /// Z_OK, or zlib's code when the compressor could not be set up.
  int setUpResult() const { return setUp_; }
  /// False on a write error; errno tells why.
  bool write(const void* bytes, std::size_t size);
  /// Ends the stream (and flushes the file when asked); false on a write error.
  bool finish();

 private:
  bool run(int flush);
  bool put(const unsigned char* bytes, std::size_t size);

  int fd_;
  DeflateOptions options_;
  z_stream stream_{};
  int setUp_;
  std::int64_t written_ = 0;
  std::int64_t pushedToDisk_ = 0;
  unsigned char out_[kChunkSize];
};

/// Reads the decompressed bytes of a zlib stream from an open file.
class InflateStream {
 public:
  explicit InflateStream(int sourceFd);
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  ~InflateStream();

  /// Up to size decompressed bytes; fewer only at the end of the stream or on a failure.
  std::size_t read(void* buffer, std::size_t size);
  /// The next decompressed bytes, at most size of them, without copying: the view stays valid
  /// until the next call. Empty only at the end of the stream or on a failure.
  std::string_view next(std::size_t size);
  /// 0 once the stream ended properly, -3 when the data are damaged or end too early, -1 on a
  /// read error, or zlib's code; meaningful once read gave fewer bytes than asked.
  int result() const { return result_; }
  /// The system's reason of a read error.
  const std::error_code& ioError() const { return ioError_; }

 private:
  // Decompresses the next piece into the output buffer; false when nothing more comes.
  bool refill();

  int fd_;
  z_stream stream_{};
  int result_ = Z_OK;
  bool ended_ = false;
  std::error_code ioError_;
  unsigned char in_[kChunkSize];
  // Decompressed bytes not yet read: inflating whole buffers keeps zlib on its fast path however
  // small the reads are.
  unsigned char out_[kChunkSize];
  std::size_t outStart_ = 0;
  std::size_t outEnd_ = 0;
};

/// Compresses the whole file source into a new file target as one zlib stream at the level
/// (-1 default, 0 stored ... 9 best). 0 on success, -1 on a read or write error, or zlib's code
/// when the compressor cannot be set up. ioError, when given, receives the system's reason.
int DeflateFile(const std::string& source, const std::string& target, int level,
                const DeflateOptions& options = {}, std::error_code* ioError = nullptr);

/// Decompresses the zlib stream in the file source into a new file target. 0 when the stream
/// ended properly, -3 when the data are damaged or end too early, -1 on a read or write error,
/// or zlib's code (-4, out of memory). What was decompressed before a failure stays in target.
int InflateFile(const std::string& source, const std::string& target,
                std::error_code* ioError = nullptr);

}  // namespace spinfolio::archive
