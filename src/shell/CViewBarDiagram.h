// The docking bar of the diagram pane. Dragging and double-click docking with the mouse work only
// while the frame allows them (m_bMouseDockingAllowed).
#pragma once

#include "shell/CViewBar.h"

class CViewBarDiagram : public CViewBar
{
    DECLARE_DYNAMIC(CViewBarDiagram)

public:
    CViewBarDiagram();

    BYTE m_bMouseDockingAllowed = 0;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
