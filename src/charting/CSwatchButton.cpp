#include "charting/CSwatchButton.h"

#include "charting/CPalettePopup.h"
#include "charting/ColorPickMessages.h"
#include "framework/CBrush.h"
#include "framework/CDataExchange.h"
#include "framework/CPen.h"

IMPLEMENT_DYNCREATE(CSwatchButton, CButton)

BEGIN_MESSAGE_MAP(CSwatchButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
ON_WM_CREATE()
ON_MESSAGE(WM_COLORPICK_ACCEPTED, OnPickAccepted)
ON_MESSAGE(WM_COLORPICK_CANCELLED, OnPickCancelled)
ON_MESSAGE(WM_COLORPICK_CHANGED, OnPickChanged)
END_MESSAGE_MAP()

namespace
{
constexpr DWORD kButtonTypeMask = 0x0F;
} // namespace

CSwatchButton::CSwatchButton()
    : m_crColor(CLR_DEFAULT), m_crAutomatic(::GetSysColor(COLOR_APPWORKSPACE)),
      m_strAutomaticText("Automatic"), m_strMoreColorsText("More Colors...")
{
}

void CSwatchButton::SetColor(COLORREF crColor)
{
    m_crColor = crColor;
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CSwatchButton::PreSubclassWindow()
{
    ModifyStyle(kButtonTypeMask, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

int CSwatchButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CButton::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

// --- drawing ----------------------------------------------------------------------------------------

void CSwatchButton::DrawDropArrow(CDC* pDC, const CRect& rect, ArrowDirection iDirection, COLORREF crColor)
{
    const int xCentre = rect.left + rect.Width() / 2;
    const int yMiddle = rect.top + rect.Height() / 2;
    POINT pts[3];
    switch (iDirection)
    {
        case ARROW_DOWN:
            pts[0] = {rect.left, rect.top};
            pts[1] = {rect.right, rect.top};
            pts[2] = {xCentre, rect.bottom};
            break;
        case ARROW_UP:
            pts[0] = {rect.left, rect.bottom};
            pts[1] = {rect.right, rect.bottom};
            pts[2] = {xCentre, rect.top};
            break;
        case ARROW_LEFT:
            pts[0] = {rect.right, rect.top};
            pts[1] = {rect.right, rect.bottom};
            pts[2] = {rect.left, yMiddle};
            break;
        default: // ARROW_RIGHT
            pts[0] = {rect.left, rect.top};
            pts[1] = {rect.left, rect.bottom};
            pts[2] = {rect.right, yMiddle};
            break;
    }
    CBrush brush(crColor);
    CPen pen(PS_SOLID, 1, crColor);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int iOldMode = pDC->SetPolyFillMode(WINDING);
    pDC->Polygon(pts, 3);
    pDC->SetPolyFillMode(iOldMode);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

void CSwatchButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    UINT nState = lpDrawItemStruct->itemState;
    if (m_bPopupOpen)
        nState |= ODS_SELECTED | ODS_FOCUS;
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    const BOOL bDisabled = (nState & ODS_DISABLED) != 0;

    CRect rect = lpDrawItemStruct->rcItem;
    UINT nFrame = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (bSelected)
        nFrame |= DFCS_PUSHED;
    if (bDisabled)
        nFrame |= DFCS_INACTIVE;
    pDC->DrawFrameControl(&rect, DFC_BUTTON, nFrame);
    if (bSelected)
        rect.OffsetRect(1, 1);
    if (nState & ODS_FOCUS)
    {
        CRect rectFocus(rect.left, rect.top, rect.right - 1, rect.bottom);
        pDC->DrawFocusRect(&rectFocus);
    }

    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    rect.DeflateRect(cxEdge, ::GetSystemMetrics(SM_CYEDGE));
    const int yMiddle = rect.top + rect.Height() / 2;
    const CRect rectArrow(rect.right - cxEdge / 2 - 4, yMiddle - 1, rect.right - cxEdge / 2, yMiddle + 1);
    DrawDropArrow(pDC, rectArrow, ARROW_DOWN, bDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));

    rect.right = rectArrow.left - cxEdge / 2;
    pDC->DrawEdge(&rect, EDGE_ETCHED, BF_RIGHT);
    rect.right -= 2 * cxEdge + 1;
    if (bDisabled)
        return;
    pDC->FillSolidRect(&rect, GetShownColor());
    pDC->FrameRect(&rect, CBrush::FromHandle((HBRUSH)::GetStockObject(BLACK_BRUSH)));
}

// --- the popup --------------------------------------------------------------------------------------

BOOL CSwatchButton::OnClicked()
{
    m_bPopupOpen = TRUE;
    CRect rect;
    GetWindowRect(&rect);
    auto* pPopup = new CPalettePopup(CPoint(rect.left, rect.bottom), m_crColor, this, m_strAutomaticText,
                                     m_strMoreColorsText);
    if (pPopup->GetSafeHwnd() == nullptr)
    {
        // No popup came up: nothing will report back.
        delete pPopup;
        m_bPopupOpen = FALSE;
        return TRUE;
    }
    SendToParent(WM_COLORPICK_OPENED, m_crColor);
    return TRUE;
}

LRESULT CSwatchButton::OnPickAccepted(WPARAM wParam, LPARAM)
{
    const COLORREF crBefore = m_crColor;
    m_bPopupOpen = FALSE;
    SetColor((COLORREF)wParam);
    SendToParent(WM_COLORPICK_CLOSED, m_crColor);
    SendToParent(WM_COLORPICK_ACCEPTED, m_crColor);
    if (m_crColor != crBefore)
        SendToParent(WM_COLORPICK_CHANGED, m_crColor);
    return TRUE;
}

LRESULT CSwatchButton::OnPickCancelled(WPARAM wParam, LPARAM)
{
    m_bPopupOpen = FALSE;
    SetColor((COLORREF)wParam);
    SendToParent(WM_COLORPICK_CLOSED, m_crColor);
    SendToParent(WM_COLORPICK_CANCELLED, m_crColor);
    return TRUE;
}

LRESULT CSwatchButton::OnPickChanged(WPARAM wParam, LPARAM)
{
    if (m_bLiveTracking)
        SetColor((COLORREF)wParam);
    SendToParent(WM_COLORPICK_CHANGED, (COLORREF)wParam);
    return TRUE;
}

void CSwatchButton::SendToParent(UINT nMessage, COLORREF crColor)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr && pParent->GetSafeHwnd() != nullptr)
        pParent->SendMessage(nMessage, (WPARAM)crColor, (LPARAM)GetDlgCtrlID());
}

// --- data exchange ----------------------------------------------------------------------------------

void DDX_SwatchButton(CDataExchange* pDX, int nIDC, COLORREF& crColor)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    auto* pButton = dynamic_cast<CSwatchButton*>(CWnd::FromHandlePermanent(hWndCtrl));
    if (pButton == nullptr)
    {
        ::OutputDebugStringA("DDX_SwatchButton: the control is not bound to a CSwatchButton.\n");
        pDX->Fail();
    }
    if (pDX->m_bSaveAndValidate)
        crColor = pButton->GetColor();
    else
        pButton->SetColor(crColor);
}
