#include "controls/CResizableBarCF.h"

#include "controls/CViewBarHost.h"
#include "framework/CPaintDC.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CResizableBarCF, CResizableBarG)

BEGIN_MESSAGE_MAP(CResizableBarCF, CResizableBarG)
ON_MESSAGE(WM_SETTEXT, OnSetTextCF)
ON_MESSAGE(WM_NCLBUTTONUP, OnNcLButtonUpCF)
ON_WM_WINDOWPOSCHANGED()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

const UINT CResizableBarCF::s_nChannelControlIds[FONT_COUNT] = {1006, 1003, 1004, 1005, 1000, 1001, 1002};

namespace
{
int CALLBACK OnFontFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    *reinterpret_cast<bool*>(lParam) = true;
    return 0;
}

bool IsFontFamilyInstalled(LPCSTR lpszFace)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, lpszFace, LF_FACESIZE - 1);
    bool bFound = false;
    ::EnumFontFamiliesExA(hDC, &lf, OnFontFamily, reinterpret_cast<LPARAM>(&bFound), 0);
    ::DeleteDC(hDC);
    return bFound;
}

COLORREF BlendBand(COLORREF c1, COLORREF c2, int i)
{
    auto blend = [i](int a, int b) { return (a * (64 - i) + b * i) >> 6; };
    return RGB(blend(GetRValue(c1), GetRValue(c2)), blend(GetGValue(c1), GetGValue(c2)),
               blend(GetBValue(c1), GetBValue(c2)));
}
} // namespace

CResizableBarCF::CResizableBarCF() : m_strCaptionFace(IsFontFamilyInstalled("Tahoma") ? "Tahoma" : "Arial") {}

// --- caption ----------------------------------------------------------------------------------------

void CResizableBarCF::PaintGripper(CDC* pDC, const CRect& rcClient)
{
    if (!HasGripper())
        return;
    const CRect rcButton = GetCloseButtonRect();
    const BOOL bHorz = IsDockedHorizontally();
    CRect rcCaption;
    if (bHorz)
    {
        rcCaption.left = rcClient.left - m_nGripperSize - 1;
        rcCaption.right = rcCaption.left + 11;
        rcCaption.top = rcButton.bottom + 3;
        rcCaption.bottom = rcClient.bottom;
        rcCaption.InflateRect(1, 0);
    }
    else
    {
        rcCaption.top = rcClient.top - m_nGripperSize - 1;
        rcCaption.bottom = rcCaption.top + 11;
        rcCaption.left = rcClient.left;
        rcCaption.right = rcButton.left - 3;
        rcCaption.InflateRect(0, 1);
    }
    PaintCaptionBackground(pDC, rcCaption, bHorz);

    CFont font;
    BOOL bFont =
        font.CreatePointFont(::MulDiv(85, 96, pDC->GetDeviceCaps(LOGPIXELSX)), m_strCaptionFace, pDC);
    if (bFont && bHorz)
    {
        // Docked at the top or bottom the caption runs up the left side.
        LOGFONTA lf;
        font.GetLogFont(&lf);
        lf.lfEscapement = 900;
        font.DeleteObject();
        bFont = font.CreateFontIndirect(&lf);
    }
    if (bFont)
    {
        CString strTitle;
        GetWindowText(strTitle);
        CFont* pOldFont = pDC->SelectObject(&font);
        const COLORREF crOld =
            pDC->SetTextColor(::GetSysColor(m_bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        if (bHorz)
            pDC->ExtTextOut(rcCaption.left - 1, rcCaption.bottom - 3, ETO_CLIPPED, rcCaption, strTitle,
                            nullptr);
        else
            pDC->ExtTextOut(rcCaption.left + 3, rcCaption.top - 1, ETO_CLIPPED, rcCaption, strTitle, nullptr);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(crOld);
        pDC->SelectObject(pOldFont);
    }
    PaintCloseButton(pDC);
}

void CResizableBarCF::PaintCaptionBackground(CDC* pDC, const CRect& rcCaption, BOOL bHorz)
{
    const COLORREF c1 = ::GetSysColor(m_bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    BOOL bGradient = FALSE;
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bGradient, 0);
    if (!bGradient)
    {
        pDC->FillSolidRect(rcCaption, c1);
        return;
    }
    const COLORREF c2 =
        ::GetSysColor(m_bActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    const int w = rcCaption.Width(), h = rcCaption.Height();
    for (int i = 0; i < 64; ++i)
    {
        // Docked at the top or bottom the bands run from the bottom up, else from the left.
        CRect rcBand(rcCaption);
        if (bHorz)
        {
            rcBand.top = rcCaption.bottom - (h * (i + 1)) / 64;
            rcBand.bottom = rcCaption.bottom - (h * i) / 64;
        }
        else
        {
            rcBand.left = rcCaption.left + (w * i) / 64;
            rcBand.right = rcCaption.left + (w * (i + 1)) / 64;
        }
        if (!rcBand.IsRectEmpty())
            pDC->FillSolidRect(rcBand, BlendBand(c1, c2, i));
    }
}

void CResizableBarCF::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CResizableBarG::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    if (!HasGripper())
        return;
    HWND hFocus = ::GetFocus();
    const BOOL bActive = hFocus != nullptr && ::IsChild(m_hWnd, hFocus);
    if (bActive == m_bActive)
        return;
    m_bActive = bActive;
    SendMessage(WM_NCPAINT);
}

void CResizableBarCF::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD))
        ::SetFocus(hChild);
    m_bActive = TRUE;
    SendMessage(WM_NCPAINT);
    CResizableBarG::OnLButtonDown(nFlags, point);
}

