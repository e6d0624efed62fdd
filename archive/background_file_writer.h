#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace spinfolio::archive {

/// Creates and writes files on a thread of its own, so that unpacking decompresses while the
/// file system makes the many small files of a catalog. Memory stays bounded: the bytes wait in
/// a fixed number of buffers, and a caller that gets ahead waits for one to come free.
/// Files that cannot be created or written are passed over, as the unpacking asks.
class BackgroundFileWriter {
 public:
  BackgroundFileWriter();
  BackgroundFileWriter(const BackgroundFileWriter&) = delete;
  BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;
  /// Finishes every file handed over.
  ~BackgroundFileWriter();

  /// Closes the current file and creates (or empties) the one at path; later bytes go there.
  void startFile(std::string path);
  /// Bytes for the current file; copied before the call returns.
  void write(std::string_view bytes);
  /// Returns once every file handed over is written and closed.
  void finish();

 private:
  struct Task {
    std::string path;  // not empty: start this file
    int buffer = -1;   // -1: no bytes
    std::size_t size = 0;
  };

  void run();
  void push(Task task);

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Task> tasks_;
  std::vector<std::unique_ptr<char[]>> buffers_;
  std::vector<int> freeBuffers_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace spinfolio::archive
