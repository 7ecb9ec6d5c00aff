#include "framework/CFormView.h"

#include "framework/CCreateContext.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CDocument.h"

IMPLEMENT_DYNAMIC(CFormView, CView)

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)) {}

CFormView::CFormView(LPCSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext)
{
    // The object outlives a failing window here, so that it can be deleted once, below.
    m_bCreating = true;
    const BOOL bCreated = CDialog::CreateDlgWindow(this, m_lpszTemplateName, pParentWnd);
    m_bCreating = false;
    if (!bCreated)
    {
        delete this;
        return FALSE;
    }
    SetDlgCtrlID((int)nID);
    if (!::IsRectEmpty(&rect))
        SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::PostNcDestroy()
{
    if (!m_bCreating)
        CView::PostNcDestroy();
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

BOOL CFormView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The exchange itself changes the controls: their notifications are not the operator's.
    if (lParam != 0 && AfxGetLockoutNotifyWindow() == m_hWnd)
        return TRUE;
    return CView::OnCommand(wParam, lParam);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CView::PreTranslateMessage(pMsg))
        return TRUE;
    const bool bKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool bOurs = pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd);
    return bKey && bOurs && ::IsDialogMessageA(m_hWnd, pMsg);
}
