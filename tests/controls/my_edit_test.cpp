// CMyEdit on a real edit control: typed characters per mode, the Ctrl
// shortcuts with Ctrl really down for the thread, and key-downs passed on.
#include "my_edit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

void SetClipboardText(const std::wstring& text) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return L"<no clipboard>";
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

class MyEditTest : public testing::Test {
   protected:
    void SetUp() override {
        PrepareTestApp();
        m_parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 80, nullptr, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr);
        const HWND edit =
            ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 280,
                              24, m_parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(m_edit.SubclassWindow(edit));
        ::SetFocus(edit);
    }
    void TearDown() override { ::DestroyWindow(m_parent); }

    void Type(const std::u16string& chars) {
        for (char16_t ch : chars) ::SendMessageW(m_edit.m_hWnd, WM_CHAR, ch, 1);
    }
    void KeyDown(UINT vk) { ::SendMessageW(m_edit.m_hWnd, WM_KEYDOWN, vk, 1); }
    void SetText(const wchar_t* text, int selStart, int selEnd) {
        ::SetWindowTextW(m_edit.m_hWnd, text);
        ::SendMessageW(m_edit.m_hWnd, EM_SETSEL, static_cast<WPARAM>(selStart), selEnd);
    }
    std::wstring Text() const { return WindowText(m_edit.m_hWnd); }
    std::pair<int, int> Selection() const {
        int start = 0, end = 0;
        m_edit.GetSel(start, end);
        return {start, end};
    }

    HWND m_parent = nullptr;
    CMyEdit m_edit;
};

TEST_F(MyEditTest, StartsInModeAnyText) {
    CMyEdit fresh;
    EXPECT_EQ(fresh.m_nMode, modeAnyText);
    EXPECT_EQ(fresh.m_hWnd, nullptr);
}

struct TypingCase {
    const char* name;
    int32_t mode;
    std::u16string typed;
    std::wstring expected;
};

