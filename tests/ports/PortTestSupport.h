// Helpers of the port tests.
#pragma once

#include "framework/AfxWin32.h"

#include <functional>
#include <vector>

// Stand-in for the main frame: a message window that keeps what the port manager sends it
// (WM_PORTMAN_DATA bytes, WM_PORTMAN_EVENT bits).
class CPortOwnerWindow
{
public:
    CPortOwnerWindow();
    ~CPortOwnerWindow();
    CPortOwnerWindow(const CPortOwnerWindow&) = delete;
    CPortOwnerWindow& operator=(const CPortOwnerWindow&) = delete;

    HWND GetHwnd() const { return m_hWnd; }
    int CountEvents(unsigned long ulBits) const;
    void Clear();
    // Posts a marker behind what is queued for the window and handles messages until it arrives: every
    // message posted before has been handled then. False when it did not arrive in time.
    bool HandlePosted();
    // Posts an application message whose arrival calls m_fnOnPosted.
    void PostApp();

    std::vector<unsigned char> m_abData;
    // Called after each chunk was kept, and when the message of PostApp arrives.
    std::function<void()> m_fnOnData;
    std::function<void()> m_fnOnPosted;
    std::vector<unsigned long> m_aulEvents;
    int m_iChunks = 0;
    unsigned int m_uiLargestChunk = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    bool m_bMarkerSeen = false;
};

// Waits until a message sent from another thread waits for the calling thread (a reader blocked in
// SendMessage), without handling it.
bool WaitForSentMessage();

// A DBT_DEVTYP_PORT notification naming a port, as Windows sends it with WM_DEVICECHANGE.
class CPortNotification
{
public:
    explicit CPortNotification(const char* pszPort);
    LPARAM AsLParam() { return reinterpret_cast<LPARAM>(m_abBuffer); }

private:
    alignas(8) unsigned char m_abBuffer[64] = {};
};

// A request frame to the sensor at bus address 1 from address 255: check bytes added, every 0x02
// after the leading one doubled.
std::vector<unsigned char> RequestFrame(unsigned char ucCode, const std::vector<unsigned char>& abData = {});
// The frame as sent, with the doubled 0x02 bytes taken out again.
std::vector<unsigned char> Unstuffed(const std::vector<unsigned char>& abWire);
// True when the last two bytes of an unstuffed frame are its CS and WCS.
bool HasRightCheckBytes(const std::vector<unsigned char>& abFrame);
