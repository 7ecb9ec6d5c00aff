#include "ports/CPortUsbBase.h"

#include "framework/CSingleLock.h"
#include "ports/CRxRingBuffer.h"

#include <new>
#include <vector>

namespace
{
constexpr unsigned int DEFAULT_RING_BYTES = 10240;
constexpr DWORD COMPLETION_WAIT_MS = 1000;
constexpr DWORD WRITE_WAIT_MS = 5000;
} // namespace

CPortUsbBase::CPortUsbBase(CPortMan* pOwner, unsigned char ucPortFlag)
    : CPort(pOwner, ucPortFlag), m_timeouts{MAXDWORD, 0, 0, 0, 0},
      m_pRing(std::make_unique<CRxRingBuffer>(DEFAULT_RING_BYTES))
{
}

CPortUsbBase::~CPortUsbBase() = default;

// Refused while the reader runs: it puts into the ring.
bool CPortUsbBase::SetQueueSizes(unsigned int uiRxSize, unsigned int)
{
    if (IsReaderRunning())
        return false;
    try
    {
        m_pRing = std::make_unique<CRxRingBuffer>(uiRxSize);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
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
    ReportError(dwError);
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
    // A cancellation that outlasts this wait completes later into m_abReadBuffer, which is still there.
    CancelIo(m_hPort);
    WaitForSingleObject(m_readEvent, COMPLETION_WAIT_MS);
}

DWORD CPortUsbBase::ReaderLoop()
{
    const unsigned int uiSize = m_uiRxBufferSize;
    // Grows only: a read of an earlier reader may still be pending on it.
    if (m_abReadBuffer.size() < uiSize + 4)
        m_abReadBuffer.resize(uiSize + 4);
    unsigned char* pBuffer = m_abReadBuffer.data();
    HANDLE ahWait[3] = {m_stopPair.GetRequestEvent(), m_readEvent, m_updatePair.GetRequestEvent()};
    for (;;)
    {
        m_readEvent.ResetEvent();
        m_olRead.Offset = 0;
        m_olRead.OffsetHigh = 0;
        DWORD dwRead = 0;
        if (ReadFile(m_hPort, pBuffer, uiSize, &dwRead, &m_olRead))
        {
            OnReceived(pBuffer, dwRead);
            // A device that completes every read at once must still see a stop request.
            if (m_stopPair.PollRequest())
                return 0;
            continue;
        }
        DWORD dwError = GetLastError();
        if (dwError != ERROR_IO_PENDING)
        {
            OnReadError(dwError);
            return dwError;
        }
        for (bool bPending = true; bPending;)
        {
            DWORD dwWait = WaitForMultipleObjects(3, ahWait, FALSE, m_dwLoopWait);
            if (dwWait == WAIT_OBJECT_0 + 1)
            {
                bPending = false;
                if (!GetOverlappedResult(m_hPort, &m_olRead, &dwRead, FALSE))
                {
                    dwError = GetLastError();
                    OnReadError(dwError);
                    return dwError;
                }
                OnReceived(pBuffer, dwRead);
            }
            else if (dwWait == WAIT_OBJECT_0 + 2)
                m_updatePair.Acknowledge();
            else
            {
                dwError = dwWait == WAIT_OBJECT_0 ? 0 : GetLastError();
                WaitReadCancelled();
                return dwError;
            }
        }
    }
}

// A write that is aborted or does not finish in time is cancelled before the OVERLAPPED is reused.
bool CPortUsbBase::WriteWaited(HANDLE hTarget, const unsigned char* pBytes, unsigned int uiCount)
{
    CSingleLock lock(&m_csWrite, TRUE);
    m_olWrite.Offset = 0;
    m_olWrite.OffsetHigh = 0;
    DWORD dwWritten = 0;
    if (WriteFile(hTarget, pBytes, uiCount, &dwWritten, &m_olWrite))
        return dwWritten == uiCount;
    if (GetLastError() != ERROR_IO_PENDING)
        return false;
    if (WaitForMultipleObjects(2, m_ahWriteWait, FALSE, WRITE_WAIT_MS) == WAIT_OBJECT_0 + 1)
        return GetOverlappedResult(hTarget, &m_olWrite, &dwWritten, FALSE) && dwWritten == uiCount;
    CancelIo(hTarget);
    WaitForSingleObject(m_olWrite.hEvent, COMPLETION_WAIT_MS);
    return false;
}
