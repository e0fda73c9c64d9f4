#pragma once
// The main window: two calculation rows, the format and side lists, the
// explanation and the imprint picture.
#include "about_icon.h"
#include "calc_model.h"
#include "framework.h"
#include "my_edit.h"
#include "scaled_picture.h"

class CCalculatorDlg : public CDialog {
   public:
    explicit CCalculatorDlg(CWnd* parent = nullptr);

   protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // The dialog has no OK button; Enter in a field must neither close the
    // window nor compute anything.
    void OnOK() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSelchangeFormat();
    void OnSelchangeSide();
    void OnCalcPixels();
    void OnCalcDpi();

    CMyEdit m_editSize2;
    CMyEdit m_editPixels;
    CMyEdit m_editDpi;
    CMyEdit m_editSize1;
    CalcState m_calc;
    HICON m_hIcon;
    CAboutIcon m_aboutIcon;
    // The imprint picture resampled to the dialog's scale (above 96 DPI).
    CScaledPicture m_imprintPicture;

    DECLARE_MESSAGE_MAP()

   private:
    void ApplyPresetToFields();
};

// Where the minimised window draws its icon: centred in the client area,
// rounding toward zero (the client area of a minimised window can be
// smaller than the icon, so the offsets can be negative).
CPoint IconicIconOrigin(const CRect& client, int iconWidth, int iconHeight);
