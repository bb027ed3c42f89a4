#include <gtest/gtest.h>

#include "exec/LockCounter.h"
#include "fakes/FakeFileSystem.h"
#include "store/LogWriter.h"

namespace qx {
namespace {

TEST(LockCounter, NestedRegistrationsAreCountedAndLoggedEvenWhenTheLogFails) {
    test::FakeFileSystem files;
    files.Put("C:\\Q\\Quillox-Data\\log.txt", "line of the previous run\r\n");
    LogWriter log(files, "C:\\Q\\Quillox-Data\\log.txt");
    EXPECT_FALSE(files.FileExists(log.path()));
    LockCounter inputLock(&log);
    inputLock.Register(20);
    inputLock.Register(20);
    inputLock.Unregister(20);
    EXPECT_FALSE(inputLock.IsFree());
    inputLock.Unregister(20);
    EXPECT_TRUE(inputLock.IsFree());
    EXPECT_EQ(files.Get(log.path()),
              "lock registering 20 1\r\nlock registering 20 2\r\n"
              "lock unregistering 20 1\r\nlock unregistering 20 0\r\n");
    LockCounter unlogged(nullptr);
    unlogged.Unregister(7654);  // unmatched: still counted
    EXPECT_EQ(unlogged.counter(), -1);
    EXPECT_FALSE(unlogged.IsFree());
    files.FailAllWrites();
    inputLock.Register(30);
    EXPECT_EQ(inputLock.counter(), 1);
}

}  // namespace
}  // namespace qx
