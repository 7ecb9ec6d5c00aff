#include "framework/CDialog.h"

#include "framework/AfxExceptionReport.h"

#include "framework/AfxInitControls.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace
{
// The dialog procedure behind the object's window procedure: everything not in the object's map gets
// the system's default dialog handling; WM_INITDIALOG lets the system set the first focus.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT nMsg, WPARAM, LPARAM)
{
    return nMsg == WM_INITDIALOG;
}

HWND TopLevelOf(HWND hWnd)
{
    while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}
} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

BOOL CDialog::CreateDlgWindow(CWnd* pWnd, LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd != nullptr || lpszTemplateName == nullptr)
        return FALSE;
    AfxInitCommonControls();
    AfxHookWindowCreate(pWnd);
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), lpszTemplateName,
                                     pParentWnd ? pParentWnd->m_hWnd : nullptr, AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    // A window that failed during its creation passed WM_NCDESTROY, where AfxWndProc detached the
    // object (and a self-deleting object is gone): it is not touched here.
    return hWnd != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    return CreateDlgWindow(this, lpszTemplateName, pParentWnd);
}

HWND CDialog::GetModalOwner() const
{
    HWND hWnd = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (hWnd == nullptr)
    {
        CWnd* pMainWnd = AfxGetMainWnd();
        hWnd = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    }
    return TopLevelOf(hWnd);
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != nullptr || m_lpszTemplateName == nullptr)
        return -1;
    HWND hWndOwner = GetModalOwner();
    const BOOL bEnableOwner = hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, FALSE);

    m_bModal = TRUE;
    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    if (CreateDlgWindow(this, m_lpszTemplateName, CWnd::FromHandle(hWndOwner)) && ContinueModal())
    {
        if (!IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    EndModal(hWndOwner, bEnableOwner);
    return m_nModalResult;
}

void CDialog::EndModal(HWND hWndOwner, BOOL bEnableOwner)
{
    m_bModal = FALSE;
    m_bContinueModal = FALSE;
    const bool bWasActive = m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    // The owner is enabled before the dialog goes, so that activation returns to it.
    if (bEnableOwner && ::IsWindow(hWndOwner))
        ::EnableWindow(hWndOwner, TRUE);
    if (bWasActive && hWndOwner != nullptr && ::IsWindow(hWndOwner))
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CDialog::RunModalLoop()
{
    CWinThread* pThread = AfxGetThread();
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg;
    while (ContinueModal())
    {
        if (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            BOOL bMore = FALSE;
            AfxCallGuarded([&] { bMore = OnModalIdle(lIdleCount++); });
            bIdle = bMore;
            continue;
        }
        if (!::GetMessageA(&msg, nullptr, 0, 0))
        {
            // The application is quitting: leave this loop and let the outer one see WM_QUIT.
            ::PostQuitMessage((int)msg.wParam);
            m_nModalResult = -1;
            return;
        }
        AfxCallGuarded(
            [&]
            {
                const BOOL bTaken = pThread != nullptr ? pThread->PreTranslateMessage(&msg)
                                                       : WalkPreTranslateTree(m_hWnd, &msg);
                if (!bTaken)
                {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
            });
        if (pThread == nullptr || pThread->IsIdleMessage(&msg))
        {
            bIdle = TRUE;
            lIdleCount = 0;
        }
    }
}

BOOL CDialog::OnModalIdle(LONG lCount)
{
    // The application's idle update keeps the main window's panes current while the dialog runs.
    CWinThread* pThread = AfxGetThread();
    if (lCount == 0 && pThread != nullptr)
        pThread->OnIdle(0);
    return ContinueModal() && SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lCount) != 0;
}

void CDialog::EndDialog(int nResult)
{
    if (!m_bModal)
    {
        if (m_hWnd != nullptr)
            ShowWindow(SW_HIDE);
        return;
    }
    if (!m_bContinueModal)
        return;
    m_nModalResult = nResult;
    m_bContinueModal = FALSE;
    // Wakes the loop when the call came from outside a dispatched message.
    if (m_hWnd != nullptr)
        PostMessage(WM_NULL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 && AfxGetLockoutNotifyWindow() == m_hWnd)
        return TRUE;
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}
