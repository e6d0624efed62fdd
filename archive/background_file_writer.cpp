#include "archive/background_file_writer.h"

#include <fcntl.h>

#include <cstring>

#include "archive/zlib_stream.h"
#include "common/file_descriptor.h"

namespace spinfolio::archive {
namespace {

constexpr int kBufferCount = 8;

}  // namespace

BackgroundFileWriter::BackgroundFileWriter() {
  for (int i = 0; i < kBufferCount; ++i) {
    buffers_.push_back(std::make_unique<char[]>(kChunkSize));
    freeBuffers_.push_back(i);
  }
  thread_ = std::thread([this] { run(); });
}

BackgroundFileWriter::~BackgroundFileWriter() {
  finish();
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void BackgroundFileWriter::push(Task task) {
  {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  changed_.notify_all();
}

void BackgroundFileWriter::startFile(std::string path) { push({std::move(path), -1, 0}); }

void BackgroundFileWriter::write(std::string_view bytes) {
  while (!bytes.empty()) {
    int buffer = -1;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return !freeBuffers_.empty(); });
      buffer = freeBuffers_.back();
      freeBuffers_.pop_back();
    }
    const std::size_t size = std::min(bytes.size(), kChunkSize);
    std::memcpy(buffers_[static_cast<std::size_t>(buffer)].get(), bytes.data(), size);
    push({std::string(), buffer, size});
    bytes.remove_prefix(size);
  }
}

void BackgroundFileWriter::finish() {
  push({});  // an empty task closes the current file
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return tasks_.empty() && !busy_; });
}

void BackgroundFileWriter::run() {
  FileDescriptor file;
  for (;;) {
    Task task;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
      if (tasks_.empty()) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
      busy_ = true;
    }
    if (!task.path.empty()) {
      file =
          FileDescriptor(::open(task.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    } else if (task.buffer < 0) {
      file = FileDescriptor();
    }
    if (task.buffer >= 0 && file.valid()) {
      WriteFully(file.get(), buffers_[static_cast<std::size_t>(task.buffer)].get(), task.size);
    }
    {
      const std::lock_guard lock(mutex_);
      if (task.buffer >= 0) freeBuffers_.push_back(task.buffer);
      busy_ = false;
    }
    changed_.notify_all();
  }
}

}  // namespace spinfolio::archive
