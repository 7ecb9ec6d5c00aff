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
