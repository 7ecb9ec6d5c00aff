#include "ports/CComm2.h"

#include <algorithm>
#include <new>

namespace
{
constexpr DWORD MODEM_LINE_EVENTS = EV_CTS | EV_DSR | EV_RLSD | EV_RING;
constexpr DWORD BASE_COMM_MASK = EV_CTS | EV_DSR | EV_BREAK | EV_ERR | EV_RING;
constexpr DWORD MODEM_STATUS_EVENTS = EV_CTS | EV_DSR | EV_BREAK | EV_RING;
constexpr DWORD OUTPUT_DRAIN_MS = 5000;
constexpr DWORD COMPLETION_WAIT_MS = 1000;
constexpr unsigned int LINE_ERRORS_BEFORE_PAUSE = 10;
constexpr DWORD LINE_ERROR_PAUSE_MS = 100;

class CWriteLock
{
public:
    explicit CWriteLock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~CWriteLock() { LeaveCriticalSection(&m_cs); }
    CWriteLock(const CWriteLock&) = delete;
    CWriteLock& operator=(const CWriteLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};
} // namespace

CComm2::CComm2(CPortMan* pOwner, unsigned char ucPortFlag)
    : CPort(pOwner, ucPortFlag), m_dcb{}, m_timeouts{MAXDWORD, 0, 0, 0, 5000}
{
    m_dcb.DCBlength = sizeof(DCB);
    m_uiRxQueueSize = 65536;
    m_uiTxQueueSize = 4096;
    m_olRead.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_ahReadWait[0] = m_hAbortEvent;
    m_ahReadWait[1] = m_olRead.hEvent;
}

CComm2::~CComm2()
{
    CComm2::Close(false);
    CloseHandle(m_olRead.hEvent);
}

bool CComm2::Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
                  unsigned int uiBufferSize, CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    Close(false);
    ResetEvent(m_hAbortEvent);
    if (pDcb != nullptr)
        m_dcb = *pDcb;
    m_hPort = CreateFileA(strDevicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OVERLAPPED, nullptr);
    if (m_hPort == INVALID_HANDLE_VALUE)
        return false;
    if (!SetupComm(m_hPort, m_uiRxQueueSize, m_uiTxQueueSize) || !SetCommTimeouts(m_hPort, &m_timeouts) ||
        !ApplySettings())
    {
        CloseHandle(m_hPort);
        m_hPort = INVALID_HANDLE_VALUE;
        return false;
    }
    m_iOpened = 1;
    return SetCallbacks(pDataCallback, uiBufferSize, pEventCallback, ulEventMask);
}

bool CComm2::ApplySettings()
{
    m_dcb.fBinary = 1;
    m_dcb.fDsrSensitivity = 0;
    m_dcb.XonLim = 100;
    m_dcb.XoffLim = 100;
    m_dcb.XonChar = 0x11;
    m_dcb.XoffChar = 0x13;
    m_dcb.DCBlength = sizeof(DCB);
    WaitOutputEmpty();
    bool bApplied = SetCommState(m_hPort, &m_dcb) != FALSE;
    if (!bApplied)
        ClearCommError(m_hPort, &m_dwLastErrors, nullptr);
    UpdateModemStatus();
    return bApplied;
}

