#include "shell/CModePage.h"

#include "protocol/Language.h"
#include "shell/CPageHost.h"

IMPLEMENT_DYNAMIC(CModePage, CDialog)

BEGIN_MESSAGE_MAP(CModePage, CDialog)
ON_WM_SHOWWINDOW()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CModePage::CModePage(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

int CModePage::GetLanguageOffset() const
{
    return m_pHost ? m_pHost->GetLanguageOffset() : LANGUAGE_ENGLISH;
}

void CModePage::OnRegistered()
{
    if (m_pHost == nullptr || m_bRolesAttached)
        return;
    AttachRoles(m_pHost->GetComPort(), true);
    m_bRolesAttached = true;
}

void CModePage::AttachRoles(CComPort&, bool) {}

BOOL CModePage::PreTranslateMessage(MSG* pMsg)
{
    if (m_pHost != nullptr && m_pHost->TranslateHotKeys(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

bool CModePage::FillView(CSize& sizeView)
{
    CWnd* pView = GetParent();
    if (!GetSafeHwnd() || pView == nullptr)
        return false;
    CRect rcView;
    pView->GetClientRect(rcView);
    CRect rcPage;
    GetWindowRect(rcPage);
    pView->ScreenToClient(rcPage);
    if (rcPage != CRect(0, 0, rcView.Width(), rcView.Height()))
        SetWindowPos(nullptr, 0, 0, rcView.Width(), rcView.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    sizeView = CSize(rcView.Width(), rcView.Height());
    return true;
}

CRect CModePage::GetControlRect(int nId) const
{
    CRect rc;
    if (CWnd* pControl = GetDlgItem(nId))
    {
        pControl->GetWindowRect(rc);
        ScreenToClient(rc);
    }
    return rc;
}

void CModePage::PlaceControl(int nId, const CRect& rcWanted)
{
    CWnd* pControl = GetDlgItem(nId);
    if (pControl != nullptr && GetControlRect(nId) != rcWanted)
        pControl->SetWindowPos(nullptr, rcWanted.left, rcWanted.top, rcWanted.Width(), rcWanted.Height(),
                               SWP_NOACTIVATE | SWP_NOZORDER);
}

void CModePage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (!bShow || !m_bRefreshOnShow || m_pHost == nullptr || m_pHost->IsInitPending())
        return;
    RefreshTexts();
    m_bRefreshOnShow = 0;
}

void CModePage::OnDestroy()
{
    if (m_bRolesAttached)
    {
        AttachRoles(m_pHost->GetComPort(), false);
        m_bRolesAttached = false;
    }
    CDialog::OnDestroy();
}