class TypingTest : public MyEditTest, public testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, OnlyTheModesCharactersEnter) {
    m_edit.m_nMode = GetParam().mode;
    Type(GetParam().typed);
    EXPECT_EQ(Text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TypingTest,
    testing::Values(TypingCase{"AnyTextTakesEverything", modeAnyText, u"1.2.-ab%中", L"1.2.-ab%中"},
                    TypingCase{"UnsignedDigitsOnly", modeUnsigned, u"7.,-+e %1\uFF120", L"710"},
                    TypingCase{"DecimalSecondPointPasses", modeDecimal, u"1.2.3", L"1.2.3"},
                    TypingCase{"DecimalRejectsSignExponentAndWideForms", modeDecimal,
                               u"-1e5,\uFF12\uFF0E\u3002.5", L"15.5"},
                    TypingCase{"UnsignedBackspaceWorks", modeUnsigned, u"123\b\b4", L"14"},
                    TypingCase{"DecimalBackspaceWorks", modeDecimal, u"1.5\b7", L"1.7"},
                    TypingCase{"UnknownModeActsAsAnyText", 7, u"a-%", L"a-%"},
                    TypingCase{"NegativeModeActsAsAnyText", -1, u"x.y", L"x.y"}),
    [](const testing::TestParamInfo<TypingCase>& paramInfo) { return paramInfo.param.name; });

struct ControlCodeCase {
    const char* name;
    int32_t mode;
    bool passes;
};

class ControlCodeTest : public MyEditTest, public testing::WithParamInterface<ControlCodeCase> {};

// The character messages of Ctrl chords never reach the edit in modes 1
// and 2: the edit would otherwise act on them (Ctrl+V as a second paste).
TEST_P(ControlCodeTest, ChordCharactersAreDroppedInNumericModes) {
    m_edit.m_nMode = GetParam().mode;
    for (char16_t code : {u'\x01', u'\x03', u'\x16', u'\x18', u'\x1A', u'\r', u'\t', u'\x1B'}) {
        SetText(L"12345", 1, 3);
        Type(std::u16string(1, code));
        if (!GetParam().passes) {
            EXPECT_EQ(Text(), L"12345") << "code " << static_cast<int>(code);
            EXPECT_EQ(Selection(), std::make_pair(1, 3)) << "code " << static_cast<int>(code);
        }
    }
    // In mode 0 the edit's own processing gets Ctrl+V's character: it pastes.
    SetClipboardText(L"99");
    SetText(L"12345", 5, 5);
    Type(u"\x16");
    EXPECT_EQ(Text(), GetParam().passes ? L"1234599" : L"12345");
}

INSTANTIATE_TEST_SUITE_P(Modes, ControlCodeTest,
                         testing::Values(ControlCodeCase{"AnyText", modeAnyText, true},
                                         ControlCodeCase{"Unsigned", modeUnsigned, false},
                                         ControlCodeCase{"Decimal", modeDecimal, false}),
                         [](const testing::TestParamInfo<ControlCodeCase>& paramInfo) {
                             return paramInfo.param.name;
                         });

struct ShortcutCase {
    const char* name;
    std::vector<int> keysHeld;
    UINT key;
    char16_t chord;  // the character message the keyboard makes of the chord
    int selStart, selEnd;
    std::wstring expectedText;
    std::pair<int, int> expectedSelection;
    const wchar_t* expectedClipboard;  // null: not checked
};

class ShortcutTest : public MyEditTest, public testing::WithParamInterface<ShortcutCase> {};

TEST_P(ShortcutTest, CtrlShortcutsActOnTheField) {
    const ShortcutCase& c = GetParam();
    m_edit.m_nMode = modeUnsigned;
    SetClipboardText(L"abc");
    SetText(L"12345", c.selStart, c.selEnd);
    {
        KeyboardState held(c.keysHeld);
        KeyDown(c.key);
        if (c.chord != 0) Type(std::u16string(1, c.chord));
    }
    EXPECT_EQ(Text(), c.expectedText);
    EXPECT_EQ(Selection(), c.expectedSelection);
    if (c.expectedClipboard != nullptr) {
        EXPECT_EQ(ClipboardText(), c.expectedClipboard);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, ShortcutTest,
    testing::Values(
        ShortcutCase{"SelectAll", {VK_CONTROL}, 'A', u'\x01', 2, 2, L"12345", {0, 5}, L"abc"},
        ShortcutCase{"Copy", {VK_CONTROL}, 'C', u'\x03', 1, 3, L"12345", {1, 3}, L"23"},
        ShortcutCase{
            "CopyWithShift", {VK_CONTROL, VK_SHIFT}, 'C', u'\x03', 0, 2, L"12345", {0, 2}, L"12"},
        // Letters pasted into a digits-only field stay: paste is not filtered.
        ShortcutCase{"PasteOnce", {VK_CONTROL}, 'V', u'\x16', 0, 0, L"abc12345", {3, 3}, L"abc"},
        ShortcutCase{"PasteWithShift",
                     {VK_CONTROL, VK_SHIFT},
                     'V',
                     u'\x16',
                     5,
                     5,
                     L"12345abc",
                     {8, 8},
                     nullptr},
        ShortcutCase{
            "PasteOverSelection", {VK_CONTROL}, 'V', u'\x16', 1, 4, L"1abc5", {4, 4}, nullptr},
        ShortcutCase{"Cut", {VK_CONTROL}, 'X', u'\x18', 0, 2, L"345", {0, 0}, L"12"},
        ShortcutCase{
            "CtrlBDoesNothing", {VK_CONTROL}, 'B', u'\x02', 1, 3, L"12345", {1, 3}, L"abc"},
        // Without Ctrl a letter key is just a key: no shortcut.
        ShortcutCase{"VWithoutCtrl", {}, 'V', 0, 0, 0, L"12345", {0, 0}, L"abc"}),
    [](const testing::TestParamInfo<ShortcutCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(MyEditTest, CtrlZUndoesTheLastEdit) {
    m_edit.m_nMode = modeDecimal;
    SetText(L"12345", 5, 5);
    Type(u"9");
    ASSERT_EQ(Text(), L"123459");
    for (const std::vector<int>& held :
         {std::vector<int>{VK_CONTROL}, std::vector<int>{VK_CONTROL, VK_SHIFT}}) {
        SetText(L"12345", 5, 5);
        Type(u"9");
        KeyboardState keys(held);
        KeyDown('Z');
        Type(u"\x1A");
        EXPECT_EQ(Text(), L"12345");
    }
}

struct KeyCase {
    const char* name;
    std::vector<int> keysHeld;
    UINT key;
    int caretBefore;
    std::wstring expectedText;
    int expectedCaret;
};

class KeyPassTest : public MyEditTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyPassTest, KeyDownsAreNeverSwallowed) {
    const KeyCase& c = GetParam();
    m_edit.m_nMode = modeUnsigned;
    SetClipboardText(L"abc");
    SetText(L"12345", c.caretBefore, c.caretBefore);
    {
        KeyboardState held(c.keysHeld);
        KeyDown(c.key);
    }
    EXPECT_EQ(Text(), c.expectedText);
    EXPECT_EQ(Selection(), std::make_pair(c.expectedCaret, c.expectedCaret));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPassTest,
    testing::Values(KeyCase{"Delete", {}, VK_DELETE, 0, L"2345", 0},
                    KeyCase{"Right", {}, VK_RIGHT, 1, L"12345", 2},
                    KeyCase{"Left", {}, VK_LEFT, 3, L"12345", 2},
                    KeyCase{"Home", {}, VK_HOME, 4, L"12345", 0},
                    KeyCase{"End", {}, VK_END, 1, L"12345", 5},
                    KeyCase{"CtrlHome", {VK_CONTROL}, VK_HOME, 5, L"12345", 0},
                    KeyCase{"ShiftInsertPastes", {VK_SHIFT}, VK_INSERT, 2, L"12abc345", 5}),
    [](const testing::TestParamInfo<KeyCase>& paramInfo) { return paramInfo.param.name; });

}  // namespace
