#include "shell/CPageText.h"

#include "framework/CString.h"
#include "framework/CWnd.h"
#include "protocol/Language.h"
#include "shell/CPageHost.h"

namespace
{
constexpr int DEFAULT_LANGUAGE_OFFSET = LANGUAGE_ENGLISH;
}

BOOL CPageText::SetItemText(CWnd* pPage, int nCtrlId, UINT nStringId, int iLanguageOffset)
{
    CWnd* pCtrl = pPage && pPage->GetSafeHwnd() ? pPage->GetDlgItem(nCtrlId) : nullptr;
    CString strText;
    if (pCtrl == nullptr || !strText.LoadString(nStringId + iLanguageOffset))
        return FALSE;
    pCtrl->SetWindowText(strText);
    return TRUE;
}

int CPageText::GetLanguageOffset()
{
    CPageHost* pHost = CPageHost::FromMainWindow();
    return pHost ? pHost->GetLanguageOffset() : DEFAULT_LANGUAGE_OFFSET;
}
