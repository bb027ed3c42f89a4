#include <gtest/gtest.h>

#include "exec/LockCounter.h"
#include "fakes/FakeFileSystem.h"
#include "store/LogWriter.h"

namespace qx {
namespace {

TEST(LockCounter, NestedRegistrationsAreCountedAndLogged) {
    test::FakeFileSystem files;
    files.Put("C:\\Q\\Quillox-Data\\log.txt", "line of the previous run\r\n");
    LogWriter log(files, "C:\\Q\\Quillox-Data\\log.txt");
    EXPECT_FALSE(files.FileExists(log.path()));

    LockCounter inputLock(&log);
    inputLock.Register(20);
    inputLock.Register(20);
    EXPECT_FALSE(inputLock.IsFree());
    inputLock.Unregister(20);
    inputLock.Unregister(20);
    EXPECT_TRUE(inputLock.IsFree());
    EXPECT_EQ(files.Get(log.path()),
              "lock registering 20 1\r\nlock registering 20 2\r\n"
              "lock unregistering 20 1\r\nlock unregistering 20 0\r\n");
}

TEST(LockCounter, UnmatchedUnregisterStillDecrements) {
    LockCounter lock(nullptr);
    lock.Unregister(7654);
    EXPECT_EQ(lock.counter(), -1);
    EXPECT_FALSE(lock.IsFree());
}

TEST(LockCounter, CountsEvenWhenTheLogCannotBeWritten) {
    test::FakeFileSystem files;
    files.FailAllWrites();
    LogWriter log(files, "C:\\Q\\Quillox-Data\\log.txt");
    LockCounter lock(&log);
    lock.Register(30);
    EXPECT_EQ(lock.counter(), 1);
    EXPECT_EQ(files.Get(log.path()), "");
}

}  // namespace
}  // namespace qx
