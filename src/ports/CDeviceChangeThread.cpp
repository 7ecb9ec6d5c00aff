#include "ports/CDeviceChangeThread.h"

#include "ports/CDeviceChangeReceiver.h"

CDeviceChangeThread::CDeviceChangeThread(CPortMan* pPortMan,
                                         std::shared_ptr<CDeviceChangeHandler::CThreadSync> pSync)
    : m_pPortMan(pPortMan), m_pSync(std::move(pSync))
{
}

// The ready event is set also when the window fails, so the handler does not wait in vain.
BOOL CDeviceChangeThread::InitInstance()
{
    auto* pReceiver = new CDeviceChangeReceiver(m_pPortMan);
    if (!pReceiver->CreateReceiver())
    {
        delete pReceiver;
        m_pSync->m_ready.SetEvent();
        return FALSE;
    }
    m_pMainWnd = pReceiver;
    m_registration.Register(pReceiver->GetSafeHwnd());
    m_pSync->m_dwThreadId = GetCurrentThreadId();
    m_pSync->m_hWnd = pReceiver->GetSafeHwnd();
    m_pSync->m_ready.SetEvent();
    return TRUE;
}

int CDeviceChangeThread::ExitInstance()
{
    m_registration.Unregister();
    m_pSync->m_hWnd = nullptr;
    if (m_pMainWnd != nullptr)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = nullptr;
    int iResult = CWinThread::ExitInstance();
    m_pSync->m_ended.SetEvent();
    return iResult;
}
