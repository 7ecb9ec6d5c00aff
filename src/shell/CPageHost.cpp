#include "shell/CPageHost.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

CPageHost* CPageHost::FromMainWindow()
{
    return dynamic_cast<CPageHost*>(AfxGetMainWnd());
}

bool CPageHost::TranslatePageHotKeys(MSG* pMsg)
{
    CPageHost* pHost = FromMainWindow();
    return pHost != nullptr && pHost->TranslateHotKeys(pMsg);
}
