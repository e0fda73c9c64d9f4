// The main dialog run modally in this process, driven through its window
// the way the keyboard, the mouse and the lists would drive it.
#include <gtest/gtest.h>

#include <string>

#include "calculator_dlg.h"
#include "dialog_script.h"
#include "number_text.h"
#include "paper_formats.h"
#include "resource.h"
#include "test_app.h"

namespace {

const std::wstring kPlaceholder = L"\uFF08\u8BF7\u9009\u62E9\uFF09";  // （请选择）
const std::wstring kWidth = L"\u5BBD\u5EA6";                          // 宽度
const std::wstring kInvalid = L"-2147483648";
constexpr int kFormat787x1092Sixteenth = 3;

std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

// The user's way out: Esc in the focused control.
void PressEsc(HWND dialog) {
    PostKey(GetFocus() ? GetFocus() : dialog, VK_ESCAPE);
}

int RunMainDialog(std::vector<Step> steps) {
    CCalculatorDlg dlg;
    return RunWithScript([&dlg] { return dlg.DoModal(); }, std::move(steps));
}

// Runs the dialog with `steps`, then Esc, and expects the normal end.
void Play(std::vector<Step> steps) {
    steps.push_back(PressEsc);
    EXPECT_EQ(RunMainDialog(std::move(steps)), IDCANCEL);
}

TEST(MainDialog, StartsWithZerosPlaceholderWidthAndFocusInFirstSize) {
    Play({[](HWND dlg) {
        for (int id : {IDC_SIZE1, IDC_DPI, IDC_PIXELS, IDC_SIZE2}) {
            EXPECT_EQ(Text(dlg, id), L"0") << "field " << id;
        }
        EXPECT_EQ(Text(dlg, IDC_PIXELS_RESULT), L"");
        EXPECT_EQ(Text(dlg, IDC_DPI_RESULT), L"");
        EXPECT_EQ(ListSelection(dlg, IDC_FORMAT), kPlaceholder);
        EXPECT_EQ(ListSelection(dlg, IDC_SIDE), kWidth);
        EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_SIZE1));
        wchar_t caption[32] = {};
        GetWindowTextW(dlg, caption, 32);
        EXPECT_STREQ(caption, L"\u5854\u7EF4\u65AF");  // 塔维斯
    }});
}

TEST(MainDialog, WindowIconIsTheProgramIcon) {
    Play({[](HWND dlg) {
        const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN_ICON));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dlg, WM_GETICON, ICON_BIG, 0)), icon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dlg, WM_GETICON, ICON_SMALL, 0)), icon);
    }});
}

TEST(MainDialog, ListsHoldTheCoreTablesInOrder) {
    Play({[](HWND dlg) {
        std::vector<std::wstring> formats, sides;
        for (auto text : FORMAT_TEXTS) formats.push_back(Wide(text));
        for (auto text : SIDE_TEXTS) sides.push_back(Wide(text));
        EXPECT_EQ(ListEntries(dlg, IDC_FORMAT), formats);
        EXPECT_EQ(ListEntries(dlg, IDC_SIDE), sides);
    }});
}

// Each field lets through only the characters of its kind once the dialog
// has initialised: digits everywhere, the point only in the sizes.
TEST(MainDialog, FieldsFilterTypedCharacters) {
    struct FieldCase {
        int id;
        const wchar_t* typed;
        const wchar_t* shown;
    };
    const FieldCase cases[] = {
        {IDC_SIZE1, L"1a.5-x", L"1.5"},
        {IDC_DPI, L"3.0e0,", L"300"},
        {IDC_PIXELS, L"2+4 16", L"2416"},
        {IDC_SIZE2, L"1e8.5%", L"18.5"},
    };
    std::vector<Step> steps;
    for (const FieldCase& c : cases) {
        steps.push_back([c](HWND dlg) {
            const HWND field = GetDlgItem(dlg, c.id);
            SetText(dlg, c.id, L"");
            for (const wchar_t* ch = c.typed; *ch; ++ch) PostChar(field, *ch);
        });
        steps.push_back([c](HWND dlg) { EXPECT_EQ(Text(dlg, c.id), c.shown) << "field " << c.id; });
    }
    Play(std::move(steps));
}

struct RowCase {
    int button;
    int result;
    int firstField;
    const wchar_t* firstText;
    int secondField;
    const wchar_t* secondText;
    const wchar_t* expected;
};

class MainDialogRows : public ::testing::TestWithParam<RowCase> {};

