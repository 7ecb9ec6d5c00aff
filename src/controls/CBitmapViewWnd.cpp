#include "controls/CBitmapViewWnd.h"

#include "framework/CBrush.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CBitmapViewWnd, CWnd)

BEGIN_MESSAGE_MAP(CBitmapViewWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CBitmapViewWnd::CBitmapViewWnd() : m_hbrMargin(reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) {}

CBitmapViewWnd::~CBitmapViewWnd()
{
    SetBitmap(nullptr, FALSE);
}

BOOL CBitmapViewWnd::CreateFromStatic(CWnd* pStatic)
{
    if (pStatic == nullptr || !pStatic->IsWindow())
        return FALSE;
    CWnd* pParent = pStatic->GetParent();
    if (pParent == nullptr || !pParent->IsWindow())
        return FALSE;

    CRect rc;
    pStatic->GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    const DWORD dwStyle = pStatic->GetStyle();
    const DWORD dwExStyle = pStatic->GetExStyle();
    CString strText;
    pStatic->GetWindowText(strText);
    const UINT nID = pStatic->GetDlgCtrlID();
    HBITMAP hBitmap = reinterpret_cast<HBITMAP>(pStatic->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    if (hBitmap != nullptr)
        pStatic->SendMessage(STM_SETIMAGE, IMAGE_BITMAP, 0);
    pStatic->DestroyWindow();

    const BOOL bCreated = CreateEx(dwExStyle, nullptr, strText, dwStyle, rc, pParent, nID);
    if (hBitmap != nullptr)
    {
        SetBitmap(hBitmap, FALSE);
        SetFitMode(FIT_INSIDE);
    }
    return bCreated;
}

void CBitmapViewWnd::SetBitmap(HBITMAP hBitmap, BOOL bOwn)
{
    if (hBitmap == static_cast<HBITMAP>(m_bitmap))
        return;
    HGDIOBJ hOld = m_bitmap.Detach();
    if (hOld != nullptr && m_bOwnBitmap)
        ::DeleteObject(hOld);
    m_bOwnBitmap = bOwn ? 1 : 0;
    BITMAP bm{};
    if (hBitmap != nullptr && m_bitmap.Attach(hBitmap) && m_bitmap.GetBitmap(&bm))
    {
        m_cxBitmap = bm.bmWidth;
        m_cyBitmap = bm.bmHeight;
    }
    else
    {
        m_cxBitmap = 0;
        m_cyBitmap = 0;
    }
    m_rcSource.SetRect(0, 0, m_cxBitmap, m_cyBitmap);
    UpdateLayout(TRUE);
}

BOOL CBitmapViewWnd::LoadBitmapResource(LPCSTR lpszResourceName, HINSTANCE hInst)
{
    HBITMAP hBitmap = ::LoadBitmapA(hInst ? hInst : AfxGetResourceHandle(), lpszResourceName);
    // Nobody else holds the loaded bitmap: the window frees it when it is replaced.
    SetBitmap(hBitmap, TRUE);
    return hBitmap != nullptr;
}

BOOL CBitmapViewWnd::LoadBitmapResource(UINT nIDResource, HINSTANCE hInst)
{
    return LoadBitmapResource(MAKEINTRESOURCEA(LOWORD(nIDResource)), hInst);
}

void CBitmapViewWnd::SetFitMode(int nFitMode)
{
    if (nFitMode < FIT_ZOOM || nFitMode > FIT_TILE)
        nFitMode = FIT_NATURAL;
    if (nFitMode == m_iFitMode)
        return;
    m_iFitMode = nFitMode;
    UpdateLayout(TRUE);
}

void CBitmapViewWnd::SetZoom(double dZoomX, double dZoomY)
{
    m_dZoomX = dZoomX;
    m_dZoomY = dZoomY;
    m_iFitMode = FIT_ZOOM;
    UpdateLayout(TRUE);
}

void CBitmapViewWnd::SetOriginX(int x)
{
    m_iOriginX = x;
    m_iAlignX = ALIGN_ORIGIN;
    UpdateLayout(TRUE);
}

void CBitmapViewWnd::SetOriginY(int y)
{
    m_iOriginY = y;
    m_iAlignY = ALIGN_ORIGIN;
    UpdateLayout(TRUE);
}

void CBitmapViewWnd::SetOrigin(int x, int y)
{
    SetOriginX(x);
    SetOriginY(y);
}

void CBitmapViewWnd::SetBackgroundBrush(CBrush* pBrush)
{
    m_hbrMargin = pBrush ? static_cast<HBRUSH>(*pBrush) : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (GetSafeHwnd())
        Invalidate(TRUE);
}

CSize CBitmapViewWnd::DestinationSize(int cxClient, int cyClient)
{
    double dZoom = 1.0;
    switch (m_iFitMode)
    {
        case FIT_ZOOM:
            return CSize((int)(m_cxBitmap * m_dZoomX), (int)(m_cyBitmap * m_dZoomY));
        case FIT_STRETCH:
            return CSize(cxClient, cyClient);
        case FIT_WIDTH:
        case FIT_HEIGHT:
        case FIT_INSIDE:
        case FIT_FILL:
        {
            const double rx = (double)cxClient / m_cxBitmap;
            const double ry = (double)cyClient / m_cyBitmap;
            if (m_iFitMode == FIT_WIDTH)
                dZoom = rx;
            else if (m_iFitMode == FIT_HEIGHT)
                dZoom = ry;
            else if (m_iFitMode == FIT_INSIDE)
                dZoom = rx < ry ? rx : ry;
            else
                dZoom = rx > ry ? rx : ry;
            m_dZoomX = m_dZoomY = dZoom;
            return CSize((int)(m_cxBitmap * dZoom), (int)(m_cyBitmap * dZoom));
        }
        default: // natural size; in tile mode the size of one tile places the tiling origin
            return CSize(m_cxBitmap, m_cyBitmap);
    }
}

int CBitmapViewWnd::AlignedOffset(int nAlign, int nOrigin, int nClient, int nPicture)
{
    switch (nAlign)
    {
        case ALIGN_ORIGIN:
            return nOrigin;
        case ALIGN_CENTER:
            return (nClient - nPicture) / 2;
        case ALIGN_FAR:
            return nClient - nPicture;
        default:
            return 0;
    }
}

void CBitmapViewWnd::UpdateLayout(BOOL bRedraw)
{
    if (!GetSafeHwnd())
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cx = rcClient.Width();
    const int cy = rcClient.Height();
    if (cx == 0 || cy == 0 || m_rcSource.IsRectEmpty())
    {
        m_rcDest.SetRectEmpty();
    }
    else
    {
        const CSize size = DestinationSize(cx, cy);
        m_iOriginX = AlignedOffset(m_iAlignX, m_iOriginX, cx, size.cx);
        m_iOriginY = AlignedOffset(m_iAlignY, m_iOriginY, cy, size.cy);
        m_rcDest.SetRect(m_iOriginX, m_iOriginY, m_iOriginX + size.cx, m_iOriginY + size.cy);
        if (m_iFitMode == FIT_TILE)
            m_rcDest.SetRect(0, 0, cx, cy);
    }
    if (bRedraw)
        Invalidate(TRUE);
}

void CBitmapViewWnd::OnPaint()
{
    if (!(GetStyle() & WS_VISIBLE))
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    HGDIOBJ hOldBitmap = m_bitmap.GetSafeHandle() ? memDC.SelectObject(m_bitmap.GetSafeHandle()) : nullptr;
    dc.SetStretchBltMode(HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);

    if (m_iFitMode == FIT_TILE)
    {
        PaintTiles(&dc, &memDC, rcClient);
    }
    else
    {
        if (hOldBitmap != nullptr && !m_rcDest.IsRectEmpty())
            dc.StretchBlt(m_rcDest.left, m_rcDest.top, m_rcDest.Width(), m_rcDest.Height(), &memDC, 0, 0,
                          m_rcSource.Width(), m_rcSource.Height(), SRCCOPY);
        PaintMargins(&dc, rcClient);
    }
    if (hOldBitmap != nullptr)
        memDC.SelectObject(hOldBitmap);
}

void CBitmapViewWnd::PaintTiles(CDC* pDC, CDC* pMemDC, const CRect& rcClient)
{
    if (m_rcSource.IsRectEmpty())
        return;
    for (int x = m_iOriginX; x < rcClient.right; x += m_cxBitmap)
    {
        for (int y = m_iOriginY; y < rcClient.bottom; y += m_cyBitmap)
        {
            if (x <= -rcClient.right || y <= -rcClient.bottom)
                continue;
            pDC->BitBlt(x, y, m_cxBitmap, m_cyBitmap, pMemDC, 0, 0, SRCCOPY);
        }
    }
}

void CBitmapViewWnd::PaintMargins(CDC* pDC, const CRect& rcClient)
{
    const CRect& d = m_rcDest;
    const CRect strips[] = {
        d.left > 0 ? CRect(0, 0, d.left, rcClient.bottom) : CRect(),
        d.top > 0 ? CRect(d.left, 0, d.right, d.top) : CRect(),
        d.right < rcClient.right ? CRect(d.right, 0, rcClient.right, rcClient.bottom) : CRect(),
        d.bottom < rcClient.bottom ? CRect(d.left, d.bottom, d.right, rcClient.bottom) : CRect(),
    };
    for (const CRect& rc : strips)
    {
        if (!rc.IsRectEmpty())
            ::FillRect(*pDC, &rc, m_hbrMargin);
    }
}

void CBitmapViewWnd::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    UpdateLayout(TRUE);
}

void CBitmapViewWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    SetCapture();
    SetFocus();
    Invalidate(TRUE);
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_WNDIMAGE_CLICK, GetDlgCtrlID(), (LPARAM)point.x * 65535 + point.y);
    Default();
}

void CBitmapViewWnd::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    ::ReleaseCapture();
    Invalidate(TRUE);
    Default();
}
