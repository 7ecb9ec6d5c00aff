// Owns the port manager's reader thread, which runs the receive loop of the port it is given.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"

#include <memory>

class CPort;
class CWinThread;

class CThreadMan : public CObject
{
public:
    CThreadMan();
    ~CThreadMan() override;
    CThreadMan(const CThreadMan&) = delete;
    CThreadMan& operator=(const CThreadMan&) = delete;

    void SetPort(CPort* pPort);
    // Asks the thread to run the port's reader; false when no port is set, the thread has ended or it
    // did not answer within dwTimeout milliseconds.
    bool StartReading(DWORD dwTimeout);
    HANDLE GetThreadHandle() const;

private:
    struct CState;
    static UINT ThreadProc(LPVOID pParam);

    // Shared with the thread, so a thread that outlives a bounded wait at destruction keeps what it uses.
    std::shared_ptr<CState> m_pState;
    CWinThread* m_pThread = nullptr;
};
