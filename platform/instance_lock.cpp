#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/file_ops.h"
#include "platform/folders.h"

namespace spinfolio {

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

std::string InstanceLock::DefaultLockFile() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && FolderExists(runtime)) {
    return WithTrailingSlash(runtime) + "spinfolio.lock";
  }
  return "/tmp/spinfolio-" + std::to_string(::getuid()) + ".lock";
}

bool InstanceLock::tryAcquire(const std::string& lockFile) {
  if (fd_ >= 0) return true;  // already held by this object
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return !held;
  }
  fd_ = fd;
  return true;
}

}  // namespace spinfolio
