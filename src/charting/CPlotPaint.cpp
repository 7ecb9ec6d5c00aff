// Painting of the chart: areas, legend, axes laid out around the plot, curves, objects, and the copy of
// the last screen image.
#include "charting/CPlot.h"

#include "charting/CDCEx.h"
#include "charting/CFontSelector.h"
#include "charting/CMemDC_Tervane.h"
#include "charting/CPenSelector.h"
#include "charting/CQuickFont.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CPaintDC.h"

#include <algorithm>
#include <optional>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF AreaColor(const CDCEx* pDC, COLORREF cr)
{
    return pDC->m_bMonochrome ? kWhite : cr;
}

CString LegendText(const CPlotDataSerie& curve, int iCurve)
{
    CString str;
    str.Format("%02d %s", iCurve + 1, curve.m_strTitle.GetString());
    return str;
}
} // namespace

void CPlot::OnPaint()
{
    CPaintDC dcPaint(this);
    m_ptCursorLast = CPoint(-1, -1);
    CRect rcClient;
    GetClientRect(&rcClient);
    std::optional<CMemDC_Tervane> memDC;
    if (m_bDoubleBuffered)
        memDC.emplace(&dcPaint, rcClient, rcClient);
    CDCEx dc;
    dc.Attach(m_bDoubleBuffered ? memDC->m_hDC : dcPaint.m_hDC);
    const int nSaved = dc.SaveDC();
    dc.ComputeScaleFactors(dc.m_hDC);
    dc.m_bMonochrome = false;
    dc.m_bScaling = false;
    dc.m_bPreview = false;
    Render(&dc, rcClient);
    TakeSnapshot(&dc, rcClient);
    dc.RestoreDC(nSaved);
    dc.Detach();
    // memDC copies the image to the window as it ends.
}

void CPlot::Render(CDCEx* pDC, const CRect& rcDraw)
{
    pDC->FillSolidRect(rcDraw, AreaColor(pDC, m_crBackground));
    CRect rcInner(rcDraw.left + m_iMarginLeft, rcDraw.top + m_iMarginTop, rcDraw.right - m_iMarginRight,
                  rcDraw.bottom - m_iMarginBottom);
    if (m_bLegendVisible)
        DrawLegend(pDC, rcInner);
    pDC->FillSolidRect(rcInner, AreaColor(pDC, m_crInnerArea));

    int nLeft, nRight;
    LayOutYAxes(pDC, rcInner, nLeft, nRight);
    int nBottom = rcInner.bottom;
    for (CPlotAxis& axis : m_XAxes)
    {
        if (axis.m_bVisible)
            nBottom -= axis.GetLabelHeight(pDC) + m_iAxisSpacing;
        axis.m_iOriginY = nBottom;
        axis.m_iOriginX = nLeft;
        axis.m_rcArea = rcInner;
    }
    m_rcPlot.SetRect(nLeft + 1, rcInner.top, nRight, nBottom);
    pDC->FillSolidRect(m_rcPlot, AreaColor(pDC, m_crPlotArea));
    for (CPlotAxis& axis : m_YAxes)
    {
        axis.m_iOriginY = m_rcPlot.bottom;
        axis.Draw(pDC);
    }
    for (CPlotAxis& axis : m_XAxes)
        axis.Draw(pDC);

    CRect rcClip = m_rcPlot;
    if (pDC->m_bScaling && !pDC->m_bPreview)
        pDC->ScaleRect(rcClip);
    pDC->IntersectClipRect(rcClip);
    for (CPlotDataSerie& curve : m_Curves)
        if (curve.m_bVisible)
            curve.Draw(pDC);
    for (CPlotDataSerie& curve : m_Curves)
        if (curve.m_bVisible && curve.m_bMarkers)
            curve.DrawMarkers(pDC);
    DrawOverlays(pDC);
    for (CPlotObject* pObject : m_Objects)
        pObject->Draw(pDC);
    if (m_bShowEditValue)
    {
        CQuickFont font("Arial", 13, FW_NORMAL, false);
        CFontSelector selector(&font, pDC, true);
        pDC->SetBkMode(TRANSPARENT);
        CString str;
        str.Format("%.2f", m_dEditValue);
        pDC->TextOut(m_ptMouse.x + 10, m_ptMouse.y, str);
    }
}

void CPlot::LayOutYAxes(CDCEx* pDC, CRect& rcInner, int& nLeft, int& nRight)
{
    int nNextSide = 0;
    for (CPlotAxis& axis : m_YAxes)
        if (axis.m_iSide == 2)
        {
            axis.m_iSide = nNextSide;
            nNextSide = 1 - nNextSide;
        }
    nLeft = rcInner.left;
    nRight = rcInner.right;
    for (int nSide : {0, 1})
        for (CPlotAxis& axis : m_YAxes)
        {
            if (axis.m_iSide != nSide)
                continue;
            const int nBand = std::max(axis.GetMaxLabelWidth(pDC),
                                       static_cast<int>(axis.GetTitleSize(pDC).cx) + axis.m_iArrowSize);
            if (axis.m_bVisible)
            {
                if (nSide == 0)
                    nLeft += nBand + m_iAxisSpacing;
                else
                    nRight -= nBand + m_iAxisSpacing;
            }
            axis.m_iOriginX = nSide == 0 ? nLeft : nRight;
            axis.m_rcArea = rcInner;
        }
}

