#pragma once

#include <string>

namespace spinfolio {

/// Marks a running copy of the program: an exclusive lock on a file, held while the object
/// lives and released by the system when the process ends, however it ends.
class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

  /// "spinfolio.lock" in $XDG_RUNTIME_DIR, else "/tmp/spinfolio-<uid>.lock".
  static std::string DefaultLockFile();

  /// False when another copy holds the lock. When the lock file cannot be opened at all there is
  /// no way to tell, and the program is let run.
  bool tryAcquire(const std::string& lockFile);

 private:
  int fd_ = -1;
};

}  // namespace spinfolio
