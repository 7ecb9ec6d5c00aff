// What the operating-mode pages share: their host, the main frame, which the view hands over before it
// creates the page; the frame's hot keys first in their pre-translation; and the texts of a page hidden
// during a language change renewed when it is next shown.
#pragma once

#include "framework/CDialog.h"

class CPageHost;

class CModePage : public CDialog
{
    DECLARE_DYNAMIC(CModePage)

public:
    CModePage(UINT nIDTemplate, CWnd* pParent);

    void SetPageHost(CPageHost* pHost) { m_pHost = pHost; }
    CPageHost* GetPageHost() const { return m_pHost; }
    // The host's LanguageOffset; English (1000) without a host.
    int GetLanguageOffset() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Renews the page's texts in the interface language; FALSE when a string is missing.
    virtual BOOL RefreshTexts() = 0;

    // Set by the main frame on a language change; the next showing renews the texts and clears it.
    int m_bRefreshOnShow = 0;

protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()

private:
    CPageHost* m_pHost = nullptr;
};
