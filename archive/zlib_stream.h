#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

namespace spinfolio::archive {

/// Both streams work through buffers of this size, so memory does not grow with the files.
inline constexpr std::size_t kChunkSize = 16384;

/// Result codes beside zlib's own (Z_DATA_ERROR -3, Z_MEM_ERROR -4, ...): 0 success, -1 a read
/// or write error.
inline constexpr int kStreamOk = 0;
inline constexpr int kStreamIoError = -1;

/// Options of a compression that tests and the writer set.
struct DeflateOptions {
  /// Flush the target to the disk before closing it, so a rename after it is safe.
  bool syncTarget = false;
  /// For tests: writing the compressed output fails once this many bytes were written.
  std::int64_t failAfterBytes = -1;
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
