#include "charting/CIntervalSlider.h"

#include "charting/CMemDC_Tervane.h"
#include "framework/CBrush.h"
#include "framework/CPaintDC.h"
#include "framework/CPen.h"
#include "framework/CResourceException.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <cmath>
#include <utility>

const UINT RANGE_CHANGED =
    ::RegisterWindowMessageA("RANGE_CHANGED{6F1D2B7E-93A4-4C0B-8E15-2B7C94D0A3F1}CIntervalSlider");

BEGIN_MESSAGE_MAP(CIntervalSlider, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace
{
constexpr COLORREF kVisibleRange = RGB(255, 255, 150);
enum TrackMode
{
    TRACK_LEFT = 0,
    TRACK_RIGHT = 1,
    TRACK_INTERVAL = 2
};
} // namespace

CIntervalSlider::CIntervalSlider()
{
    if (!RegisterWindowClass())
        AfxThrowResourceException();
}

BOOL CIntervalSlider::RegisterWindowClass()
{
    WNDCLASSA wc = {};
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    if (::GetClassInfoA(hInstance, CLASS_NAME, &wc))
        return TRUE;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = CLASS_NAME;
    return ::RegisterClassA(&wc) != 0;
}

BOOL CIntervalSlider::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                             CCreateContext* pContext)
{
    return CWnd::Create(nullptr, "", dwStyle, rect, pParentWnd, nID, pContext);
}

// ---------------------------------------------------------------------------------------------------
// Values

void CIntervalSlider::Store(double a, double b, double& dLow, double& dHigh) const
{
    dLow = m_bInverted ? -b : a;
    dHigh = m_bInverted ? -a : b;
}

void CIntervalSlider::SetMinMax(double dMin, double dMax)
{
    if (dMin > dMax)
        std::swap(dMin, dMax);
    Store(dMin, dMax, m_dMin, m_dMax);
    NormalizeRange();
    Redraw();
}

void CIntervalSlider::SetRange(double dLeft, double dRight)
{
    Store(dLeft, dRight, m_dLeft, m_dRight);
    NormalizeRange();
    Redraw();
}

void CIntervalSlider::GetRange(double& dLeft, double& dRight) const
{
    // Negating and swapping is its own inverse.
    Store(m_dLeft, m_dRight, dLeft, dRight);
}

void CIntervalSlider::SetVisibleRange(double dMin, double dMax)
{
    Store(dMin, dMax, m_dVisibleMin, m_dVisibleMax);
    NormalizeVisibleRange();
    Redraw();
}

void CIntervalSlider::SetShowVisibleRange(BOOL bShow)
{
    if (bShow != m_bShowVisibleRange)
        Redraw();
    m_bShowVisibleRange = bShow;
}

void CIntervalSlider::SetVerticalMode(BOOL bVertical)
{
    if (m_bHorizontal == bVertical)
    {
        m_bHorizontal = !bVertical;
        Redraw();
    }
}

void CIntervalSlider::SetInvertedMode(BOOL bInverted)
{
    if (bInverted != m_bInverted)
    {
        m_bInverted = bInverted;
        const double dLeft = m_dLeft, dMin = m_dMin, dVisibleMin = m_dVisibleMin;
        m_dLeft = -m_dRight;
        m_dRight = -dLeft;
        m_dMin = -m_dMax;
        m_dMax = -dMin;
        m_dVisibleMin = -m_dVisibleMax;
        m_dVisibleMax = -dVisibleMin;
    }
    Redraw();
}

void CIntervalSlider::Redraw()
{
    if (m_hWnd != nullptr)
        Invalidate();
}

void CIntervalSlider::Notify(WPARAM wParam)
{
    if (m_hWnd == nullptr)
        return;
    if (const HWND hParent = ::GetParent(m_hWnd))
        ::SendMessageA(hParent, RANGE_CHANGED, wParam, 0);
}

void CIntervalSlider::NormalizeRange()
{
    // Only a bound that had to move can push the other one: an interval given in reverse order inside
    // the range stays as it is.
    if (m_dMin > m_dLeft)
    {
        m_dLeft = m_dMin;
        Notify(0);
        if (m_dLeft > m_dRight)
        {
            m_dRight = m_dLeft;
            Notify(1);
        }
    }
    if (m_dMax < m_dRight)
    {
        m_dRight = m_dMax;
        Notify(1);
        if (m_dRight < m_dLeft)
        {
            m_dLeft = m_dRight;
            Notify(0);
        }
    }
}

