#pragma once
// The about box: name, version, author, and two live links.
#include "framework.h"
#include "link_label.h"

class CAboutDlg : public CDialog {
   public:
    CAboutDlg();

    CLinkLabel m_linkMail;
    CLinkLabel m_linkHome;

   protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};

// The link targets: "mailto:" and exactly the address the box shows, and the
// homepage whose title it shows.
extern const wchar_t kAboutMailTarget[];
extern const wchar_t kAboutHomeTarget[];
