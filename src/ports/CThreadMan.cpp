#include "ports/CThreadMan.h"

#include "framework/CException.h"
#include "framework/CWinApp.h"
#include "framework/CWinThread.h"
#include "ports/CPort.h"

CThreadMan::CThreadMan() : m_hQuitEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    m_ahWait[0] = m_hQuitEvent;
    m_ahWait[1] = m_startPair.GetRequestEvent();
    m_pThread = AfxBeginThread(&CThreadMan::ThreadProc, this, THREAD_PRIORITY_HIGHEST, 0, CREATE_SUSPENDED);
    if (m_pThread != nullptr)
    {
        m_pThread->m_bAutoDelete = FALSE;
        m_hThread = m_pThread->m_hThread;
        m_pThread->ResumeThread();
    }
}

CThreadMan::~CThreadMan()
{
    if (m_pThread != nullptr)
    {
        DWORD dwCount = 0;
        do
            dwCount = ResumeThread(m_hThread);
        while (dwCount != static_cast<DWORD>(-1) && dwCount > 1);
        SetEvent(m_hQuitEvent);
        WaitForSingleObject(m_hThread, INFINITE);
        delete m_pThread;
    }
    CloseHandle(m_hQuitEvent);
}

bool CThreadMan::StartReading()
{
    if (m_pPort == nullptr || m_hThread == nullptr)
        return false;
    m_startPair.Request();
    HANDLE ahWait[2] = {m_startPair.GetAckEvent(), m_hThread};
    return WaitForMultipleObjects(2, ahWait, FALSE, INFINITE) == WAIT_OBJECT_0;
}

UINT CThreadMan::ThreadProc(LPVOID pParam)
{
    try
    {
        return static_cast<CThreadMan*>(pParam)->Run();
    }
    catch (CException* e)
    {
        char szMessage[512];
        if (!e->GetErrorMessage(szMessage, sizeof(szMessage)))
            lstrcpynA(szMessage, "No error message is available.", sizeof(szMessage));
        AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
        e->Delete();
    }
    DWORD dwError = GetLastError();
    return dwError != 0 ? dwError : ERROR_INTERNAL_ERROR;
}

UINT CThreadMan::Run()
{
    for (;;)
    {
        DWORD dwWait = WaitForMultipleObjects(2, m_ahWait, FALSE, INFINITE);
        if (dwWait == WAIT_OBJECT_0)
            return 0;
        CPort* pPort = m_pPort;
        if (dwWait != WAIT_OBJECT_0 + 1 || pPort == nullptr)
            continue;
        m_startPair.Acknowledge();
        pPort->RunReader();
    }
}

bool CThreadMan::PreTranslateAppMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->PreTranslateMessage(pMsg);
}
