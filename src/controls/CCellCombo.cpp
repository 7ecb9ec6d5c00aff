#include "controls/CCellCombo.h"

#include "controls/CDropWnd.h"
#include "controls/CellListMessages.h"

IMPLEMENT_DYNAMIC(CCellCombo, CDrawnComboBox)

BEGIN_MESSAGE_MAP(CCellCombo, CDrawnComboBox)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CCellCombo::CCellCombo(CWnd* pList) : CDrawnComboBox(pList), m_pList(pList) {}

void CCellCombo::NotifyList(UINT nMessage)
{
    if (m_pList != nullptr && m_pList->IsWindow())
        m_pList->SendMessage(nMessage, 0, 0);
}

void CCellCombo::OnEscapeKey()
{
    // A loss of the focus takes the choice instead (see OnKillFocus).
    if (!m_bLosingFocus)
        NotifyList(WM_CELLCOMBO_VK_ESCAPE);
}

void CCellCombo::OnReturnKey()
{
    NotifyList(WM_CELLCOMBO_COMPLETE);
}

bool CCellCombo::IsOwnDropDown(CWnd* pWnd) const
{
    const CDropWnd* pDropWnd = GetDropWnd();
    return pWnd != nullptr && pDropWnd != nullptr && pDropWnd->m_hWnd != nullptr &&
           (pWnd->m_hWnd == pDropWnd->m_hWnd || ::IsChild(pDropWnd->m_hWnd, pWnd->m_hWnd));
}

void CCellCombo::OnKillFocus(CWnd* pNewWnd)
{
    m_bLosingFocus = true;
    CDrawnComboBox::OnKillFocus(pNewWnd);
    m_bLosingFocus = false;
    if (!IsOwnDropDown(pNewWnd))
        NotifyList(WM_CELLCOMBO_COMPLETE);
}
