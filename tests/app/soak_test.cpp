// The real main dialog under a long run: thousands of "=" clicks with random
// field texts, each result checked against the calculator core, and the about
// box opened from the icon and closed again and again. What the program holds
// (windows, GDI objects) must not grow from one round to the next.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "calc_model.h"
#include "calculator_dlg.h"
#include "dialog_script.h"
#include "number_text.h"
#include "resource.h"
#include "test_app.h"
#include "thread_resources.h"

namespace {

constexpr int kRounds = 10;
constexpr int kClicksPerRound = 1000;
constexpr int kAboutRunsPerRound = 20;
const std::wstring kAboutCaption = L"\u5173\u4E8E\u5854\u7EF4\u65AF";  // 关于塔维斯

// ------------------------------------------------------------ field texts

class FieldTextSource {
   public:
    explicit FieldTextSource(uint32_t seed) : m_rng(seed) {}

    // Short texts of every kind; now and then a very long one. Long texts
    // are rare because the platform's edit control takes tens of
    // milliseconds to take one in.
    std::wstring Next() {
        if (Below(100) == 0) return Long();
        switch (Below(11)) {
            case 0: return L"";
            case 1: return Digits(1 + Below(6));
            case 2: return Digits(1 + Below(4)) + L"." + Digits(Below(4));
            case 3: return L"." + Digits(1 + Below(3));
            case 4: return Digits(1 + Below(3)) + Pick({L"abc", L"cm", L"x", L"e5", L"e-3", L"."});
            case 5: return Pick({L"abc", L"x", L"\u4E2D", L"+", L"-", L".", L" ", L"e9"});
            case 6: return FullWidthDigits(1 + Below(4));
            case 7: return Pick({L"-1", L"-0", L"-18.5", L"+300", L"-2147483648", L"4294967295"});
            case 8:
                return Pick({L"4294967296", L"99999999999999999999", L"1e308", L"1e309",
                             L"2.2250738585072014e-308", L"4.9e-324", L"0.0000001"});
            case 9: return Pick({L" \t300", L"\u3000300", L"0x1A", L"1,5", L"inf", L"nan"});
            default: return Mixed(1 + Below(40));
        }
    }

    std::wstring Long() {
        const uint32_t length = 500 + Below(2500);
        switch (Below(3)) {
            case 0: return std::wstring(length, L' ') + Digits(1 + Below(5));
            case 1: return Digits(length);
            default: return L"0." + std::wstring(length, L'0') + Digits(1 + Below(4));
        }
    }

   private:
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(m_rng() % n); }

    std::wstring Pick(std::initializer_list<const wchar_t*> choices) {
        return *(choices.begin() + Below(static_cast<uint32_t>(choices.size())));
    }

    std::wstring Digits(uint32_t count) {
        std::wstring text;
        for (uint32_t i = 0; i < count; ++i) text += static_cast<wchar_t>(L'0' + Below(10));
        return text;
    }

    std::wstring FullWidthDigits(uint32_t count) {
        std::wstring text;
        for (uint32_t i = 0; i < count; ++i) text += static_cast<wchar_t>(0xFF10 + Below(10));
        return text;
    }

    std::wstring Mixed(uint32_t count) {
        static const wchar_t kAlphabet[] = L"0123456789..--++eE xX\u4E2D\uFF11\t";
        std::wstring text;
        for (uint32_t i = 0; i < count; ++i) {
            text += kAlphabet[Below(static_cast<uint32_t>(std::size(kAlphabet) - 1))];
        }
        return text;
    }

    std::mt19937 m_rng;
};

std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

// ------------------------------------------------------------ about box runs

// Closes each about box with Esc from a thread timer, so the close happens
// inside the box's own modal loop, as a user's key would.
struct AboutCloser {
    HWND mainDialog = nullptr;
    HWND lastBox = nullptr;
    int boxesSeen = 0;
    int ticksOnSameBox = 0;
    HFONT linkFonts[2] = {};
};
AboutCloser* g_closer = nullptr;  // a timer procedure gets no context of its own

BOOL CALLBACK MatchAboutBox(HWND window, LPARAM out) {
    wchar_t caption[32] = {};
    GetWindowTextW(window, caption, 32);
    if (IsWindowVisible(window) && kAboutCaption == caption) {
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR, DWORD) {
    AboutCloser* closer = g_closer;
    if (closer == nullptr) return;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), MatchAboutBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return;
    if (box == closer->lastBox) {
        // Esc was posted and the box is still there.
        if (++closer->ticksOnSameBox == 200) {
            ADD_FAILURE() << "the about box did not close on Esc";
            if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(box))) {
                dialog->EndDialog(IDABORT);
            }
        }
        return;
    }
    closer->lastBox = box;
    closer->ticksOnSameBox = 0;
    ++closer->boxesSeen;
    EXPECT_EQ(GetWindow(box, GW_OWNER), closer->mainDialog);
    EXPECT_FALSE(IsWindowEnabled(closer->mainDialog)) << "the main dialog must wait for the box";
    EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
    const int links[] = {IDC_MAIL_LINK, IDC_HOME_LINK};
    for (int i = 0; i < 2; ++i) {
        closer->linkFonts[i] =
            reinterpret_cast<HFONT>(SendDlgItemMessageW(box, links[i], WM_GETFONT, 0, 0));
    }
    PostKey(GetFocus() ? GetFocus() : box, VK_ESCAPE);
}

