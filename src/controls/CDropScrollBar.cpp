#include "controls/CDropScrollBar.h"

#include "controls/CDropListBox.h"
#include "controls/DrawnComboTypes.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDropScrollBar, CScrollBar)

BEGIN_MESSAGE_MAP(CDropScrollBar, CScrollBar)
ON_WM_VSCROLL_REFLECT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_ACB_TAKE_CAPTURE, OnTakeCapture)
ON_MESSAGE(WM_ACB_DROP_CAPTURE, OnDropCapture)
END_MESSAGE_MAP()

void CDropScrollBar::SetListBox(CDropListBox* pListBox)
{
    m_pListBox = pListBox;
    SCROLLINFO si = {};
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = pListBox->GetCount() - 1;
    si.nPage = (UINT)std::max(pListBox->GetBottomIndex() - pListBox->GetTopIndex(), 0);
    si.nPos = 0;
    SetScrollInfo(&si, TRUE);
}

void CDropScrollBar::VScroll(UINT nSBCode, UINT nPos)
{
    if (m_pListBox == nullptr)
        return;
    SCROLLINFO si = {};
    GetScrollInfo(&si, SIF_ALL);
    int iPos = si.nPos;
    bool bMove = true;
    switch (nSBCode)
    {
        case SB_LINEUP:
            iPos = std::max(si.nPos - 1, si.nMin);
            break;
        case SB_LINEDOWN:
            iPos = std::min(si.nPos + 1, si.nMax);
            break;
        case SB_PAGEUP:
            iPos = std::max(si.nPos - (int)si.nPage, si.nMin);
            break;
        case SB_PAGEDOWN:
            iPos = std::min(si.nPos + (int)si.nPage, si.nMax);
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            iPos = (int)nPos;
            break;
        case SB_ENDSCROLL:
            ::ReleaseCapture();
            ::PostMessageA(::GetParent(m_hWnd), WM_ACB_TAKE_CAPTURE, 0, 0);
            bMove = false;
            break;
        default:
            bMove = false;
            break;
    }
    if (bMove)
    {
        m_pListBox->SetTopIndex(iPos, FALSE);
        si.nPos = iPos;
    }
    si.fMask = SIF_ALL;
    SetScrollInfo(&si, TRUE);
}

void CDropScrollBar::OnMouseMove(UINT, CPoint point)
{
    ReturnCaptureOutside(point);
    Default();
}

void CDropScrollBar::OnLButtonDown(UINT, CPoint point)
{
    ReturnCaptureOutside(point);
    Default();
}

void CDropScrollBar::ReturnCaptureOutside(CPoint point)
{
    CRect rcClient;
    GetClientRect(rcClient);
    if (!rcClient.PtInRect(point))
        AcbReturnCaptureToParent(m_hWnd);
}

LRESULT CDropScrollBar::OnTakeCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 0;
}

LRESULT CDropScrollBar::OnDropCapture(WPARAM, LPARAM)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    return 0;
}