void CIntervalSlider::NormalizeVisibleRange()
{
    if (m_dVisibleMin > m_dVisibleMax)
        std::swap(m_dVisibleMin, m_dVisibleMax);
    if (m_dMin > m_dVisibleMin)
    {
        m_dVisibleMin = m_dMin;
        m_dVisibleMax = std::max(m_dVisibleMax, m_dVisibleMin);
    }
    if (m_dMax < m_dVisibleMax)
    {
        m_dVisibleMax = m_dMax;
        m_dVisibleMin = std::min(m_dVisibleMin, m_dVisibleMax);
    }
}

int CIntervalSlider::ValueToPixel(double v) const
{
    const double dSpan = m_dMax - m_dMin;
    const double d = (v - m_dMin) / dSpan * m_nTrackWidth + 0.5;
    if (dSpan == 0 || !std::isfinite(d))
        return 0;
    return std::clamp(static_cast<int>(d), 0, std::max(0, m_nTrackWidth));
}

double CIntervalSlider::TrackShare(double p) const
{
    return m_nTrackWidth > 0 ? p / m_nTrackWidth : 0.0;
}

// ---------------------------------------------------------------------------------------------------
// Painting

CRect CIntervalSlider::Oriented(int a0, int c0, int a1, int c1) const
{
    return m_bHorizontal ? CRect(a0, c0, a1, c1) : CRect(c0, a0, c1, a1);
}

CPoint CIntervalSlider::OrientedPoint(int a, int c) const
{
    return m_bHorizontal ? CPoint(a, c) : CPoint(c, a);
}

void CIntervalSlider::OnPaint()
{
    CPaintDC dcPaint(this);
    CMemDC_Tervane dc(&dcPaint, 0);
    dc.SetMapMode(MM_TEXT);
    Paint(&dc);
}

