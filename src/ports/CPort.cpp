#include "ports/CPort.h"

#include "framework/AfxExceptionReport.h"
#include "ports/CPortMan.h"
#include "ports/CThreadMan.h"
#include "ports/PortTexts.h"
#include "ports/PortWait.h"

#include <algorithm>

namespace
{
constexpr DWORD STOP_WAIT_MS = 1000;
// The reader runs at the highest priority: it answers a request within this time unless it hangs.
constexpr DWORD READER_HANDSHAKE_MS = 10000;

bool NoModemLines()
{
    SetLastError(ERROR_NOT_SUPPORTED);
    return false;
}
} // namespace

CPort::CPort(CPortMan* pOwner, unsigned char ucPortFlag) : m_ucPortFlag(ucPortFlag), m_pOwner(pOwner)
{
    m_olWrite.hEvent = m_writeEvent;
    m_ahWriteWait[0] = m_abortEvent;
    m_ahWriteWait[1] = m_writeEvent;
    m_olRead.hEvent = m_readEvent;
    m_ahReadWait[0] = m_abortEvent;
    m_ahReadWait[1] = m_readEvent;
}

CPort* CPort::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new CPort(pOwner, ucPortFlag);
}

bool CPort::Open(const CString&, const DCB*, CPortDataCallback*, unsigned int, CPortEventCallback*,
                 unsigned long)
{
    return false;
}

bool CPort::ApplySettings()
{
    return false;
}

bool CPort::Close(bool)
{
    return false;
}

bool CPort::SetQueueSizes(unsigned int uiRxSize, unsigned int uiTxSize)
{
    m_uiRxQueueSize = uiRxSize;
    m_uiTxQueueSize = uiTxSize;
    return true;
}

unsigned int CPort::Read(unsigned char*, unsigned int)
{
    return 0;
}

unsigned int CPort::ReadAvailable(unsigned char*, unsigned int)
{
    return 0;
}

int CPort::ReadByte()
{
    unsigned char uc = 0;
    return Read(&uc, 1) == 1 ? uc : -1;
}

bool CPort::ReadByteTo(int* piByte)
{
    unsigned char uc = 0;
    if (Read(&uc, 1) != 1)
        return false;
    *piByte = uc;
    return true;
}

bool CPort::WriteByte(unsigned char ucByte)
{
    return Write(&ucByte, 1);
}

bool CPort::Write(const unsigned char*, unsigned int)
{
    return false;
}

bool CPort::WriteNoWait(const unsigned char*, unsigned int)
{
    return false;
}

unsigned int CPort::GetOutputQueueCount()
{
    return 0;
}

void CPort::WaitOutputEmpty() {}

bool CPort::PurgeBuffers()
{
    return true;
}

bool CPort::SetTimeouts(const COMMTIMEOUTS*)
{
    return true;
}

unsigned int CPort::GetErrorStringId()
{
    return IDS_PORT_CANNOT_OPEN;
}

unsigned long CPort::GetRateHint(const CString&)
{
    return 921000;
}

int CPort::IsDsrOn()
{
    return (m_dwModemStatus & MS_DSR_ON) != 0 ? 1 : 0;
}

int CPort::IsCtsOn()
{
    return (m_dwModemStatus & MS_CTS_ON) != 0 ? 1 : 0;
}

int CPort::IsRingOn()
{
    return (m_dwModemStatus & MS_RING_ON) != 0 ? 1 : 0;
}

bool CPort::GetModemStatus(DWORD*)
{
    return NoModemLines();
}

bool CPort::SetRts()
{
    return NoModemLines();
}

bool CPort::ClearRts()
{
    return NoModemLines();
}

bool CPort::SetDtr()
{
    return NoModemLines();
}

bool CPort::ClearDtr()
{
    return NoModemLines();
}

bool CPort::SetBreak()
{
    return NoModemLines();
}

bool CPort::ClearBreak()
{
    return NoModemLines();
}

bool CPort::SetCallbacks(CPortDataCallback* pDataCallback, unsigned int uiBufferSize,
                         CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    m_pDataCallback = pDataCallback;
    m_uiRxBufferSize = uiBufferSize;
    m_pEventCallback = pEventCallback;
    m_dwEventMask = ulEventMask;
    return StartReader();
}

