#include "controls/CLedButton.h"

#include "controls/CLedStateFilter.h"
#include "framework/CFont.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CLedButton, CButton)

BEGIN_MESSAGE_MAP(CLedButton, CButton)
ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

namespace
{
constexpr DWORD kButtonTypeMask = 0x0F;
constexpr int kTextGap = 3;
} // namespace

CLedButton::CLedButton()
{
    SetStateCount(2, false);
}

CLedButton::~CLedButton()
{
    ClearAllStates();
    KillFlashTimer();
    m_arrStates.clear();
}

LedData CLedButton::DefaultData()
{
    return LedData{::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNFACE), nullptr, 0, 0};
}

void CLedButton::ClearState(int iState)
{
    LedData& data = m_arrStates[(size_t)iState];
    if (data.hIcon != nullptr)
        ::DestroyIcon(data.hIcon);
    data = DefaultData();
}

void CLedButton::ClearAllStates()
{
    for (int i = 0; i < (int)m_arrStates.size(); ++i)
        ClearState(i);
}

void CLedButton::SetStateCount(int iCount, bool bRedraw)
{
    ClearAllStates();
    m_iStateCount = iCount > 0 ? iCount : 0;
    m_arrStates.assign((size_t)m_iStateCount, DefaultData());
    if (bRedraw && m_hWnd != nullptr)
        Invalidate();
}

bool CLedButton::SetStateIcon(int iState, UINT nIconId, int iWidth, int iHeight)
{
    if (!IsValidState(iState))
        return false;
    HICON hIcon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIconId),
                                                  IMAGE_ICON, iWidth, iHeight, LR_DEFAULTCOLOR));
    return SetStateIconHandle(iState, hIcon) && hIcon != nullptr;
}

bool CLedButton::SetStateIconHandle(int iState, HICON hIcon)
{
    if (!IsValidState(iState))
        return false;
    ClearState(iState);
    if (hIcon == nullptr)
        return true;
    LedData& data = m_arrStates[(size_t)iState];
    data.hIcon = hIcon;
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
    {
        ClearState(iState);
        return false;
    }
    // The hotspot of an icon is its centre.
    data.iIconWidth = (int)info.xHotspot * 2;
    data.iIconHeight = (int)info.yHotspot * 2;
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return true;
}

void CLedButton::SetState(int iState, int iFlag)
{
    if (m_pStateFilter != nullptr)
        iState = m_pStateFilter->FilterState(iState, m_iState, iFlag);
    if (iState == m_iState)
        return;
    if (IsValidState(iState))
        m_iState = iState;
    if (m_nFlashTimerId != 0)
    {
        KillFlashTimer();
        if (m_iState != m_iRestState && m_hWnd != nullptr)
            m_nFlashTimer = SetTimer(m_nFlashTimerId, m_nFlashPeriod);
    }
    if (m_hWnd != nullptr)
        Invalidate();
}

void CLedButton::SetFlash(UINT_PTR nTimerId, UINT nPeriod, int iRestState)
{
    KillFlashTimer();
    m_nFlashTimerId = nTimerId;
    m_nFlashPeriod = nPeriod;
    m_iRestState = iRestState;
}

void CLedButton::KillFlashTimer()
{
    if (m_nFlashTimer != 0 && ::IsWindow(m_hWnd))
        KillTimer(m_nFlashTimerId);
    m_nFlashTimer = 0;
}

// --- drawing ---------------------------------------------------------------------------------------

void CLedButton::DrawBackground(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(rect, IsValidState(m_iState) ? m_arrStates[(size_t)m_iState].crBack
                                                    : ::GetSysColor(COLOR_BTNFACE));
}

void CLedButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    m_bDisabled = (lpDrawItemStruct->itemState & ODS_DISABLED) != 0;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    DrawBackground(pDC, rcItem);

    const LedData data = IsValidState(m_iState) ? m_arrStates[(size_t)m_iState] : DefaultData();
    CRect rcText(rcItem);
    int xIcon = rcItem.left;
    if (m_dwButtonStyle & BS_LEFTTEXT)
    {
        xIcon = rcItem.right - data.iIconWidth;
        rcText.right = xIcon - kTextGap;
    }
    else
    {
        rcText.left = rcItem.left + data.iIconWidth + kTextGap;
    }
    if (data.hIcon != nullptr)
    {
        const int yIcon = rcItem.top + (rcItem.Height() - data.iIconHeight) / 2;
        ::DrawStateA(pDC->m_hDC, nullptr, nullptr, (LPARAM)data.hIcon, 0, xIcon, yIcon, data.iIconWidth,
                     data.iIconHeight, DST_ICON | (m_bDisabled ? DSS_DISABLED : 0));
    }
    DrawCaption(pDC, rcText, data.crText);
    pDC->SetBkMode(nOldMode);
}

void CLedButton::DrawCaption(CDC* pDC, const CRect& rcText, COLORREF crText)
{
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty())
        return;
    UINT nFormat = DT_WORDBREAK | DT_VCENTER;
    if ((m_dwButtonStyle & BS_CENTER) == BS_CENTER)
        nFormat |= DT_CENTER;
    else if (m_dwButtonStyle & BS_RIGHT)
        nFormat |= DT_RIGHT;
    CFont* pFont = GetFont();
    CFont* pOldFont = pFont != nullptr ? pDC->SelectObject(pFont) : nullptr;
    // The text block is measured first and centred vertically; DT_CENTER / DT_RIGHT place it across.
    CRect rcCalc(rcText);
    pDC->DrawText(strText, rcCalc, nFormat | DT_CALCRECT);
    CRect rcDraw(rcText.left, rcText.top + (rcText.Height() - rcCalc.Height()) / 2, rcText.right, 0);
    rcDraw.bottom = rcDraw.top + rcCalc.Height();
    const COLORREF crOld = pDC->GetTextColor();
    if (m_bDisabled)
    {
        CRect rcShade(rcDraw);
        rcShade.OffsetRect(1, 1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->DrawText(strText, rcShade, nFormat);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    }
    else
    {
        pDC->SetTextColor(crText);
    }
    pDC->DrawText(strText, rcDraw, nFormat);
    pDC->SetTextColor(crOld);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

// --- window ----------------------------------------------------------------------------------------

void CLedButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(kButtonTypeMask, BS_OWNERDRAW, SWP_FRAMECHANGED);
    m_dwButtonStyle = GetStyle();
}

LRESULT CLedButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefWindowProc(BM_SETSTYLE, (wParam & ~kButtonTypeMask) | BS_OWNERDRAW, lParam);
    m_dwButtonStyle = GetStyle();
    return lResult;
}

HBRUSH CLedButton::CtlColor(CDC*, UINT)
{
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CLedButton::OnTimer(UINT_PTR nIDEvent)
{
    if (m_nFlashTimerId != 0 && nIDEvent == m_nFlashTimerId)
        SetState(m_iRestState, 0);
    else
        CButton::OnTimer(nIDEvent);
}

void CLedButton::OnDestroy()
{
    CButton::OnDestroy();
    KillFlashTimer();
    if (m_tooltip.m_hWnd != nullptr)
        m_tooltip.DestroyWindow();
}

LRESULT CLedButton::OnSysColorChange(WPARAM, LPARAM)
{
    for (LedData& data : m_arrStates)
    {
        data.crText = ::GetSysColor(COLOR_BTNTEXT);
        data.crBack = ::GetSysColor(COLOR_BTNFACE);
    }
    Invalidate();
    return Default();
}

BOOL CLedButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_tooltip.m_hWnd == nullptr && m_tooltip.Create(this, 0))
    {
        m_tooltip.Activate(FALSE);
        m_tooltip.SetMaxTipWidth(400);
    }
    if (m_tooltip.m_hWnd != nullptr)
        m_tooltip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}
