#pragma once
// CDialog: a dialog from a template resource, run modally by our own loop.
#include <windows.h>

#include "wnd.h"

class CDialog : public CWnd {
   public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the dialog from its template, owned by the given parent or
    // else the application's main window, disables the owner and runs the
    // modal loop until EndDialog. Afterwards the owner is enabled and active
    // again and the window is gone. Returns the end code, or -1 when the
    // template is missing or the window cannot be created.
    virtual int DoModal();
    // Ends the modal run with `result` (from any handler of the run).
    void EndDialog(int result);

    // Fills lists from the template's initial data, then UpdateData(FALSE).
    // TRUE lets the system focus the first tab stop.
    virtual BOOL OnInitDialog();
    // IDOK: UpdateData(TRUE), then EndDialog(IDOK).
    virtual void OnOK();
    // IDCANCEL: EndDialog(IDCANCEL).
    virtual void OnCancel();

    // Dialog units to pixels, by this dialog's font.
    void MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }

    UINT GetTemplateId() const { return m_nIDTemplate; }
    // 0x20000 + template id: the dialog's help topic.
    DWORD GetHelpContextId() const override;

   protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

   private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void AttachDialogWindow(HWND hWnd);
    LRESULT HandleInitDialog();
    void AddInitialData();
    void CenterOverOwner();
    int RunModalLoop();
    BOOL PreTranslateInRun(MSG* msg);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    HWND m_hWndOwner = nullptr;
    int m_nModalResult = -1;
    bool m_bEndModal = false;
    bool m_bInitDone = false;
};
