// A request event and its acknowledgement, both auto-reset, for handshakes between two threads.
#pragma once

#include "framework/AfxWin32.h"

class CEventPair
{
public:
    CEventPair();
    ~CEventPair();
    CEventPair(const CEventPair&) = delete;
    CEventPair& operator=(const CEventPair&) = delete;

    void Request();
    bool PollRequest();
    void Acknowledge();
    bool WaitAck(DWORD dwTimeout);
    void Reset();

    HANDLE GetRequestEvent() const { return m_hRequest; }
    HANDLE GetAckEvent() const { return m_hAck; }

private:
    HANDLE m_hRequest;
    HANDLE m_hAck;
};
