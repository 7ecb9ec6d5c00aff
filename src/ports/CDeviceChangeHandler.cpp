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
} // namespace

CDeviceChangeHandler::CDeviceChangeHandler(HWND hWnd, CPortMan* pPortMan)
    : m_hReady(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_hEnded(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    if (hWnd != nullptr)
    {
        Register(hWnd);
        return;
    }
    m_pThread = new CDeviceChangeThread(pPortMan, this);
    if (!m_pThread->CreateThread())
    {
        delete m_pThread;
        m_pThread = nullptr;
        return;
    }
    WaitForSingleObject(m_hReady, INFINITE);
}

CDeviceChangeHandler::~CDeviceChangeHandler()
{
    Unregister();
    if (m_pThread != nullptr)
    {
        if (m_hWnd != nullptr)
            SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
        WaitForSingleObject(m_hEnded, INFINITE);
    }
    CloseHandle(m_hReady);
    CloseHandle(m_hEnded);
}

void CDeviceChangeHandler::Register(HWND hWnd)
{
    m_hWnd = hWnd;
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

void CDeviceChangeHandler::Unregister()
{
    for (HDEVNOTIFY& hNotify : m_ahNotify)
    {
        if (hNotify != nullptr)
            UnregisterDeviceNotification(hNotify);
        hNotify = nullptr;
    }
}

void CDeviceChangeHandler::OnThreadReady(HWND hWnd)
{
    if (hWnd != nullptr)
        Register(hWnd);
    SetEvent(m_hReady);
}

void CDeviceChangeHandler::OnThreadEnded()
{
    SetEvent(m_hEnded);
}
