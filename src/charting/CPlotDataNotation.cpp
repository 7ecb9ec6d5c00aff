#include "charting/CPlotDataNotation.h"

#include "charting/CDCEx.h"
#include "charting/CFontSelector.h"
#include "charting/CPlotAxis.h"
#include "framework/CArchive.h"

IMPLEMENT_DYNCREATE(CPlotDataNotation, CPlotObject)

namespace
{
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kBoxOffset = 20; // the box's top lies this far above the point
} // namespace

CPlotDataNotation::CPlotDataNotation()
{
    m_bCanMove = false;
    m_bCanResize = false;
    m_bCanEdit = false;
    m_Font.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_CHARACTER_PRECIS, ANTIALIASED_QUALITY, 0, "Arial");
}

void CPlotDataNotation::Serialize(CArchive& ar)
{
    CPlotObject::Serialize(ar);
    if (ar.IsStoring())
        ar << m_dX << m_dY << m_iCurve << m_iIndex << m_strText;
    else
        ar >> m_dX >> m_dY >> m_iCurve >> m_iIndex >> m_strText;
}

void CPlotDataNotation::Draw(CDCEx* pDC)
{
    if (!m_bVisible)
        return;
    CPoint pt;
    if (!CPlotAxis::CurvePointToPixel(m_pGraph, m_iCurve, CurvePoint{m_dX, m_dY}, pt))
        return;
    if (m_bSizing)
        m_Tracker.Draw(pDC);
    CFontSelector font(&m_Font, pDC, true);
    if (!m_bSized)
    {
        m_rcObject.SetRect(pt.x, pt.y - kBoxOffset, pt.x + 1, pt.y);
        pDC->DrawText(m_strText, m_rcObject, DT_CALCRECT | DT_CENTER);
        m_bSized = true;
    }
    m_rcObject.OffsetRect(pt.x - m_rcObject.left, pt.y - kBoxOffset - m_rcObject.top);
    CRect rcFrame = m_rcObject;
    rcFrame.InflateRect(1, 1);
    pDC->FillSolidRect(rcFrame, kBlack);
    pDC->FillSolidRect(m_rcObject, kWhite);
    pDC->DrawText(m_strText, m_rcObject, DT_CENTER);
    pDC->FillSolidRect(pt.x - 1, pt.y - 1, 3, 3, kBlack);
    pDC->MoveTo(pt);
    pDC->LineTo(pt.x, m_rcObject.bottom);
}
