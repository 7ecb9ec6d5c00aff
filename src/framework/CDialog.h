// Dialog boxes from dialog templates: modeless Create, modal DoModal with the framework's own message
// loop, initialisation through data exchange, OK/Cancel and keyboard navigation.
#pragma once

#include "framework/CWnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // Modeless: creates the window from the template; a null parent makes an unowned window.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    // Modal: creates the window owned by the top-level window of the parent (or of the main window),
    // disables that owner and runs the loop until EndDialog. Returns EndDialog's result, or -1 when
    // the window could not be created or the loop was ended by WM_QUIT (which is posted again).
    virtual INT_PTR DoModal();
    // Modal: ends the loop with nResult. Modeless: only hides the window.
    void EndDialog(int nResult);

    // Loads the controls from the members (UpdateData(FALSE)); TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Takes the controls' values (UpdateData(TRUE)) and ends with IDOK; stays open when that fails.
    virtual void OnOK();
    virtual void OnCancel();
    // Dialog keyboard navigation (IsDialogMessage) for key messages to the dialog and its controls.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void MapDialogRect(LPRECT lpRect) const;

    // Creates a window from a dialog template of AfxGetResourceHandle() (a child or popup of
    // pParentWnd as the template's style says) and attaches it to pWnd before WM_NCCREATE, so pWnd's
    // map sees WM_CREATE and WM_INITDIALOG; pWnd->DefWindowProc then reaches the system's dialog
    // procedure. FALSE when pWnd already has a window, the template is missing or creation failed.
    static BOOL CreateDlgWindow(CWnd* pWnd, LPCSTR lpszTemplateName, CWnd* pParentWnd);

    LPCSTR m_lpszTemplateName = nullptr;
    CWnd* m_pParentWnd = nullptr;

protected:
    // Control notifications sent while UpdateData fills the controls are dropped.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The window that owns a modal dialog or a common dialog of this object.
    HWND GetModalOwner() const;

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void RunModalLoop();
    BOOL ContinueModal() const { return m_bContinueModal && m_hWnd != nullptr; }
    BOOL OnModalIdle(LONG lCount);
    void EndModal(HWND hWndOwner, BOOL bEnableOwner);

    BOOL m_bModal = FALSE;
    BOOL m_bContinueModal = FALSE;
    INT_PTR m_nModalResult = -1;
};
