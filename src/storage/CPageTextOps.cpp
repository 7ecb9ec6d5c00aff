// The page's text operations: at a position, relative to a region, and in a rectangle, with their text
// given, formatted or taken from the text source, in device units or in inches.
#include "storage/CPage.h"

#include "framework/CDC.h"
#include "framework/CRect.h"
#include "storage/CPrintRegion.h"
#include "storage/CShadeContrast.h"

#include <algorithm>

// Declares lpszText, formatted from the variadic arguments of the calling operation.
#define PAGE_FORMAT_TEXT(lpszFormat)                                                                         \
    va_list args;                                                                                            \
    va_start(args, lpszFormat);                                                                              \
    const LPCSTR lpszText = FormatText(lpszFormat, args);                                                    \
    va_end(args)

LPCSTR CPage::FormatText(LPCSTR lpszFormat, va_list args)
{
    m_formatBuffer[0] = '\0';
    if (lpszFormat != nullptr &&
        __mingw_vsnprintf(m_formatBuffer, sizeof(m_formatBuffer), lpszFormat, args) < 0)
        m_formatBuffer[0] = '\0';
    return m_formatBuffer;
}

LPCSTR CPage::SourceText(void* pData) const
{
    LPCSTR lpszText = m_pfnTextSource(pData);
    return lpszText ? lpszText : "";
}

void CPage::SetText(LPCSTR lpszText, int nFlags, int nPointSize)
{
    m_state.text = lpszText ? lpszText : "";
    if (nPointSize > 0)
        m_state.pointSize = nPointSize;
    if (nFlags != PRINT_KEEP_FLAGS)
        m_state.textFlags = nFlags;
}

int CPage::ExtraLineSpacing() const
{
    if (m_lineSpacing <= 1.0)
        return 0;
    return static_cast<int>(InchToUnits(m_state.pointSize / 72.0, PAGE_VERTICAL) * (m_lineSpacing - 1.0));
}

int CPage::PutText(LPCSTR lpszText, int nColumn, int nFlags, int nPointSize)
{
    if (nColumn > RightLimit(0) || m_state.top > BottomLimit(0))
        return m_state.top;
    SetText(lpszText, nFlags, nPointSize);
    m_state.left = nColumn == -1 ? m_state.lastRight : nColumn;
    m_printer.RenderText(m_state, m_lineSpacing);
    m_textEndX = m_state.lastRight;
    return m_state.lastRect.bottom;
}

// ---- At a position -------------------------------------------------------------------------------

int CPage::TextAt(int nRow, int nColumn, int nFlags, int nPointSize, LPCSTR lpszText)
{
    m_state.top = nRow;
    const int nNext = PutText(lpszText, nColumn, nFlags, nPointSize);
    return nNext + ExtraLineSpacing();
}

double CPage::TextAtIn(double dRow, double dColumn, int nFlags, int nPointSize, LPCSTR lpszText)
{
    const int nNext = TextAt(InchToUnits(dRow, PAGE_VERTICAL), InchToUnits(dColumn, PAGE_HORIZONTAL), nFlags,
                             nPointSize, lpszText);
    return UnitsToInch(nNext, PAGE_VERTICAL);
}

int CPage::CallbackAt(int nRow, int nColumn, void* pData)
{
    return m_pfnTextSource ? TextAt(nRow, nColumn, PRINT_KEEP_FLAGS, 0, SourceText(pData)) : 0;
}

double CPage::CallbackAtIn(double dRow, double dColumn, void* pData)
{
    return m_pfnTextSource ? TextAtIn(dRow, dColumn, PRINT_KEEP_FLAGS, 0, SourceText(pData)) : 0.0;
}

int CPage::CallbackAtEx(int nRow, int nColumn, int nFlags, int nPointSize, void* pData)
{
    return m_pfnTextSource ? TextAt(nRow, nColumn, nFlags, nPointSize, SourceText(pData)) : 0;
}

double CPage::CallbackAtExIn(double dRow, double dColumn, int nFlags, int nPointSize, void* pData)
{
    return m_pfnTextSource ? TextAtIn(dRow, dColumn, nFlags, nPointSize, SourceText(pData)) : 0.0;
}

