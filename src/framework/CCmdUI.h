// Update request for one user-interface item (menu item, status pane, control) of a command id.
#pragma once

#include "framework/AfxWin32.h"

class CCmdTarget;
class CWnd;

class CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);

    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's routing to update this item; disables it when nobody handles the id.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0; // menu position or pane index
    UINT m_nIndexMax = 0;
    HMENU m_hMenu = nullptr;  // set for menu items
    CWnd* m_pOther = nullptr; // set for panes and controls
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};
