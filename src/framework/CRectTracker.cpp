#include "framework/CRectTracker.h"

#include "framework/CDC.h"
#include "framework/CWnd.h"

#include <windowsx.h>

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

int CRectTracker::HitTest(CPoint point) const
{
    for (int i = 0; i < 8; ++i)
        if (GetHandleRect(i).PtInRect(point))
            return i;
    CRect rect = m_rect;
    rect.NormalizeRect();
    return rect.PtInRect(point) ? hitMiddle : hitNothing;
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    if (nHitTest != HTCLIENT || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    pWnd->ScreenToClient(&point);
    const int nHit = HitTest(point);
    if (nHit == hitNothing)
        return FALSE;
    static const LPCSTR kCursors[9] = {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS,
                                       IDC_SIZEWE,   IDC_SIZENS,   IDC_SIZEWE,   IDC_SIZEALL};
    ::SetCursor(::LoadCursorA(nullptr, kCursors[nHit]));
    return TRUE;
}

CRect CRectTracker::Dragged(const CRect& rcStart, int nHit, int dx, int dy)
{
    CRect rect = rcStart;
    if (nHit == hitMiddle)
    {
        rect.OffsetRect(dx, dy);
        return rect;
    }
    const bool bLeft = nHit == hitTopLeft || nHit == hitBottomLeft || nHit == hitLeft;
    const bool bRight = nHit == hitTopRight || nHit == hitBottomRight || nHit == hitRight;
    const bool bTop = nHit == hitTopLeft || nHit == hitTopRight || nHit == hitTop;
    const bool bBottom = nHit == hitBottomLeft || nHit == hitBottomRight || nHit == hitBottom;
    rect.left += bLeft ? dx : 0;
    rect.right += bRight ? dx : 0;
    rect.top += bTop ? dy : 0;
    rect.bottom += bBottom ? dy : 0;
    return rect;
}

void CRectTracker::DrawTrackerFrame(CWnd* pWnd, const CRect& rect)
{
    CRect frame = rect;
    frame.NormalizeRect();
    const HWND hWnd = pWnd->GetSafeHwnd();
    const HDC hDC = ::GetDC(hWnd);
    ::DrawFocusRect(hDC, &frame);
    ::ReleaseDC(hWnd, hDC);
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    const int nHit = HitTest(point);
    if (nHit == hitNothing || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    const HWND hWnd = pWnd->GetSafeHwnd();
    const CRect rcStart = m_rect;
    ::SetCapture(hWnd);
    bool bCancel = false;
    bool bShown = false;
    for (bool bDone = false; !bDone && !bCancel;)
    {
        MSG msg;
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot <= 0)
        {
            if (bGot == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            bCancel = true;
            break;
        }
        const bool bOwn = msg.hwnd == hWnd;
        if (bOwn && (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP))
        {
            if (bShown)
                DrawTrackerFrame(pWnd, m_rect);
            m_rect = Dragged(rcStart, nHit, GET_X_LPARAM(msg.lParam) - point.x,
                             GET_Y_LPARAM(msg.lParam) - point.y);
            bDone = msg.message == WM_LBUTTONUP;
            bShown = !bDone;
            if (bShown)
                DrawTrackerFrame(pWnd, m_rect);
        }
        else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) ||
                 (bOwn && msg.message == WM_RBUTTONDOWN))
            bCancel = true;
        else
            ::DispatchMessageA(&msg);
        bCancel = bCancel || (!bDone && ::GetCapture() != hWnd);
    }
    if (bShown)
        DrawTrackerFrame(pWnd, m_rect);
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (bCancel)
    {
        m_rect = rcStart;
        return FALSE;
    }
    if (!bAllowInvert)
        m_rect.NormalizeRect();
    return m_rect != rcStart;
}
