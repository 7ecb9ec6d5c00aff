// The scroll bar of a combo box's drop-down window, kept in step with its list box.
#pragma once

#include "framework/CScrollBar.h"

class CDropListBox;

class CDropScrollBar : public CScrollBar
{
    DECLARE_DYNAMIC(CDropScrollBar)

public:
    CDropScrollBar() = default;

    // Links the list box and sets the range 0 to the rows minus 1, a page of the visible rows, position 0.
    void SetListBox(CDropListBox* pListBox);

protected:
    // The pointer at point (client coordinates) has left the bar: the capture goes back to the window.
    void ReturnCaptureOutside(CPoint point);

    afx_msg void VScroll(UINT nSBCode, UINT nPos);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnTakeCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropCapture(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CDropListBox* m_pListBox = nullptr;
};
