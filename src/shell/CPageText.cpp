#include "shell/CPageText.h"

#include "framework/CString.h"
#include "framework/CWnd.h"

BOOL CPageText::SetItemText(CWnd* pPage, int nCtrlId, UINT nStringId, int iLanguageOffset)
{
    CWnd* pCtrl = pPage && pPage->GetSafeHwnd() ? pPage->GetDlgItem(nCtrlId) : nullptr;
    CString strText;
    if (pCtrl == nullptr || !strText.LoadString(nStringId + iLanguageOffset))
        return FALSE;
    pCtrl->SetWindowText(strText);
    return TRUE;
}
