#include "storage/CPrinter.h"

#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CPen.h"
#include "storage/PageState.h"

#include <algorithm>

namespace
{
constexpr int TEXT_SHADE_TRANSPARENT = PRINT_FILL_BLACK | PRINT_FILL_LIGHTGRAY | PRINT_FILL_DARKGRAY;
constexpr int TEXT_SHADE_WHITE = PRINT_FILL_BLACK | PRINT_FILL_DARKGRAY;

BOOL CreateTextFont(CFont& font, CDC& dc, const PageState& state)
{
    const int nHeight = -::MulDiv(state.pointSize, dc.GetDeviceCaps(LOGPIXELSY), 72);
    const int nFlags = state.textFlags;
    return font.CreateFont(nHeight, 0, 0, 0, (nFlags & PRINT_TEXT_BOLD) ? FW_BOLD : FW_NORMAL,
                           (nFlags & PRINT_TEXT_ITALIC) != 0, (nFlags & PRINT_TEXT_UNDERLINE) != 0,
                           (nFlags & PRINT_TEXT_STRIKEOUT) != 0, ANSI_CHARSET, OUT_STROKE_PRECIS,
                           CLIP_STROKE_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, state.faceName);
}

// Shades the text rectangle; the context is restored by the caller.
void ShadeTextRect(CDC& dc, const CRect& rect, int nFillFlags)
{
    if (nFillFlags & TEXT_SHADE_TRANSPARENT)
        dc.SetBkMode(TRANSPARENT);
    if (nFillFlags & TEXT_SHADE_WHITE)
        dc.SetTextColor(RGB(255, 255, 255));
    dc.SelectObject(CPrinter::ShadingBrush(nFillFlags));
    dc.Rectangle(rect);
}

// Selects a pen of the state's style and a brush for one drawing and puts the previous ones back.
class CDrawingTools
{
public:
    CDrawingTools(CDC& dc, int nPenStyle, int nWidth, HBRUSH hBrush) : m_dc(dc)
    {
        m_pen.CreatePen(nPenStyle, nWidth, dc.GetTextColor());
        m_hOldPen = dc.SelectObject(static_cast<HGDIOBJ>(m_pen.m_hObject));
        m_hOldBrush = dc.SelectObject(static_cast<HGDIOBJ>(hBrush));
    }
    ~CDrawingTools()
    {
        m_dc.SelectObject(m_hOldBrush);
        m_dc.SelectObject(m_hOldPen);
    }
    CDrawingTools(const CDrawingTools&) = delete;
    CDrawingTools& operator=(const CDrawingTools&) = delete;

private:
    CDC& m_dc;
    CPen m_pen;
    HGDIOBJ m_hOldPen;
    HGDIOBJ m_hOldBrush;
};

CRect StateRect(const PageState& state)
{
    return CRect(state.left + state.offsetX, state.top, state.right + state.offsetX, state.bottom);
}
} // namespace

HBRUSH CPrinter::ShadingBrush(int nFillFlags)
{
    int nStock = NULL_BRUSH;
    if (nFillFlags & PRINT_FILL_GRAY)
        nStock = GRAY_BRUSH;
    else if (nFillFlags & PRINT_FILL_LIGHTGRAY)
        nStock = LTGRAY_BRUSH;
    else if (nFillFlags & PRINT_FILL_DARKGRAY)
        nStock = DKGRAY_BRUSH;
    else if (nFillFlags & PRINT_FILL_BLACK)
        nStock = BLACK_BRUSH;
    return static_cast<HBRUSH>(::GetStockObject(nStock));
}

UINT CPrinter::DrawFormat(int nTextFlags)
{
    UINT nFormat = DT_NOPREFIX;
    if (nTextFlags & PRINT_TEXT_CENTER)
        nFormat |= DT_CENTER;
    else if (nTextFlags & PRINT_TEXT_RIGHT)
        nFormat |= DT_RIGHT;
    if (nTextFlags & PRINT_TEXT_TABS)
        nFormat |= DT_EXPANDTABS;
    nFormat |= (nTextFlags & PRINT_TEXT_SINGLELINE) ? DT_SINGLELINE : DT_WORDBREAK;
    if (nTextFlags & PRINT_TEXT_NOCLIP)
        nFormat |= DT_NOCLIP;
    if (nTextFlags & PRINT_TEXT_VCENTER)
        nFormat |= DT_VCENTER;
    return nFormat;
}

int CPrinter::PenStyle(int nLineFlags, bool bBox)
{
    if (nLineFlags & PRINT_LINE_DASH)
        return PS_DASH;
    if (nLineFlags & PRINT_LINE_DOT)
        return PS_DOT;
    if (!bBox && (nLineFlags & PRINT_LINE_DASHDOT))
        return PS_DASHDOT;
    if (!bBox && (nLineFlags & PRINT_LINE_DASHDOTDOT))
        return PS_DASHDOTDOT;
    return PS_SOLID;
}

int CPrinter::MeasureText(PageState& state, double dSpacing)
{
    return LayOutText(state, dSpacing, false);
}

int CPrinter::RenderText(PageState& state, double dSpacing)
{
    if (state.text.IsEmpty())
        return state.pointSize * 2;
    return LayOutText(state, dSpacing, true);
}

int CPrinter::LayOutText(PageState& state, double dSpacing, bool bDraw)
{
    CDC& dc = *state.pDC;
    CRect rect = StateRect(state);
    if (bDraw)
        rect.right = std::min<LONG>(rect.right, state.pageWidth - state.offsetX);
    dc.LPtoDP(&rect);

    CFont font;
    const int nSaved = dc.SaveDC();
    dc.SetMapMode(MM_TEXT);
    if (CreateTextFont(font, dc, state))
        dc.SelectObject(&font);
    const UINT nFormat = DrawFormat(state.textFlags);
    if (state.right == 0 && state.bottom == 0)
        dc.DrawText(state.text, &rect, nFormat | DT_CALCRECT);
    CRect rectNeeded = rect;
    if (bDraw)
    {
        if (state.textFlags & PRINT_TEXT_SHADE)
            ShadeTextRect(dc, rect, state.fillFlags);
        dc.DrawText(state.text, &rect, nFormat);
    }
    dc.DrawText(state.text, &rectNeeded, nFormat | DT_CALCRECT);
    dc.RestoreDC(nSaved);

    dc.DPtoLP(&rectNeeded);
    state.lastRight = rectNeeded.right;
    state.lastRect = rectNeeded;
    if (state.pTextMetrics != nullptr)
        dc.GetTextMetrics(state.pTextMetrics);
    return static_cast<int>(state.pointSize * dSpacing);
}

void CPrinter::RenderLine(PageState& state, int nWidth)
{
    CDC& dc = *state.pDC;
    CDrawingTools tools(dc, PenStyle(state.lineFlags, false), nWidth, ShadingBrush(0));
    const POINT points[2] = {{state.left + state.offsetX, state.top},
                             {state.right + state.offsetX, state.bottom}};
    dc.Polyline(points, 2);
}

void CPrinter::RenderBox(PageState& state, int nWidth)
{
    CDC& dc = *state.pDC;
    CDrawingTools tools(dc, PenStyle(state.lineFlags, true), nWidth, ShadingBrush(state.fillFlags));
    const CRect rect = StateRect(state);
    const POINT corners[4] = {
        {rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
    dc.Polygon(corners, 4);
}

void CPrinter::RenderFill(PageState& state)
{
    const CRect rect = StateRect(state);
    ::FillRect(state.pDC->m_hDC, &rect, ShadingBrush(state.fillFlags));
}