bool CComm2::Close(bool)
{
    if (!IsOpen())
        return true;
    SetEvent(m_hAbortEvent);
    StopReader(true);
    CWriteLock lock(m_csWrite);
    PurgeComm(m_hPort, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    CloseHandle(m_hPort);
    m_hPort = INVALID_HANDLE_VALUE;
    return true;
}

unsigned int CComm2::Read(unsigned char* pBuffer, unsigned int uiCount)
{
    if (!IsOpen() || uiCount == 0)
        return 0;
    m_olRead.Offset = 0;
    m_olRead.OffsetHigh = 0;
    DWORD dwRead = 0;
    if (ReadFile(m_hPort, pBuffer, uiCount, &dwRead, &m_olRead))
        return dwRead;
    return WaitOverlapped(m_olRead, m_ahReadWait, dwRead, INFINITE) ? dwRead : 0;
}

// Reads only what the driver queue holds: an overlapped read on an empty queue may stay pending.
unsigned int CComm2::ReadAvailable(unsigned char* pBuffer, unsigned int uiMax)
{
    COMSTAT stat = {};
    DWORD dwErrors = 0;
    if (!ClearCommError(m_hPort, &dwErrors, &stat))
        return 0;
    m_dwLastErrors = dwErrors;
    if (dwErrors != 0)
        return 0;
    unsigned int uiCount = std::min<unsigned int>(uiMax, stat.cbInQue);
    return uiCount == 0 ? 0 : Read(pBuffer, uiCount);
}

bool CComm2::Write(const unsigned char* pBytes, unsigned int uiCount)
{
    if (!IsOpen())
        return false;
    if (uiCount == 0)
        return true;
    CWriteLock lock(m_csWrite);
    m_olWrite.Offset = 0;
    m_olWrite.OffsetHigh = 0;
    DWORD dwWritten = 0;
    if (WriteFile(m_hPort, pBytes, uiCount, &dwWritten, &m_olWrite))
        return dwWritten == uiCount;
    return WaitOverlapped(m_olWrite, m_ahWriteWait, dwWritten, INFINITE) && dwWritten == uiCount;
}

bool CComm2::WriteNoWait(const unsigned char* pBytes, unsigned int uiCount)
{
    if (!IsOpen())
        return false;
    CWriteLock lock(m_csWrite);
    m_olWrite.Offset = 0;
    m_olWrite.OffsetHigh = 0;
    DWORD dwWritten = 0;
    return WriteFile(m_hPort, pBytes, uiCount, &dwWritten, &m_olWrite) || GetLastError() == ERROR_IO_PENDING;
}

unsigned int CComm2::GetOutputQueueCount()
{
    COMSTAT stat = {};
    DWORD dwErrors = 0;
    if (!ClearCommError(m_hPort, &dwErrors, &stat))
        return 0;
    m_dwLastErrors = dwErrors;
    return stat.cbOutQue;
}

// Waits in rounds of at most 5 s; a round whose wait fails ends it (the queue does not drain).
void CComm2::WaitOutputEmpty()
{
    SuspendReader();
    {
        CWriteLock lock(m_csWrite);
        bool bWaited = true;
        while (bWaited && GetOutputQueueCount() > 0)
        {
            DWORD dwOldMask = 0;
            GetCommMask(m_hPort, &dwOldMask);
            SetCommMask(m_hPort, EV_TXEMPTY);
            m_olWrite.Offset = 0;
            m_olWrite.OffsetHigh = 0;
            DWORD dwEvent = 0;
            DWORD dwCount = 0;
            if (!WaitCommEvent(m_hPort, &dwEvent, &m_olWrite))
                bWaited = WaitOverlapped(m_olWrite, m_ahWriteWait, dwCount, OUTPUT_DRAIN_MS);
            SetCommMask(m_hPort, dwOldMask);
        }
    }
    ResumeReader();
}

bool CComm2::PurgeBuffers()
{
    return PurgeComm(m_hPort, PURGE_TXCLEAR | PURGE_RXCLEAR) != FALSE;
}

bool CComm2::SetTimeouts(const COMMTIMEOUTS* pTimeouts)
{
    m_timeouts = *pTimeouts;
    return SetCommTimeouts(m_hPort, &m_timeouts) != FALSE;
}

unsigned int CComm2::GetErrorStringId()
{
    if (m_dwLastErrors == 0)
    {
        DWORD dwError = GetLastError();
        if (dwError == ERROR_ACCESS_DENIED)
            return 13136;
        return dwError == ERROR_INVALID_HANDLE ? 13139 : 13133;
    }
    static const struct
    {
        DWORD dwBits;
        unsigned int uiId;
    } s_aErrors[] = {{CE_MODE, 13139},  {CE_OVERRUN | CE_RXOVER, 13143},
                     {CE_FRAME, 13144}, {CE_RXPARITY, 13142},
                     {CE_IOE, 13146},   {CE_TXFULL, 13143},
                     {CE_PTO, 13145}};
    for (const auto& error : s_aErrors)
    {
        if ((m_dwLastErrors & error.dwBits) != 0)
            return error.uiId;
    }
    return 13147;
}

bool CComm2::GetModemStatus(DWORD* pdwStatus)
{
    return GetCommModemStatus(m_hPort, pdwStatus) != FALSE;
}

bool CComm2::SetRts()
{
    return EscapeCommFunction(m_hPort, SETRTS) != FALSE;
}

bool CComm2::ClearRts()
{
    return EscapeCommFunction(m_hPort, CLRRTS) != FALSE;
}

bool CComm2::SetDtr()
{
    return EscapeCommFunction(m_hPort, SETDTR) != FALSE;
}

bool CComm2::ClearDtr()
{
    return EscapeCommFunction(m_hPort, CLRDTR) != FALSE;
}

bool CComm2::SetBreak()
{
    return SetCommBreak(m_hPort) != FALSE;
}

bool CComm2::ClearBreak()
{
    return ClearCommBreak(m_hPort) != FALSE;
}

void CComm2::UpdateModemStatus()
{
    GetCommModemStatus(m_hPort, &m_dwModemStatus);
}

DWORD CComm2::BuildCommMask() const
{
    DWORD dwMask = BASE_COMM_MASK | (m_pDataCallback != nullptr ? EV_RXCHAR : 0) | m_dwEventMask;
    return dwMask & 0xFFFF;
}

bool CComm2::WaitOverlapped(OVERLAPPED& ol, const HANDLE* pWaitList, DWORD& dwCount, DWORD dwTimeout)
{
    dwCount = 0;
    if (GetLastError() != ERROR_IO_PENDING)
        return false;
    DWORD dwWait = WaitForMultipleObjects(2, pWaitList, FALSE, dwTimeout);
    if (dwWait == WAIT_OBJECT_0 + 1)
        return GetOverlappedResult(m_hPort, &ol, &dwCount, FALSE) != FALSE;
    // Aborted or timed out: cancel, and let the cancellation finish before the OVERLAPPED is reused.
    CancelIo(m_hPort);
    WaitForSingleObject(ol.hEvent, COMPLETION_WAIT_MS);
    return false;
}

bool CComm2::StartCommWait(DWORD& dwMask, DWORD& dwEvent)
{
    for (;;)
    {
        ResetEvent(m_olCommEvent.hEvent);
        dwEvent = 0;
        if (WaitCommEvent(m_hPort, &dwEvent, &m_olCommEvent))
        {
            SetEvent(m_olCommEvent.hEvent);
            return true;
        }
        DWORD dwError = GetLastError();
        if (dwError == ERROR_IO_PENDING)
            return true;
        // Wine refuses modem-line events on a pty (ERROR_NOT_SUPPORTED): wait on the rest.
        if (dwError != ERROR_NOT_SUPPORTED || (dwMask & MODEM_LINE_EVENTS) == 0)
            return false;
        dwMask &= ~MODEM_LINE_EVENTS;
        if (!SetCommMask(m_hPort, dwMask))
            return false;
    }
}

void CComm2::EndCommWait()
{
    SetCommMask(m_hPort, 0);
    if (WaitForSingleObject(m_olCommEvent.hEvent, COMPLETION_WAIT_MS) != WAIT_OBJECT_0)
    {
        CancelIo(m_hPort);
        WaitForSingleObject(m_olCommEvent.hEvent, COMPLETION_WAIT_MS);
    }
}

bool CComm2::DrainReceived(unsigned char* pBuffer, unsigned int uiSize)
{
    for (;;)
    {
        unsigned int uiCount = ReadAvailable(pBuffer, uiSize);
        CPortDataCallback* pCallback = m_pDataCallback;
        if (uiCount > 0 && pCallback != nullptr)
            (*pCallback)(pBuffer, uiCount);
        if (m_stopPair.PollRequest())
            return false;
        if (uiCount == 0)
            return true;
    }
}

// Every completion drains the queue, also an aborted one with an empty event word: Wine completes a
// pending EV_RXCHAR wait that way every few milliseconds, data or not.
void CComm2::OnCommEvent(DWORD dwEvent, unsigned char* pBuffer, unsigned int uiSize, bool& bStop)
{
    if (m_pDataCallback != nullptr && (m_dwEventMask & EV_RXCHAR) == 0)
        bStop = !DrainReceived(pBuffer, uiSize);
    if ((dwEvent & MODEM_STATUS_EVENTS) != 0)
        UpdateModemStatus();
    CPortEventCallback* pEventCallback = m_pEventCallback;
    if ((dwEvent & m_dwEventMask) != 0 && pEventCallback != nullptr)
        (*pEventCallback)(dwEvent, 0);
    if ((dwEvent & EV_ERR) != 0)
    {
        ClearCommError(m_hPort, &m_dwLastErrors, nullptr);
        if (++m_uiLineErrors > LINE_ERRORS_BEFORE_PAUSE)
        {
            Sleep(LINE_ERROR_PAUSE_MS);
            m_uiLineErrors = 0;
        }
    }
}

bool CComm2::OnUpdateRequest(unsigned char*& pBuffer, unsigned int& uiAllocated, DWORD& dwMask,
                             DWORD& dwResult)
{
    EndCommWait();
    dwMask = BuildCommMask();
    if (!SetCommMask(m_hPort, dwMask))
        dwResult = GetLastError();
    if (m_uiRxBufferSize > uiAllocated)
    {
        auto* pGrown = new (std::nothrow) unsigned char[m_uiRxBufferSize + 4];
        if (pGrown != nullptr)
        {
            delete[] pBuffer;
            pBuffer = pGrown;
            uiAllocated = m_uiRxBufferSize;
        }
        else if (CPortEventCallback* pEventCallback = m_pEventCallback; pEventCallback != nullptr)
            (*pEventCallback)(EV_ERR, ERROR_NOT_ENOUGH_MEMORY);
    }
    bool bGoOn = DrainReceived(pBuffer, std::min(m_uiRxBufferSize, uiAllocated));
    m_updatePair.Acknowledge();
    return bGoOn;
}

DWORD CComm2::ReaderLoop()
{
    unsigned int uiAllocated = m_uiRxBufferSize;
    auto* pBuffer = new (std::nothrow) unsigned char[uiAllocated + 4];
    if (pBuffer == nullptr)
        return ERROR_NOT_ENOUGH_MEMORY;
    DWORD dwMask = BuildCommMask();
    DWORD dwResult = 0;
    if (!SetCommMask(m_hPort, dwMask))
    {
        delete[] pBuffer;
        return GetLastError();
    }
    m_uiLineErrors = 0;
    bool bStop = false;
    while (!bStop)
    {
        if (!StartCommWait(dwMask, m_dwCommEvent))
        {
            dwResult = GetLastError();
            break;
        }
        DWORD dwWait = WaitForMultipleObjects(3, m_ahReaderWait, FALSE, INFINITE);
        if (dwWait == WAIT_OBJECT_0)
        {
            EndCommWait();
            break;
        }
        if (dwWait == WAIT_OBJECT_0 + 1)
        {
            DWORD dwIgnored = 0;
            GetOverlappedResult(m_hPort, &m_olCommEvent, &dwIgnored, FALSE);
            OnCommEvent(m_dwCommEvent, pBuffer, std::min(m_uiRxBufferSize, uiAllocated), bStop);
        }
        else if (dwWait == WAIT_OBJECT_0 + 2)
            bStop = !OnUpdateRequest(pBuffer, uiAllocated, dwMask, dwResult);
        else
        {
            dwResult = GetLastError();
            EndCommWait();
            break;
        }
    }
    delete[] pBuffer;
    return dwResult;
}
