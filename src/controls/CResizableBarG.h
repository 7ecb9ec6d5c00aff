// A resizable bar with a gripper strip and a small close button while it is docked.
#pragma once

#include "controls/CResizableBar.h"

class CResizableBarG : public CResizableBar
{
    DECLARE_DYNAMIC(CResizableBarG)

public:
    CResizableBarG() = default;

    // The close button: its state and its top-left corner relative to the bar window's.
    struct CloseButton
    {
        BOOL bPushed = FALSE; // the left button is down over it
        BOOL bRaised = FALSE; // the pointer is over it, button up
        CPoint ptOrigin;
    };
    static constexpr int CLOSE_BUTTON_SIZE = 11;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void PaintGripper(CDC* pDC, const CRect& rcClient) override;
    void CalcClientArea(CRect& rc, UINT nDockBarID) override;
    // A docked bar has a gripper; a floating one has none.
    virtual BOOL HasGripper() const;
    void PaintCloseButton(CDC* pDC);
    // The close button in window coordinates.
    CRect GetCloseButtonRect() const
    {
        return CRect(m_btnClose.ptOrigin, CSize(CLOSE_BUTTON_SIZE, CLOSE_BUTTON_SIZE));
    }

    int m_nGripperSize = 12;
    CloseButton m_btnClose;

protected:
    // The pointer's screen position and whether the left button is down (for the close button).
    virtual void GetPointerState(CPoint& ptScreen, BOOL& bButtonDown) const;

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg LRESULT OnNcLButtonUpMsg(WPARAM wParam, LPARAM lParam);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    DECLARE_MESSAGE_MAP()
};
