#include "platform/win32/UniqueHandle.h"

#include <gtest/gtest.h>

#include <map>
#include <thread>

namespace qx {
namespace {

// Records every close so double frees and leaks show up as counts.
struct CountingTraits {
    using Handle = int;
    static inline std::map<int, int> closes;
    static Handle Empty() noexcept { return 0; }
    static bool IsValid(Handle h) noexcept { return h != 0; }
    static void Close(Handle h) noexcept { ++closes[h]; }
};
using CountedHandle = UniqueHandle<CountingTraits>;

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { CountingTraits::closes.clear(); }
    static int Closes(int h) { return CountingTraits::closes.count(h) ? CountingTraits::closes[h] : 0; }
};

TEST_F(UniqueHandleTest, MovedFromOwnersNeverCloseAndTheLastOwnerClosesOnce) {
    {
        CountedHandle empty;
        EXPECT_FALSE(empty);
        CountedHandle first(7);
        CountedHandle second(std::move(first));
        CountedHandle third;
        third = std::move(second);
        EXPECT_FALSE(first);
        EXPECT_FALSE(second);
        EXPECT_EQ(third.get(), 7);
        auto& alias = third;
        third = std::move(alias);
        EXPECT_EQ(Closes(7), 0);
    }
    EXPECT_EQ(Closes(7), 1);
    EXPECT_EQ(Closes(0), 0);
}

TEST_F(UniqueHandleTest, OverwritingClosesTheOldHandleOnly) {
    CountedHandle owner(1);
    CountedHandle source(2);
    owner = std::move(source);
    EXPECT_EQ(Closes(1), 1);
    owner.reset(3);
    EXPECT_EQ(Closes(2), 1);
    EXPECT_EQ(owner.release(), 3);
    EXPECT_FALSE(owner);
    owner.reset(4);
    *owner.put() = 5;
    owner.reset();
    EXPECT_EQ(Closes(3), 0);
    EXPECT_EQ(Closes(4), 1);
    EXPECT_EQ(Closes(5), 1);
}

bool IsOpenHandle(HANDLE h) {
    DWORD flags = 0;
    return ::GetHandleInformation(h, &flags) != 0;
}

TEST(UniqueKernelHandleTest, RealHandleClosedByLastOwnerOnly) {
    HANDLE raw = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    {
        UniqueKernelHandle first(raw);
        {
            UniqueKernelHandle second(std::move(first));
            EXPECT_TRUE(IsOpenHandle(raw));
        }
        EXPECT_FALSE(IsOpenHandle(raw));
    }
    EXPECT_FALSE(IsOpenHandle(raw));
}

TEST(UniqueKernelHandleTest, NullAndInvalidHandleValueAreBothEmpty) {
    EXPECT_FALSE(UniqueKernelHandle(nullptr));
    EXPECT_FALSE(UniqueKernelHandle(INVALID_HANDLE_VALUE));
    WIN32_FIND_DATAA found;
    EXPECT_FALSE(UniqueFindHandle(::FindFirstFileA("Z:\\qx\\no\\such\\*.*", &found)));
}

TEST(UniqueGdiTest, SelectionIsUndoneAndBitmapFreed) {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BITMAP);
    HBITMAP raw = nullptr;
    {
        UniqueBitmap bitmap(::CreateCompatibleBitmap(dc.get(), 4, 4));
        ASSERT_TRUE(bitmap);
        raw = bitmap.get();
        {
            ScopedSelectObject select(dc.get(), bitmap.get());
            EXPECT_EQ(select.previous(), original);
            EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), raw);
        }
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), original);
    }
    EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST(UniqueUserObjectTest, MenuIsDestroyed) {
    HMENU raw = nullptr;
    {
        UniqueMenu menu(::CreatePopupMenu());
        raw = menu.get();
        EXPECT_TRUE(::IsMenu(raw));
    }
    EXPECT_FALSE(::IsMenu(raw));
}

// A COM object that only counts its references.
class CountedUnknown : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown) {
            *out = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    ULONG refs = 1;
};

TEST(ComPtrTest, CopiesShareMovesTransferAndLastReleaseBalances) {
    CountedUnknown object;  // one reference held by the test itself
    {
        ComPtr<IUnknown> first;
        first.Attach(&object);
        object.AddRef();  // the reference first adopted
        EXPECT_EQ(object.refs, 2u);
        ComPtr<IUnknown> copy = first;
        EXPECT_EQ(object.refs, 3u);
        ComPtr<IUnknown> moved = std::move(copy);
        EXPECT_FALSE(copy);
        copy = moved;
        copy = copy;
        EXPECT_EQ(object.refs, 4u);
        copy.reset();
        EXPECT_EQ(object.refs, 3u);
    }
    EXPECT_EQ(object.refs, 1u);
}

TEST(ComPtrTest, PutAdoptsAndAsQueriesInterfaces) {
    CountedUnknown object;
    {
        ComPtr<IUnknown> held(&object);
        ComPtr<IUnknown> queried;
        EXPECT_EQ(held.As(queried), S_OK);
        EXPECT_EQ(object.refs, 3u);
        ComPtr<IStream> stream;
        EXPECT_EQ(held.As(stream), E_NOINTERFACE);
        EXPECT_EQ(ComPtr<IUnknown>().As(queried), E_POINTER);
        EXPECT_FALSE(queried);
        ComPtr<IUnknown> adopted;
        *adopted.put() = held.Detach();
        EXPECT_EQ(object.refs, 2u);
        *adopted.put() = nullptr;  // put releases what was held
        EXPECT_EQ(object.refs, 1u);
    }
    EXPECT_EQ(object.refs, 1u);
}

TEST(ComInitializerTest, UninitialisesOnlyWhatItInitialised) {
    HRESULT afterFailed = E_FAIL;
    HRESULT afterSucceeded = E_FAIL;
    bool failedCase = true;
    bool succeededCase = false;
    std::thread worker([&] {
        {
            ComInitializer own(COINIT_APARTMENTTHREADED);
            succeededCase = own.succeeded();
        }
        // Its CoUninitialize ran, so the thread starts over.
        afterSucceeded = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            ComInitializer clash(COINIT_APARTMENTTHREADED);
            failedCase = clash.succeeded();
        }
        // A wrong CoUninitialize would have torn down the thread's apartment: S_OK again.
        afterFailed = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        ::CoUninitialize();
        ::CoUninitialize();
    });
    worker.join();
    EXPECT_TRUE(succeededCase);
    EXPECT_EQ(afterSucceeded, S_OK);
    EXPECT_FALSE(failedCase);
    EXPECT_EQ(afterFailed, S_FALSE);
}

}  // namespace
}  // namespace qx
