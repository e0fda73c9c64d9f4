// Modal dialogs from test templates: initial list data, the loading
// exchange, owner handling, the modal loop's pre-translation, reflection of
// control notifications, the exchange lock-out and F1 help.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

constexpr UINT kListDialog = 300;
constexpr UINT kClassicDialog = 301;
constexpr UINT kMissingDialog = 399;
constexpr int kEdit = 1000;
constexpr int kSideList = 1001;
constexpr int kFormatList = 1002;
constexpr int kNotifyStatic = 1003;
constexpr int kButton = 1004;
constexpr int kPlainStatic = 1005;

class DialogTest : public testing::Test {
   protected:
    void SetUp() override { m_app = &PrepareTestApp(); }
    void TearDown() override { m_app->m_pMainWnd = nullptr; }
    TestApp* m_app = nullptr;
};

// A dialog that exchanges both list selections and logs each exchange.
class ListDialog : public ScriptedDialog {
   public:
    using ScriptedDialog::ScriptedDialog;
    int side = 1;
    int format = 2;
    std::vector<bool> exchanges;  // m_bSaveAndValidate of each run
    std::vector<std::wstring> listsAtFirstExchange;

   protected:
    void DoDataExchange(CDataExchange* dx) override {
        if (exchanges.empty()) listsAtFirstExchange.push_back(ComboItems(Item(kSideList)));
        exchanges.push_back(dx->m_bSaveAndValidate != FALSE);
        DDX_CBIndex(dx, kSideList, side);
        DDX_CBIndex(dx, kFormatList, format);
    }
};