// A row's "=" reads the texts by the number rules, shows the result and
// leaves the texts exactly as typed.
TEST_P(MainDialogRows, EqualsShowsTheRowResultAndKeepsTheTexts) {
    const RowCase c = GetParam();
    Play({[c](HWND dlg) {
        SetText(dlg, c.firstField, c.firstText);
        SetText(dlg, c.secondField, c.secondText);
        Click(dlg, c.button);
        EXPECT_EQ(Text(dlg, c.result), c.expected);
        EXPECT_EQ(Text(dlg, c.firstField), c.firstText);
        EXPECT_EQ(Text(dlg, c.secondField), c.secondText);
        const int otherResult = c.result == IDC_PIXELS_RESULT ? IDC_DPI_RESULT : IDC_PIXELS_RESULT;
        EXPECT_EQ(Text(dlg, otherResult), L"") << "the other row must not change";
    }});
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamplesAndEdges, MainDialogRows,
    ::testing::Values(
        RowCase{IDC_CALC_PIXELS, IDC_PIXELS_RESULT, IDC_SIZE1, L"18.5", IDC_DPI, L"300", L"2185"},
        RowCase{IDC_CALC_PIXELS, IDC_PIXELS_RESULT, IDC_SIZE1, L"18.5cm", IDC_DPI, L"300abc",
                L"2185"},
        RowCase{IDC_CALC_PIXELS, IDC_PIXELS_RESULT, IDC_SIZE1, L"0", IDC_DPI, L"300", L"0"},
        RowCase{IDC_CALC_PIXELS, IDC_PIXELS_RESULT, IDC_SIZE1, L"-5", IDC_DPI, L"300", L"-590"},
        RowCase{IDC_CALC_PIXELS, IDC_PIXELS_RESULT, IDC_SIZE1, L"55", IDC_DPI, L"4294967295",
                kInvalid.c_str()},
        RowCase{IDC_CALC_PIXELS, IDC_PIXELS_RESULT, IDC_SIZE1, L"2.54", IDC_DPI, L"-1",
                kInvalid.c_str()},
        RowCase{IDC_CALC_DPI, IDC_DPI_RESULT, IDC_PIXELS, L"2416", IDC_SIZE2, L"18.5", L"332"},
        RowCase{IDC_CALC_DPI, IDC_DPI_RESULT, IDC_PIXELS, L"2480", IDC_SIZE2, L"21", L"300"},
        RowCase{IDC_CALC_DPI, IDC_DPI_RESULT, IDC_PIXELS, L"1", IDC_SIZE2, L"0", kInvalid.c_str()},
        RowCase{IDC_CALC_DPI, IDC_DPI_RESULT, IDC_PIXELS, L"", IDC_SIZE2, L"abc",
                kInvalid.c_str()}));

TEST(MainDialog, EqualsRightAfterStartShowsZeroAndInvalid) {
    Play({[](HWND dlg) {
        Click(dlg, IDC_CALC_PIXELS);
        Click(dlg, IDC_CALC_DPI);
        EXPECT_EQ(Text(dlg, IDC_PIXELS_RESULT), L"0");
        EXPECT_EQ(Text(dlg, IDC_DPI_RESULT), kInvalid);
    }});
}

TEST(MainDialog, PresetFillsBothSizesAndThePlaceholderChangesNothing) {
    Play({
        [](HWND dlg) {
            ChooseEntry(dlg, IDC_FORMAT, kFormat787x1092Sixteenth);
            EXPECT_EQ(Text(dlg, IDC_SIZE1), L"18.5");
            EXPECT_EQ(Text(dlg, IDC_SIZE2), L"18.5");
        },
        [](HWND dlg) {
            ChooseEntry(dlg, IDC_SIDE, SIDE_HEIGHT);
            EXPECT_EQ(Text(dlg, IDC_SIZE1), L"26");
            EXPECT_EQ(Text(dlg, IDC_SIZE2), L"26");
            EXPECT_EQ(ListSelection(dlg, IDC_FORMAT), Wide(FORMAT_TEXTS[kFormat787x1092Sixteenth]));
        },
        [](HWND dlg) {
            ChooseEntry(dlg, IDC_FORMAT, 0);
            EXPECT_EQ(Text(dlg, IDC_SIZE1), L"26");
            EXPECT_EQ(Text(dlg, IDC_SIZE2), L"26");
            EXPECT_EQ(ListSelection(dlg, IDC_FORMAT), kPlaceholder);
        },
    });
}

