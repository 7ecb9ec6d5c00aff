// State of one print job of a view: the printer's context comes from the print dialog, pages run from
// m_nCurPage up to the maximum page.
#pragma once

#include "framework/CRect.h"

#include <memory>

class CPrintDialog;

class CPrintInfo
{
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    std::unique_ptr<CPrintDialog> m_pPD; // the dialog that chose the printer
    BOOL m_bDirect = FALSE;              // print without asking
    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    CRect m_rectDraw; // the page's printable area, set before each OnPrint

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 1;
};
