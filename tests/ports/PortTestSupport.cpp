#include "PortTestSupport.h"

#include "framework/AfxExceptionReport.h"
#include "ports/PortTypes.h"
#include "support/PumpUntil.h"
#include "support/WaitUntil.h"

#include <dbt.h>

#include <cstddef>
#include <algorithm>
#include <cstring>

namespace
{
const char* const OWNER_CLASS = "TQ5PortOwnerWindow";
constexpr UINT WM_APP_MARKER = WM_APP + 77;
constexpr UINT WM_APP_POSTED = WM_APP + 78;
constexpr unsigned SENT_WAIT_MS = 10000;
} // namespace

CPortOwnerWindow::CPortOwnerWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &CPortOwnerWindow::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = OWNER_CLASS;
    RegisterClassA(&wc);
    m_hWnd = CreateWindowExA(0, OWNER_CLASS, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CPortOwnerWindow::~CPortOwnerWindow()
{
    DestroyWindow(m_hWnd);
}

int CPortOwnerWindow::CountEvents(unsigned long ulBits) const
{
    int iCount = 0;
    for (unsigned long ulEvent : m_aulEvents)
        iCount += (ulEvent & ulBits) != 0 ? 1 : 0;
    return iCount;
}

bool CPortOwnerWindow::HandlePosted()
{
    m_bMarkerSeen = false;
    return PostMessageA(m_hWnd, WM_APP_MARKER, 0, 0) && PumpUntil([this] { return m_bMarkerSeen; });
}

void CPortOwnerWindow::PostApp()
{
    PostMessageA(m_hWnd, WM_APP_POSTED, 0, 0);
}

void CPortOwnerWindow::Clear()
{
    m_abData.clear();
    m_aulEvents.clear();
    m_iChunks = 0;
    m_uiLargestChunk = 0;
}

LRESULT CALLBACK CPortOwnerWindow::WindowProc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam)
{
    auto* pOwner = reinterpret_cast<CPortOwnerWindow*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (pOwner != nullptr && uiMessage == WM_PORTMAN_DATA)
    {
        const auto* pBytes = reinterpret_cast<const unsigned char*>(lParam);
        pOwner->m_abData.insert(pOwner->m_abData.end(), pBytes, pBytes + wParam);
        ++pOwner->m_iChunks;
        if (wParam > pOwner->m_uiLargestChunk)
            pOwner->m_uiLargestChunk = static_cast<unsigned int>(wParam);
        if (pOwner->m_fnOnData)
            pOwner->m_fnOnData();
        return 0;
    }
    if (pOwner != nullptr && uiMessage == WM_PORTMAN_EVENT)
    {
        pOwner->m_aulEvents.push_back(static_cast<unsigned long>(wParam));
        return 0;
    }
    if (pOwner != nullptr && uiMessage == WM_APP_POSTED)
    {
        if (pOwner->m_fnOnPosted)
            pOwner->m_fnOnPosted();
        return 0;
    }
    if (pOwner != nullptr && uiMessage == WM_APP_MARKER)
    {
        pOwner->m_bMarkerSeen = true;
        return 0;
    }
    // The port manager's owner takes the reports of its reader thread, as the main frame does.
    if (uiMessage == WM_AFX_EXCEPTIONREPORT)
        return AfxOnExceptionReport(lParam);
    return DefWindowProcA(hWnd, uiMessage, wParam, lParam);
}

bool WaitForSentMessage()
{
    // Polled without pumping: every wait that wakes on a sent message may also take it.
    return WaitUntil([] { return HIWORD(GetQueueStatus(QS_SENDMESSAGE)) != 0; }, SENT_WAIT_MS);
}

CPortNotification::CPortNotification(const char* pszPort)
{
    auto* pHeader = reinterpret_cast<DEV_BROADCAST_PORT_A*>(m_abBuffer);
    size_t nName =
        std::min(strlen(pszPort), sizeof(m_abBuffer) - offsetof(DEV_BROADCAST_PORT_A, dbcp_name) - 1);
    memcpy(m_abBuffer + offsetof(DEV_BROADCAST_PORT_A, dbcp_name), pszPort, nName);
    pHeader->dbcp_size = static_cast<DWORD>(offsetof(DEV_BROADCAST_PORT_A, dbcp_name) + nName + 1);
    pHeader->dbcp_devicetype = DBT_DEVTYP_PORT;
}

namespace
{
void AddCheckBytes(std::vector<unsigned char>& abFrame, size_t nEnd)
{
    unsigned int uiCs = 0;
    unsigned int uiWcs = 0;
    for (size_t i = 1; i < nEnd; ++i)
    {
        uiCs = (uiCs + abFrame[i]) & 0xFF;
        uiWcs += uiCs;
        if (uiWcs > 0xFF)
            uiWcs -= 0xFF; // the carry comes back as 1
    }
    abFrame.push_back(static_cast<unsigned char>(uiCs));
    abFrame.push_back(static_cast<unsigned char>(uiWcs));
}
} // namespace

std::vector<unsigned char> RequestFrame(unsigned char ucCode, const std::vector<unsigned char>& abData)
{
    std::vector<unsigned char> abFrame = {0x02, ucCode, 0x01, 0xFF,
                                          static_cast<unsigned char>(abData.size())};
    abFrame.insert(abFrame.end(), abData.begin(), abData.end());
    AddCheckBytes(abFrame, abFrame.size());
    std::vector<unsigned char> abWire = {0x02};
    for (size_t i = 1; i < abFrame.size(); ++i)
    {
        abWire.push_back(abFrame[i]);
        if (abFrame[i] == 0x02)
            abWire.push_back(0x02);
    }
    return abWire;
}

std::vector<unsigned char> Unstuffed(const std::vector<unsigned char>& abWire)
{
    std::vector<unsigned char> abFrame;
    for (size_t i = 0; i < abWire.size(); ++i)
    {
        abFrame.push_back(abWire[i]);
        if (i > 0 && abWire[i] == 0x02 && i + 1 < abWire.size() && abWire[i + 1] == 0x02)
            ++i;
    }
    return abFrame;
}

bool HasRightCheckBytes(const std::vector<unsigned char>& abFrame)
{
    if (abFrame.size() < 7)
        return false;
    std::vector<unsigned char> abCopy(abFrame.begin(), abFrame.end() - 2);
    AddCheckBytes(abCopy, abCopy.size());
    return abCopy == abFrame;
}
