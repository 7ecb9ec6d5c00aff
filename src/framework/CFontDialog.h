// The system's font dialog.
#pragma once

#include "framework/CDialog.h"

#include <commdlg.h>

#include <functional>

class CFontDialog;

// Test seam: while set, DoModal calls the hook instead of showing the dialog; the hook fills m_lf
// (and m_cf.rgbColors) as the dialog would and returns IDOK or IDCANCEL.
typedef std::function<INT_PTR(CFontDialog& dlg)> AFX_FONTDIALOG_HOOK;

class CFontDialog : public CDialog
{
    DECLARE_DYNAMIC(CFontDialog)

public:
    // lplfInitial: the font preselected (none when null); hdcPrinter: list the printer's fonts
    // (with CF_PRINTERFONTS or CF_BOTH).
    explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         HDC hdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    INT_PTR DoModal() override;
    void GetCurrentFont(LPLOGFONTA lplf) const { *lplf = m_lf; }
    // The text colour chosen with the effects (CF_EFFECTS).
    COLORREF GetColor() const { return m_cf.rgbColors; }

    static AFX_FONTDIALOG_HOOK SetModalHook(AFX_FONTDIALOG_HOOK hook);

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;
};
