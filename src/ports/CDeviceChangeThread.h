// The device-change thread: owns the hidden receiver window and runs its message loop.
#pragma once

#include "framework/CWinThread.h"

class CDeviceChangeHandler;
class CPortMan;

class CDeviceChangeThread : public CWinThread
{
public:
    CDeviceChangeThread(CPortMan* pPortMan, CDeviceChangeHandler* pHandler);

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    CPortMan* m_pPortMan;
    CDeviceChangeHandler* m_pHandler;
};