bool CPort::IsComPort()
{
    return false;
}

void CPort::OnReaderStart()
{
    m_runningEvent.SetEvent();
}

DWORD CPort::ReaderLoop()
{
    return ERROR_INTERNAL_ERROR;
}

void CPort::OnReaderEnd()
{
    m_runningEvent.ResetEvent();
    m_stopPair.Acknowledge();
}

bool CPort::IsReaderRunning() const
{
    return WaitForSingleObject(m_runningEvent, 0) == WAIT_OBJECT_0;
}

bool CPort::StartReader()
{
    if (IsReaderRunning())
        return UpdateReader();
    if (!IsOpen())
        return true;
    if (m_pThreadMan == nullptr)
        return false;
    m_runningEvent.ResetEvent();
    m_abortEvent.ResetEvent();
    m_bStopRequested = false;
    m_stopPair.Reset();
    m_updatePair.Reset();
    if (!m_pThreadMan->StartReading(READER_HANDSHAKE_MS))
        return false;
    // The stop acknowledgement also ends the wait: a loop that failed at once has already ended.
    HANDLE ahStarted[3] = {m_runningEvent, m_stopPair.GetAckEvent(), m_pThreadMan->GetThreadHandle()};
    WaitForMultipleObjects(3, ahStarted, FALSE, READER_HANDSHAKE_MS);
    return IsReaderRunning();
}

// An exception that leaves the receive loop is reported to the owner's window and ends this loop only:
// the thread serves the next start.
DWORD CPort::RunReader()
{
    DWORD dwResult = ERROR_INTERNAL_ERROR;
    OnReaderStart();
    AfxCallGuarded([&] { dwResult = ReaderLoop(); },
                   m_pOwner != nullptr ? m_pOwner->GetOwnerWindow() : nullptr);
    m_dwReaderResult = dwResult;
    OnReaderEnd();
    return dwResult;
}

// The reader may be inside SendMessage to a window of this thread: sent messages are handled meanwhile.
bool CPort::UpdateReader()
{
    m_updatePair.Request();
    HANDLE ahWait[2] = {m_updatePair.GetAckEvent(), m_stopPair.GetAckEvent()};
    return WaitHandlingSentMessages(2, ahWait, READER_HANDSHAKE_MS) == WAIT_OBJECT_0;
}

// With bPump the reader may be inside SendMessage to this thread, so the messages sent to it are handled
// meanwhile; posted ones (timers, device notifications) wait, so that nothing re-enters the port manager
// while it closes.
bool CPort::StopReader(bool bPump)
{
    if (!IsReaderRunning())
        return true;
    m_pDataCallback = nullptr;
    m_pEventCallback = nullptr;
    m_bStopRequested = true;
    m_stopPair.Request();
    if (!bPump)
        return m_stopPair.WaitAck(STOP_WAIT_MS);
    HANDLE hAck = m_stopPair.GetAckEvent();
    return WaitHandlingSentMessages(1, &hAck, READER_HANDSHAKE_MS) == WAIT_OBJECT_0;
}

void CPort::DeliverChunks(unsigned char* pBytes, unsigned int uiCount)
{
    for (unsigned int uiDone = 0; uiDone < uiCount && !IsStopRequested();)
    {
        CPortDataCallback* pCallback = m_pDataCallback;
        if (pCallback == nullptr)
            return;
        const unsigned int uiChunk =
            std::min<unsigned int>(uiCount - uiDone, std::max(1u, m_uiRxBufferSize.load()));
        (*pCallback)(pBytes + uiDone, uiChunk);
        uiDone += uiChunk;
    }
}

bool CPort::DeliverBatch(unsigned char* pBytes, unsigned int uiCount)
{
    if (uiCount > 0 && !IsStopRequested() &&
        (m_pOwner == nullptr || !m_pOwner->RelayBatch(*this, pBytes, uiCount)))
        DeliverChunks(pBytes, uiCount);
    return !IsStopRequested();
}

void CPort::ReportError(DWORD dwError)
{
    CPortEventCallback* pCallback = m_pEventCallback;
    if (pCallback != nullptr)
        (*pCallback)(EV_ERR, dwError);
}

CString CPort::GetOwnerPortName() const
{
    return m_pOwner != nullptr ? m_pOwner->GetPortName() : CString();
}
