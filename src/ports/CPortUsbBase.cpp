#include "ports/CPortUsbBase.h"

#include "ports/CRxRingBuffer.h"

#include <new>

namespace
{
constexpr unsigned int DEFAULT_RING_BYTES = 10240;
constexpr DWORD COMPLETION_WAIT_MS = 1000;
constexpr DWORD WRITE_WAIT_MS = 5000;
} // namespace

CPortUsbBase::CPortUsbBase(CPortMan* pOwner, unsigned char ucPortFlag)
    : CPort(pOwner, ucPortFlag), m_timeouts{MAXDWORD, 0, 0, 0, 0},
      m_pRing(new CRxRingBuffer(DEFAULT_RING_BYTES))
{
    m_olRead.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_ahReadWait[0] = m_hAbortEvent;
    m_ahReadWait[1] = m_olRead.hEvent;
}

CPortUsbBase::~CPortUsbBase()
{
    delete m_pRing;
    CloseHandle(m_olRead.hEvent);
}

bool CPortUsbBase::SetQueueSizes(unsigned int uiRxSize, unsigned int)
{
    auto* pRing = new (std::nothrow) CRxRingBuffer(uiRxSize);
    if (pRing == nullptr || !pRing->IsValid())
    {
        delete pRing;
        return false;
    }
    delete m_pRing;
    m_pRing = pRing;
    return true;
}

unsigned int CPortUsbBase::Read(unsigned char* pBuffer, unsigned int uiCount)
{
    return m_pRing->GetWait(uiCount, pBuffer);
}

unsigned int CPortUsbBase::ReadAvailable(unsigned char* pBuffer, unsigned int uiMax)
{
    return m_pRing->Get(uiMax, pBuffer);
}

int CPortUsbBase::ReadByte()
{
    return m_pRing->GetByteWait();
}

bool CPortUsbBase::ReadByteTo(int* piByte)
{
    int iByte = m_pRing->GetByteWait();
    if (iByte < 0)
        return false;
    *piByte = iByte;
    return true;
}

bool CPortUsbBase::PurgeBuffers()
{
    m_pRing->Reset();
    return true;
}

bool CPortUsbBase::SetTimeouts(const COMMTIMEOUTS* pTimeouts)
{
    m_timeouts = *pTimeouts;
    m_pRing->SetTimeouts(*pTimeouts);
    return ApplyTimeouts();
}

bool CPortUsbBase::ApplyTimeouts()
{
    return true;
}

void CPortUsbBase::OnReadError(DWORD dwError)
{
    CPortEventCallback* pCallback = m_pEventCallback;
    if (pCallback != nullptr)
        (*pCallback)(EV_ERR, dwError);
}

void CPortUsbBase::Deliver(unsigned char* pBytes, unsigned int uiCount)
{
    if (uiCount == 0)
        return;
    CPortDataCallback* pCallback = m_pDataCallback;
    if (pCallback != nullptr)
        (*pCallback)(pBytes, uiCount);
    else
        m_pRing->Put(uiCount, pBytes);
}

void CPortUsbBase::WaitReadCancelled()
{
    CancelIo(m_hPort);
    WaitForSingleObject(m_olRead.hEvent, COMPLETION_WAIT_MS);
}

DWORD CPortUsbBase::ReaderLoop()
{
    unsigned int uiSize = m_uiRxBufferSize;
    auto* pBuffer = new (std::nothrow) unsigned char[uiSize + 4];
    if (pBuffer == nullptr)
        return ERROR_NOT_ENOUGH_MEMORY;
    HANDLE ahWait[3] = {m_stopPair.GetRequestEvent(), m_olRead.hEvent, m_updatePair.GetRequestEvent()};
    DWORD dwResult = 0;
    for (bool bRead = true; bRead;)
    {
        ResetEvent(m_olRead.hEvent);
        m_olRead.Offset = 0;
        m_olRead.OffsetHigh = 0;
        DWORD dwRead = 0;
        if (ReadFile(m_hPort, pBuffer, uiSize, &dwRead, &m_olRead))
        {
            OnReceived(pBuffer, dwRead);
            // A device that completes every read at once must still see a stop request.
            bRead = !m_stopPair.PollRequest();
            continue;
        }
        if (GetLastError() != ERROR_IO_PENDING)
            break;
        for (bool bPending = true; bPending;)
        {
            DWORD dwWait = WaitForMultipleObjects(3, ahWait, FALSE, m_dwLoopWait);
            if (dwWait == WAIT_OBJECT_0 + 1)
            {
                bPending = false;
                if (GetOverlappedResult(m_hPort, &m_olRead, &dwRead, FALSE))
                    OnReceived(pBuffer, dwRead);
                else
                {
                    dwResult = GetLastError();
                    OnReadError(dwResult);
                    bRead = false;
                }
            }
            else if (dwWait == WAIT_OBJECT_0 + 2)
                m_updatePair.Acknowledge();
            else
            {
                WaitReadCancelled();
                bPending = false;
                bRead = false;
            }
        }
    }
    delete[] pBuffer;
    return dwResult;
}

// A write that is aborted or does not finish in time is cancelled before the OVERLAPPED is reused.
bool CPortUsbBase::WriteWaited(HANDLE hTarget, const unsigned char* pBytes, unsigned int uiCount)
{
    EnterCriticalSection(&m_csWrite);
    m_olWrite.Offset = 0;
    m_olWrite.OffsetHigh = 0;
    DWORD dwWritten = 0;
    bool bWritten = false;
    if (WriteFile(hTarget, pBytes, uiCount, &dwWritten, &m_olWrite))
        bWritten = dwWritten == uiCount;
    else if (GetLastError() == ERROR_IO_PENDING)
    {
        if (WaitForMultipleObjects(2, m_ahWriteWait, FALSE, WRITE_WAIT_MS) == WAIT_OBJECT_0 + 1)
            bWritten = GetOverlappedResult(hTarget, &m_olWrite, &dwWritten, FALSE) && dwWritten == uiCount;
        else
        {
            CancelIo(hTarget);
            WaitForSingleObject(m_olWrite.hEvent, COMPLETION_WAIT_MS);
        }
    }
    LeaveCriticalSection(&m_csWrite);
    return bWritten;
}
