#include "framework/CWinThread.h"

#include "framework/AfxExceptionReport.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace
{
thread_local CWinThread* t_pThread = nullptr;
}

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread != nullptr)
        ::CloseHandle(m_hThread);
    if (t_pThread == this)
        t_pThread = nullptr;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pParam)
{
    auto* pThread = static_cast<CWinThread*>(pParam);
    t_pThread = pThread;
    // An exception that leaves the thread's body is reported to the main window; the thread ends.
    UINT nResult = ERROR_INTERNAL_ERROR;
    AfxCallGuarded(
        [&]
        {
            if (pThread->m_pfnThreadProc != nullptr)
                nResult = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
            else if (pThread->InitInstance())
                nResult = (UINT)pThread->Run();
            else
                nResult = (UINT)pThread->ExitInstance();
        });
    CWnd::DeleteThreadState();
    t_pThread = nullptr;
    if (pThread->m_bAutoDelete)
        pThread->Delete();
    return nResult;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    unsigned nThreadID = 0;
    m_hThread = reinterpret_cast<HANDLE>(
        _beginthreadex(lpSecurityAttrs, nStackSize, &ThreadEntry, this, CREATE_SUSPENDED, &nThreadID));
    if (m_hThread == nullptr)
        return FALSE;
    m_nThreadID = nThreadID;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

void CWinThread::Delete()
{
    delete this;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr)
        return FALSE;
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd ? pMainWnd->m_hWnd : nullptr, pMsg))
        return TRUE;
    // A message for a window outside the main window's tree still passes the main window.
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && !::IsChild(pMainWnd->m_hWnd, pMsg->hwnd) &&
        pMainWnd->m_hWnd != pMsg->hwnd)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    AfxCallGuarded(
        [this]
        {
            if (!PreTranslateMessage(&m_msgCur))
            {
                ::TranslateMessage(&m_msgCur);
                ::DispatchMessageA(&m_msgCur);
            }
        });
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Repeated mouse moves at the same place, paints and caret blinks do not restart idle work;
    // WM_TIMER does.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        const bool bSame =
            m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y && m_nMsgLast == pMsg->message;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return !bSame;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = GetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible())
        {
            pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            pMainWnd->SendMessageToPermanentDescendants(WM_IDLEUPDATECMDUI, TRUE);
        }
    }
    else
    {
        CWnd::DeleteTempMap();
    }
    return lCount < 1;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
        {
            // Idle work that throws is reported once and waits for the next message.
            BOOL bMore = FALSE;
            AfxCallGuarded([&] { bMore = OnIdle(lIdleCount++); });
            if (!bMore)
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

namespace
{
// Starts pThread suspended, sets its priority and lets it run unless the caller wants it suspended.
CWinThread* StartThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                        LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pThread == nullptr)
        return nullptr;
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        pThread->Delete();
        return nullptr;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}
} // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    return StartThread(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags,
                       lpSecurityAttrs);
}

CWinThread* AfxBeginThread(const CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    return StartThread(static_cast<CWinThread*>(pThreadClass->CreateObject()), nPriority, nStackSize,
                       dwCreateFlags, lpSecurityAttrs);
}

CWinThread* AfxGetThread()
{
    if (t_pThread != nullptr)
        return t_pThread;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_nThreadID == ::GetCurrentThreadId() ? pApp : nullptr;
}

BOOL AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->PumpMessage();
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return TRUE;
}
