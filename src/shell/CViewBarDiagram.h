// The docking bar of the diagram pane. Dragging and double-click docking with the mouse work only
// while the frame allows them (m_bMouseDockingAllowed).
#pragma once

#include "shell/CViewBar.h"

class CViewBarDiagram : public CViewBar
{
    DECLARE_DYNAMIC(CViewBarDiagram)

public:
    CViewBarDiagram();

    // Kind SIZE_FLOAT_AT (9) sets the floating size and moves the floating frame to *pPoint when given;
    // the other kinds are those of CViewBar.
    static constexpr int SIZE_FLOAT_AT = 9;
    void SetBarSize(int cx, int cy, int iKind, const CPoint* pPoint = nullptr);
    // Floats at the rectangle's top left corner with its size (screen coordinates).
    void SetFloatRect(const CRect& rect);
    // The dock bar the bar sits in: AFX_IDW_DOCKBAR_TOP, _LEFT, _RIGHT, _BOTTOM or _FLOAT (0: none).
    UINT GetDockBarId() const;
    CSize GetFloatSize() const { return m_szFloat; }

    BYTE m_bMouseDockingAllowed = 0;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
