// The system's print (or print setup) dialog.
#pragma once

#include "framework/CDialog.h"

#include <commdlg.h>

#include <functional>

class CPrintDialog;

// Test seam: while set, DoModal calls the hook instead of showing the dialog; the hook fills m_pd
// (hDC, hDevMode, hDevNames) as the dialog would and returns IDOK or IDCANCEL.
typedef std::function<INT_PTR(CPrintDialog& dlg)> AFX_PRINTDIALOG_HOOK;

class CPrintDialog : public CDialog
{
    DECLARE_DYNAMIC(CPrintDialog)

public:
    // A print dialog returns the chosen printer's device context; bPrintSetupOnly shows the setup
    // dialog instead, which returns none.
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    INT_PTR DoModal() override;
    // The printer's device context; the caller owns it (and deletes it with DeleteDC).
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // The chosen printer settings (null before a choice); valid while the dialog object lives.
    LPDEVMODEA GetDevMode() const;

    static AFX_PRINTDIALOG_HOOK SetModalHook(AFX_PRINTDIALOG_HOOK hook);

    PRINTDLGA m_pd;

private:
    void FreeSettings();
};
