#include "framework/CDC.h"

#include "framework/AfxHandleMap.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CPalette.h"
#include "framework/CPen.h"
#include "framework/CRgn.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace
{
using DCMap = CHandleMap<HDC, CDC>;

CDC* NewTempDC(HDC hDC)
{
    auto* pDC = new CDC;
    pDC->m_hDC = hDC;
    pDC->m_hAttribDC = hDC;
    return pDC;
}
} // namespace

template <class F> auto CDC::ApplyToBoth(F fn) -> decltype(fn(HDC{}))
{
    if (m_hAttribDC == nullptr)
        return fn(m_hDC);
    if (m_hDC != nullptr && m_hDC != m_hAttribDC)
        fn(m_hDC);
    return fn(m_hAttribDC);
}

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CDC* CDC::FromHandle(HDC hDC)
{
    return DCMap::ForThisThread().FromHandle(hDC, &NewTempDC);
}

void CDC::DeleteTempMap()
{
    DCMap::ForThisThread().DeleteTemp(
        [](CDC* p)
        {
            p->m_hDC = nullptr;
            p->m_hAttribDC = nullptr;
        });
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    m_hAttribDC = hDC;
    DCMap::ForThisThread().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        DCMap::ForThisThread().RemovePermanent(hDC, this);
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    if (m_hDC != nullptr)
        DCMap::ForThisThread().RemovePermanent(m_hDC, this);
    m_hDC = hDC;
    if (hDC != nullptr)
        DCMap::ForThisThread().SetPermanent(hDC, this);
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}

void CDC::ReleaseOutputDC()
{
    SetOutputDC(nullptr);
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    return Attach(
        ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    return Attach(
        ::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nSaved = 0;
    if (m_hDC != nullptr && m_hDC != m_hAttribDC)
        nSaved = ::SaveDC(m_hDC);
    if (m_hAttribDC != nullptr)
        nSaved = ::SaveDC(m_hAttribDC);
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return ApplyToBoth([&](HDC h) { return ::RestoreDC(h, nSavedDC); });
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

// --- objects --------------------------------------------------------------------------------------

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return ApplyToBoth([&](HDC h) { return ::SelectObject(h, hObject); });
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return pObject != nullptr ? CGdiObject::FromHandle(SelectObject(pObject->m_hObject)) : nullptr;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return SelectClipRgn(pRgn);
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hAttribDC, OBJ_PAL)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    HPALETTE hPalette = pPalette != nullptr ? static_cast<HPALETTE>(pPalette->m_hObject) : nullptr;
    return CPalette::FromHandle(
        ApplyToBoth([&](HDC h) { return ::SelectPalette(h, hPalette, bForceBackground); }));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

// --- colours and modes ----------------------------------------------------------------------------

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ApplyToBoth([&](HDC h) { return ::SetBkColor(h, crColor); });
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode)
{
    return ApplyToBoth([&](HDC h) { return ::SetBkMode(h, nBkMode); });
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ApplyToBoth([&](HDC h) { return ::SetTextColor(h, crColor); });
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}

int CDC::SetROP2(int nDrawMode)
{
    return ApplyToBoth([&](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return ApplyToBoth([&](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return ApplyToBoth([&](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return ApplyToBoth([&](HDC h) { return ::SetTextAlign(h, nFlags); });
}

// --- mapping --------------------------------------------------------------------------------------

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
    return ApplyToBoth([&](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return CPoint(pt);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {0, 0};
    ApplyToBoth([&](HDC h) { return ::SetViewportOrgEx(h, x, y, &pt); });
    return CPoint(pt);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    ApplyToBoth([&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &pt); });
    return CPoint(pt);
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {0, 0};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return CSize(size);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    ApplyToBoth([&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
    return CSize(size);
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt = {0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return CPoint(pt);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {0, 0};
    ApplyToBoth([&](HDC h) { return ::SetWindowOrgEx(h, x, y, &pt); });
    return CPoint(pt);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    ApplyToBoth([&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &pt); });
    return CPoint(pt);
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {0, 0};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return CSize(size);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    ApplyToBoth([&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
    return CSize(size);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::DPtoLP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

// --- clipping -------------------------------------------------------------------------------------

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN hRgn = pRgn != nullptr ? static_cast<HRGN>(pRgn->m_hObject) : nullptr;
    return ApplyToBoth([&](HDC h) { return ::SelectClipRgn(h, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = pRgn != nullptr ? static_cast<HRGN>(pRgn->m_hObject) : nullptr;
    return ApplyToBoth([&](HDC h) { return ::ExtSelectClipRgn(h, hRgn, nMode); });
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth([&](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth([&](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

// --- lines ----------------------------------------------------------------------------------------

CPoint CDC::GetCurrentPosition() const
{
    POINT pt = {0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return CPoint(pt);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {0, 0};
    ApplyToBoth([&](HDC h) { return ::MoveToEx(h, x, y, &pt); });
    return CPoint(pt);
}

BOOL CDC::LineTo(int x, int y)
{
    // The attribute context keeps the current position in step.
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
               ptEnd.y);
}

// --- filled shapes --------------------------------------------------------------------------------

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    // An opaque ExtTextOut fills with the background colour, which is restored afterwards.
    const COLORREF crOld = ::SetBkColor(m_hDC, crColor);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, crOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    const RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, crColor);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               crTopLeft, crBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, crBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, crBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}

// --- bitmaps and pixels ---------------------------------------------------------------------------

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                    dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                        nSrcWidth, nSrcHeight, dwRop);
}

BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                         int ySrc, int nSrcWidth, int nSrcHeight, UINT crTransparent)
{
    return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->m_hDC, xSrc, ySrc,
                            nSrcWidth, nSrcHeight, crTransparent);
}

BOOL CDC::AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend)
{
    return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->m_hDC, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, blend);
}

int CDC::StretchDIBits(int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                       int nSrcWidth, int nSrcHeight, const void* lpBits, const BITMAPINFO* lpBitsInfo,
                       UINT nUsage, DWORD dwRop)
{
    return ::StretchDIBits(m_hDC, xDest, yDest, nDestWidth, nDestHeight, xSrc, ySrc, nSrcWidth, nSrcHeight,
                           lpBits, lpBitsInfo, nUsage, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}

// --- text -----------------------------------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size);
}

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::GetTextFace(CString& rString) const
{
    char szFace[LF_FACESIZE] = {};
    const int nLen = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, szFace);
    rString = szFace;
    return nLen;
}

// --- printing -------------------------------------------------------------------------------------

int CDC::StartDoc(LPDOCINFOA lpDocInfo)
{
    return ::StartDocA(m_hDC, lpDocInfo);
}

int CDC::StartDoc(LPCSTR lpszDocName)
{
    DOCINFOA di = {};
    di.cbSize = sizeof(di);
    di.lpszDocName = lpszDocName;
    return StartDoc(&di);
}

int CDC::StartPage()
{
    return ::StartPage(m_hDC);
}

int CDC::EndPage()
{
    return ::EndPage(m_hDC);
}

int CDC::EndDoc()
{
    return ::EndDoc(m_hDC);
}

int CDC::AbortDoc()
{
    return ::AbortDoc(m_hDC);
}

int CDC::SetAbortProc(ABORTPROC lpfn)
{
    return ::SetAbortProc(m_hDC, lpfn);
}

int CDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData)
{
    return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
}

int CDC::ExtEscape(int nEscape, int nInputSize, LPCSTR lpszInputData, int nOutputSize, LPSTR lpszOutputData)
{
    return ::ExtEscape(m_hDC, nEscape, nInputSize, lpszInputData, nOutputSize, lpszOutputData);
}
