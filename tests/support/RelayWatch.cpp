#include "RelayWatch.h"

namespace
{
const char* const WATCH_PROPERTY = "TQ5RelayWatch";
}

CRelayWatch::CRelayWatch(HWND hRelay) : m_hRelay(hRelay)
{
    if (m_hRelay == nullptr)
        return;
    SetPropA(m_hRelay, WATCH_PROPERTY, this);
    m_pfnPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_hRelay, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

CRelayWatch::~CRelayWatch()
{
    if (m_pfnPrevious == nullptr || !IsWindow(m_hRelay))
        return;
    SetWindowLongPtrA(m_hRelay, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnPrevious));
    RemovePropA(m_hRelay, WATCH_PROPERTY);
}

// Only the reader thread sends to the relay window: its own thread sends it nothing but window management.
LRESULT CALLBACK CRelayWatch::Proc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam)
{
    auto* pWatch = static_cast<CRelayWatch*>(GetPropA(hWnd, WATCH_PROPERTY));
    const bool bBatch = InSendMessage() != FALSE;
    if (bBatch)
    {
        ++pWatch->m_llBatches;
        ++pWatch->m_iDepth;
    }
    const LRESULT lResult = CallWindowProcA(pWatch->m_pfnPrevious, hWnd, uiMessage, wParam, lParam);
    if (bBatch)
        --pWatch->m_iDepth;
    return lResult;
}
