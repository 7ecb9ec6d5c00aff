#include "shell/CDlgLMBk.h"

#include "framework/CDC.h"
#include "framework/CRect.h"
#include "resources/resource.h"
#include "shell/CPageHost.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNAMIC(CDlgLMBk, CModePage)

BEGIN_MESSAGE_MAP(CDlgLMBk, CModePage)
ON_WM_CTLCOLOR()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

namespace
{
const COLORREF START_PAGE_BACKGROUND = RGB(190, 210, 250);
}

CDlgLMBk::CDlgLMBk(CWnd* pParent) : CModePage(IDD_DLG_LMBK, pParent), m_brBackground(START_PAGE_BACKGROUND) {}

void CDlgLMBk::LayoutLogo(int x, int y, double dZoom)
{
    if (m_bFirstLayout && GetSafeHwnd() && m_wndLogo.CreateFromStatic(GetDlgItem(IDC_PICTURE_LOGO)))
    {
        m_wndLogo.SetBackgroundBrush(&m_brBackground);
        m_wndLogo.LoadBitmapResource(IDB_LOGO);
        m_wndLogo.SetFitMode(CBitmapViewWnd::FIT_NATURAL);
        m_bFirstLayout = false;
    }
    if (m_bFirstLayout)
        return;
    m_wndLogo.SetZoom(dZoom);
    m_wndLogo.SetOrigin(x, y);
}

HBRUSH CDlgLMBk::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CModePage::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC)
        return hBrush;
    pDC->SetBkColor(START_PAGE_BACKGROUND);
    pDC->SetBkMode(TRANSPARENT);
    if (pWnd != nullptr && pWnd->GetDlgCtrlID() == IDC_PICTURE_LOGO)
        pDC->SetTextColor(RGB(0, 0, 0));
    return m_brBackground;
}

// Lays the logo out for the view's current size.
void CDlgLMBk::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CPageHost* pHost = GetPageHost();
    CWnd* pView = pHost ? pHost->GetRegisteredWindow(REGISTER_KIND_VIEW) : nullptr;
    if (bShow && pView != nullptr && pView->GetSafeHwnd())
    {
        CRect rcView;
        pView->GetClientRect(rcView);
        pView->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcView.Width(), rcView.Height()));
    }
    CModePage::OnShowWindow(bShow, nStatus);
}
