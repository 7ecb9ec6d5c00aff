// Header of the cell list that paints itself: face, items in display order, dividers and a 3-D frame,
// and per item a check box (or an image), a bitmap and the text. An item's image index is the state of
// its column-wide check box: 0 none, 1 clear, 2 ticked (with an image list set: the image to show).
#pragma once

#include "framework/CHeaderCtrl.h"

class CCellHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNCREATE(CCellHeaderCtrl)

public:
    // Which edge of the rectangle an image or bitmap is placed at.
    enum Side
    {
        SIDE_LEFT,
        SIDE_RIGHT
    };
    static constexpr int CHECK_BOX_SIZE = 13;
    static constexpr COLORREF CHECK_TICK_COLOUR = RGB(0x33, 0x99, 0x33); // tick of an enabled check box

    CCellHeaderCtrl();
    ~CCellHeaderCtrl() override;

    // Paints one item that is not owner-drawn into the rectangle (already narrowed by the spacing).
    virtual void PaintItem(CDC* pDC, int iLeft, int iTop, int iRight, int iBottom, const HDITEMA& item);
    // The whole header on pDC.
    void PaintHeader(CDC* pDC);
    int GetSpacing() const { return m_iSpacing; }
    CSize GetImageSize() const { return m_sizeImage; }

    // The tick of a check box whose box starts at (x, y), in a one-pixel pen of the colour.
    static void PaintTick(CDC* pDC, int x, int y, COLORREF crTick);
    // A check box of the given size: window colour inside, a one-pixel frame, the tick when ticked.
    static void PaintCheckBox(CDC* pDC, const CRect& rcBox, bool bTicked, COLORREF crTick);

    int m_iTextAlign = -1;       // DrawText alignment of all texts; -1 from each item's format
    COLORREF m_crText;           // colour of the item texts
    BOOL m_bDividerLines = TRUE; // a divider after every item but the last
    BOOL m_bDoubleBuffered = TRUE;
    BOOL m_bStaticBorder = FALSE; // the layout grows by two border widths
    int m_iSpacing = 6;           // item edge to content, and between check box, bitmap and text

protected:
    // Return the width they used (0: nothing drawn).
    int PaintItemCheck(CDC* pDC, const CRect& rc, const HDITEMA& item, Side side);
    int PaintItemBitmap(CDC* pDC, const CRect& rc, HBITMAP hBitmap, const BITMAP& bm, Side side);
    int PaintItemText(CDC* pDC, const CRect& rc, const HDITEMA& item);
    void ReadSystemColours();

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CSize m_sizeImage{0, 0}; // image 0 of the header's image list
    COLORREF m_cr3DHighlight;
    COLORREF m_cr3DShadow;
    COLORREF m_crFace;
    COLORREF m_crBtnText;
};
