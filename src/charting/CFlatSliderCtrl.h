// A trackbar whose thumb jumps to where the mouse button goes down and follows the mouse while it is
// held, reporting by posted WM_HSCROLL: TB_THUMBTRACK while it follows, TB_THUMBPOSITION once at the
// release of a drag that moved it.
#pragma once

#include "framework/CSliderCtrl.h"

class CFlatSliderCtrl : public CSliderCtrl
{
    DECLARE_DYNAMIC(CFlatSliderCtrl)

public:
    CFlatSliderCtrl() = default;
    ~CFlatSliderCtrl() override = default;

    // The receiver of the notifications; null: the parent window.
    void SetNotifyWindow(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    // The position under the point along the channel; true when the thumb moved.
    bool SetThumb(const CPoint& point);

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    bool m_bDragging = false;
    bool m_bDragChanged = false;
    CWnd* m_pNotifyWnd = nullptr;

private:
    void PostNotification(UINT nCode);
    // Moves the thumb under the point; a move is noted and reported as TB_THUMBTRACK.
    void FollowMouse(const CPoint& point);
};