void CPlot::DrawLegend(CDCEx* pDC, CRect& rcInner)
{
    CQuickFont font("Arial", 13, FW_NORMAL, false);
    CFontSelector selector(&font, pDC, true);
    int nWidest = 0, nHeight = 0, nRow = 0;
    for (int i = 0; i < GetCurveCount(); ++i)
        if (m_Curves[static_cast<size_t>(i)].m_bVisible)
        {
            const CSize size = pDC->GetTextExtent(LegendText(m_Curves[static_cast<size_t>(i)], i));
            nWidest = std::max(nWidest, static_cast<int>(size.cx));
            nHeight += size.cy;
            nRow = size.cy;
        }
    const int W = nWidest + 16;
    CRect rcBox;
    // Sides other than 0 (left) are laid out on the right, the default side.
    if (m_iLegendSide == 0)
    {
        rcBox.SetRect(rcInner.left + 10, rcInner.top + 10, rcInner.left + 10 + W, rcInner.top + 12 + nHeight);
        rcInner.left += W + 20;
    }
    else
    {
        rcBox.SetRect(rcInner.right - 10 - W, rcInner.top + 10, rcInner.right - 10,
                      rcInner.top + 12 + nHeight);
        rcInner.right -= W + 20;
    }
    const COLORREF crWindow = AreaColor(pDC, ::GetSysColor(COLOR_WINDOW));
    {
        CPenSelector pen(kBlack, 1, pDC, PS_SOLID);
        CBrush brush(crWindow);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        pDC->Rectangle(rcBox);
        pDC->SelectObject(pOldBrush);
    }
    rcBox.DeflateRect(1, 1);
    m_LegendEntries.clear();
    pDC->SetBkMode(OPAQUE);
    pDC->SetBkColor(crWindow);
    pDC->SetTextColor(kBlack);
    int k = 0;
    for (int i = 0; i < GetCurveCount(); ++i)
    {
        CPlotDataSerie& curve = m_Curves[static_cast<size_t>(i)];
        if (!curve.m_bVisible)
            continue;
        CRect rcText(rcBox.left + 12, rcBox.top + k * nRow, rcBox.right, rcBox.top + (k + 1) * nRow);
        const CRect rcEntry(rcBox.left, rcText.top, rcBox.right, rcText.bottom);
        m_LegendEntries.push_back({rcEntry, i});
        pDC->DrawText(LegendText(curve, i), rcText, DT_LEFT);
        if (curve.m_bSelected)
            pDC->DrawFocusRect(rcEntry);
        const CRect rcSymbol(rcBox.left + 2, rcText.top + 1, rcBox.left + 10, rcText.bottom - 2);
        const COLORREF crCurve = pDC->m_bMonochrome ? kBlack : curve.m_crColor;
        if (curve.m_iMarkerMode != 0)
        {
            if (CPlotAxis* pYAxis = GetYAxisAt(0))
                pYAxis->DrawLegendMarker(pDC, rcSymbol.left - 1, rcSymbol.top + 1, curve.m_iMarkerSymbol, 8,
                                         crCurve, true);
        }
        else
            pDC->FillSolidRect(rcSymbol, crCurve);
        ++k;
    }
}

void CPlot::TakeSnapshot(CDCEx* pDC, const CRect& rcDraw)
{
    auto pSnapshot = std::make_unique<CBitmap>();
    CDC dcCopy;
    if (!pSnapshot->CreateCompatibleBitmap(pDC, rcDraw.Width(), rcDraw.Height()) ||
        !dcCopy.CreateCompatibleDC(pDC))
    {
        m_pSnapshot.reset();
        return;
    }
    CBitmap* pOld = dcCopy.SelectObject(pSnapshot.get());
    dcCopy.BitBlt(0, 0, rcDraw.Width(), rcDraw.Height(), pDC, 0, 0, SRCCOPY);
    dcCopy.SelectObject(pOld);
    m_pSnapshot = std::move(pSnapshot);
}

void CPlot::DrawToDC(CDC* pDC)
{
    RenderOnTarget(pDC->m_hDC, pDC->m_hAttribDC,
                   CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
}

LRESULT CPlot::OnPrintClient(WPARAM wParam, LPARAM)
{
    const HDC hDC = reinterpret_cast<HDC>(wParam);
    CRect rcClient;
    GetClientRect(&rcClient);
    RenderOnTarget(hDC, hDC, rcClient);
    return 0;
}

void CPlot::RenderOnTarget(HDC hDC, HDC hAttribDC, const CRect& rcDraw)
{
    CDCEx dc;
    dc.Attach(hDC);
    dc.SetAttribDC(hAttribDC);
    dc.ComputeScaleFactors(hAttribDC);
    dc.m_bMonochrome = false;
    dc.m_bScaling = false;
    dc.m_bPreview = false;
    m_pTargetDC = &dc;
    m_rcPrint = rcDraw;
    const int nSaved = dc.SaveDC();
    Render(&dc, m_rcPrint);
    dc.RestoreDC(nSaved);
    m_pTargetDC = nullptr;
    dc.Detach();
}
