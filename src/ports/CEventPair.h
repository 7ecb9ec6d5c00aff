// A request event and its acknowledgement, both auto-reset, for handshakes between two threads.
#pragma once

#include "framework/CEvent.h"

class CEventPair
{
public:
    void Request();
    bool PollRequest();
    void Acknowledge();
    bool WaitAck(DWORD dwTimeout);
    void Reset();

    HANDLE GetRequestEvent() const { return m_request; }
    HANDLE GetAckEvent() const { return m_ack; }

private:
    CEvent m_request;
    CEvent m_ack;
};
