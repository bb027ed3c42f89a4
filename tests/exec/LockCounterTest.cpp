#include <gtest/gtest.h>

#include "exec/LockCounter.h"
#include "fakes/FakeFileSystem.h"
#include "store/LogWriter.h"

namespace qx {
namespace {

// Nesting and the log's lines are proven through the main form's input lock; here the odd cases.
TEST(LockCounter, AnUnmatchedReleaseAndAFailingLogAreStillCounted) {
    LockCounter unlogged(nullptr);
    unlogged.Unregister(7654);  // unmatched: still counted
    EXPECT_EQ(unlogged.counter(), -1);
    EXPECT_FALSE(unlogged.IsFree());
    test::FakeFileSystem files;
    LogWriter log(files, "C:\\Q\\Quillox-Data\\log.txt");
    files.FailAllWrites();
    LockCounter inputLock(&log);
    inputLock.Register(30);
    EXPECT_EQ(inputLock.counter(), 1);
    inputLock.Unregister(30);
    EXPECT_TRUE(inputLock.IsFree());
}

}  // namespace
}  // namespace qx
