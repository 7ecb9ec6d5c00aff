#include "ports/CEventPair.h"

void CEventPair::Request()
{
    m_ack.ResetEvent();
    m_request.SetEvent();
}

bool CEventPair::PollRequest()
{
    return WaitForSingleObject(m_request, 0) == WAIT_OBJECT_0;
}

void CEventPair::Acknowledge()
{
    m_ack.SetEvent();
}

bool CEventPair::WaitAck(DWORD dwTimeout)
{
    return WaitForSingleObject(m_ack, dwTimeout) == WAIT_OBJECT_0;
}

void CEventPair::Reset()
{
    m_request.ResetEvent();
    m_ack.ResetEvent();
}