int CPage::FormatAt(int nRow, int nColumn, LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    return TextAt(nRow, nColumn, PRINT_KEEP_FLAGS, 0, lpszText);
}

double CPage::FormatAtIn(double dRow, double dColumn, LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    return TextAtIn(dRow, dColumn, PRINT_KEEP_FLAGS, 0, lpszText);
}

int CPage::FormatAtEx(int nRow, int nColumn, int nFlags, int nPointSize, LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    return TextAt(nRow, nColumn, nFlags, nPointSize, lpszText);
}

double CPage::FormatAtExIn(double dRow, double dColumn, int nFlags, int nPointSize, LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    return TextAtIn(dRow, dColumn, nFlags, nPointSize, lpszText);
}

int CPage::FormatFlow(int nRow, int* pColumn, int nFlags, int nPointSize, LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    const int nNext = TextAt(nRow, pColumn ? *pColumn : 0, nFlags, nPointSize, lpszText);
    if (pColumn != nullptr)
        *pColumn = static_cast<int>(GetTextEnd(FALSE, FALSE));
    return nNext;
}

double CPage::FormatFlowIn(double dRow, double* pColumn, int nFlags, int nPointSize, LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    const double dNext = TextAtIn(dRow, pColumn ? *pColumn : 0.0, nFlags, nPointSize, lpszText);
    if (pColumn != nullptr)
        *pColumn = GetTextEnd(TRUE, FALSE);
    return dNext;
}

// ---- Relative to a region ------------------------------------------------------------------------

int CPage::TextInRegion(CPrintRegion* pRegion, int nRow, int nColumn, int nFlags, int nPointSize,
                        LPCSTR lpszText)
{
    if (pRegion == nullptr)
        return 0;
    PushState();
    CShadeContrast contrast(m_state.pDC, pRegion->m_fillFlags);
    m_state.SetRect(nRow + pRegion->m_bodyTop, pRegion->m_bodyLeft, pRegion->m_bottom, pRegion->m_right);
    const int nNext = PutText(lpszText, nColumn + pRegion->m_bodyLeft, nFlags, nPointSize);
    const int nRelative = nNext - pRegion->m_bodyTop + ExtraLineSpacing();
    PopState();
    return nRelative;
}

double CPage::TextInRegionIn(CPrintRegion* pRegion, double dRow, double dColumn, int nFlags, int nPointSize,
                             LPCSTR lpszText)
{
    const int nNext = TextInRegion(pRegion, InchToUnits(dRow, PAGE_VERTICAL),
                                   InchToUnits(dColumn, PAGE_HORIZONTAL), nFlags, nPointSize, lpszText);
    return UnitsToInch(nNext, PAGE_VERTICAL);
}

int CPage::CallbackInRegion(CPrintRegion* pRegion, int nRow, int nColumn, int nFlags, int nPointSize,
                            void* pData)
{
    return m_pfnTextSource ? TextInRegion(pRegion, nRow, nColumn, nFlags, nPointSize, SourceText(pData)) : 0;
}

double CPage::CallbackInRegionIn(CPrintRegion* pRegion, double dRow, double dColumn, int nFlags,
                                 int nPointSize, void* pData)
{
    if (!m_pfnTextSource)
        return 0.0;
    return TextInRegionIn(pRegion, dRow, dColumn, nFlags, nPointSize, SourceText(pData));
}

int CPage::FormatInRegion(CPrintRegion* pRegion, int nRow, int nColumn, int nFlags, int nPointSize,
                          LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    return TextInRegion(pRegion, nRow, nColumn, nFlags, nPointSize, lpszText);
}

double CPage::FormatInRegionIn(CPrintRegion* pRegion, double dRow, double dColumn, int nFlags, int nPointSize,
                               LPCSTR lpszFormat, ...)
{
    PAGE_FORMAT_TEXT(lpszFormat);
    return TextInRegionIn(pRegion, dRow, dColumn, nFlags, nPointSize, lpszText);
}

