// Watches the port manager's relay window on the owner's thread (CPortMan::GetRelayWindow): counts the
// batches it takes from the reader thread and tells whether a delivery runs inside one, so that the
// thread hops carrying the received bytes can be counted.
#pragma once

#include "framework/AfxWin32.h"

class CRelayWatch
{
public:
    // A null window is watched by nobody: no batch is ever seen.
    explicit CRelayWatch(HWND hRelay);
    ~CRelayWatch();
    CRelayWatch(const CRelayWatch&) = delete;
    CRelayWatch& operator=(const CRelayWatch&) = delete;

    long long Batches() const { return m_llBatches; }
    bool InBatch() const { return m_iDepth > 0; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam);

    HWND m_hRelay;
    WNDPROC m_pfnPrevious = nullptr;
    long long m_llBatches = 0;
    int m_iDepth = 0;
};

// Counts the chunks an owner window takes and the thread hops that carried them: a relayed batch is one
// hop, a chunk sent from the reader thread alone is one.
struct CHopCount
{
    void OnChunk(const CRelayWatch& watch)
    {
        ++llChunks;
        llDirect += watch.InBatch() ? 0 : 1;
    }
    long long Hops(const CRelayWatch& watch) const { return llDirect + watch.Batches(); }

    long long llChunks = 0;
    long long llDirect = 0;
};