void CIntervalSlider::Paint(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nAcross = m_bHorizontal ? rcClient.Height() : rcClient.Width();
    const int nAlong = m_bHorizontal ? rcClient.Width() : rcClient.Height();
    const int a = nAcross * 3 / 4;
    m_nArrowWidth = a;
    m_nTrackWidth = nAlong - 2 * a;

    CGdiObject* pOldBrush = pDC->SelectStockObject(GRAY_BRUSH);
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    pDC->Rectangle(rcClip);

    const int x1 = ValueToPixel(m_dLeft);
    const int x2 = ValueToPixel(m_dRight);
    const bool bLeftDragged = m_bTracking && m_nTrackMode == TRACK_LEFT;
    const bool bRightDragged = m_bTracking && m_nTrackMode == TRACK_RIGHT;
    DrawThumb(pDC, x1, x1 + a, nAcross, !bLeftDragged, m_rectLeft);
    DrawThumb(pDC, x2 + a, x2 + 2 * a, nAcross, !bRightDragged, m_rectRight);

    pDC->SelectStockObject(BLACK_BRUSH);
    const int h = nAcross;
    const POINT leftArrow[3] = {OrientedPoint(x1 + a / 3, h / 3), OrientedPoint(x1 + a / 3, 2 * h / 3),
                                OrientedPoint(x1 + 2 * a / 3, h / 2)};
    const POINT rightArrow[3] = {OrientedPoint(x2 + a + 2 * a / 3, h / 3),
                                 OrientedPoint(x2 + a + 2 * a / 3, 2 * h / 3),
                                 OrientedPoint(x2 + a + a / 3, h / 2)};
    pDC->Polygon(leftArrow, 3);
    pDC->Polygon(rightArrow, 3);

    const CRect rcInterval = Oriented(x1 + a + 1, 1, x2 + a, h - 1);
    pDC->SelectStockObject(WHITE_BRUSH);
    pDC->SelectStockObject(NULL_PEN);
    pDC->Rectangle(rcInterval);
    if (m_bShowVisibleRange && m_dRight > m_dVisibleMin && m_dLeft < m_dVisibleMax)
    {
        const int x3 = ValueToPixel(m_dVisibleMin);
        const int x4 = ValueToPixel(m_dVisibleMax);
        pDC->FillSolidRect(Oriented(std::max(x3, x1) + a, 1, std::min(x4, x2) + a, h - 1), kVisibleRange);
    }
    if (::GetFocus() == m_hWnd)
    {
        CRect rcFocus = rcInterval;
        rcFocus.DeflateRect(3, 3);
        pDC->DrawFocusRect(rcFocus);
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CIntervalSlider::DrawThumb(CDC* pDC, int a0, int a1, int nLength, bool bBevel, CRect& rectStored)
{
    CRect rect = Oriented(a0, 0, a1, nLength);
    CBrush brush(::GetSysColor(COLOR_BTNFACE));
    CBrush* pOld = pDC->SelectObject(&brush);
    pDC->SelectStockObject(BLACK_PEN);
    pDC->Rectangle(rect);
    pDC->SelectObject(pOld);
    if (bBevel)
    {
        rect.left += 1;
        rect.top += 1;
        rect.right -= 2;
        rect.bottom -= 2;
        CPen highlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen* pOldPen = pDC->SelectObject(&highlight);
        pDC->MoveTo(rect.left, rect.bottom);
        pDC->LineTo(rect.left, rect.top);
        pDC->LineTo(rect.right, rect.top);
        pDC->SelectObject(&shadow);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->LineTo(rect.left, rect.bottom);
        pDC->SelectObject(pOldPen);
    }
    rectStored = rect;
}

// ---------------------------------------------------------------------------------------------------
// Mouse and keyboard

void CIntervalSlider::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    Redraw();
    if (!m_bTracking)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        const CRect rcMiddle = m_bHorizontal
                                   ? CRect(m_rectLeft.right + 1, 0, m_rectRight.left - 1, rcClient.bottom)
                                   : CRect(0, m_rectLeft.bottom + 1, m_rectLeft.right, m_rectRight.top - 1);
        const CRect* parts[3] = {&m_rectLeft, &m_rectRight, &rcMiddle};
        for (int nMode = TRACK_LEFT; nMode <= TRACK_INTERVAL; ++nMode)
            if (parts[nMode]->PtInRect(point))
            {
                m_bTracking = TRUE;
                m_nTrackMode = nMode;
                const CSize offset = point - parts[nMode]->CenterPoint();
                m_ptClickOffset = CPoint(offset.cx, offset.cy);
                SetCapture();
                break;
            }
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CIntervalSlider::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking)
    {
        const int p = m_bHorizontal ? point.x - m_ptClickOffset.x : point.y - m_ptClickOffset.y;
        const double dSpan = m_dMax - m_dMin;
        const int a = m_nArrowWidth;
        WPARAM wParam = TRACK_INTERVAL;
        if (m_nTrackMode == TRACK_LEFT)
        {
            m_dLeft = m_dMin + TrackShare(p - a / 2) * dSpan;
            if (m_dRight <= m_dLeft)
                m_dLeft = m_dRight;
            if (m_dMin >= m_dLeft)
                m_dLeft = m_dMin;
            wParam = 0;
        }
        else if (m_nTrackMode == TRACK_RIGHT)
        {
            const double dBefore = m_dRight;
            m_dRight = m_dMin + TrackShare(p - 3 * a / 2) * dSpan;
            if (m_dLeft >= m_dRight)
                m_dRight = m_dLeft;
            if (m_dMax <= m_dRight)
                m_dRight = m_dMax;
            wParam = m_dRight != dBefore ? 1 : 0;
        }
        else
        {
            const double dWidth = m_dRight - m_dLeft;
            const double c = m_dMin + TrackShare(p - a) * dSpan;
            m_dLeft = c - dWidth / 2;
            m_dRight = c + dWidth / 2;
            if (m_dMin >= m_dLeft)
            {
                m_dLeft = m_dMin;
                m_dRight = m_dMin + dWidth;
            }
            if (m_dMax <= m_dRight)
            {
                m_dRight = m_dMax;
                m_dLeft = m_dMax - dWidth;
            }
        }
        Notify(wParam);
        Redraw();
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CIntervalSlider::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking)
    {
        m_bTracking = FALSE;
        ::ReleaseCapture();
        Redraw();
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void CIntervalSlider::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const UINT nIncrease = m_bHorizontal ? VK_RIGHT : VK_DOWN;
    const UINT nDecrease = m_bHorizontal ? VK_LEFT : VK_UP;
    const bool bArrow = nChar == nIncrease || nChar == nDecrease;
    if (!bArrow || ::GetKeyState(VK_CONTROL) < 0 || m_nTrackWidth <= 0)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const double dStep = (m_dMax - m_dMin) / m_nTrackWidth;
    if (dStep == 0)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    int l = static_cast<int>((m_dLeft - m_dMin) / dStep + 0.5);
    int r = static_cast<int>((m_dRight - m_dMin) / dStep + 0.5);
    const int nDelta = nChar == nIncrease ? 1 : -1;
    const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
    if (!bShift)
        l += nDelta;
    r += nDelta;
    if (l >= 0 && r <= m_nTrackWidth)
    {
        m_dLeft = m_dMin + l * dStep;
        m_dRight = m_dMin + r * dStep;
    }
    Notify(bShift ? 0 : 2);
    Redraw();
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CIntervalSlider::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    Redraw();
}

void CIntervalSlider::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    Redraw();
}

UINT CIntervalSlider::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}
