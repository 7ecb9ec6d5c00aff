// What the operating-mode pages share: the frame's hot keys come first in their pre-translation, and a
// page hidden during a language change renews its texts when it is next shown.
#pragma once

#include "framework/CDialog.h"

class CModePage : public CDialog
{
    DECLARE_DYNAMIC(CModePage)

public:
    CModePage(UINT nIDTemplate, CWnd* pParent);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Renews the page's texts in the interface language; FALSE when a string is missing.
    virtual BOOL RefreshTexts() = 0;

    // Set by the main frame on a language change; the next showing renews the texts and clears it.
    int m_bRefreshOnShow = 0;

protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()
};