// Every format, both sides: the fields show the core's size in the core's text.
TEST(MainDialog, EveryFormatShowsItsSizeOnBothRows) {
    std::vector<Step> steps;
    for (int32_t format = 1; format < FORMAT_COUNT; ++format) {
        steps.push_back([format](HWND dlg) {
            for (int32_t side : {SIDE_WIDTH, SIDE_HEIGHT}) {
                ChooseEntry(dlg, IDC_SIDE, side);
                ChooseEntry(dlg, IDC_FORMAT, format);
                double width = 0, height = 0;
                GetPaperSize(format, width, height);
                const std::wstring expected =
                    Wide(DoubleToText(side == SIDE_WIDTH ? width : height));
                EXPECT_EQ(Text(dlg, IDC_SIZE1), expected)
                    << "format " << format << " side " << side;
                EXPECT_EQ(Text(dlg, IDC_SIZE2), expected)
                    << "format " << format << " side " << side;
            }
        });
    }
    Play(std::move(steps));
}

TEST(MainDialog, SideChangeWithPlaceholderLeavesPastedTextAlone) {
    Play({[](HWND dlg) {
        SetText(dlg, IDC_DPI, L"300abc");
        SetText(dlg, IDC_SIZE1, L"7.25x");
        ChooseEntry(dlg, IDC_SIDE, SIDE_HEIGHT);
        EXPECT_EQ(Text(dlg, IDC_DPI), L"300abc");
        EXPECT_EQ(Text(dlg, IDC_SIZE1), L"7.25x");
        EXPECT_EQ(Text(dlg, IDC_SIZE2), L"0");
    }});
}

TEST(MainDialog, FormatChangeRewritesCountsInNormalFormAndKeepsResults) {
    Play({[](HWND dlg) {
        SetText(dlg, IDC_SIZE1, L"18.5");
        SetText(dlg, IDC_DPI, L"300");
        Click(dlg, IDC_CALC_PIXELS);
        SetText(dlg, IDC_PIXELS, L"2416");
        SetText(dlg, IDC_SIZE2, L"18.5");
        Click(dlg, IDC_CALC_DPI);

        SetText(dlg, IDC_DPI, L"");
        SetText(dlg, IDC_PIXELS, L"300abc");
        ChooseEntry(dlg, IDC_FORMAT, 24);  // A4
        EXPECT_EQ(Text(dlg, IDC_DPI), L"0");
        EXPECT_EQ(Text(dlg, IDC_PIXELS), L"300");
        EXPECT_EQ(Text(dlg, IDC_SIZE1), L"21");
        EXPECT_EQ(Text(dlg, IDC_SIZE2), L"21");
        EXPECT_EQ(Text(dlg, IDC_PIXELS_RESULT), L"2185");
        EXPECT_EQ(Text(dlg, IDC_DPI_RESULT), L"332");
    }});
}

TEST(MainDialog, EnterNeitherClosesNorComputes) {
    Play({
        [](HWND dlg) {
            SetText(dlg, IDC_SIZE1, L"18.5");
            SetText(dlg, IDC_DPI, L"300");
            for (int id : {IDC_SIZE1, IDC_DPI, IDC_PIXELS, IDC_SIZE2, IDC_FORMAT, IDC_SIDE}) {
                PostKey(GetDlgItem(dlg, id), VK_RETURN, L'\r');
            }
        },
        [](HWND dlg) {
            EXPECT_TRUE(IsWindowVisible(dlg));
            EXPECT_EQ(Text(dlg, IDC_PIXELS_RESULT), L"");
            EXPECT_EQ(Text(dlg, IDC_DPI_RESULT), L"");
            EXPECT_EQ(Text(dlg, IDC_SIZE1), L"18.5");
        },
    });
}

TEST(MainDialog, EnterOnAnEqualsButtonPressesIt) {
    Play({
        [](HWND dlg) {
            SetText(dlg, IDC_SIZE1, L"18.5");
            SetText(dlg, IDC_DPI, L"300");
            // As Tab would move it: the dialog manager makes the button the default.
            SendMessageW(dlg, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDC_CALC_PIXELS)), TRUE);
            PostKey(GetDlgItem(dlg, IDC_CALC_PIXELS), VK_RETURN, L'\r');
        },
        [](HWND dlg) { EXPECT_EQ(Text(dlg, IDC_PIXELS_RESULT), L"2185"); },
    });
}

