// The device-change thread: owns the hidden receiver window, registered for device notifications, and
// runs its message loop.
#pragma once

#include "framework/CEvent.h"
#include "framework/CWinThread.h"
#include "ports/CDeviceChangeHandler.h"

#include <atomic>

struct CDeviceChangeHandler::CThreadSync
{
    CEvent m_ready{FALSE, TRUE};
    CEvent m_ended{FALSE, TRUE};
    std::atomic<HWND> m_hWnd{nullptr};
    std::atomic<DWORD> m_dwThreadId{0};
};

class CDeviceChangeThread : public CWinThread
{
public:
    CDeviceChangeThread(CPortMan* pPortMan, std::shared_ptr<CDeviceChangeHandler::CThreadSync> pSync);

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    CPortMan* m_pPortMan;
    std::shared_ptr<CDeviceChangeHandler::CThreadSync> m_pSync;
    CDeviceChangeHandler::CRegistration m_registration;
};
