#include "ports/CDeviceChangeHandler.h"

#include "ports/CDeviceChangeThread.h"
#include "ports/PortEnumeration.h"

#include <dbt.h>

namespace
{
constexpr GUID GUID_HID_INTERFACE = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
constexpr GUID GUID_PORTS_SETUP_CLASS = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
// The thread starts at once and its window answers at once unless it hangs.
constexpr DWORD THREAD_WAIT_MS = 10000;
} // namespace

CDeviceChangeHandler::CDeviceChangeHandler(HWND hWnd, CPortMan* pPortMan) : m_hOwnerWnd(hWnd)
{
    if (hWnd != nullptr)
    {
        m_registration.Register(hWnd);
        return;
    }
    m_pSync = std::make_shared<CThreadSync>();
    auto* pThread = new CDeviceChangeThread(pPortMan, m_pSync);
    if (!pThread->CreateThread())
    {
        delete pThread;
        m_pSync.reset();
        return;
    }
    // A thread that does not come up leaves the manager without a receiver window.
    WaitForSingleObject(m_pSync->m_ready, THREAD_WAIT_MS);
}

CDeviceChangeHandler::~CDeviceChangeHandler()
{
    if (m_pSync == nullptr)
        return;
    HWND hWnd = m_pSync->m_hWnd;
    DWORD_PTR dwResult = 0;
    if (hWnd != nullptr)
        SendMessageTimeoutA(hWnd, WM_CLOSE, 0, 0, SMTO_NORMAL, THREAD_WAIT_MS, &dwResult);
    WaitForSingleObject(m_pSync->m_ended, THREAD_WAIT_MS);
}

HWND CDeviceChangeHandler::GetWindow() const
{
    return m_pSync != nullptr ? m_pSync->m_hWnd.load() : m_hOwnerWnd;
}

bool CDeviceChangeHandler::IsHandlerThread() const
{
    return m_pSync == nullptr || m_pSync->m_hWnd == nullptr || m_pSync->m_dwThreadId == GetCurrentThreadId();
}

void CDeviceChangeHandler::CRegistration::Register(HWND hWnd)
{
    Unregister();
    const GUID* apClasses[4] = {&GUID_HID_INTERFACE, &GetComPortInterfaceGuid(), &GUID_PORTS_SETUP_CLASS,
                                &GetBulkUsbInterfaceGuid()};
    for (int i = 0; i < 4; ++i)
    {
        DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = *apClasses[i];
        m_ahNotify[i] = RegisterDeviceNotificationA(hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
}

void CDeviceChangeHandler::CRegistration::Unregister()
{
    for (HDEVNOTIFY& hNotify : m_ahNotify)
    {
        if (hNotify != nullptr)
            UnregisterDeviceNotification(hNotify);
        hNotify = nullptr;
    }
}