TEST(MainDialog, EscAndCloseEndTheRunWithCancel) {
    EXPECT_EQ(RunMainDialog({PressEsc}), IDCANCEL);
    EXPECT_EQ(RunMainDialog({[](HWND dlg) { PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
              IDCANCEL);
    EXPECT_EQ(RunMainDialog({[](HWND dlg) { PostMessageW(dlg, WM_CLOSE, 0, 0); }}), IDCANCEL);
}

std::vector<MSG> g_iconErases;  // WM_ICONERASEBKGND as sent, seen by the hook below

LRESULT CALLBACK RecordIconErase(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_ICONERASEBKGND) {
        g_iconErases.push_back(MSG{sent->hwnd, sent->message, sent->wParam, sent->lParam, 0, {}});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MainDialog, MinimisedWindowPaintsItsIconAndDragsIt) {
    g_iconErases.clear();
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, RecordIconErase, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    Play({
        [](HWND dlg) {
            SendMessageW(dlg, WM_PAINT, 0, 0);
            EXPECT_TRUE(g_iconErases.empty()) << "a normal window leaves painting to the dialog";
            ShowWindow(dlg, SW_MINIMIZE);
        },
        [](HWND dlg) {
            ASSERT_TRUE(IsIconic(dlg));
            SendMessageW(dlg, WM_PAINT, 0, 0);
            ASSERT_FALSE(g_iconErases.empty());
            EXPECT_EQ(g_iconErases.back().hwnd, dlg);
            EXPECT_NE(g_iconErases.back().wParam, 0u) << "the paint context's device context";
            EXPECT_EQ(g_iconErases.back().lParam, 0);
            const HICON icon =
                LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN_ICON));
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dlg, WM_QUERYDRAGICON, 0, 0)), icon);
            ShowWindow(dlg, SW_RESTORE);
        },
    });
    UnhookWindowsHookEx(hook);
}

TEST(IconicIconOrigin, CentresAndTruncatesTowardZero) {
    struct Case {
        CRect client;
        int cx, cy;
        CPoint expected;
    };
    const Case cases[] = {
        {CRect(0, 0, 100, 80), 32, 32, CPoint(34, 24)},
        {CRect(0, 0, 101, 81), 32, 32, CPoint(35, 25)},
        {CRect(0, 0, 32, 32), 32, 32, CPoint(0, 0)},
        // Smaller than the icon: -31 / 2 is -15, not -16.
        {CRect(0, 0, 0, 0), 32, 32, CPoint(-15, -15)},
        {CRect(0, 0, 1, 0), 48, 32, CPoint(-23, -15)},
        {CRect(10, 20, 110, 100), 32, 32, CPoint(34, 24)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IconicIconOrigin(c.client, c.cx, c.cy), c.expected)
            << c.client.Width() << "x" << c.client.Height() << " icon " << c.cx << "x" << c.cy;
    }
}

// Far beyond the edit control's typing limit, set as a paste or the program
// would: the whole text is read.
TEST(MainDialog, HugeFieldTextIsReadWhole) {
    Play({[](HWND dlg) {
        SetText(dlg, IDC_DPI, std::wstring(99997, L' ') + L"300");
        SetText(dlg, IDC_SIZE1, L"18.5");
        ASSERT_EQ(GetWindowTextLengthW(GetDlgItem(dlg, IDC_DPI)), 100000);
        Click(dlg, IDC_CALC_PIXELS);
        EXPECT_EQ(Text(dlg, IDC_PIXELS_RESULT), L"2185");

        SetText(dlg, IDC_PIXELS, L"2416");
        SetText(dlg, IDC_SIZE2, std::wstring(100000, L'9'));  // about 1e100000: infinity
        Click(dlg, IDC_CALC_DPI);
        EXPECT_EQ(Text(dlg, IDC_DPI_RESULT), L"0");  // 2416 / inf * 2.54 + 0.5
    }});
}

// A real paste through the clipboard: the field keeps what the edit control
// accepted, and "=" computes from exactly that text.
TEST(MainDialog, HugePasteThroughTheClipboardComputesFromTheFieldText) {
    const std::wstring pasted = std::wstring(99995, L'0') + L"12345";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const size_t bytes = (pasted.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_NE(memory, nullptr);
    memcpy(GlobalLock(memory), pasted.c_str(), bytes);
    GlobalUnlock(memory);
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();

    Play({
        [](HWND dlg) {
            SetText(dlg, IDC_PIXELS, L"");
            SetText(dlg, IDC_SIZE2, L"2.54");
            SendDlgItemMessageW(dlg, IDC_PIXELS, WM_PASTE, 0, 0);
        },
        [](HWND dlg) {
            const std::wstring held = Text(dlg, IDC_PIXELS);
            EXPECT_FALSE(held.empty());
            Click(dlg, IDC_CALC_DPI);
            uint32_t pixels = 0;
            TextToUInt(std::u16string(held.begin(), held.end()), pixels);
            CalcState state;
            state.m_nPixels = pixels;
            state.m_dSize2 = 2.54;
            EXPECT_EQ(Text(dlg, IDC_DPI_RESULT), std::to_wstring(CalcDpi(state)));
        },
    });
}

}  // namespace
