// The about box's tests run with the program's resources, manifest
// included: the tool tips they read back are those of common controls 6.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace {

TEST(AboutVisualStyles, TestsRunWithCommonControlsSix) {
    const HMODULE controls = ::GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameW(controls, path, MAX_PATH), 0u);
    std::wstring lower = path;
    for (wchar_t& c : lower) c = static_cast<wchar_t>(::towlower(c));
    // The side-by-side assembly, not the system folder's version 5.
    EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << lower;
    EXPECT_NE(lower.find(L"common-controls"), std::wstring::npos) << lower;
}

}  // namespace
