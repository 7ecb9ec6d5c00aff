// CEnvironment: monitors, spanning rectangles and the main window's placement.
#include "shell/CEnvironment.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "shell/CEnvironmentSource.h"

#include <algorithm>

namespace
{
constexpr const char* SECTION_WINDOWPOS = "AllViewState\\Configs\\WindowPos";
constexpr const char* SECTION_DESPITE_RESET = "DespiteReset";
// Default windows are cut to this width unless the area is narrower.
constexpr int MAX_CLAMPED_WIDTH = 1600;

// Side by side (same top edge) or stacked (same left edge); otherwise nothing spans them.
CRect SpanRects(const CRect& r0, const CRect& r1)
{
    if (r0.IsRectEmpty())
        return r1.IsRectEmpty() ? r0 : r1;
    if (r1.IsRectEmpty())
        return r0;
    if (r0.top == r1.top)
    {
        const int left = std::min(r0.left, r1.left);
        return CRect(left, r0.top, left + r0.Width() + r1.Width(),
                     r0.top + std::min(r0.Height(), r1.Height()));
    }
    if (r0.left == r1.left)
    {
        const int top = std::min(r0.top, r1.top);
        return CRect(r0.left, top, r0.left + std::min(r0.Width(), r1.Width()),
                     top + r0.Height() + r1.Height());
    }
    return CRect();
}

// Pixels of the half-open rectangle a that lie in b.
double OverlapArea(const RECT& a, const RECT& b)
{
    const LONG w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const LONG h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return (w > 0 && h > 0) ? static_cast<double>(w) * h : 0.0;
}

// Places [pos, pos + len) inside [lo, hi): first shifted, then shortened.
void FitSpan(int& pos, int& len, int lo, int hi)
{
    if (pos + len > hi)
        pos = std::max(lo, hi - len);
    if (pos + len > hi)
        len = hi - pos;
}
} // namespace

int CEnvironment::GetNumberOfMonitors()
{
    return CEnvironmentSource::Current().GetMonitorCount();
}

CRect CEnvironment::GetWorkArea()
{
    return CEnvironmentSource::Current().GetWorkArea();
}

CRect CEnvironment::GetMonitorRect(int iSlot)
{
    // Budget of two: the primary monitor goes to slot 0, others to slot 1; the third ends the walk.
    EnvMonitor monitors[3];
    const int nCount = CEnvironmentSource::Current().EnumMonitors(monitors, 3);
    CRect slots[2];
    for (int i = 0; i < nCount; ++i)
        slots[monitors[i].bPrimary ? 0 : 1] = monitors[i].rect;
    m_rectMonitor[0] = slots[0];
    m_rectMonitor[1] = slots[1];
    return m_rectMonitor[iSlot == 1 ? 1 : 0];
}

CRect CEnvironment::GetStoredMonitorRect(int iSlot) const
{
    return (iSlot == 0 || iSlot == 1) ? m_rectMonitor[iSlot] : CRect();
}

CRect CEnvironment::GetVirtualScreen(CRect& rect0, CRect& rect1)
{
    GetMonitorRect(0);
    rect0 = m_rectMonitor[0];
    rect1 = m_rectMonitor[1];
    return SpanRects(rect0, rect1);
}

CRect CEnvironment::GetVirtualWorkArea()
{
    GetMonitorRect(0);
    CRect rects[2] = {m_rectMonitor[0], m_rectMonitor[1]};
    const CRect wa = GetWorkArea();
    const int iSlot = GetMonitorIndexOfRect(wa.left, wa.top, wa.right, wa.bottom);
    rects[iSlot].IntersectRect(&rects[iSlot], &wa);
    return SpanRects(rects[0], rects[1]);
}

