// The lock that marks a running copy of the program.

#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "common/file_ops.h"
#include "tests/support/temp_dir.h"

using namespace spinfolio;
using spinfolio::test::FreshEnvironment;
using spinfolio::test::TempDir;

namespace {

TEST(InstanceLockTest, SecondLockFailsWhileTheFirstLives) {
  TempDir dir;
  const std::string file = dir / "spinfolio.lock";
  auto first = std::make_unique<InstanceLock>();
  ASSERT_TRUE(first->tryAcquire(file));
  EXPECT_TRUE(FileExists(file));

  InstanceLock second;
  EXPECT_FALSE(second.tryAcquire(file));
  EXPECT_FALSE(second.tryAcquire(file));

  first.reset();
  EXPECT_TRUE(second.tryAcquire(file));
  InstanceLock third;
  EXPECT_FALSE(third.tryAcquire(file));
}

TEST(InstanceLockTest, LocksOnOtherFilesDoNotConflict) {
  TempDir dir;
  InstanceLock first;
  InstanceLock second;
  EXPECT_TRUE(first.tryAcquire(dir / "one.lock"));
  EXPECT_TRUE(second.tryAcquire(dir / "two.lock"));
}

TEST(InstanceLockTest, UnopenableLockFileLetsTheProgramRun) {
  TempDir dir;
  InstanceLock lock;
  EXPECT_TRUE(lock.tryAcquire(dir / "missing/spinfolio.lock"));
  EXPECT_FALSE(PathExists(dir / "missing"));
}

TEST(InstanceLockTest, DefaultLockFileIsInTheRuntimeFolder) {
  FreshEnvironment environment;
  EXPECT_EQ(InstanceLock::DefaultLockFile(), environment.runtimeDir() + "spinfolio.lock");

  ::setenv("XDG_RUNTIME_DIR", (environment.runtimeDir() + "missing").c_str(), 1);
  EXPECT_EQ(InstanceLock::DefaultLockFile(),
            "/tmp/spinfolio-" + std::to_string(::getuid()) + ".lock");
  ::unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(InstanceLock::DefaultLockFile(),
            "/tmp/spinfolio-" + std::to_string(::getuid()) + ".lock");
}

}  // namespace
