// The system's colour dialog.
#pragma once

#include "framework/CDialog.h"

#include <commdlg.h>

#include <functional>

class CColorDialog;

// Test seam: while set, DoModal calls the hook instead of showing the dialog; the hook fills m_cc
// (rgbResult) as the dialog would and returns IDOK or IDCANCEL.
typedef std::function<INT_PTR(CColorDialog& dlg)> AFX_COLORDIALOG_HOOK;

class CColorDialog : public CDialog
{
    DECLARE_DYNAMIC(CColorDialog)

public:
    // The dialog starts with clrInit selected.
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }

    static AFX_COLORDIALOG_HOOK SetModalHook(AFX_COLORDIALOG_HOOK hook);

    CHOOSECOLORA m_cc;
};