// One about run through the icon's own click path: the static's click
// notification goes to the main dialog, which reflects it to the icon.
void OpenAndCloseAbout(HWND dlg, AboutCloser& closer, int run) {
    const int seenBefore = closer.boxesSeen;
    const HWND icon = GetDlgItem(dlg, IDC_ABOUT_ICON);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_ICON, STN_CLICKED),
                 reinterpret_cast<LPARAM>(icon));
    ASSERT_EQ(closer.boxesSeen, seenBefore + 1) << "about run " << run;
    EXPECT_FALSE(IsWindow(closer.lastBox)) << "about run " << run;
    EXPECT_TRUE(IsWindowEnabled(dlg)) << "about run " << run;
    for (HFONT font : closer.linkFonts) {
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(GetObjectType(font), 0u) << "about run " << run << ": a link font outlived it";
    }
}

// ------------------------------------------------------------ the soak

struct Snapshot {
    std::map<std::wstring, int> windows;
    GdiCount gdi;
};

Snapshot TakeSnapshot() {
    return {ThreadWindowsByClass(), CountGdiObjects()};
}

std::string Describe(const Snapshot& s) {
    std::string text = "windows:";
    for (const auto& [name, count] : s.windows) {
        text += " " + std::string(name.begin(), name.end()) + "=" + std::to_string(count);
    }
    text += "; gdi:";
    for (const auto& [type, count] : s.gdi.byType) {
        text += " " + std::to_string(type) + "=" + std::to_string(count);
    }
    return text;
}

struct SoakResult {
    int clicks = 0;
    int aboutRuns = 0;
    int mismatches = 0;
    Snapshot afterFirstRound;
    Snapshot atEnd;
    double clickSeconds = 0;
    double aboutSeconds = 0;
};

// One "=" click with new random texts in the two fields of its row; the
// shown result must be what the core makes of the texts of all four fields.
struct Fields {
    static constexpr int kIds[4] = {IDC_SIZE1, IDC_DPI, IDC_PIXELS, IDC_SIZE2};
    std::wstring texts[4];
};

void ClickWithRandomTexts(HWND dlg, FieldTextSource& source, Fields& fields, int click,
                          SoakResult& result) {
    const bool rowOne = click % 2 == 0;
    const int firstOfRow = rowOne ? 0 : 2;
    for (int i = firstOfRow; i < firstOfRow + 2; ++i) {
        fields.texts[i] = source.Next();
        SetText(dlg, Fields::kIds[i], fields.texts[i]);
    }
    CalcState state;
    TextToDouble(U16(fields.texts[0]), state.m_dSize1, 0.0);
    TextToUInt(U16(fields.texts[1]), state.m_nDpi);
    TextToUInt(U16(fields.texts[2]), state.m_nPixels);
    TextToDouble(U16(fields.texts[3]), state.m_dSize2, 0.0);

    Click(dlg, rowOne ? IDC_CALC_PIXELS : IDC_CALC_DPI);
    const std::wstring expected = std::to_wstring(rowOne ? CalcPixels(state) : CalcDpi(state));
    const std::wstring shown = Text(dlg, rowOne ? IDC_PIXELS_RESULT : IDC_DPI_RESULT);
    ++result.clicks;
    if (shown != expected && ++result.mismatches <= 5) {
        // The first few in full; the count tells the rest.
        ADD_FAILURE() << "click " << click << " row " << (rowOne ? 1 : 2) << ": shown "
                      << std::string(shown.begin(), shown.end()) << ", core says "
                      << std::string(expected.begin(), expected.end()) << " (text lengths "
                      << fields.texts[0].size() << "/" << fields.texts[1].size() << "/"
                      << fields.texts[2].size() << "/" << fields.texts[3].size() << ")";
    }
    // "=" never writes the fields back; looked at now and then, as reading
    // all four costs as much as the click.
    if (click % 16 == 15) {
        for (int i = 0; i < 4; ++i) {
            if (Text(dlg, Fields::kIds[i]) != fields.texts[i] && ++result.mismatches <= 5) {
                ADD_FAILURE() << "click " << click << ": field " << Fields::kIds[i]
                              << " changed its text";
            }
        }
    }
}

