// Registers a window for device notifications; with no window given it runs the device-change thread,
// whose hidden receiver window takes the notifications and the lending messages.
#pragma once

#include "framework/AfxWin32.h"

#include <memory>

class CPortMan;

class CDeviceChangeHandler
{
public:
    // The device-change thread's side: its window, and the events it sets when ready and when ended.
    // Shared with the thread, so a thread that outlives a bounded wait keeps what it uses.
    struct CThreadSync;

    // The four notification registrations of one window, undone when it goes.
    class CRegistration
    {
    public:
        CRegistration() = default;
        ~CRegistration() { Unregister(); }
        CRegistration(const CRegistration&) = delete;
        CRegistration& operator=(const CRegistration&) = delete;

        void Register(HWND hWnd);
        void Unregister();

    private:
        HDEVNOTIFY m_ahNotify[4] = {};
    };

    CDeviceChangeHandler(HWND hWnd, CPortMan* pPortMan);
    virtual ~CDeviceChangeHandler();
    CDeviceChangeHandler(const CDeviceChangeHandler&) = delete;
    CDeviceChangeHandler& operator=(const CDeviceChangeHandler&) = delete;

    // The window that takes the notifications: the receiver window, or the owner's window.
    HWND GetWindow() const;
    // True on the device-change thread, and always when there is none.
    bool IsHandlerThread() const;

private:
    HWND m_hOwnerWnd = nullptr;
    CRegistration m_registration;
    std::shared_ptr<CThreadSync> m_pSync;
};
