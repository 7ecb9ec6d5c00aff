// What the operating-mode pages share: their host, the main frame, which the view hands over before it
// creates the page; the frame's hot keys first in their pre-translation; the texts of a page hidden
// during a language change renewed when it is next shown; and the roles a page plays for the sensor
// engine, taken up when the frame registers the page and given up when the page is destroyed.
#pragma once

#include "framework/CDialog.h"
#include "framework/CRect.h"

class CComPort;
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
    // The frame has entered the page in its window table: the page attaches itself to the sensor engine
    // in the roles it plays (once; without a host there is no engine).
    void OnRegistered();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Renews the page's texts in the interface language; FALSE when a string is missing.
    virtual BOOL RefreshTexts() = 0;

    // Set by the main frame on a language change; the next showing renews the texts and clears it.
    int m_bRefreshOnShow = 0;

protected:
    // Lays the page over its parent's (the view's) client area at (0, 0) and gives that area's size;
    // false without a window or a parent.
    bool FillView(CSize& sizeView);
    // Control nId's rectangle in the page's client coordinates; empty without the control.
    CRect GetControlRect(int nId) const;
    // Moves control nId to rcWanted (page client coordinates) where it lies elsewhere.
    void PlaceControl(int nId, const CRect& rcWanted);

    // Attaches the page to the engine in each role it plays (bAttach), or restores the engine's
    // do-nothing objects for them; a page that plays no role keeps the default.
    virtual void AttachRoles(CComPort& engine, bool bAttach);

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CPageHost* m_pHost = nullptr;
    bool m_bRolesAttached = false;
};
