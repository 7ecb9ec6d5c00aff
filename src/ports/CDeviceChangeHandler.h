// Registers a window for device notifications; with no window given it runs the device-change thread,
// whose hidden receiver window takes the notifications and the lending messages.
#pragma once

#include "framework/AfxWin32.h"

class CDeviceChangeThread;
class CPortMan;

class CDeviceChangeHandler
{
public:
    CDeviceChangeHandler(HWND hWnd, CPortMan* pPortMan);
    virtual ~CDeviceChangeHandler();
    CDeviceChangeHandler(const CDeviceChangeHandler&) = delete;
    CDeviceChangeHandler& operator=(const CDeviceChangeHandler&) = delete;

    void Register(HWND hWnd);
    void Unregister();
    HWND GetWindow() const { return m_hWnd; }

    // Set by the device-change thread.
    void OnThreadReady(HWND hWnd);
    void OnThreadEnded();

private:
    HWND m_hWnd = nullptr;
    HDEVNOTIFY m_ahNotify[4] = {};
    CDeviceChangeThread* m_pThread = nullptr;
    HANDLE m_hReady;
    HANDLE m_hEnded;
};
