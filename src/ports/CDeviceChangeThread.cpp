#include "ports/CDeviceChangeThread.h"

#include "ports/CDeviceChangeHandler.h"
#include "ports/CDeviceChangeReceiver.h"

#include "framework/CWnd.h"

CDeviceChangeThread::CDeviceChangeThread(CPortMan* pPortMan, CDeviceChangeHandler* pHandler)
    : m_pPortMan(pPortMan), m_pHandler(pHandler)
{
}

// The ready event is set also when the window fails, so the handler never waits for ever.
BOOL CDeviceChangeThread::InitInstance()
{
    auto* pReceiver = new CDeviceChangeReceiver(m_pPortMan);
    if (!pReceiver->CreateReceiver())
    {
        delete pReceiver;
        m_pHandler->OnThreadReady(nullptr);
        return FALSE;
    }
    m_pMainWnd = pReceiver;
    m_pHandler->OnThreadReady(pReceiver->GetSafeHwnd());
    return TRUE;
}

int CDeviceChangeThread::ExitInstance()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = nullptr;
    int iResult = CWinThread::ExitInstance();
    m_pHandler->OnThreadEnded();
    return iResult;
}
