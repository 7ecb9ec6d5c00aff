#include "storage/CPrintRegion.h"

#include "storage/CPage.h"

#include <algorithm>

int CPrintRegion::Place(CPage* pPage, int nTop, int nLeft, int nRight, int nBottom, int nFillFlags)
{
    m_pPage = pPage;
    m_top = nTop;
    m_left = nLeft;
    m_right = nRight;
    m_bottom = nBottom;
    m_fillFlags = nFillFlags;
    const PageState& state = pPage->m_state;
    if (nTop < 0 || nLeft < 0 || nRight > state.pageWidth || nBottom > state.pageHeight)
        return 0;
    m_bottom = std::min(m_bottom, pPage->BottomLimit(0));
    m_right = std::min(m_right, pPage->RightLimit(0));
    m_bodyLeft = m_left + 1;
    m_bodyTop = m_top + 1;

    pPage->PushState();
    PageState& fill = pPage->m_state;
    fill.SetRect(m_top, m_left, m_bottom, m_right);
    fill.fillFlags = m_fillFlags;
    pPage->m_printer.RenderFill(fill);
    pPage->PopState();
    return 1;
}

void CPrintRegion::Caption(LPCSTR lpszText, int nPointSize, int nFlags, int nFillFlags)
{
    if (m_pPage == nullptr)
        return;
    m_pPage->PushState();
    PageState& state = m_pPage->m_state;
    state.SetRect(m_top, m_left, m_bottom, m_right);
    state.text = lpszText ? lpszText : "";
    state.pointSize = nPointSize;
    state.textFlags = nFlags | PRINT_TEXT_SINGLELINE | PRINT_TEXT_VCENTER;
    state.fillFlags = nFillFlags;
    int nBandBottom;
    if (nFlags & PRINT_TEXT_SHADE)
    {
        m_pPage->m_printer.MeasureText(state, 1.0);
        nBandBottom = state.lastRect.bottom + 10;
    }
    else
        nBandBottom = m_top + m_pPage->InchToUnits(nPointSize / 72.0 * 2, PAGE_VERTICAL);
    state.bottom = nBandBottom;
    m_pPage->m_printer.RenderText(state, 1.0);
    m_pPage->PopState();
    m_bodyTop = nBandBottom + 1;
}

void CPrintRegion::Outline()
{
    if (m_pPage == nullptr)
        return;
    m_pPage->PushState();
    PageState& state = m_pPage->m_state;
    state.SetRect(m_top, m_left, m_bottom, m_right);
    m_pPage->m_printer.RenderBox(state, 1);
    m_pPage->PopState();
}
