// The colour palette popup of a swatch button: an automatic cell, 40 named colours in 8 columns and a
// more-colours cell that opens the system's colour dialog. It is created with new, shows itself at once
// with the mouse captured, reports to its button and deletes itself when its window is destroyed.
#pragma once

#include "framework/CFont.h"
#include "framework/CPalette.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWnd.h"

struct ColourPaletteEntry
{
    COLORREF crColour;
    LPCSTR pszName;
};

class CPalettePopup : public CWnd
{
public:
    enum
    {
        CELL_NONE = -1,
        CELL_MORE_COLOURS = -2,
        CELL_AUTOMATIC = -3
    };

    // Opens at ptScreen (moved to stay on the screen) with crStart chosen; null or empty texts leave
    // out the automatic or more-colours cell. Without a window (failed creation) the object stays
    // for the caller to delete.
    CPalettePopup(CPoint ptScreen, COLORREF crStart, CWnd* pButton, LPCSTR pszAutomaticText = nullptr,
                  LPCSTR pszMoreColorsText = nullptr);

    // Cell index of a row and column; -2 or -3 in either stand for the text cells.
    int CellIndex(int iRow, int iColumn) const;
    int CellRow(int iCell) const;
    int CellColumn(int iCell) const;
    // The cell's rectangle in client coordinates; false for a cell that does not exist.
    BOOL CellRect(int iCell, CRect& rect) const;
    static COLORREF PaletteColor(int n);
    static LPCSTR PaletteName(int n);

    int GetHighlightedCell() const { return m_iHighlightCell; }
    int GetChosenCell() const { return m_iChosenCell; }
    COLORREF GetCurrentColor() const { return m_crCurrent; }
    CToolTipCtrl& GetCellTips() { return m_tips; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnActivateApp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryNewPalette(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaletteChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool IsTextCell(int iCell) const;
    bool IsColourCell(int iCell) const;
    void InitPalette();
    BOOL Create(CPoint ptScreen, LPCSTR pszAutomaticText, LPCSTR pszMoreColorsText);
    void LayoutCells();
    void KeepOnScreen();
    void AddCellTips();
    void MarkStartCell();
    void PaintCell(CDC* pDC, int iCell);
    void PaintColourCell(CDC* pDC, int iCell, CRect rect, COLORREF crBack, UINT nEdge);
    void PaintTextCell(CDC* pDC, const CString& strText, CRect rect, COLORREF crBack, UINT nEdge,
                       BOOL bOutline);
    void HighlightCell(int iCell);
    // The cell an arrow key leads to from the highlighted one.
    int ArrowTarget(UINT nChar) const;
    int FallbackCell() const;
    int LastColourCell() const { return m_iColourCount - 1; }
    void FinishPick(BOOL bAccept);
    void SendToButton(UINT nMessage, COLORREF crColour);

    int m_iColourCount = 0;
    int m_iColumns = 0;
    int m_iRows = 0;
    int m_iCellSize = 0;
    int m_iMargin = 0;
    int m_iHighlightCell = CELL_NONE;
    int m_iChosenCell = CELL_NONE;
    CString m_strAutomaticText;
    CString m_strMoreColorsText;
    CRect m_rectMoreColors;
    CRect m_rectAutomatic;
    CRect m_rectWindow;
    CFont m_font;
    CPalette m_palette;
    COLORREF m_crStart = 0;
    COLORREF m_crCurrent = 0;
    CToolTipCtrl m_tips;
    CWnd* m_pButton = nullptr;
    BOOL m_bPickEnded = FALSE; // accepted or cancelled (the colour dialog may still be open)
    BOOL m_bDeleteWithWindow = FALSE;
};
