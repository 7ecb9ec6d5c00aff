// Owns the port manager's reader thread, which runs the receive loop of the port it is given.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"
#include "ports/CEventPair.h"

class CPort;
class CWinThread;

class CThreadMan : public CObject
{
public:
    CThreadMan();
    ~CThreadMan() override;
    CThreadMan(const CThreadMan&) = delete;
    CThreadMan& operator=(const CThreadMan&) = delete;

    void SetPort(CPort* pPort) { m_pPort = pPort; }
    // Asks the thread to run the port's reader; false when no port is set or the thread has ended.
    bool StartReading();
    HANDLE GetThreadHandle() const { return m_hThread; }

    // Offers a message taken by a pumping wait to the thread's pre-translation; true when handled.
    static bool PreTranslateAppMessage(MSG* pMsg);

private:
    static UINT ThreadProc(LPVOID pParam);
    UINT Run();

    HANDLE m_hQuitEvent;
    CEventPair m_startPair;
    HANDLE m_ahWait[2];
    CPort* volatile m_pPort = nullptr;
    CWinThread* m_pThread = nullptr;
    HANDLE m_hThread = nullptr;
};
