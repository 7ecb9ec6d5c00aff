#include "framework/CRectTracker.h"

#include "framework/CDC.h"

namespace
{
constexpr COLORREF kBlack = RGB(0, 0, 0);
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    if ((m_nStyle & resizeOutside) != 0)
        rect.InflateRect(m_nHandleSize, m_nHandleSize);
    *lpTrueRect = rect;
}

CRect CRectTracker::GetHandleRect(int nHandle) const
{
    if ((m_nStyle & (resizeInside | resizeOutside)) == 0 || nHandle < 0 || nHandle > 7)
        return CRect();
    CRect rect = m_rect;
    rect.NormalizeRect();
    const int s = m_nHandleSize;
    // Outside handles sit just beyond the edges, inside handles just within them.
    const bool bOutside = (m_nStyle & resizeOutside) != 0;
    const int xl = bOutside ? rect.left - s : rect.left;
    const int xr = bOutside ? rect.right : rect.right - s;
    const int yt = bOutside ? rect.top - s : rect.top;
    const int yb = bOutside ? rect.bottom : rect.bottom - s;
    const int xm = (rect.left + rect.right - s) / 2;
    const int ym = (rect.top + rect.bottom - s) / 2;
    static constexpr int kX[8] = {0, 2, 2, 0, 1, 2, 1, 0};
    static constexpr int kY[8] = {0, 0, 2, 2, 0, 1, 2, 1};
    const int x[3] = {xl, xm, xr};
    const int y[3] = {yt, ym, yb};
    return CRect(x[kX[nHandle]], y[kY[nHandle]], x[kX[nHandle]] + s, y[kY[nHandle]] + s);
}

void CRectTracker::DrawHatchedBorder(CDC* pDC, const CRect& rect) const
{
    CRect outer;
    GetTrueRect(&outer);
    if (outer == rect)
        outer.InflateRect(m_nHandleSize, m_nHandleSize);
    HBRUSH hHatch = ::CreateHatchBrush(HS_BDIAGONAL, kBlack);
    const HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, hHatch);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->PatBlt(outer.left, outer.top, outer.Width(), rect.top - outer.top, PATCOPY);
    pDC->PatBlt(outer.left, rect.bottom, outer.Width(), outer.bottom - rect.bottom, PATCOPY);
    pDC->PatBlt(outer.left, rect.top, rect.left - outer.left, rect.Height(), PATCOPY);
    pDC->PatBlt(rect.right, rect.top, outer.right - rect.right, rect.Height(), PATCOPY);
    pDC->SetBkMode(nOldMode);
    ::SelectObject(pDC->m_hDC, hOld);
    ::DeleteObject(hHatch);
}

void CRectTracker::Draw(CDC* pDC) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    const int nSaved = pDC->SaveDC();
    if ((m_nStyle & (solidLine | dottedLine)) != 0)
    {
        HPEN hPen = ::CreatePen((m_nStyle & dottedLine) != 0 ? PS_DOT : PS_SOLID, 1, kBlack);
        ::SelectObject(pDC->m_hDC, hPen);
        ::SelectObject(pDC->m_hDC, ::GetStockObject(NULL_BRUSH));
        pDC->SetBkMode(TRANSPARENT);
        pDC->Rectangle(rect.left, rect.top, rect.right, rect.bottom);
        ::SelectObject(pDC->m_hDC, ::GetStockObject(BLACK_PEN));
        ::DeleteObject(hPen);
    }
    if ((m_nStyle & hatchInside) != 0)
    {
        HBRUSH hHatch = ::CreateHatchBrush(HS_BDIAGONAL, kBlack);
        ::SelectObject(pDC->m_hDC, hHatch);
        ::SelectObject(pDC->m_hDC, ::GetStockObject(NULL_PEN));
        pDC->SetBkMode(TRANSPARENT);
        pDC->Rectangle(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
        ::SelectObject(pDC->m_hDC, ::GetStockObject(WHITE_BRUSH));
        ::DeleteObject(hHatch);
    }
    if ((m_nStyle & hatchedBorder) != 0)
        DrawHatchedBorder(pDC, rect);
    for (int i = 0; i < 8; ++i)
    {
        const CRect handle = GetHandleRect(i);
        if (!handle.IsRectEmpty())
            pDC->FillSolidRect(handle, kBlack);
    }
    pDC->RestoreDC(nSaved);
}
