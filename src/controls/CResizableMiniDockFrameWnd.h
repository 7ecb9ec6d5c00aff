// The floating frame of the resizable bars: its border sizes the frame directly, the hosted bar takes
// the frame's size as its floating size, and the frame cannot be made smaller than that bar's minimum.
#pragma once

#include "framework/CMiniDockFrameWnd.h"

class CResizableBar;

class CResizableMiniDockFrameWnd : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CResizableMiniDockFrameWnd)

public:
    CResizableMiniDockFrameWnd() = default;

    BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;
    // The hosted bar: the first child of the frame's first child when it is a CResizableBar.
    CResizableBar* FindHostedBar() const;

protected:
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()
};
