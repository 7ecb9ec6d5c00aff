#include "shell/CPaneRegistration.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "shell/ShellMessages.h"

void CPaneRegistration::PostOnce(CWnd* pPane, UINT nMessage, bool& bPending)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (!bPending || pMainWnd == nullptr || !pMainWnd->GetSafeHwnd())
        return;
    pMainWnd->PostMessage(nMessage, reinterpret_cast<WPARAM>(pPane), REGISTER_PANE_VALUE);
    bPending = false;
}
