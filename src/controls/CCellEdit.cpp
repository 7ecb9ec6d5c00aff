#include "controls/CCellEdit.h"

#include "controls/CellListMessages.h"
#include "framework/CClientDC.h"
#include "framework/CPen.h"

IMPLEMENT_DYNAMIC(CCellEdit, CEdit)

BEGIN_MESSAGE_MAP(CCellEdit, CEdit)
ON_WM_CREATE()
ON_WM_CHAR()
ON_WM_KILLFOCUS()
ON_WM_DESTROY()
ON_WM_PAINT()
END_MESSAGE_MAP()

CCellEdit::CCellEdit(CWnd* pList, const CString& strInitialText)
    : m_pList(pList), m_strInitialText(strInitialText)
{
}

int CCellEdit::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    if (m_pList == nullptr)
        m_pList = GetParent();
    if (m_pList != nullptr && m_pList->IsWindow())
        SetFont(m_pList->GetFontHandle());
    else
        m_pList = nullptr;
    SetWindowText(m_strInitialText);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    SetFocus();
    SetCapture();
    return 0;
}

void CCellEdit::NotifyList(UINT nMessage)
{
    const BOOL bSentBefore = m_bSent;
    m_bSent = TRUE;
    if (!bSentBefore && m_pList != nullptr && m_pList->IsWindow())
        m_pList->SendMessage(nMessage, 0, 0);
}

BOOL CCellEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
    {
        NotifyList(pMsg->wParam == VK_RETURN ? WM_CELLEDIT_KILL_FOCUS : WM_CELLEDIT_VK_ESCAPE);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CCellEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (m_pList != nullptr && nChar == VK_ESCAPE)
        NotifyList(WM_CELLEDIT_VK_ESCAPE);
    else if (m_pList != nullptr && nChar == VK_RETURN)
        NotifyList(WM_CELLEDIT_KILL_FOCUS);
    else
        Default();
}

void CCellEdit::OnKillFocus(CWnd*)
{
    Default();
    NotifyList(WM_CELLEDIT_KILL_FOCUS);
}

void CCellEdit::OnDestroy()
{
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    CEdit::OnDestroy();
}

void CCellEdit::OnPaint()
{
    CRect rc;
    GetClientRect(&rc);
    {
        CClientDC dc(this);
        CRect rcFill = rc;
        rcFill.right += 2;
        dc.FillSolidRect(&rcFill, ::GetSysColor(COLOR_WINDOW));
    }
    Default();
    CClientDC dc(this);
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_INACTIVECAPTION));
    CPen* pOldPen = dc.SelectObject(&pen);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(rc.left - 1, rc.top - 1, rc.right + 2, rc.bottom - 1);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}
