#include "archive/zlib_stream.h"

#include <fcntl.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "common/file_descriptor.h"

namespace spinfolio::archive {
namespace {

// While compressing into a file that is to be flushed, the written part is handed to the disk
// every few megabytes, so that the flush at the end has little left to wait for.
constexpr std::int64_t kPushToDiskEvery = 4 << 20;

int IoFailure(std::error_code* ioError) {
  if (ioError != nullptr) *ioError = LastSystemError();
  return kStreamIoError;
}

}  // namespace

DeflateStream::DeflateStream(int targetFd, int level, const DeflateOptions& options)
    : fd_(targetFd), options_(options), setUp_(deflateInit(&stream_, level)) {}

DeflateStream::~DeflateStream() {
  if (setUp_ == Z_OK) deflateEnd(&stream_);
}

bool DeflateStream::put(const unsigned char* bytes, std::size_t size) {
  if (options_.failAfterBytes >= 0 &&
      written_ + static_cast<std::int64_t>(size) > options_.failAfterBytes) {
    errno = EIO;
    return false;
  }
  if (!WriteFully(fd_, bytes, size)) return false;
  written_ += static_cast<std::int64_t>(size);
  if (options_.syncTarget && written_ - pushedToDisk_ >= kPushToDiskEvery) {
    ::sync_file_range(fd_, pushedToDisk_, written_ - pushedToDisk_, SYNC_FILE_RANGE_WRITE);
    pushedToDisk_ = written_;
  }
  return true;
}

bool DeflateStream::run(int flush) {
  do {
    stream_.next_out = out_;
    stream_.avail_out = static_cast<uInt>(sizeof out_);
    deflate(&stream_, flush);  // cannot fail with a set-up stream and room to write
    if (!put(out_, sizeof out_ - stream_.avail_out)) return false;
  } while (stream_.avail_out == 0);
  return true;
}

bool DeflateStream::write(const void* bytes, std::size_t size) {
  stream_.next_in = static_cast<Bytef*>(const_cast<void*>(bytes));
  stream_.avail_in = static_cast<uInt>(size);
  return run(Z_NO_FLUSH);
}

bool DeflateStream::finish() {
  stream_.next_in = nullptr;
  stream_.avail_in = 0;
  if (!run(Z_FINISH)) return false;
  return !options_.syncTarget || ::fdatasync(fd_) == 0;
}

InflateStream::InflateStream(int sourceFd) : fd_(sourceFd) {
  result_ = inflateInit(&stream_);
  ended_ = result_ != Z_OK;
}

InflateStream::~InflateStream() { inflateEnd(&stream_); }

bool InflateStream::refill() {
  outStart_ = 0;
  outEnd_ = 0;
  stream_.next_out = out_;
  stream_.avail_out = static_cast<uInt>(sizeof out_);
  while (!ended_ && stream_.avail_out > 0) {
    if (stream_.avail_in == 0) {
      const ssize_t got = ReadFully(fd_, in_, sizeof in_);
      if (got < 0) {
        ioError_ = LastSystemError();
        result_ = kStreamIoError;
        ended_ = true;
        break;
      }
      if (got == 0) {  // the file ended before the stream did
        result_ = Z_DATA_ERROR;
        ended_ = true;
        break;
      }
      stream_.next_in = in_;
      stream_.avail_in = static_cast<uInt>(got);
    }
    const int code = inflate(&stream_, Z_NO_FLUSH);
    if (code == Z_STREAM_END) {
      result_ = kStreamOk;
      ended_ = true;
    } else if (code == Z_NEED_DICT || code == Z_DATA_ERROR) {
      result_ = Z_DATA_ERROR;
      ended_ = true;
    } else if (code == Z_MEM_ERROR || code == Z_STREAM_ERROR) {
      result_ = code;
      ended_ = true;
    }
  }
  outEnd_ = sizeof out_ - stream_.avail_out;
  return outEnd_ > 0;
}

std::string_view InflateStream::next(std::size_t size) {
  if (outStart_ == outEnd_ && !refill()) return {};
  const std::size_t piece = std::min(size, outEnd_ - outStart_);
  const std::string_view view(reinterpret_cast<const char*>(out_ + outStart_), piece);
  outStart_ += piece;
  return view;
}

std::size_t InflateStream::read(void* buffer, std::size_t size) {
  auto* target = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const std::string_view piece = next(size - done);
    if (piece.empty()) break;
    std::memcpy(target + done, piece.data(), piece.size());
    done += piece.size();
  }
  return done;
}

int DeflateFile(const std::string& source, const std::string& target, int level,
                const DeflateOptions& options, std::error_code* ioError) {
  const FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.valid()) return IoFailure(ioError);
  FileDescriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!out.valid()) return IoFailure(ioError);
  DeflateStream stream(out.get(), level, options);
  if (stream.setUpResult() != Z_OK) return stream.setUpResult();
  std::array<char, kChunkSize> buffer;
  for (;;) {
    const ssize_t got = ReadFully(in.get(), buffer.data(), buffer.size());
    if (got < 0) return IoFailure(ioError);
    if (got == 0) break;
    if (!stream.write(buffer.data(), static_cast<std::size_t>(got))) return IoFailure(ioError);
  }
  if (!stream.finish()) return IoFailure(ioError);
  if (auto error = out.close()) {
    if (ioError != nullptr) *ioError = error;
    return kStreamIoError;
  }
  return kStreamOk;
}

int InflateFile(const std::string& source, const std::string& target, std::error_code* ioError) {
  const FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.valid()) return IoFailure(ioError);
  FileDescriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!out.valid()) return IoFailure(ioError);
  InflateStream stream(in.get());
  std::array<char, kChunkSize> buffer;
  for (;;) {
    const std::size_t got = stream.read(buffer.data(), buffer.size());
    if (!WriteFully(out.get(), buffer.data(), got)) return IoFailure(ioError);
    if (got < buffer.size()) break;
  }
  if (stream.result() == kStreamIoError && ioError != nullptr) *ioError = stream.ioError();
  if (stream.result() != kStreamOk) return stream.result();
  if (auto error = out.close()) {
    if (ioError != nullptr) *ioError = error;
    return kStreamIoError;
  }
  return kStreamOk;
}

}  // namespace spinfolio::archive
