#include "calculator_dlg.h"

#include "number_ddx.h"
#include "resource.h"

CCalculatorDlg::CCalculatorDlg(CWnd* parent)
    : CDialog(IDD_CALCULATOR_DIALOG, parent), m_hIcon(AfxGetApp()->LoadIcon(IDI_MAIN_ICON)) {}

void CCalculatorDlg::DoDataExchange(CDataExchange* dx) {
    DDX_TrimmedDouble(dx, IDC_SIZE1, m_calc.m_dSize1, 0.0);
    DDX_UIntText(dx, IDC_DPI, m_calc.m_nDpi);
    DDX_UIntText(dx, IDC_PIXELS, m_calc.m_nPixels);
    DDX_TrimmedDouble(dx, IDC_SIZE2, m_calc.m_dSize2, 0.0);
    DDX_Control(dx, IDC_SIZE2, m_editSize2);
    DDX_Control(dx, IDC_PIXELS, m_editPixels);
    DDX_Control(dx, IDC_DPI, m_editDpi);
    DDX_Control(dx, IDC_SIZE1, m_editSize1);
    DDX_CBIndex(dx, IDC_FORMAT, m_calc.m_nFormat);
    DDX_CBIndex(dx, IDC_SIDE, m_calc.m_nSide);
}

// clang-format off
BEGIN_MESSAGE_MAP(CCalculatorDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_FORMAT, &CCalculatorDlg::OnSelchangeFormat)
    ON_CBN_SELCHANGE(IDC_SIDE, &CCalculatorDlg::OnSelchangeSide)
    ON_BN_CLICKED(IDC_CALC_PIXELS, &CCalculatorDlg::OnCalcPixels)
    ON_BN_CLICKED(IDC_CALC_DPI, &CCalculatorDlg::OnCalcDpi)
END_MESSAGE_MAP()
// clang-format on

BOOL CCalculatorDlg::OnInitDialog() {
    // Fills both lists from the template's data and shows the initial values.
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // The fields were attached by the first data exchange above.
    m_editSize1.m_nMode = modeDecimal;
    m_editDpi.m_nMode = modeUnsigned;
    m_editPixels.m_nMode = modeUnsigned;
    m_editSize2.m_nMode = modeDecimal;

    m_aboutIcon.SubclassDlgItem(IDC_ABOUT_ICON, this);

    // Text and controls grow with the system DPI; the picture must too.
    m_imprintPicture.Attach(
        *this, CRect(IMPRINT_PICTURE_X, IMPRINT_PICTURE_Y, IMPRINT_PICTURE_X + IMPRINT_PICTURE_CX,
                     IMPRINT_PICTURE_Y + IMPRINT_PICTURE_CY));

    return TRUE;  // focus on the first tab stop, the size of row 1
}

void CCalculatorDlg::OnOK() {}

void CCalculatorDlg::OnCancel() {
    CDialog::OnCancel();
}

void CCalculatorDlg::ApplyPresetToFields() {
    UpdateData(TRUE);
    if (!ApplyPreset(m_calc)) return;  // placeholder chosen: leave the user's text alone
    UpdateData(FALSE);
}

void CCalculatorDlg::OnSelchangeFormat() {
    ApplyPresetToFields();
}

void CCalculatorDlg::OnSelchangeSide() {
    ApplyPresetToFields();
}

void CCalculatorDlg::OnCalcPixels() {
    UpdateData(TRUE);
    SetDlgItemInt(IDC_PIXELS_RESULT, static_cast<UINT>(CalcPixels(m_calc)), TRUE);
}

void CCalculatorDlg::OnCalcDpi() {
    UpdateData(TRUE);
    SetDlgItemInt(IDC_DPI_RESULT, static_cast<UINT>(CalcDpi(m_calc)), TRUE);
}

CPoint IconicIconOrigin(const CRect& client, int iconWidth, int iconHeight) {
    // C++ division truncates toward zero, as the centring rule wants.
    return CPoint((client.Width() - iconWidth + 1) / 2, (client.Height() - iconHeight + 1) / 2);
}

void CCalculatorDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    const CPoint origin =
        IconicIconOrigin(client, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    dc.DrawIcon(origin.x, origin.y, m_hIcon);
}

HCURSOR CCalculatorDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}
