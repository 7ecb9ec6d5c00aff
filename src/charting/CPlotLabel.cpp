#include "charting/CPlotLabel.h"

#include "charting/CBrushSelector.h"
#include "charting/CDCEx.h"
#include "charting/CFontSelector.h"
#include "charting/CLabelDlg.h"
#include "charting/CPenSelector.h"
#include "charting/CPlotAxis.h"
#include "charting/CPlotHost.h"
#include "framework/CArchive.h"
#include "framework/CMenu.h"

#include <optional>

IMPLEMENT_DYNCREATE(CPlotLabel, CPlotObject)

namespace
{
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr DWORD kEditStyle =
    WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE;
} // namespace

CPlotLabel::CPlotLabel() : m_crBackColor(::GetSysColor(COLOR_WINDOW))
{
    m_bCanMove = true;
    m_bCanResize = true;
    m_Font.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_CHARACTER_PRECIS, ANTIALIASED_QUALITY, 0, "Arial");
}

void CPlotLabel::SetFont(const LOGFONTA& lf)
{
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&lf);
}

void CPlotLabel::Serialize(CArchive& ar)
{
    CPlotObject::Serialize(ar);
    LOGFONTA lf = {};
    if (ar.IsStoring())
    {
        m_Font.GetLogFont(&lf);
        ar << m_strText;
        ar.Write(&lf, sizeof(lf));
        ar << static_cast<DWORD>(m_crBackColor) << static_cast<DWORD>(m_crText) << m_bBorder << m_bTransparent
           << m_iAlign << m_iCurve;
    }
    else
    {
        ar >> m_strText;
        ReadLogFont(ar, lf);
        DWORD crBack, crText;
        ar >> crBack >> crText >> m_bBorder >> m_bTransparent >> m_iAlign >> m_iCurve;
        m_crBackColor = crBack;
        m_crText = crText;
        SetFont(lf);
    }
}

void CPlotLabel::DrawConnector(CDCEx* pDC)
{
    PlotCurveInfo curve;
    if (m_pGraph == nullptr || !m_pGraph->GetCurveInfo(m_iCurve, curve) || curve.iCount <= 0)
        return;
    CPoint ptFrom;
    if (!CPlotAxis::CurvePointToPixel(m_pGraph, m_iCurve, curve.pData[curve.iCount / 2], ptFrom))
        return;
    pDC->MoveTo(ptFrom);
    pDC->LineTo(m_rcObject.CenterPoint());
}

void CPlotLabel::Draw(CDCEx* pDC)
{
    if (!m_bVisible)
        return;
    const COLORREF crBack = pDC->m_bMonochrome ? kWhite : m_crBackColor;
    CFontSelector font(&m_Font, pDC, true);
    std::optional<CBrushSelector> brush;
    CGdiObject* pOldBrush = nullptr;
    if (m_bTransparent)
        pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    else
        brush.emplace(crBack, pDC);
    std::optional<CPenSelector> pen;
    if (m_bBorder)
        pen.emplace(kBlack, 1, pDC, PS_SOLID);

    if (m_iCurve != -1)
        DrawConnector(pDC);
    pDC->SetBkMode(OPAQUE);
    if (m_bTransparent)
        pDC->SetBkMode(TRANSPARENT);
    else
        pDC->FillSolidRect(m_rcObject, crBack);
    if (m_bBorder)
        pDC->Rectangle(m_rcObject);
    pDC->SetBkColor(crBack);
    const COLORREF crOldText = pDC->SetTextColor(pDC->m_bMonochrome ? kBlack : m_crText);
    if (m_bSizing)
        m_Tracker.Draw(pDC);
    CRect rcText = m_rcObject;
    rcText.DeflateRect(1, 1);
    if (m_bEditing && m_Edit.GetSafeHwnd() != nullptr)
        m_Edit.ShowWindow(SW_SHOW);
    else
        pDC->DrawText(m_strText, rcText, m_iAlign);
    pDC->SetTextColor(crOldText);
    if (pOldBrush != nullptr)
        pDC->SelectObject(pOldBrush);
}

void CPlotLabel::BeginEdit()
{
    if (!m_bCanEdit || m_pGraph == nullptr || m_pGraph->GetPlotWnd() == nullptr)
        return;
    if (m_Edit.GetSafeHwnd() != nullptr)
        m_Edit.DestroyWindow();
    m_bSizing = false;
    m_bEditing = true;
    CWnd* pChart = m_pGraph->GetPlotWnd();
    CRect rect = m_rcObject;
    rect.DeflateRect(1, 1);
    if (!m_Edit.Create(static_cast<DWORD>(m_iAlign) | kEditStyle, rect, pChart, EDIT_CONTROL_ID))
    {
        m_bEditing = false;
        return;
    }
    m_Edit.SetFont(&m_Font);
    m_Edit.SetWindowText(m_strText);
    m_Edit.ShowWindow(SW_SHOW);
    pChart->Invalidate(TRUE);
    m_Edit.SetFocus();
    m_Edit.SetSel(0, -1);
}

void CPlotLabel::EndEdit()
{
    if (!m_bCanEdit)
        return;
    if (m_Edit.GetSafeHwnd() != nullptr)
    {
        m_Edit.GetWindowText(m_strText);
        m_Edit.DestroyWindow();
    }
    m_bEditing = false;
}

void CPlotLabel::InvokeProperties()
{
    CWnd* pChart = m_pGraph != nullptr ? m_pGraph->GetPlotWnd() : nullptr;
    CMenu menu;
    if (pChart == nullptr || !menu.CreatePopupMenu() ||
        !menu.AppendMenu(MF_STRING, ID_LABEL_PROPERTIES, "Properties"))
        return;
    POINT ptCursor = {};
    ::GetCursorPos(&ptCursor);
    if (menu.TrackPopupMenu(TPM_NONOTIFY | TPM_RETURNCMD, ptCursor.x, ptCursor.y, pChart) !=
        static_cast<BOOL>(ID_LABEL_PROPERTIES))
        return;
    CLabelDlg dlg;
    dlg.m_pLabel = this;
    dlg.DoModal();
}
