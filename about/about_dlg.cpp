#include "about_dlg.h"

#include "author.h"
#include "resource.h"

const wchar_t kAboutMailTarget[] = L"mailto:" TARVEX_AUTHOR_MAIL;
const wchar_t kAboutHomeTarget[] = L"" TARVEX_HOME_URL;

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Each label is attached first, so it fits to its own text, and only then
    // given its target.
    m_linkMail.SubclassDlgItem(IDC_MAIL_LINK, this);
    m_linkMail.SetLinkTarget(CString(kAboutMailTarget));
    m_linkHome.SubclassDlgItem(IDC_HOME_LINK, this);
    m_linkHome.SetLinkTarget(CString(kAboutHomeTarget));
    return TRUE;
}