int CEnvironment::GetMonitorIndexOfRect(int iLeft, int iTop, int iRight, int iBottom, double* pdBestShare,
                                        double* pdShare0, double* pdShare1)
{
    double shares[2] = {0.0, 0.0};
    int iBest = 0;
    const int w = iRight - iLeft;
    const int h = iBottom - iTop;
    if (w > 0 && h > 0)
    {
        const CRect rect(iLeft, iTop, iRight, iBottom);
        const double dArea = static_cast<double>(w) * h;
        for (int i = 0; i < 2; ++i)
        {
            m_bMonitorPresent[i] = m_rectMonitor[i].IsRectNull() ? 0 : 1;
            if (m_bMonitorPresent[i])
                shares[i] = OverlapArea(rect, m_rectMonitor[i]) * 100.0 / dArea;
        }
        iBest = shares[1] > shares[0] ? 1 : 0;
    }
    if (pdBestShare)
        *pdBestShare = shares[iBest];
    if (pdShare0)
        *pdShare0 = shares[0];
    if (pdShare1)
        *pdShare1 = shares[1];
    return iBest;
}

int CEnvironment::CalcDefaultWindowRect(int iLeft, int iTop, int iRight, int iBottom, int& x, int& y, int& cx,
                                        int& cy)
{
    x = iLeft;
    y = iTop;
    cx = iRight - iLeft;
    cy = iBottom - iTop;
    // An area without height or width has no window to offer.
    if (cy <= 0 || cx <= 0)
        return 0;
    const bool bLandscape = static_cast<double>(cx) / cy >= 1.0;
    if (bLandscape ? (cy < 800 || cx < 1280) : (cy < 1280 || cx < 800))
        return 1;
    x += 25;
    y += 25;
    cx = static_cast<int>(cx * 0.85);
    cy = cx * 10 / 16;
    return 1;
}

bool CEnvironment::ClampRectToArea(CRect& rect, int iLeft, int iTop, int iRight, int iBottom)
{
    const int areaW = iRight - iLeft;
    const int areaH = iBottom - iTop;
    if (areaW <= 0 || areaH <= 0)
        return true;
    int x = rect.left;
    int y = rect.top;
    int w = rect.Width();
    int h = rect.Height();
    if (x < iLeft)
    {
        w -= iLeft - x;
        x = iLeft;
    }
    if (y < iTop)
    {
        h -= iTop - y;
        y = iTop;
    }
    // The limits count from the area's edges, so an area away from (0,0) gets the result one at (0,0) gets.
    if (w > areaW)
        w = areaW - (x - iLeft);
    else if (w > MAX_CLAMPED_WIDTH)
        w = MAX_CLAMPED_WIDTH - (x - iLeft);
    if (h > areaH)
        h = areaH - (y - iTop);
    // A rectangle left without size, or lying beyond the far edges, is brought back whole.
    if (w <= 0 || x >= iRight)
    {
        const int wLimit = std::min(areaW, MAX_CLAMPED_WIDTH);
        w = (w > 0 && w <= wLimit) ? w : std::min(rect.Width() > 0 ? rect.Width() : wLimit, wLimit);
        FitSpan(x, w, iLeft, iRight);
    }
    if (h <= 0 || y >= iBottom)
    {
        h = (h > 0 && h <= areaH) ? h : std::min(rect.Height() > 0 ? rect.Height() : areaH, areaH);
        FitSpan(y, h, iTop, iBottom);
    }
    rect.SetRect(x, y, x + w, y + h);
    return true;
}

bool CEnvironment::IsOnSomeMonitor(int x, int y) const
{
    // The window's top-left corner must lie near one and the same monitor.
    for (const CRect& m : m_sEnvReg.rectSystemScreen)
    {
        if (m.IsRectEmpty())
            continue;
        if (x >= m.left - 50 && x <= m.right - 50 && y >= m.top - 30 && y <= m.bottom - 10)
            return true;
    }
    return false;
}

void CEnvironment::ApplyRect(CWnd* pMainWnd, const CRect& rect)
{
    if (pMainWnd && pMainWnd->GetSafeHwnd())
        pMainWnd->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
}

void CEnvironment::ApplyDefaultRect(CWnd* pMainWnd, const CRect& rectArea)
{
    int x, y, cx, cy;
    CalcDefaultWindowRect(rectArea.left, rectArea.top, rectArea.right, rectArea.bottom, x, y, cx, cy);
    ApplyRect(pMainWnd, CRect(x, y, x + cx, y + cy));
}