void Soak(HWND dlg, SoakResult& result) {
    FieldTextSource texts(20240611u);
    Fields fields;
    for (int i = 0; i < 4; ++i) fields.texts[i] = Text(dlg, Fields::kIds[i]);
    AboutCloser closer;
    closer.mainDialog = dlg;
    g_closer = &closer;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &CloseAboutBox);

    using Clock = std::chrono::steady_clock;
    for (int round = 0; round < kRounds; ++round) {
        const auto clicksStart = Clock::now();
        for (int i = 0; i < kClicksPerRound; ++i) {
            ClickWithRandomTexts(dlg, texts, fields, round * kClicksPerRound + i, result);
        }
        const auto aboutStart = Clock::now();
        for (int i = 0; i < kAboutRunsPerRound; ++i) {
            OpenAndCloseAbout(dlg, closer, round * kAboutRunsPerRound + i);
            if (::testing::Test::HasFatalFailure()) break;
            ++result.aboutRuns;
        }
        const auto end = Clock::now();
        result.clickSeconds += std::chrono::duration<double>(aboutStart - clicksStart).count();
        result.aboutSeconds += std::chrono::duration<double>(end - aboutStart).count();
        if (::testing::Test::HasFatalFailure()) break;
        if (round == 0) result.afterFirstRound = TakeSnapshot();
    }
    result.atEnd = TakeSnapshot();

    KillTimer(nullptr, timer);
    g_closer = nullptr;
}

// The soak runs from one timer tick inside the main dialog's modal loop; the
// script helper's own watchdog would count the about boxes' nested loops as
// idle time, so this driver is a one-shot timer of its own.
std::function<void(HWND)>* g_soakBody = nullptr;
const CWnd* g_soakDialog = nullptr;

void CALLBACK StartSoak(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_soakBody == nullptr || g_soakDialog == nullptr) return;
    const HWND dialog = g_soakDialog->m_hWnd;
    if (dialog == nullptr || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    auto* body = g_soakBody;
    g_soakBody = nullptr;
    (*body)(dialog);
}

TEST(Soak, TenThousandClicksAndTwoHundredAboutBoxesLeakNothing) {
    CCalculatorDlg dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    SoakResult result;
    std::function<void(HWND)> body = [&result](HWND main) {
        Soak(main, result);
        PostKey(GetFocus() ? GetFocus() : main, VK_ESCAPE);
    };
    g_soakBody = &body;
    g_soakDialog = &dlg;
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &StartSoak);
    const int end = dlg.DoModal();
    g_soakBody = nullptr;
    g_soakDialog = nullptr;
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_EQ(end, IDCANCEL);

    EXPECT_EQ(result.clicks, kRounds * kClicksPerRound);
    EXPECT_EQ(result.mismatches, 0);
    EXPECT_EQ(result.aboutRuns, kRounds * kAboutRunsPerRound);
    EXPECT_EQ(result.atEnd.windows, result.afterFirstRound.windows)
        << "after the first round: " << Describe(result.afterFirstRound)
        << "\nat the end: " << Describe(result.atEnd);
    EXPECT_EQ(result.atEnd.gdi.byType, result.afterFirstRound.gdi.byType)
        << "after the first round: " << Describe(result.afterFirstRound)
        << "\nat the end: " << Describe(result.atEnd);
    EXPECT_GT(result.afterFirstRound.gdi.Total(), 0) << "the GDI count sees nothing";

    std::printf("soak: %d clicks in %.2f s, %d about runs in %.2f s (%s GDI count)\n",
                result.clicks, result.clickSeconds, result.aboutRuns, result.aboutSeconds,
                GdiCountIsProbed() ? "probed" : "GetGuiResources");
    std::printf("soak: after round 1: %s\nsoak: at the end:    %s\n",
                Describe(result.afterFirstRound).c_str(), Describe(result.atEnd).c_str());
}

// ------------------------------------------------------------ the counters

// The counts above are only worth something if they see a leak: a font,
// a bitmap, a brush and a window created on purpose must each show.
TEST(ResourceCounters, SeeADeliberateLeakAndItsRelease) {
    const GdiCount before = CountGdiObjects();
    const HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                   0, 0, 0, L"Tahoma");
    ASSERT_NE(font, nullptr);
    const GdiCount withFont = CountGdiObjects();
    EXPECT_EQ(withFont.Total(), before.Total() + 1);
    if (GdiCountIsProbed()) {
        EXPECT_EQ(withFont.Of(OBJ_FONT), before.Of(OBJ_FONT) + 1);
    }

    const HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(brush, nullptr);
    const GdiCount withAll = CountGdiObjects();
    EXPECT_EQ(withAll.Total(), before.Total() + 3);
    if (GdiCountIsProbed()) {
        EXPECT_EQ(withAll.Of(OBJ_BITMAP), before.Of(OBJ_BITMAP) + 1);
        EXPECT_EQ(withAll.Of(OBJ_BRUSH), before.Of(OBJ_BRUSH) + 1);
    }

    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteObject(brush);
    EXPECT_EQ(CountGdiObjects().byType, before.byType);

    // The thread's first top-level window brings the input method's window
    // along; one made beforehand keeps that out of the count.
    const HWND holder = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(holder, nullptr);
    const int windowsBefore = CountThreadWindowsAndChildren();
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 5, 5, parent, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(CountThreadWindowsAndChildren(), windowsBefore + 2) << "a child counts too";
    DestroyWindow(parent);
    EXPECT_EQ(CountThreadWindowsAndChildren(), windowsBefore);
    DestroyWindow(holder);
}

}  // namespace
