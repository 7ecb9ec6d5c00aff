#include "measurement/CPanelHost.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

CPanelHost* CPanelHost::FromMainWindow()
{
    return dynamic_cast<CPanelHost*>(AfxGetMainWnd());
}
