// The in-place edit field of a cell of the cell list. Enter and a loss of the focus keep the edit,
// Escape drops it; the field tells its list once, by a registered message, and the list closes it.
#pragma once

#include "framework/CEdit.h"

class CCellEdit : public CEdit
{
    DECLARE_DYNAMIC(CCellEdit)

public:
    // pList null: the parent window is the list.
    CCellEdit(CWnd* pList, const CString& strInitialText);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // From now on the field tells the list nothing (it is being closed).
    void DetachList() { m_pList = nullptr; }

protected:
    // Sends the message to the list unless one was sent before; nothing may touch the field afterwards,
    // since the list may have deleted it.
    void NotifyList(UINT nMessage);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CWnd* m_pList;
    CString m_strInitialText;
    BOOL m_bSent = FALSE;
};
