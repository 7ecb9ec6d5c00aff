#include "shell/CModePage.h"

#include "shell/CPageHost.h"

IMPLEMENT_DYNAMIC(CModePage, CDialog)

BEGIN_MESSAGE_MAP(CModePage, CDialog)
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CModePage::CModePage(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

BOOL CModePage::PreTranslateMessage(MSG* pMsg)
{
    if (CPageHost::TranslatePageHotKeys(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CModePage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    CPageHost* pHost = CPageHost::FromMainWindow();
    if (!bShow || !m_bRefreshOnShow || pHost == nullptr || pHost->IsInitPending())
        return;
    RefreshTexts();
    m_bRefreshOnShow = 0;
}
