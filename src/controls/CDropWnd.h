// The drop-down window of a self-drawn combo box: a topmost tool window (a child of the desktop, so it
// never takes the focus from the box) below or above the box, holding the rows, a scroll bar of its own
// and a size grip. It and its two children hand the mouse capture among themselves as the pointer moves.
#pragma once

#include "controls/DrawnComboTypes.h"
#include "framework/CWnd.h"

#include <memory>
#include <vector>

class CDrawnComboBox;
class CDropListBox;
class CDropScrollBar;

class CDropWnd : public CWnd
{
    DECLARE_DYNAMIC(CDropWnd)

public:
    // items: the rows to show (copied); dwOptions: the box's option bits.
    CDropWnd(CDrawnComboBox* pCombo, const std::vector<ComboItem>& items, DWORD dwOptions);
    ~CDropWnd() override;

    // Releases the capture, destroys the list box, then the window.
    BOOL DestroyWindow() override;

    CDropListBox* GetListBox() const { return m_pListBox.get(); }
    CDropScrollBar* GetScrollBar() const { return m_pScrollBar.get(); }
    // Item of the window's own list, or null for a row outside it.
    const ComboItem* GetItem(int nRow) const;
    int GetMaxWidth() const { return m_iMaxWidth; }
    int GetMaxHeight() const { return m_iMaxHeight; }

    // What decides where the list goes and how large it is.
    struct PlacementInput
    {
        CRect rcStart; // box's left and right, zero height at its bottom (kept above the work area's end)
        int nBoxHeight = 0;
        int nItemHeight = 0;
        int nItems = 0;
        int nMaxRows = -1;     // -1: no limit
        int nMinRowsBelow = 5; // fewer rows fitting below open the list upward
        int nWidestText = 0;   // widest measured item text
        CSize sizeScreen;
        int cxVScroll = 0;
        int cyVScroll = 0;
    };
    // The window's rectangle on the screen.
    static CRect CalcPlacement(const PlacementInput& in);

protected:
    void LayOut(int cx, int cy);
    void Paint(CDC* pDC);
    bool IsOnGrip(CPoint point) const { return m_rectGrip.PtInRect(point) != FALSE; }
    // Hands the capture on by where the pointer is.
    void TrackPointer(CPoint point);
    void Resize(CPoint point);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnActivateApp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTakeCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropCapture(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_iMaxWidth = 1000;  // initial width + 100 once placed
    int m_iMaxHeight = 1000; // initial height + 100 once placed
    std::unique_ptr<CDropListBox> m_pListBox;
    CRect m_rectList; // client area left of the scroll bar
    std::unique_ptr<CDropScrollBar> m_pScrollBar;
    CRect m_rectScroll; // right-hand strip above the grip
    CRect m_rectGrip;   // bottom-right corner
    CDrawnComboBox* m_pCombo;
    std::vector<ComboItem> m_items;
    bool m_bResizing = false;
    CSize m_sizeDragOffset; // client width and height minus where the drag began
    DWORD m_dwOptions;
};