TEST_F(DialogTest, InitialDataFillsListsInOrderBeforeTheLoadingExchange) {
    ListDialog dialog(kListDialog);
    std::wstring sideItems, formatItems;
    int sideSelection = -2, formatSelection = -2;
    dialog.steps.push_back([&](ScriptedDialog& d) {
        sideItems = ComboItems(d.Item(kSideList));
        formatItems = ComboItems(d.Item(kFormatList));
        sideSelection = static_cast<int>(::SendMessageW(d.Item(kSideList), CB_GETCURSEL, 0, 0));
        formatSelection = static_cast<int>(::SendMessageW(d.Item(kFormatList), CB_GETCURSEL, 0, 0));
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(sideItems, L"宽度|高度");
    EXPECT_EQ(formatItems, L"（请选择）|16开|A4");
    // The first exchange loaded, and the lists were already full then.
    ASSERT_FALSE(dialog.exchanges.empty());
    EXPECT_FALSE(dialog.exchanges[0]);
    EXPECT_EQ(dialog.listsAtFirstExchange, std::vector<std::wstring>{L"宽度|高度"});
    EXPECT_EQ(sideSelection, 1);
    EXPECT_EQ(formatSelection, 2);
}

TEST_F(DialogTest, ClassicTemplateWithTruncatedInitialDataKeepsTheWholeRecordsOnly) {
    ScriptedDialog dialog(kClassicDialog);
    std::wstring items;
    dialog.steps.push_back([&](ScriptedDialog& d) { items = ComboItems(d.Item(kSideList)); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.initRan);
    EXPECT_EQ(items, L"宽度");
}

TEST_F(DialogTest, MissingTemplateReturnsMinusOneAndShowsNothing) {
    const int windowsBefore = CountThreadWindows();
    ScriptedDialog dialog(kMissingDialog);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.initRan);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(CountThreadWindows(), windowsBefore);
}

struct EndCase {
    const char* name;
    std::function<void(ScriptedDialog&)> end;
    int expectedResult;
    bool expectSave;
};

class DialogEndTest : public DialogTest, public testing::WithParamInterface<EndCase> {};

TEST_P(DialogEndTest, EndsWithItsCodeAndSavesOnlyOnOk) {
    const int windowsBefore = CountThreadWindows();
    ListDialog dialog(kListDialog);
    dialog.steps.push_back(GetParam().end);
    EXPECT_EQ(dialog.DoModal(), GetParam().expectedResult);
    ASSERT_FALSE(dialog.exchanges.empty());
    EXPECT_EQ(dialog.exchanges.back(), GetParam().expectSave);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(CountThreadWindows(), windowsBefore) << "the dialog's window is gone";
}

INSTANTIATE_TEST_SUITE_P(
    Ends, DialogEndTest,
    testing::Values(
        EndCase{"OkCommand", [](ScriptedDialog& d) { d.PostMessage(WM_COMMAND, IDOK, 0); }, IDOK,
                true},
        EndCase{"EnterKey",
                [](ScriptedDialog& d) {
                    ::SetFocus(d.Item(kEdit));
                    ::PostMessageW(d.Item(kEdit), WM_KEYDOWN, VK_RETURN, 0x001C0001);
                },
                IDOK, true},
        EndCase{"CancelCommand", [](ScriptedDialog& d) { d.PostMessage(WM_COMMAND, IDCANCEL, 0); },
                IDCANCEL, false},
        EndCase{"EscapeKey",
                [](ScriptedDialog& d) {
                    ::SetFocus(d.Item(kEdit));
                    ::PostMessageW(d.Item(kEdit), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                },
                IDCANCEL, false},
        EndCase{"Close", [](ScriptedDialog& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL, false},
        EndCase{"EndDialogCode", [](ScriptedDialog& d) { d.EndDialog(42); }, 42, false}),
    [](const testing::TestParamInfo<EndCase>& paramInfo) { return paramInfo.param.name; });

HWND CreateOwnerWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE | WS_CAPTION, 300, 200,
                             400, 300, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

struct OwnerCase {
    const char* name;
    bool asMainWindow;  // else passed as the dialog's parent
};

class DialogOwnerTest : public DialogTest, public testing::WithParamInterface<OwnerCase> {};

TEST_P(DialogOwnerTest, OwnerIsDisabledDuringTheRunAndActiveAgainAfterwards) {
    CWnd owner;
    ASSERT_TRUE(owner.SubclassWindow(CreateOwnerWindow()));
    ::SetActiveWindow(owner.m_hWnd);
    if (GetParam().asMainWindow) m_app->m_pMainWnd = &owner;
    ScriptedDialog dialog(kListDialog, GetParam().asMainWindow ? nullptr : &owner);
    HWND dialogWindow = nullptr, ownerSeen = nullptr;
    BOOL ownerEnabledDuringRun = TRUE;
    RECT dialogRect{}, ownerRect{};
    dialog.steps.push_back([&](ScriptedDialog& d) {
        dialogWindow = d.m_hWnd;
        ownerSeen = ::GetWindow(d.m_hWnd, GW_OWNER);
        ownerEnabledDuringRun = ::IsWindowEnabled(owner.m_hWnd);
        ::GetWindowRect(d.m_hWnd, &dialogRect);
        ::GetWindowRect(owner.m_hWnd, &ownerRect);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ownerSeen, owner.m_hWnd);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(::GetActiveWindow(), owner.m_hWnd);
    EXPECT_FALSE(::IsWindow(dialogWindow));
    // Centred over the owner (to the pixel, up to rounding of the halves).
    EXPECT_NEAR((dialogRect.left + dialogRect.right) / 2, (ownerRect.left + ownerRect.right) / 2,
                1);
    EXPECT_NEAR((dialogRect.top + dialogRect.bottom) / 2, (ownerRect.top + ownerRect.bottom) / 2,
                1);
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Owners, DialogOwnerTest,
                         testing::Values(OwnerCase{"MainWindow", true}, OwnerCase{"Parent", false}),
                         [](const testing::TestParamInfo<OwnerCase>& paramInfo) {
                             return paramInfo.param.name;
                         });

TEST_F(DialogTest, WithoutOwnerTheDialogIsCentredInTheWorkArea) {
    ScriptedDialog dialog(kListDialog);
    RECT dialogRect{};
    dialog.steps.push_back([&](ScriptedDialog& d) { ::GetWindowRect(d.m_hWnd, &dialogRect); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((dialogRect.left + dialogRect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((dialogRect.top + dialogRect.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

// Records what the modal loop offers it; swallows one message.
class PreTranslateProbe : public CWnd {
   public:
    std::vector<UINT> offered;
    std::vector<UINT> delivered;
    UINT swallow = 0;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message >= WM_APP) offered.push_back(msg->message);
        return msg->message == swallow;
    }

   protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_APP && message < WM_APP + 0x100) delivered.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PreTranslateDialog : public ScriptedDialog {
   public:
    using ScriptedDialog::ScriptedDialog;
    std::vector<UINT> offered;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message >= WM_APP && msg->message < WM_APP + 0x100)
            offered.push_back(msg->message);
        return FALSE;
    }
};

TEST_F(DialogTest, QueuedMessagesAreOfferedToTheChildThenItsParents) {
    PreTranslateDialog dialog(kListDialog);
    PreTranslateProbe edit;
    edit.swallow = WM_APP + 9;
    dialog.steps.push_back([&](ScriptedDialog& d) {
        ASSERT_TRUE(edit.SubclassDlgItem(kEdit, &d));
        ::PostMessageW(edit.m_hWnd, WM_APP + 8, 0, 0);
        ::PostMessageW(edit.m_hWnd, WM_APP + 9, 0, 0);
    });
    dialog.steps.push_back([](ScriptedDialog&) {});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(edit.offered, (std::vector<UINT>{WM_APP + 8, WM_APP + 9}));
    EXPECT_EQ(dialog.offered, (std::vector<UINT>{WM_APP + 8})) << "the child swallowed WM_APP+9";
    EXPECT_EQ(edit.delivered, (std::vector<UINT>{WM_APP + 8}));
}

// A control that takes its own click and colour notifications.
class ReflectingControl : public CWnd {
   public:
    int clicks = 0;
    HBRUSH brush = nullptr;
    std::vector<UINT> colourKinds;

   protected:
    void OnClicked() { ++clicks; }
    HBRUSH CtlColor(CDC* dc, UINT ctlColor) {
        colourKinds.push_back(ctlColor);
        dc->SetTextColor(RGB(1, 2, 3));
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingControl, CWnd)
ON_CONTROL_REFLECT(BN_CLICKED, &ReflectingControl::OnClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class ClickDialog : public ScriptedDialog {
   public:
    using ScriptedDialog::ScriptedDialog;
    std::vector<int> clicks;

   protected:
    void OnButton() { clicks.push_back(kButton); }
    void OnNotifyStatic() { clicks.push_back(kNotifyStatic); }
    void OnPlainStatic() { clicks.push_back(kPlainStatic); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClickDialog, ScriptedDialog)
ON_BN_CLICKED(kButton, &ClickDialog::OnButton)
ON_BN_CLICKED(kNotifyStatic, &ClickDialog::OnNotifyStatic)
ON_BN_CLICKED(kPlainStatic, &ClickDialog::OnPlainStatic)
END_MESSAGE_MAP()

TEST_F(DialogTest, ReflectedNotificationsReachTheControlAndNotTheParent) {
    ClickDialog dialog(kListDialog);
    ReflectingControl button;
    ReflectingControl notifyStatic;
    const HBRUSH brush = ::CreateSolidBrush(RGB(10, 20, 30));
    button.brush = brush;
    LRESULT staticColour = 0, nullBrushColour = 0, plainColour = 0;
    COLORREF textColour = 0;
    dialog.steps.push_back([&](ScriptedDialog& d) {
        ASSERT_TRUE(button.SubclassDlgItem(kButton, &d));
        ASSERT_TRUE(notifyStatic.SubclassDlgItem(kNotifyStatic, &d));
        ::SendMessageW(button.m_hWnd, BM_CLICK, 0, 0);  // the button tells its parent
        ::SendMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(kPlainStatic, STN_CLICKED),
                       reinterpret_cast<LPARAM>(d.Item(kPlainStatic)));
        const HDC dc = ::GetDC(d.m_hWnd);
        // Painting asks for colours too; count only the requests sent here.
        button.colourKinds.clear();
        notifyStatic.colourKinds.clear();
        staticColour = ::SendMessageW(d.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(button.m_hWnd));
        textColour = ::GetTextColor(dc);
        nullBrushColour = ::SendMessageW(d.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(notifyStatic.m_hWnd));
        plainColour = ::SendMessageW(d.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(d.Item(kPlainStatic)));
        ::ReleaseDC(d.m_hWnd, dc);
        EXPECT_EQ(button.colourKinds, std::vector<UINT>{CTLCOLOR_BTN});
        EXPECT_EQ(notifyStatic.colourKinds, std::vector<UINT>{CTLCOLOR_STATIC});
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(dialog.clicks, std::vector<int>{kPlainStatic})
        << "the parent saw only the plain static";
    EXPECT_EQ(staticColour, reinterpret_cast<LRESULT>(brush));
    EXPECT_EQ(textColour, RGB(1, 2, 3));
    // A control answering with no brush leaves the request to the dialog.
    EXPECT_NE(nullBrushColour, 0);
    EXPECT_NE(nullBrushColour, reinterpret_cast<LRESULT>(brush));
    EXPECT_EQ(plainColour, nullBrushColour);
    ::DeleteObject(brush);
}

// Notifications arriving while an exchange runs never reach the handlers.
class LockoutDialog : public ScriptedDialog {
   public:
    using ScriptedDialog::ScriptedDialog;
    int selectionChanges = 0;
    int index = 1;

   protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_CBIndex(dx, kSideList, index);
        // What a list does when its selection is written like a user's.
        ::SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(kSideList, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, kSideList)));
    }
    void OnSelChange() { ++selectionChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LockoutDialog, ScriptedDialog)
ON_CBN_SELCHANGE(kSideList, &LockoutDialog::OnSelChange)
END_MESSAGE_MAP()

TEST_F(DialogTest, NotificationsAreLockedOutWhileDataIsExchanged) {
    LockoutDialog dialog(kListDialog);
    std::vector<int> counts;
    dialog.steps.push_back([&](ScriptedDialog& d) {
        auto& self = static_cast<LockoutDialog&>(d);
        counts.push_back(self.selectionChanges);  // after the initial exchange
        self.UpdateData(FALSE);
        self.UpdateData(TRUE);
        counts.push_back(self.selectionChanges);
        ::SendMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(kSideList, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(d.Item(kSideList)));
        counts.push_back(self.selectionChanges);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(counts, (std::vector<int>{0, 0, 1}));
}

struct HelpCase {
    const char* name;
    std::vector<int> keysDown;
    bool expectRequest;
};

class HelpKeyTest : public DialogTest, public testing::WithParamInterface<HelpCase> {};

TEST_P(HelpKeyTest, F1AsksForTheDialogTopicOnlyWithoutModifiers) {
    ScriptedDialog dialog(kListDialog);
    std::unique_ptr<KeyboardState> held;
    dialog.steps.push_back([&](ScriptedDialog& d) {
        // Held until the loop has taken the key (the next step).
        held = std::make_unique<KeyboardState>(GetParam().keysDown);
        ::SetFocus(d.Item(kEdit));
        ::PostMessageW(d.Item(kEdit), WM_KEYDOWN, VK_F1, 0x003B0001);
    });
    dialog.steps.push_back([&](ScriptedDialog&) { held.reset(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    if (!GetParam().expectRequest) {
        EXPECT_TRUE(m_app->helpCalls.empty());
        return;
    }
    ASSERT_EQ(m_app->helpCalls.size(), 1u);
    EXPECT_EQ(m_app->helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(m_app->helpCalls[0].data, 0x20000u + kListDialog);
    EXPECT_EQ(m_app->helpCalls[0].file, m_app->m_pszHelpFilePath);
    const std::wstring file = m_app->helpCalls[0].file;
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(file.substr(file.size() - 4), L".HLP");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HelpKeyTest,
    testing::Values(HelpCase{"Plain", {}, true}, HelpCase{"Ctrl", {VK_CONTROL}, false},
                    HelpCase{"Shift", {VK_SHIFT}, false}, HelpCase{"Alt", {VK_MENU}, false}),
    [](const testing::TestParamInfo<HelpCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(DialogTest, HelpViewerFailureIsReportedInAMessageBox) {
    m_app->helpViewerStarts = false;
    ScriptedDialog dialog(kListDialog);
    MessageBoxWatcher watcher;
    HWND dialogWindow = nullptr;
    dialog.steps.push_back([&](ScriptedDialog& d) {
        dialogWindow = d.m_hWnd;
        ::SetFocus(d.Item(kEdit));
        ::PostMessageW(d.Item(kEdit), WM_KEYDOWN, VK_F1, 0x003B0001);
    });
    dialog.steps.push_back([](ScriptedDialog&) {});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(m_app->helpCalls.size(), 1u);
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, L"启动帮助失败。");
    EXPECT_EQ(watcher.seen[0].caption, m_app->m_pszAppName);
}

}  // namespace
