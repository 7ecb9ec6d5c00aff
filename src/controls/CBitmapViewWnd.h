// A window that shows one bitmap in its client area, sized by a fit mode and placed by a horizontal and
// a vertical alignment, with a brush around the picture. It can take the place of a dialog's static
// picture control.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CWnd.h"

class CBrush;

// Posted to the parent on a left-button press: wParam the control id, lParam x * 65535 + y (client).
constexpr UINT WM_WNDIMAGE_CLICK = 10450;

class CBitmapViewWnd : public CWnd
{
    DECLARE_DYNAMIC(CBitmapViewWnd)

public:
    // ImageFitMode: how the picture is sized.
    enum
    {
        FIT_ZOOM = 1,    // bitmap size times the zoom factors
        FIT_NATURAL = 2, // bitmap size
        FIT_STRETCH = 3, // the whole client area
        FIT_WIDTH = 4,   // client width, aspect kept
        FIT_HEIGHT = 5,  // client height, aspect kept
        FIT_INSIDE = 6,  // the smaller ratio
        FIT_FILL = 7,    // the larger ratio
        FIT_TILE = 8     // tiles of the bitmap's size over the client area
    };
    // ImageAlign, per axis.
    enum
    {
        ALIGN_ORIGIN = 1, // the offset set by SetOriginX / SetOriginY
        ALIGN_NEAR = 2,   // left or top
        ALIGN_CENTER = 3,
        ALIGN_FAR = 4 // right or bottom
    };

    CBitmapViewWnd();
    ~CBitmapViewWnd() override;

    // Replaces the static control by this window (same place, styles, text, id and parent) and takes
    // over its bitmap, then fitted inside. FALSE when the control or its parent is no window, or when
    // this window could not be created.
    BOOL CreateFromStatic(CWnd* pStatic);
    // bOwn: the window deletes the bitmap when it is replaced or the window object goes.
    void SetBitmap(HBITMAP hBitmap, BOOL bOwn = FALSE);
    // From hInst (the application's resources when null); without a bitmap the picture is removed.
    BOOL LoadBitmapResource(LPCSTR lpszResourceName, HINSTANCE hInst = nullptr);
    BOOL LoadBitmapResource(UINT nIDResource, HINSTANCE hInst = nullptr);
    // Modes outside 1 to 8 become FIT_NATURAL.
    void SetFitMode(int nFitMode);
    void SetZoom(double dZoomX, double dZoomY);
    void SetZoom(double dZoom) { SetZoom(dZoom, dZoom); }
    void SetOriginX(int x);
    void SetOriginY(int y);
    void SetOrigin(int x, int y);
    // The caller keeps the brush alive; null restores the button-face colour.
    void SetBackgroundBrush(CBrush* pBrush);
    // Computes m_rcDest; with bRedraw the client area is invalidated and erased.
    void UpdateLayout(BOOL bRedraw = TRUE);

    CBitmap m_bitmap;
    HBRUSH m_hbrMargin;
    int m_cxBitmap = 0;
    int m_cyBitmap = 0;
    BYTE m_bOwnBitmap = 0;
    int m_iFitMode = FIT_NATURAL;
    int m_iAlignX = ALIGN_NEAR;
    int m_iAlignY = ALIGN_NEAR;
    CRect m_rcSource;
    double m_dZoomX = 1.0;
    double m_dZoomY = 1.0;
    int m_iOriginX = 0;
    int m_iOriginY = 0;
    CRect m_rcDest;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CSize DestinationSize(int cxClient, int cyClient);
    static int AlignedOffset(int nAlign, int nOrigin, int nClient, int nPicture);
    void PaintTiles(CDC* pDC, CDC* pMemDC, const CRect& rcClient);
    void PaintMargins(CDC* pDC, const CRect& rcClient);
};
