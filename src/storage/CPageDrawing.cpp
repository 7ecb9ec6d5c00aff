// The page's lines, boxes and tick boxes, on the page or relative to a region, in device units or inches.
#include "storage/CPage.h"

#include "framework/CRect.h"
#include "storage/CPrintRegion.h"
#include "storage/CShadeContrast.h"

void CPage::DrawLine(int nTop, int nLeft, int nBottom, int nRight, int nWidth, int nLineFlags)
{
    PushState();
    m_state.SetRect(nTop, nLeft, nBottom, nRight);
    if (nLineFlags != PRINT_KEEP_FLAGS)
        m_state.lineFlags = nLineFlags;
    m_printer.RenderLine(m_state, nWidth);
    PopState();
}

void CPage::DrawLineIn(double dTop, double dLeft, double dBottom, double dRight, int nWidth, int nLineFlags)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    DrawLine(rect.top, rect.left, rect.bottom, rect.right, nWidth, nLineFlags);
}

void CPage::DrawLineInRegion(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight, int nWidth,
                             int nLineFlags)
{
    if (pRegion == nullptr)
        return;
    PlaceInRegion(*pRegion, nTop, nLeft, nBottom, nRight);
    DrawLine(nTop, nLeft, nBottom, nRight, nWidth, nLineFlags);
}

void CPage::DrawLineInRegionIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                               double dRight, int nWidth, int nLineFlags)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    DrawLineInRegion(pRegion, rect.top, rect.left, rect.bottom, rect.right, nWidth, nLineFlags);
}

void CPage::DrawRectangle(int nTop, int nLeft, int nBottom, int nRight, int nWidth, int nFillFlags,
                          int nLineFlags)
{
    PushState();
    m_state.SetRect(nTop, nLeft, nBottom, nRight);
    if (nFillFlags != PRINT_KEEP_FLAGS)
        m_state.fillFlags = nFillFlags;
    if (nLineFlags != PRINT_KEEP_FLAGS)
        m_state.lineFlags = nLineFlags;
    m_printer.RenderBox(m_state, nWidth);
    PopState();
}

void CPage::DrawRectangleIn(double dTop, double dLeft, double dBottom, double dRight, int nWidth,
                            int nFillFlags, int nLineFlags)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    DrawRectangle(rect.top, rect.left, rect.bottom, rect.right, nWidth, nFillFlags, nLineFlags);
}

void CPage::DrawRectangleInRegion(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight,
                                  int nWidth, int nFillFlags, int nLineFlags)
{
    if (pRegion == nullptr)
        return;
    PlaceInRegion(*pRegion, nTop, nLeft, nBottom, nRight);
    DrawRectangle(nTop, nLeft, nBottom, nRight, nWidth, nFillFlags, nLineFlags);
}

void CPage::DrawRectangleInRegionIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                                    double dRight, int nWidth, int nFillFlags, int nLineFlags)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    DrawRectangleInRegion(pRegion, rect.top, rect.left, rect.bottom, rect.right, nWidth, nFillFlags,
                          nLineFlags);
}

void CPage::DrawTickBox(LPCSTR lpszLabel, BOOL bChecked, int nRow, int nColumn, int nPointSize,
                        int bLabelFirst, int nWidth, int nFill, int nFlags)
{
    PushState();
    const double dBoxInches = (nPointSize > 0 ? nPointSize : m_state.pointSize) / 72.0;
    const int nBoxWidth = InchToUnits(dBoxInches, PAGE_HORIZONTAL);
    const int nBoxHeight = InchToUnits(dBoxInches, PAGE_VERTICAL);
    int nBoxLeft = nColumn;
    // The label is text, never a format.
    if (bLabelFirst == 1)
    {
        TextAt(nRow, nColumn, nFlags, nPointSize, lpszLabel);
        nBoxLeft = static_cast<int>(GetTextEnd(FALSE, TRUE));
    }
    else
        TextAt(nRow, nColumn + 2 * nBoxWidth, nFlags, nPointSize, lpszLabel);
    const int nBoxBottom = nRow + nBoxHeight;
    const int nBoxRight = nBoxLeft + nBoxWidth;
    DrawRectangle(nRow, nBoxLeft, nBoxBottom, nBoxRight, nWidth, 0, 0);
    if (bChecked && nFill != 0)
        DrawRectangle(nRow, nBoxLeft, nBoxBottom, nBoxRight, nWidth, nFill, 0);
    else if (bChecked)
    {
        DrawLine(nRow, nBoxLeft, nBoxBottom, nBoxRight, nWidth, 0);
        DrawLine(nBoxBottom, nBoxLeft, nRow, nBoxRight, nWidth, 0);
    }
    PopState();
}

void CPage::DrawTickBoxIn(LPCSTR lpszLabel, BOOL bChecked, double dRow, double dColumn, int nPointSize,
                          int bLabelFirst, int nWidth, int nFill, int nFlags)
{
    DrawTickBox(lpszLabel, bChecked, InchToUnits(dRow, PAGE_VERTICAL), InchToUnits(dColumn, PAGE_HORIZONTAL),
                nPointSize, bLabelFirst, nWidth, nFill, nFlags);
}

void CPage::DrawTickBoxInRegion(CPrintRegion* pRegion, LPCSTR lpszLabel, BOOL bChecked, int nRow, int nColumn,
                                int nPointSize, int bLabelFirst, int nWidth, int nFill, int nFlags)
{
    if (pRegion == nullptr)
        return;
    CShadeContrast contrast(m_state.pDC, pRegion->m_fillFlags);
    DrawTickBox(lpszLabel, bChecked, nRow + pRegion->m_bodyTop, nColumn + pRegion->m_bodyLeft, nPointSize,
                bLabelFirst, nWidth, nFill, nFlags);
}

void CPage::DrawTickBoxInRegionIn(CPrintRegion* pRegion, LPCSTR lpszLabel, BOOL bChecked, double dRow,
                                  double dColumn, int nPointSize, int bLabelFirst, int nWidth, int nFill,
                                  int nFlags)
{
    DrawTickBoxInRegion(pRegion, lpszLabel, bChecked, InchToUnits(dRow, PAGE_VERTICAL),
                        InchToUnits(dColumn, PAGE_HORIZONTAL), nPointSize, bLabelFirst, nWidth, nFill,
                        nFlags);
}
