// Data exchange routines against real controls.
#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

constexpr UINT kListDialog = 300;
constexpr int kEdit = 1000;
constexpr int kSideList = 1001;
constexpr int kFormatList = 1002;
constexpr int kMissing = 4242;

class CountingControl : public CWnd {
   public:
    int prepared = 0;

   protected:
    void PreSubclassWindow() override { ++prepared; }
};

class ExchangeDialog : public ScriptedDialog {
   public:
    using ScriptedDialog::ScriptedDialog;
    CString text;
    int format = 0;
    CString missingText = L"untouched";
    int missingIndex = 77;
    CountingControl editControl;

   protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, kEdit, text);
        DDX_Control(dx, kEdit, editControl);
        DDX_CBIndex(dx, kFormatList, format);
        DDX_Text(dx, kMissing, missingText);
        DDX_CBIndex(dx, kMissing, missingIndex);
    }
};

class DataExchangeTest : public testing::Test {
   protected:
    void SetUp() override { PrepareTestApp(); }

    // Runs `check` inside a modal run of an ExchangeDialog.
    template <typename Check>
    void RunInDialog(Check check) {
        ExchangeDialog dialog(kListDialog);
        dialog.steps.push_back([&](ScriptedDialog& d) { check(static_cast<ExchangeDialog&>(d)); });
        ASSERT_EQ(dialog.DoModal(), IDCANCEL);
    }
};

struct TextCase {
    const char* name;
    const wchar_t* fieldText;
    const wchar_t* memberText;
    const wchar_t* expectedText;
    bool selectionKept;
};

class DdxTextLoadTest : public DataExchangeTest, public testing::WithParamInterface<TextCase> {};

TEST_P(DdxTextLoadTest, LoadingWritesOnlyAChangedText) {
    const TextCase& c = GetParam();
    RunInDialog([&](ExchangeDialog& d) {
        const HWND edit = d.Item(kEdit);
        ::SetWindowTextW(edit, c.fieldText);
        ::SendMessageW(edit, EM_SETSEL, 1, 3);
        d.text = c.memberText;
        d.UpdateData(FALSE);
        DWORD start = 0, end = 0;
        ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(WindowText(edit), c.expectedText);
        if (c.selectionKept) {
            EXPECT_EQ(start, 1u);
            EXPECT_EQ(end, 3u);
        } else {
            EXPECT_FALSE(start == 1u && end == 3u) << "the text was written anew";
        }
    });
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DdxTextLoadTest,
    testing::Values(TextCase{"Unchanged", L"12345", L"12345", L"12345", true},
                    TextCase{"UnchangedChinese", L"宽度18.5", L"宽度18.5", L"宽度18.5", true},
                    TextCase{"Changed", L"12345", L"999", L"999", false},
                    TextCase{"CaseDiffers", L"abcde", L"ABCDE", L"ABCDE", false}),
    [](const testing::TestParamInfo<TextCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(DataExchangeTest, SavingReadsTheWholeTextAndTheSelection) {
    RunInDialog([&](ExchangeDialog& d) {
        const std::wstring longText(600, L'7');
        ::SetWindowTextW(d.Item(kEdit), (L"长" + longText).c_str());
        ::SendMessageW(d.Item(kFormatList), CB_SETCURSEL, 2, 0);
        d.UpdateData(TRUE);
        EXPECT_EQ(std::wstring(d.text.GetString()), L"长" + longText);
        EXPECT_EQ(d.format, 2);
        ::SendMessageW(d.Item(kFormatList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        d.UpdateData(TRUE);
        EXPECT_EQ(d.format, -1) << "no selection";
    });
}

TEST_F(DataExchangeTest, LoadingSelectsTheIndexOrNothing) {
    RunInDialog([&](ExchangeDialog& d) {
        const HWND list = d.Item(kFormatList);
        d.format = 1;
        d.UpdateData(FALSE);
        EXPECT_EQ(::SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
        d.format = -1;
        d.UpdateData(FALSE);
        EXPECT_EQ(::SendMessageW(list, CB_GETCURSEL, 0, 0), CB_ERR);
    });
}

TEST_F(DataExchangeTest, ControlIsAttachedOnTheFirstExchangeOnly) {
    RunInDialog([&](ExchangeDialog& d) {
        EXPECT_EQ(CWnd::FromHandlePermanent(d.Item(kEdit)), &d.editControl);
        d.UpdateData(TRUE);
        d.UpdateData(FALSE);
        EXPECT_EQ(d.editControl.prepared, 1);
        EXPECT_EQ(d.editControl.m_hWnd, d.Item(kEdit));
    });
}

TEST_F(DataExchangeTest, MissingControlsLeaveTheirValuesAlone) {
    RunInDialog([&](ExchangeDialog& d) {
        d.UpdateData(TRUE);
        d.UpdateData(FALSE);
        EXPECT_EQ(d.missingText, L"untouched");
        EXPECT_EQ(d.missingIndex, 77);
    });
}

}  // namespace
