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

TEST(UniqueHandleTest, EveryHandleIsClosedOnceByItsLastOwner) {
    CountingTraits::closes.clear();
    {
        CountedHandle empty;
        EXPECT_FALSE(empty);
        CountedHandle first(7);
        CountedHandle second(std::move(first));
        CountedHandle third;
        third = std::move(second);
        EXPECT_FALSE(first || second);
        auto& alias = third;
        third = std::move(alias);
        EXPECT_EQ(CountingTraits::closes[7], 0);
        CountedHandle owner(1);
        owner = std::move(third);  // closes 1, takes 7
        owner.reset(3);            // closes 7
        EXPECT_EQ(owner.release(), 3);
        EXPECT_FALSE(owner);
        owner.reset(4);
        *owner.put() = 5;  // closes 4
    }
    EXPECT_EQ(CountingTraits::closes, (std::map<int, int>{{1, 1}, {4, 1}, {5, 1}, {7, 1}}));
}

// Makes a real handle, hands it to an owner that goes at once, and asks the system about it.
template <class Owner, class Make, class Alive>
void ExpectFreedByItsOwner(const char* which, Make make, Alive alive) {
    const typename Owner::Handle raw = make();
    ASSERT_TRUE(alive(raw)) << which;
    static_cast<void>(Owner(raw));
    EXPECT_FALSE(alive(raw)) << which;
}

TEST(UniqueHandleTest, RealKernelGdiMenuAndWindowHandlesAreFreed) {
    const auto kernelAlive = [](HANDLE h) { DWORD flags = 0; return ::GetHandleInformation(h, &flags) != 0; };
    const auto gdiAlive = [](auto object) { return ::GetObjectType(object) != 0; };
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    ExpectFreedByItsOwner<UniqueKernelHandle>("event", [] { return ::CreateEventA(nullptr, TRUE, FALSE, nullptr); },
                                              kernelAlive);
    ExpectFreedByItsOwner<UniqueMemoryDc>("dc", [] { return ::CreateCompatibleDC(nullptr); }, gdiAlive);
    ExpectFreedByItsOwner<UniqueBitmap>("bitmap", [&] { return ::CreateCompatibleBitmap(dc.get(), 4, 4); }, gdiAlive);
    ExpectFreedByItsOwner<UniqueMenu>("menu", [] { return ::CreatePopupMenu(); }, ::IsMenu);
    ExpectFreedByItsOwner<UniqueHwnd>("window", [] {
        return ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }, ::IsWindow);

    // A bitmap still selected into a DC is not freed: the selection is undone first.
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BITMAP);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(dc.get(), 4, 4));
    {
        ScopedSelectObject select(dc.get(), bitmap.get());
        EXPECT_EQ(select.previous(), original);
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), original);
}

// A COM object that only counts its references.
class CountedUnknown : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown ? static_cast<IUnknown*>(this) : nullptr;
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    ULONG refs = 1;  // the test's own
};

TEST(ComPtrTest, ReferencesBalanceThroughCopiesMovesPutAndAs) {
    CountedUnknown object;
    {
        ComPtr<IUnknown> first;
        first.Attach(&object);
        object.AddRef();  // the reference first adopted
        ComPtr<IUnknown> copy = first;
        EXPECT_EQ(object.refs, 3u);
        ComPtr<IUnknown> moved = std::move(copy);
        EXPECT_FALSE(copy);
        copy = moved;
        copy = copy;
        EXPECT_EQ(object.refs, 4u);
        copy.reset();
        EXPECT_EQ(object.refs, 3u);
        ComPtr<IUnknown> queried;
        EXPECT_EQ(first.As(queried), S_OK);
        EXPECT_EQ(object.refs, 4u);
        ComPtr<IStream> stream;
        EXPECT_EQ(first.As(stream), E_NOINTERFACE);
        EXPECT_EQ(ComPtr<IUnknown>().As(queried), E_POINTER);
        EXPECT_FALSE(queried);
        ComPtr<IUnknown> adopted;
        *adopted.put() = first.Detach();
        EXPECT_EQ(object.refs, 3u);
        *adopted.put() = nullptr;  // put releases what was held
        EXPECT_EQ(object.refs, 2u);
    }
    EXPECT_EQ(object.refs, 1u);
}

TEST(ComInitializerTest, UninitialisesOnlyWhatItInitialised) {
    std::thread([] {
        {
            ComInitializer own(COINIT_APARTMENTTHREADED);
            EXPECT_TRUE(own.succeeded());
        }
        // Its CoUninitialize ran, so the thread starts over.
        EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            ComInitializer clash(COINIT_APARTMENTTHREADED);
            EXPECT_FALSE(clash.succeeded());
        }
        // A wrong CoUninitialize would have torn down the thread's apartment: S_OK again.
        EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        ::CoUninitialize();
        ::CoUninitialize();
    }).join();
}

}  // namespace
}  // namespace qx