LRESULT CResizableBarCF::OnSetTextCF(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = OnSetText(wParam, lParam);
    SendMessage(WM_NCPAINT);
    return lResult;
}

// --- the hosted pane --------------------------------------------------------------------------------

void CResizableBarCF::LinkToFrame()
{
    if (!m_bSuspended || m_pFrameLink == nullptr)
        return;
    for (int k = 0; k < FONT_COUNT; ++k)
    {
        m_bFirstUse[k] = TRUE;
        m_lfDesc[k].lfHeight = m_lfDesc[k].lfWidth = 0;
        m_lfMade[k].lfHeight = m_lfMade[k].lfWidth = 0;
    }
    m_rcClient.SetRectEmpty();
    m_rcLastClient.SetRectEmpty();
    m_rects = PaneRects();
    m_rcLastFittedValue.SetRectEmpty();
    m_dWidthPerHeight = 3.0;
    m_dHeightPerWidth = 1.0 / 3.0;
    m_bSuspended = FALSE;
}

void CResizableBarCF::OnPaint()
{
    CPaintDC dc(this);
    if (m_bSuspended)
        LinkToFrame();
    if (m_pFrameLink != nullptr && !m_bSuspended && !m_pFrameLink->IsInitPending() && IsWindowVisible())
        LayoutHostedPane(this);
}

void CResizableBarCF::LayoutHostedPane(CWnd* pBarWnd)
{
    CRect rcClient;
    pBarWnd->GetClientRect(rcClient);
    if (rcClient == m_rcLastClient || m_pFrameLink == nullptr)
        return;
    m_rcClient = m_rcLastClient = rcClient;
    CalcPaneRects(rcClient, m_dWidthPerHeight, m_dHeightPerWidth, m_rects);
    if (pBarWnd == m_pFrameLink->GetViewBar(VIEWBAR_CHANNEL_A))
        PlaceChannelControls(m_pFrameLink->GetChannelPane(VIEWBAR_CHANNEL_A));
    else if (pBarWnd == m_pFrameLink->GetViewBar(VIEWBAR_CHANNEL_B))
        PlaceChannelControls(m_pFrameLink->GetChannelPane(VIEWBAR_CHANNEL_B));
    else if (pBarWnd == m_pFrameLink->GetViewBar(VIEWBAR_DIAGRAM))
        m_pFrameLink->ResizeDiagramInBar(pBarWnd, rcClient);
}

void CResizableBarCF::CalcPaneRects(const CRect& rcClient, double dWidthPerHeight, double dHeightPerWidth,
                                    PaneRects& rects)
{
    const int l = rcClient.left, t = rcClient.top, r = rcClient.right, b = rcClient.bottom;
    int x, y, W, H;
    if (r < 3 * b) // less than three times as wide as high
    {
        W = r - l - 12;
        H = (int)(r * dHeightPerWidth) - 12;
        x = l + 4;
        y = t + 4;
    }
    else
    {
        W = (int)(b * dWidthPerHeight) - 12;
        H = b - t - 12;
        x = (r - W) / 2 + l;
        y = t + 4;
    }
    rects.rcDisplay = CRect(CPoint(x, y), CSize(W, H));
    rects.rcValue = CRect(CPoint(x, y), CSize(W, H / 2));
    const int cw = (W - 8) / 3, ch = (H / 2 - 8) / 2;
    const int y1 = y + H / 2 + 4, y2 = y1 + ch + 4;
    for (int i = 0; i < 3; ++i)
    {
        const int xCell = x + i * (cw + 4);
        rects.rcFields[i] = CRect(CPoint(xCell, y1), CSize(cw, ch));
        rects.rcButtons[i] = CRect(CPoint(xCell, y2), CSize(cw, ch));
    }
}

const CRect& CResizableBarCF::GetKindRect(int nKind) const
{
    if (nKind <= 0)
        return m_rects.rcValue;
    return nKind <= 3 ? m_rects.rcFields[nKind - 1] : m_rects.rcButtons[std::min(nKind, 6) - 4];
}

