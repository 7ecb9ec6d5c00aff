// The in-place combo box of a cell of the cell list: a popup self-drawn combo laid over the cell. Escape
// drops the choice, Enter, a pick and a loss of the focus take it; the combo tells its list by a
// registered message, and the list closes it from a timer of its own.
#pragma once

#include "controls/CDrawnComboBox.h"

class CCellCombo : public CDrawnComboBox
{
    DECLARE_DYNAMIC(CCellCombo)

public:
    // The list is also the notification window of the box.
    explicit CCellCombo(CWnd* pList);

    void OnEscapeKey() override;
    void OnReturnKey() override;
    // From now on the combo tells the list nothing (it is being closed).
    void DetachList() { m_pList = nullptr; }

protected:
    void NotifyList(UINT nMessage);
    // Whether the window is the combo's own drop-down window or a part of it.
    bool IsOwnDropDown(CWnd* pWnd) const;

    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pList;
    bool m_bLosingFocus = false; // the base's Escape hook runs inside the focus loss
};
