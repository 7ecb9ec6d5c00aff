#include "ports/CEventPair.h"

CEventPair::CEventPair()
    : m_hRequest(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      m_hAck(CreateEventA(nullptr, FALSE, FALSE, nullptr))
{
}

CEventPair::~CEventPair()
{
    CloseHandle(m_hRequest);
    CloseHandle(m_hAck);
}

void CEventPair::Request()
{
    ResetEvent(m_hAck);
    SetEvent(m_hRequest);
}

bool CEventPair::PollRequest()
{
    return WaitForSingleObject(m_hRequest, 0) == WAIT_OBJECT_0;
}

void CEventPair::Acknowledge()
{
    SetEvent(m_hAck);
}

bool CEventPair::WaitAck(DWORD dwTimeout)
{
    return WaitForSingleObject(m_hAck, dwTimeout) == WAIT_OBJECT_0;
}

void CEventPair::Reset()
{
    ResetEvent(m_hRequest);
    ResetEvent(m_hAck);
}