int CEnvironment::RestoreWindowPlacement(CWnd* pMainWnd, CWinApp* pApp)
{
    const CRect wa = m_sEnvReg.rectWorkArea.IsRectEmpty() ? GetWorkArea() : m_sEnvReg.rectWorkArea;
    if (!pApp)
    {
        ApplyDefaultRect(pMainWnd, wa);
        return 1;
    }
    const int x = (int)pApp->GetProfileInt(SECTION_WINDOWPOS, "X", wa.left);
    const int y = (int)pApp->GetProfileInt(SECTION_WINDOWPOS, "Y", wa.top);
    const int cx = (int)pApp->GetProfileInt(SECTION_WINDOWPOS, "CX", wa.Width());
    const int cy = (int)pApp->GetProfileInt(SECTION_WINDOWPOS, "CY", wa.Height());
    const CRect rectStored(x, y, x + cx, y + cy);

    if ((int)pApp->GetProfileInt(SECTION_DESPITE_RESET, "IsRegResetedFromView", 1) == 0)
    {
        // A stored rectangle without area or away from every monitor is not restored.
        if (cx > 0 && cy > 0 && IsOnSomeMonitor(x, y))
            ApplyRect(pMainWnd, rectStored);
        else
            ApplyDefaultRect(pMainWnd, wa);
        return 1;
    }

    const int w = GetMonitorIndexOfRect(wa.left, wa.top, wa.right, wa.bottom);
    const int c = (int)pApp->GetProfileInt(
        SECTION_DESPITE_RESET, "ClosedScreen",
        GetMonitorIndexOfRect(rectStored.left, rectStored.top, rectStored.right, rectStored.bottom));
    CRect rectArea = wa;
    if ((c == 0 || c == 1) && w != c)
        rectArea = m_sEnvReg.rectSystemScreen[c];
    int nx, ny, ncx, ncy;
    if (CalcDefaultWindowRect(rectArea.left, rectArea.top, rectArea.right, rectArea.bottom, nx, ny, ncx, ncy))
    {
        CRect rectNew(nx, ny, nx + ncx, ny + ncy);
        double dBest = 0.0;
        const int iSlot =
            GetMonitorIndexOfRect(rectNew.left, rectNew.top, rectNew.right, rectNew.bottom, &dBest);
        if (m_bMonitorPresent[iSlot] == 1 && dBest > 0.0)
        {
            const CRect& vwa = m_sEnvReg.rectVirtualWorkArea;
            ClampRectToArea(rectNew, vwa.left, vwa.top, vwa.right, vwa.bottom);
            ApplyRect(pMainWnd, rectNew);
            return 1;
        }
    }
    // The monitor closed on is gone: the default on the work area.
    ApplyDefaultRect(pMainWnd, wa);
    return 1;
}

int CEnvironment::SaveWindowPlacement(CWnd* pMainWnd, CWinApp* pApp)
{
    if (!pApp || !pMainWnd || !pMainWnd->GetSafeHwnd())
        return 1;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    pMainWnd->GetWindowPlacement(&wp);
    const bool bIconic = pMainWnd->IsIconic() != FALSE;
    if (pMainWnd->IsZoomed() || (bIconic && (wp.flags & WPF_RESTORETOMAXIMIZED)))
    {
        pApp->WriteProfileInt(SECTION_WINDOWPOS, "IsMaximized", 1);
        return 1;
    }
    CRect rect;
    if (bIconic)
    {
        // A minimised window sits far off-screen; keep the place it is restored to (workspace coordinates
        // count from the primary work area).
        const CRect wa = GetWorkArea();
        rect = wp.rcNormalPosition;
        rect.OffsetRect(wa.left, wa.top);
    }
    else
        pMainWnd->GetWindowRect(&rect);
    pApp->WriteProfileInt(SECTION_WINDOWPOS, "IsMaximized", 0);
    pApp->WriteProfileInt(SECTION_WINDOWPOS, "X", rect.left);
    pApp->WriteProfileInt(SECTION_WINDOWPOS, "Y", rect.top);
    pApp->WriteProfileInt(SECTION_WINDOWPOS, "CX", rect.Width());
    pApp->WriteProfileInt(SECTION_WINDOWPOS, "CY", rect.Height());
    return 1;
}