void CResizableBarCF::PlaceChannelControls(CWnd* pPane)
{
    if (pPane == nullptr)
        return;
    for (int k = 0; k < FONT_COUNT; ++k)
        if (CWnd* pControl = pPane->GetDlgItem(s_nChannelControlIds[k]))
        {
            const CRect& rc = GetKindRect(k);
            pControl->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
    if (m_rects.rcValue.Size() == m_rcLastFittedValue.Size())
        return;
    m_rcLastFittedValue = m_rects.rcValue;
    for (int k = 0; k < FONT_COUNT; ++k)
        ApplyControlFont(k, pPane->GetDlgItem(s_nChannelControlIds[k]));
}

void CResizableBarCF::CalcFontSize(int nKind, int cx, int cy, LONG& lfWidth, LONG& lfHeight, LONG& lfWeight)
{
    if (nKind == 0)
    {
        lfWidth = (LONG)(cx / 18.7);
        lfHeight = (LONG)(cy / 1.05);
        lfWeight = FW_NORMAL;
    }
    else if (nKind <= 3)
    {
        lfWidth = (LONG)(cx / 19.0);
        lfHeight = (LONG)(cy / 1.05);
        lfWeight = FW_NORMAL;
    }
    else
    {
        lfWidth = (LONG)(cx / 17.5);
        lfHeight = (LONG)(cy / 1.45);
        lfWeight = FW_BOLD;
    }
}

BOOL CResizableBarCF::ComputeControlFont(int nKind)
{
    const CRect& rc = GetKindRect(nKind);
    LOGFONTA& lf = m_lfDesc[nKind];
    CalcFontSize(nKind, rc.Width(), rc.Height(), lf.lfWidth, lf.lfHeight, lf.lfWeight);
    if (lf.lfWidth == m_lfMade[nKind].lfWidth && lf.lfHeight == m_lfMade[nKind].lfHeight)
        return FALSE;
    if (m_bFirstUse[nKind])
    {
        // The face stays unset: the platform's Swiss default of the size.
        lf.lfEscapement = lf.lfOrientation = 0;
        lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = lf.lfCharSet = 0;
        lf.lfOutPrecision = lf.lfClipPrecision = lf.lfQuality = 0;
        lf.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
        m_bFirstUse[nKind] = FALSE;
    }
    m_lfMade[nKind] = lf;
    return TRUE;
}

void CResizableBarCF::ApplyControlFont(int nKind, CWnd* pControl)
{
    if (!ComputeControlFont(nKind))
        return;
    if (nKind >= 1 && nKind <= 3 && m_lfDesc[nKind].lfHeight == 13 && m_lfDesc[nKind].lfWidth == 4)
        m_lfDesc[nKind].lfWidth = 3;
    m_fonts[nKind].DeleteObject();
    if (m_fonts[nKind].CreateFontIndirect(&m_lfDesc[nKind]) && pControl != nullptr)
        pControl->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[nKind].m_hObject), TRUE);
}

// --- the frame's record of shown and hidden bars ------------------------------------------------------

void CResizableBarCF::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CResizableBarG::OnWindowPosChanged(lpwndpos);
    if (m_pFrameLink != nullptr && !m_bSuspended && !m_pFrameLink->IsInitPending() &&
        (lpwndpos->flags & SWP_HIDEWINDOW) && (lpwndpos->flags & SWP_NOREDRAW))
        m_pFrameLink->OnViewBarHidden(lpwndpos);
}

LRESULT CResizableBarCF::OnNcLButtonUpCF(WPARAM wParam, LPARAM lParam)
{
    const UINT nHitTest = (UINT)wParam;
    OnNcLButtonUp(nHitTest, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
    if (m_pFrameLink != nullptr && !m_bSuspended && !m_pFrameLink->IsInitPending() && nHitTest == HTCLOSE)
        CheckClosedBars();
    return 0;
}

void CResizableBarCF::CheckClosedBars()
{
    // A bar recorded as shown but no longer visible gets its show/hide command, which brings the record
    // in line.
    auto closed = [this](int nBar)
    {
        CWnd* pBar = m_pFrameLink->GetViewBar(nBar);
        return m_pFrameLink->GetViewBarCheckState(nBar) == 1 && pBar != nullptr &&
               !(pBar->GetStyle() & WS_VISIBLE);
    };
    for (int i = VIEWBAR_CHANNEL_A; i <= VIEWBAR_CHANNEL_C; ++i)
        if (closed(i))
            m_pFrameLink->OnViewChannelBar(m_pFrameLink->GetChannelBarCommandId(i));
    if (closed(VIEWBAR_DIAGRAM))
        m_pFrameLink->OnViewDiagramBar();
    if (closed(VIEWBAR_NAVIGATION))
        m_pFrameLink->OnViewNavigationBar();
}