// ---- In a rectangle ------------------------------------------------------------------------------

void CPage::PlaceInRegion(const CPrintRegion& region, int& nTop, int& nLeft, int& nBottom, int& nRight)
{
    nTop = std::min(nTop + region.m_bodyTop, region.m_bottom);
    nBottom = std::min(nBottom + region.m_bodyTop, region.m_bottom);
    nLeft = std::min(nLeft + region.m_bodyLeft, region.m_right);
    nRight = std::min(nRight + region.m_bodyLeft, region.m_right);
}

int CPage::RenderInRectangle(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                             LPCSTR lpszText)
{
    PushState();
    m_state.SetRect(nTop, nLeft, nBottom, nRight);
    SetText(lpszText, nFlags, nPointSize);
    m_printer.RenderText(m_state, m_lineSpacing);
    const int nEnd = m_state.lastRight;
    PopState();
    return nEnd;
}

int CPage::TextInRectangle(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                           LPCSTR lpszText)
{
    if (nLeft > RightLimit(0) || nTop > BottomLimit(0))
        return -1;
    return RenderInRectangle(nTop, nLeft, nBottom, nRight, nFlags, nPointSize, lpszText);
}

int CPage::TextInRegionRectangle(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight,
                                 int nFlags, int nPointSize, LPCSTR lpszText)
{
    if (pRegion == nullptr)
        return -1;
    PlaceInRegion(*pRegion, nTop, nLeft, nBottom, nRight);
    CShadeContrast contrast(m_state.pDC, pRegion->m_fillFlags);
    return RenderInRectangle(nTop, nLeft, nBottom, nRight, nFlags, nPointSize, lpszText);
}

void CPage::TextInRectIn(double dTop, double dLeft, double dBottom, double dRight, int nFlags, int nPointSize,
                         LPCSTR lpszText)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    const int nEnd =
        TextInRectangle(rect.top, rect.left, rect.bottom, rect.right, nFlags, nPointSize, lpszText);
    if (nEnd >= 0)
        m_textEndX = nEnd;
}

void CPage::TextInRegionRectIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                               double dRight, int nFlags, int nPointSize, LPCSTR lpszText)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    const int nEnd = TextInRegionRectangle(pRegion, rect.top, rect.left, rect.bottom, rect.right, nFlags,
                                           nPointSize, lpszText);
    if (nEnd >= 0)
        m_textEndX = nEnd;
}

void CPage::TextInRect(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                       LPCSTR lpszText)
{
    const int nEnd = TextInRectangle(nTop, nLeft, nBottom, nRight, nFlags, nPointSize, lpszText);
    if (nEnd >= 0)
        m_textEndX = nEnd;
}

void CPage::CallbackInRect(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                           void* pData)
{
    if (m_pfnTextSource)
        TextInRect(nTop, nLeft, nBottom, nRight, nFlags, nPointSize, SourceText(pData));
}

void CPage::CallbackInRectIn(double dTop, double dLeft, double dBottom, double dRight, int nFlags,
                             int nPointSize, void* pData)
{
    if (m_pfnTextSource)
        TextInRectIn(dTop, dLeft, dBottom, dRight, nFlags, nPointSize, SourceText(pData));
}

void CPage::TextInRegionRect(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight, int nFlags,
                             int nPointSize, LPCSTR lpszText)
{
    TextInRegionRectangle(pRegion, nTop, nLeft, nBottom, nRight, nFlags, nPointSize, lpszText);
}

void CPage::CallbackInRegionRect(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight,
                                 int nFlags, int nPointSize, void* pData)
{
    if (m_pfnTextSource)
        TextInRegionRectangle(pRegion, nTop, nLeft, nBottom, nRight, nFlags, nPointSize, SourceText(pData));
}

void CPage::CallbackInRegionRectIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                                   double dRight, int nFlags, int nPointSize, void* pData)
{
    if (m_pfnTextSource)
        TextInRegionRectIn(pRegion, dTop, dLeft, dBottom, dRight, nFlags, nPointSize, SourceText(pData));
}
