#include "archive/zlib_stream.h"

#include <fcntl.h>
#include <zlib.h>

#include <array>

#include "common/file_descriptor.h"

namespace spinfolio::archive {
namespace {

using Buffer = std::array<unsigned char, kChunkSize>;

struct StreamFiles {
  FileDescriptor source;
  FileDescriptor target;
};

// Opens the source for reading and the target for writing (created or emptied).
bool OpenFiles(const std::string& source, const std::string& target, StreamFiles& files) {
  files.source = FileDescriptor(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (!files.source.valid()) return false;
  files.target =
      FileDescriptor(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  return files.target.valid();
}

int IoFailure(std::error_code* ioError) {
  if (ioError != nullptr) *ioError = LastSystemError();
  return kStreamIoError;
}

// Writes what the stream produced; honours the injected failure of the options.
class Output {
 public:
  Output(int fd, std::int64_t failAfterBytes) : fd_(fd), failAfter_(failAfterBytes) {}

  bool write(const unsigned char* bytes, std::size_t size) {
    if (failAfter_ >= 0 && written_ + static_cast<std::int64_t>(size) > failAfter_) {
      errno = EIO;
      return false;
    }
    written_ += static_cast<std::int64_t>(size);
    return WriteFully(fd_, bytes, size);
  }

 private:
  int fd_;
  std::int64_t failAfter_;
  std::int64_t written_ = 0;
};

}  // namespace

int DeflateFile(const std::string& source, const std::string& target, int level,
                const DeflateOptions& options, std::error_code* ioError) {
  StreamFiles files;
  if (!OpenFiles(source, target, files)) return IoFailure(ioError);

  z_stream stream{};
  if (const int code = deflateInit(&stream, level); code != Z_OK) return code;
  Output output(files.target.get(), options.failAfterBytes);
  Buffer in;
  Buffer out;
  int flush = Z_NO_FLUSH;
  do {
    const ssize_t got = ReadFully(files.source.get(), in.data(), in.size());
    if (got < 0) {
      deflateEnd(&stream);
      return IoFailure(ioError);
    }
    flush = static_cast<std::size_t>(got) < in.size() ? Z_FINISH : Z_NO_FLUSH;
    stream.next_in = in.data();
    stream.avail_in = static_cast<uInt>(got);
    do {
      stream.next_out = out.data();
      stream.avail_out = static_cast<uInt>(out.size());
      deflate(&stream, flush);  // cannot fail with these buffers
      const std::size_t produced = out.size() - stream.avail_out;
      if (!output.write(out.data(), produced)) {
        deflateEnd(&stream);
        return IoFailure(ioError);
      }
    } while (stream.avail_out == 0);
  } while (flush != Z_FINISH);
  deflateEnd(&stream);

  if (options.syncTarget && ::fdatasync(files.target.get()) != 0) return IoFailure(ioError);
  if (auto error = files.target.close()) {
    if (ioError != nullptr) *ioError = error;
    return kStreamIoError;
  }
  return kStreamOk;
}

int InflateFile(const std::string& source, const std::string& target, std::error_code* ioError) {
  StreamFiles files;
  if (!OpenFiles(source, target, files)) return IoFailure(ioError);

  z_stream stream{};
  if (const int code = inflateInit(&stream); code != Z_OK) return code;
  Buffer in;
  Buffer out;
  int code = Z_OK;
  do {
    const ssize_t got = ReadFully(files.source.get(), in.data(), in.size());
    if (got < 0) {
      inflateEnd(&stream);
      return IoFailure(ioError);
    }
    if (got == 0) break;
    stream.next_in = in.data();
    stream.avail_in = static_cast<uInt>(got);
    do {
      stream.next_out = out.data();
      stream.avail_out = static_cast<uInt>(out.size());
      code = inflate(&stream, Z_NO_FLUSH);
      if (code == Z_NEED_DICT) code = Z_DATA_ERROR;
      if (code == Z_DATA_ERROR || code == Z_MEM_ERROR || code == Z_STREAM_ERROR) {
        inflateEnd(&stream);
        return code;
      }
      const std::size_t produced = out.size() - stream.avail_out;
      if (!WriteFully(files.target.get(), out.data(), produced)) {
        inflateEnd(&stream);
        return IoFailure(ioError);
      }
    } while (stream.avail_out == 0);
  } while (code != Z_STREAM_END);
  inflateEnd(&stream);

  if (auto error = files.target.close()) {
    if (ioError != nullptr) *ioError = error;
    return kStreamIoError;
  }
  return code == Z_STREAM_END ? kStreamOk : Z_DATA_ERROR;
}

}  // namespace spinfolio::archive
