#include "shell/CPageHost.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

CPageHost* CPageHost::FromMainWindow()
{
    return dynamic_cast<CPageHost*>(AfxGetMainWnd());
}
