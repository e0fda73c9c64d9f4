// Finding the object of a window: the sorted handle map underneath, the
// attached objects and the temporary wrappers, each thread with its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "handle_map.h"
#include "test_support.h"

namespace {

HWND FakeHandle(uintptr_t value) {
    return reinterpret_cast<HWND>(value);
}

TEST(HandleMapTest, AgreesWithAnOrderedMapThroughMixedInsertsAndErases) {
    HandleMap<int> map;
    std::map<uintptr_t, int> expected;
    EXPECT_EQ(map.Find(FakeHandle(4)), nullptr);
    EXPECT_FALSE(map.Erase(FakeHandle(4)));
    uint32_t seed = 12345;
    for (int step = 0; step < 2000; ++step) {
        seed = seed * 1103515245u + 12345u;
        const uintptr_t key = 4 * ((seed >> 16) % 97 + 1);  // handles are multiples of 4
        const HWND handle = FakeHandle(key);
        switch ((seed >> 8) % 3) {
            case 0:
                map[handle] = step;
                expected[key] = step;
                break;
            case 1:
                EXPECT_EQ(map.Erase(handle), expected.erase(key) == 1) << "step " << step;
                break;
            default: {
                const int* found = map.Find(handle);
                const auto it = expected.find(key);
                ASSERT_EQ(found != nullptr, it != expected.end()) << "step " << step;
                if (found != nullptr) {
                    EXPECT_EQ(*found, it->second) << "step " << step;
                }
            }
        }
        ASSERT_EQ(map.GetCount(), expected.size()) << "step " << step;
    }
    std::vector<std::pair<uintptr_t, int>> visited;
    map.ForEach([&](HWND handle, int value) {
        visited.emplace_back(reinterpret_cast<uintptr_t>(handle), value);
    });
    EXPECT_EQ(visited, (std::vector<std::pair<uintptr_t, int>>(expected.begin(), expected.end())));
    map.Clear();
    EXPECT_TRUE(map.IsEmpty());
}

TEST(HandleMapTest, MissingEntryStartsValueInitialised) {
    HandleMap<std::unique_ptr<int>> map;
    EXPECT_EQ(map[FakeHandle(8)], nullptr);
    map[FakeHandle(8)] = std::make_unique<int>(5);
    map[FakeHandle(4)];
    EXPECT_EQ(*map[FakeHandle(8)], 5) << "adding another entry keeps the value";
    EXPECT_EQ(map.GetCount(), 2u);
}

HWND CreatePlainWindow() {
    return ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

class WindowMapTest : public testing::Test {
   protected:
    void SetUp() override {
        PrepareTestApp();
        CWnd::DeleteTempMap();
    }
    void TearDown() override {
        CWnd::DeleteTempMap();
        for (HWND hWnd : m_windows) {
            if (::IsWindow(hWnd)) ::DestroyWindow(hWnd);
        }
    }
    HWND NewWindow() {
        m_windows.push_back(CreatePlainWindow());
        return m_windows.back();
    }
    std::vector<HWND> m_windows;
};

TEST_F(WindowMapTest, TemporaryWrapperLastsUntilTheMapIsDeletedOrAnObjectIsAttached) {
    const HWND hWnd = NewWindow();
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    CWnd* wrapper = CWnd::FromHandle(hWnd);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), wrapper) << "one wrapper per handle";
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr) << "a wrapper is not an object";

    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWnd)) << "deleting a wrapper leaves its window alone";

    // Attaching an object replaces (and deletes) the wrapper.
    ASSERT_NE(CWnd::FromHandle(hWnd), nullptr);
    CWnd object;
    ASSERT_TRUE(object.SubclassWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandle(hWnd), &object);
    object.UnsubclassWindow();
    EXPECT_NE(CWnd::FromHandle(hWnd), &object);
}

TEST_F(WindowMapTest, ManyObjectsEachFoundUntilItsWindowGoes) {
    constexpr int kCount = 40;
    std::vector<std::unique_ptr<CWnd>> objects;
    for (int i = 0; i < kCount; ++i) {
        objects.push_back(std::make_unique<CWnd>());
        ASSERT_TRUE(objects.back()->SubclassWindow(NewWindow())) << i;
    }
    // Destroy every third window, then check every handle again.
    std::vector<HWND> handles;
    for (const auto& object : objects) handles.push_back(object->m_hWnd);
    for (int i = 0; i < kCount; i += 3) ::DestroyWindow(handles[static_cast<size_t>(i)]);
    for (int i = 0; i < kCount; ++i) {
        const bool destroyed = i % 3 == 0;
        CWnd* expected = destroyed ? nullptr : objects[static_cast<size_t>(i)].get();
        EXPECT_EQ(CWnd::FromHandlePermanent(handles[static_cast<size_t>(i)]), expected) << i;
        EXPECT_EQ(objects[static_cast<size_t>(i)]->m_hWnd,
                  destroyed ? nullptr : handles[static_cast<size_t>(i)])
            << i;
    }
}

TEST_F(WindowMapTest, EachThreadSeesOnlyItsOwnObjectsAndWrappers) {
    const HWND hWnd = NewWindow();
    CWnd object;
    ASSERT_TRUE(object.SubclassWindow(hWnd));
    const HWND plain = NewWindow();
    CWnd* mainWrapper = CWnd::FromHandle(plain);

    CWnd* otherPermanent = &object;
    CWnd* otherWrapper = nullptr;
    HWND otherWrapperHandle = nullptr;
    CWnd* otherOwnObject = nullptr;
    std::thread other([&] {
        otherPermanent = CWnd::FromHandlePermanent(hWnd);
        otherWrapper = CWnd::FromHandle(plain);
        otherWrapperHandle = otherWrapper->m_hWnd;
        // An object attached here, to a window of this thread, is found here.
        const HWND own = CreatePlainWindow();
        CWnd ownObject;
        if (ownObject.SubclassWindow(own)) otherOwnObject = CWnd::FromHandlePermanent(own);
        ::DestroyWindow(own);
        CWnd::DeleteTempMap();
    });
    other.join();

    EXPECT_EQ(otherPermanent, nullptr);
    EXPECT_NE(otherWrapper, mainWrapper);
    EXPECT_EQ(otherWrapperHandle, plain);
    EXPECT_NE(otherOwnObject, nullptr);
    EXPECT_EQ(CWnd::FromHandle(plain), mainWrapper) << "the other thread's clean-up left ours";
    EXPECT_EQ(mainWrapper->m_hWnd, plain);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &object);
}

}  // namespace
