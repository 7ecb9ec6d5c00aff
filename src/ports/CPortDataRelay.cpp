#include "ports/CPortDataRelay.h"

#include "ports/CPort.h"

namespace
{
constexpr UINT WM_RELAY_BATCH = WM_APP + 1;

struct RelayedBatch
{
    CPort* pPort;
    unsigned char* pBytes;
    unsigned int uiCount;
};
} // namespace

BEGIN_MESSAGE_MAP(CPortDataRelay, CWnd)
ON_MESSAGE(WM_RELAY_BATCH, OnRelayBatch)
END_MESSAGE_MAP()

BOOL CPortDataRelay::CreateRelay()
{
    return CreateEx(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
}

bool CPortDataRelay::Relay(CPort& port, unsigned char* pBytes, unsigned int uiCount)
{
    RelayedBatch batch{&port, pBytes, uiCount};
    return ::SendMessageA(m_hWnd, WM_RELAY_BATCH, 0, reinterpret_cast<LPARAM>(&batch)) == TRUE;
}

LRESULT CPortDataRelay::OnRelayBatch(WPARAM, LPARAM lParam)
{
    const auto* pBatch = reinterpret_cast<const RelayedBatch*>(lParam);
    pBatch->pPort->DeliverChunks(pBatch->pBytes, pBatch->uiCount);
    return TRUE;
}
