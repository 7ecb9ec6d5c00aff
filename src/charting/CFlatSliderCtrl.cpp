#include "charting/CFlatSliderCtrl.h"

IMPLEMENT_DYNAMIC(CFlatSliderCtrl, CSliderCtrl)

BEGIN_MESSAGE_MAP(CFlatSliderCtrl, CSliderCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

bool CFlatSliderCtrl::SetThumb(const CPoint& point)
{
    const int nLow = GetRangeMin();
    const int nHigh = GetRangeMax() + 1;
    CRect rcChannel;
    GetChannelRect(&rcChannel);
    // A vertical trackbar reports its channel with the coordinates exchanged.
    const int nAlong = (GetStyle() & TBS_VERT) != 0 ? point.y : point.x;
    const int nLength = rcChannel.right - rcChannel.left;
    const double f = nLength != 0 ? static_cast<double>(nAlong - rcChannel.left) / nLength : 0.0;
    const double dCorrection = 0.5 * (1 - f) - 0.5 * f;
    const int nPos = static_cast<int>(nLow + (nHigh - nLow) * f + dCorrection);
    if (nPos == GetPos())
        return false;
    SetPos(nPos);
    return true;
}

void CFlatSliderCtrl::PostNotification(UINT nCode)
{
    CWnd* pTarget = m_pNotifyWnd != nullptr ? m_pNotifyWnd : GetParent();
    if (pTarget != nullptr)
        pTarget->PostMessage(WM_HSCROLL, MAKEWPARAM(nCode, GetPos()), reinterpret_cast<LPARAM>(m_hWnd));
}

void CFlatSliderCtrl::FollowMouse(const CPoint& point)
{
    if (SetThumb(point))
    {
        m_bDragChanged = true;
        PostNotification(TB_THUMBTRACK);
    }
}

void CFlatSliderCtrl::OnLButtonDown(UINT, CPoint point)
{
    m_bDragging = true;
    m_bDragChanged = false;
    SetCapture();
    SetFocus();
    FollowMouse(point);
}

void CFlatSliderCtrl::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging)
    {
        Default();
        return;
    }
    FollowMouse(point);
}

void CFlatSliderCtrl::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bDragging)
    {
        Default();
        return;
    }
    m_bDragging = false;
    ::ReleaseCapture();
    FollowMouse(point);
    if (m_bDragChanged)
    {
        PostNotification(TB_THUMBPOSITION);
        m_bDragChanged = false;
    }
}
