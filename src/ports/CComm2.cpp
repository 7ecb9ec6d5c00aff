#include "ports/CComm2.h"

#include "framework/CSingleLock.h"
#include "ports/PortTexts.h"

#include <algorithm>
#include <new>

namespace
{
constexpr DWORD BASE_COMM_MASK = EV_CTS | EV_DSR | EV_BREAK | EV_ERR | EV_RING;
constexpr DWORD LINE_ERRORS = CE_FRAME | CE_OVERRUN | CE_RXPARITY | CE_RXOVER;
constexpr DWORD OUTPUT_DRAIN_MS = 5000;
constexpr DWORD OUTPUT_POLL_MS = 5;
constexpr DWORD COMPLETION_WAIT_MS = 1000;
constexpr unsigned int LINE_ERRORS_BEFORE_PAUSE = 10;
constexpr DWORD LINE_ERROR_PAUSE_MS = 100;

bool IsWine()
{
    static const bool s_bWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return s_bWine;
}

// A read returns at once with what has arrived, else with the first byte, or empty after the poll
// period. Wine waits for the whole count with these values; there MAXDWORD, 0, 0 waits for the first
// byte and returns what has arrived.
COMMTIMEOUTS ReceiveTimeouts()
{
    if (IsWine())
        return {MAXDWORD, 0, 0, 0, 0};
    return {MAXDWORD, MAXDWORD, CComm2::LINE_POLL_MS, 0, 0};
}
} // namespace

CComm2::CComm2(CPortMan* pOwner, unsigned char ucPortFlag)
    : CPort(pOwner, ucPortFlag), m_dcb{}, m_timeouts{MAXDWORD, 0, 0, 0, 5000}
{
    m_dcb.DCBlength = sizeof(DCB);
    m_uiRxQueueSize = 65536;
    m_uiTxQueueSize = 4096;
    m_olReceive.hEvent = m_receiveEvent;
}

CComm2::~CComm2()
{
    CComm2::Close(false);
}

bool CComm2::Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
                  unsigned int uiBufferSize, CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    Close(false);
    m_abortEvent.ResetEvent();
    if (pDcb != nullptr)
        m_dcb = *pDcb;
    m_hPort = CreateFileA(strDevicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OVERLAPPED, nullptr);
    if (m_hPort == INVALID_HANDLE_VALUE)
        return false;
    COMMTIMEOUTS timeouts = HandleTimeouts();
    if (!SetupComm(m_hPort, m_uiRxQueueSize, m_uiTxQueueSize) || !SetCommTimeouts(m_hPort, &timeouts) ||
        !ApplySettings())
    {
        CloseHandle(m_hPort);
        m_hPort = INVALID_HANDLE_VALUE;
        return false;
    }
    m_iOpened = 1;
    if (SetCallbacks(pDataCallback, uiBufferSize, pEventCallback, ulEventMask))
        return true;
    // Without its reader the port delivers nothing: the open fails.
    DWORD dwError = GetReaderResult() != 0 ? GetReaderResult() : ERROR_INTERNAL_ERROR;
    Close(false);
    SetLastError(dwError);
    return false;
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

// False when the reader did not stop in time; the handle is closed all the same.
bool CComm2::Close(bool)
{
    if (!IsOpen())
        return true;
    m_abortEvent.SetEvent();
    bool bStopped = StopReader(true);
    CSingleLock lock(&m_csWrite, TRUE);
    PurgeComm(m_hPort, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    CloseHandle(m_hPort);
    m_hPort = INVALID_HANDLE_VALUE;
    return bStopped;
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
    return WaitOverlapped(m_olRead, m_ahReadWait, dwRead, LINE_POLL_MS + COMPLETION_WAIT_MS) ? dwRead : 0;
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
    NoteRequest();
    CSingleLock lock(&m_csWrite, TRUE);
    m_olWrite.Offset = 0;
    m_olWrite.OffsetHigh = 0;
    DWORD dwWritten = 0;
    if (WriteFile(m_hPort, pBytes, uiCount, &dwWritten, &m_olWrite))
        return dwWritten == uiCount;
    // The write time-out ends the write; the wait outlasts it by the completion margin.
    DWORD dwTimeout = m_timeouts.WriteTotalTimeoutConstant +
                      uiCount * m_timeouts.WriteTotalTimeoutMultiplier + COMPLETION_WAIT_MS;
    return WaitOverlapped(m_olWrite, m_ahWriteWait, dwWritten, dwTimeout) && dwWritten == uiCount;
}

bool CComm2::WriteNoWait(const unsigned char* pBytes, unsigned int uiCount)
{
    if (!IsOpen())
        return false;
    NoteRequest();
    CSingleLock lock(&m_csWrite, TRUE);
    m_olWrite.Offset = 0;
    m_olWrite.OffsetHigh = 0;
    DWORD dwWritten = 0;
    return WriteFile(m_hPort, pBytes, uiCount, &dwWritten, &m_olWrite) || GetLastError() == ERROR_IO_PENDING;
}

// Noted before the bytes go out, so that a streaming reader reads the answer at its first byte.
void CComm2::NoteRequest()
{
    m_ullLastWrite = GetTickCount64();
    m_requestEvent.SetEvent();
}

bool CComm2::SetBatchPeriod(DWORD dwPeriodMs)
{
    m_dwBatchPeriodMs = dwPeriodMs;
    return !IsReaderRunning() || UpdateReader();
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

// Polls the output queue until it is empty; gives up when it has not shrunk for OUTPUT_DRAIN_MS or the port
// is aborted. No comm-event wait: Wine may report such a wait ended while it is still pending and complete
// it later, writing the event word into a stack frame that has returned.
void CComm2::WaitOutputEmpty()
{
    CSingleLock lock(&m_csWrite, TRUE);
    unsigned int uiQueued = GetOutputQueueCount();
    ULONGLONG ullLastProgress = GetTickCount64();
    while (uiQueued > 0 && WaitForSingleObject(m_abortEvent, OUTPUT_POLL_MS) == WAIT_TIMEOUT)
    {
        const unsigned int uiNow = GetOutputQueueCount();
        const ULONGLONG ullNow = GetTickCount64();
        if (uiNow < uiQueued)
            ullLastProgress = ullNow;
        else if (ullNow - ullLastProgress >= OUTPUT_DRAIN_MS)
            return;
        uiQueued = uiNow;
    }
}

bool CComm2::PurgeBuffers()
{
    return PurgeComm(m_hPort, PURGE_TXCLEAR | PURGE_RXCLEAR) != FALSE;
}

bool CComm2::SetTimeouts(const COMMTIMEOUTS* pTimeouts)
{
    m_timeouts = *pTimeouts;
    COMMTIMEOUTS timeouts = HandleTimeouts();
    return SetCommTimeouts(m_hPort, &timeouts) != FALSE;
}

COMMTIMEOUTS CComm2::HandleTimeouts() const
{
    COMMTIMEOUTS timeouts = ReceiveTimeouts();
    timeouts.WriteTotalTimeoutMultiplier = m_timeouts.WriteTotalTimeoutMultiplier;
    timeouts.WriteTotalTimeoutConstant = m_timeouts.WriteTotalTimeoutConstant;
    return timeouts;
}

unsigned int CComm2::GetErrorStringId()
{
    if (m_dwLastErrors == 0)
    {
        DWORD dwError = GetLastError();
        if (dwError == ERROR_ACCESS_DENIED)
            return IDS_PORT_IN_USE;
        return dwError == ERROR_INVALID_HANDLE ? IDS_PORT_SETTINGS_NOT_SUPPORTED : IDS_PORT_CANNOT_OPEN;
    }
    static const struct
    {
        DWORD dwBits;
        unsigned int uiId;
    } s_aErrors[] = {{CE_MODE, IDS_PORT_SETTINGS_NOT_SUPPORTED},
                     {CE_OVERRUN | CE_RXOVER, IDS_COMM_OVERRUN_ERROR},
                     {CE_FRAME, IDS_COMM_FRAME_ERROR},
                     {CE_RXPARITY, IDS_COMM_PARITY_ERROR},
                     {CE_IOE, IDS_COMM_IO_ERROR},
                     {CE_TXFULL, IDS_COMM_OVERRUN_ERROR},
                     {CE_PTO, IDS_COMM_TIMEOUT}};
    for (const auto& error : s_aErrors)
    {
        if ((m_dwLastErrors & error.dwBits) != 0)
            return error.uiId;
    }
    return IDS_COMM_UNKNOWN_ERROR;
}

bool CComm2::GetModemStatus(DWORD* pdwStatus)
{
    DWORD dwStatus = 0;
    if (!GetCommModemStatus(m_hPort, &dwStatus))
        return false;
    *pdwStatus = dwStatus;
    return true;
}

bool CComm2::Escape(DWORD dwFunction)
{
    return EscapeCommFunction(m_hPort, dwFunction) != FALSE;
}

bool CComm2::SetRts()
{
    return Escape(SETRTS);
}

bool CComm2::ClearRts()
{
    return Escape(CLRRTS);
}

bool CComm2::SetDtr()
{
    return Escape(SETDTR);
}

bool CComm2::ClearDtr()
{
    return Escape(CLRDTR);
}

bool CComm2::SetBreak()
{
    return SetCommBreak(m_hPort) != FALSE;
}

bool CComm2::ClearBreak()
{
    return ClearCommBreak(m_hPort) != FALSE;
}

// A port without modem lines (a pseudo-terminal under Wine) has no known status: IsCtsOn and the like
// read 0 and no line event is raised.
bool CComm2::UpdateModemStatus()
{
    DWORD dwStatus = 0;
    m_bModemStatusKnown = GetCommModemStatus(m_hPort, &dwStatus) != FALSE;
    m_dwModemStatus = m_bModemStatusKnown ? dwStatus : 0;
    return m_bModemStatusKnown;
}

DWORD CComm2::LineEvents(DWORD dwErrors, DWORD dwOldStatus, bool bOldKnown, DWORD dwNewStatus, bool bNewKnown)
{
    DWORD dwEvents = 0;
    if ((dwErrors & LINE_ERRORS) != 0)
        dwEvents |= EV_ERR;
    if ((dwErrors & CE_BREAK) != 0)
        dwEvents |= EV_BREAK;
    if (!bOldKnown || !bNewKnown)
        return dwEvents;
    const DWORD dwChanged = dwOldStatus ^ dwNewStatus;
    if ((dwChanged & MS_CTS_ON) != 0)
        dwEvents |= EV_CTS;
    if ((dwChanged & MS_DSR_ON) != 0)
        dwEvents |= EV_DSR;
    if ((dwChanged & MS_RLSD_ON) != 0)
        dwEvents |= EV_RLSD;
    if ((dwChanged & dwNewStatus & MS_RING_ON) != 0)
        dwEvents |= EV_RING;
    return dwEvents;
}

DWORD CComm2::BuildCommMask() const
{
    DWORD dwMask = BASE_COMM_MASK | (m_pDataCallback != nullptr ? EV_RXCHAR : 0) | m_dwEventMask;
    return dwMask & 0xFFFF;
}

// With EV_RXCHAR in the event mask the client is told of received bytes instead of getting them.
bool CComm2::ReadsData() const
{
    return m_pDataCallback != nullptr && (m_dwEventMask & EV_RXCHAR) == 0;
}

// Serial events asked for need the short poll; without them a poll only finds a failed port.
DWORD CComm2::LinePollPeriod() const
{
    return (m_dwEventMask & 0xFFFF) != 0 ? LINE_POLL_MS : IDLE_LINE_POLL_MS;
}

// The receive buffer may be smaller than asked for when growing it failed.
unsigned int CComm2::ReceiveSize() const
{
    return std::min<unsigned int>(m_uiRxBufferSize, static_cast<unsigned int>(m_abReceive.size()));
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

// Hands the received bytes to the data callback; false when a stop was asked for meanwhile.
bool CComm2::Deliver(unsigned int uiCount)
{
    CPortDataCallback* pCallback = m_pDataCallback;
    if (uiCount > 0 && pCallback != nullptr)
        (*pCallback)(m_abReceive.data(), uiCount);
    return !IsStopRequested();
}

// The queue in chunks of at most uiSize bytes; false when a stop was asked for meanwhile.
bool CComm2::DrainReceived(unsigned int uiSize)
{
    for (;;)
    {
        unsigned int uiCount = ReadAvailable(m_abReceive.data(), uiSize);
        if (!Deliver(uiCount))
            return false;
        if (uiCount == 0)
            return true;
    }
}

// Starts the loop's read: true when it completed at once (dwRead bytes) or is pending; false with the
// Windows error when it failed.
bool CComm2::StartReceive(DWORD& dwRead, DWORD& dwError)
{
    m_receiveEvent.ResetEvent();
    m_olReceive.Offset = 0;
    m_olReceive.OffsetHigh = 0;
    dwRead = 0;
    if (ReadFile(m_hPort, m_abReceive.data(), ReceiveSize(), &dwRead, &m_olReceive))
        return true;
    dwError = GetLastError();
    m_bReceivePending = dwError == ERROR_IO_PENDING;
    return m_bReceivePending;
}

// Takes the result of the pending read, which has completed unless it is to be cancelled first. An
// aborted read counts as empty.
bool CComm2::FinishReceive(bool bCancel, DWORD& dwRead, DWORD& dwError)
{
    dwRead = 0;
    if (!m_bReceivePending)
        return true;
    if (bCancel)
        CancelIo(m_hPort);
    if (bCancel && WaitForSingleObject(m_receiveEvent, COMPLETION_WAIT_MS) != WAIT_OBJECT_0)
    {
        dwError = ERROR_TIMEOUT;
        return false;
    }
    m_bReceivePending = false;
    if (GetOverlappedResult(m_hPort, &m_olReceive, &dwRead, FALSE))
        return true;
    dwError = GetLastError();
    return dwError == ERROR_OPERATION_ABORTED;
}

// One look at the line: the error word (which ClearCommError also clears), with bLines the modem lines,
// and the input queue (dwQueued). False when the loop is to end: dwError holds the Windows error when the
// port no longer answers, 0 when a stop was asked for.
bool CComm2::PollLine(DWORD dwMask, bool bLines, DWORD& dwQueued, DWORD& dwError)
{
    COMSTAT stat = {};
    DWORD dwErrors = 0;
    dwError = 0;
    if (!ClearCommError(m_hPort, &dwErrors, &stat))
    {
        dwError = GetLastError();
        return false;
    }
    if (dwErrors != 0)
        m_dwLastErrors = dwErrors;
    DWORD dwEvents = LineEvents(dwErrors, 0, false, 0, false);
    if (bLines)
    {
        const DWORD dwOldStatus = m_dwModemStatus;
        const bool bOldKnown = m_bModemStatusKnown;
        const bool bNewKnown = UpdateModemStatus();
        dwEvents = LineEvents(dwErrors, dwOldStatus, bOldKnown, m_dwModemStatus, bNewKnown);
        if (!ReadsData() && stat.cbInQue > dwQueued)
            dwEvents |= EV_RXCHAR;
    }
    dwQueued = stat.cbInQue;
    return OnLineEvents(dwEvents & dwMask);
}

// Passes the events the client asked for on; every eleventh line error since the last pause pauses the
// loop. False when a stop was asked for during the pause.
bool CComm2::OnLineEvents(DWORD dwEvents)
{
    CPortEventCallback* pEventCallback = m_pEventCallback;
    if ((dwEvents & m_dwEventMask) != 0 && pEventCallback != nullptr)
        (*pEventCallback)(dwEvents, 0);
    if ((dwEvents & EV_ERR) == 0 || ++m_uiLineErrors <= LINE_ERRORS_BEFORE_PAUSE)
        return true;
    m_uiLineErrors = 0;
    return WaitForSingleObject(m_stopPair.GetRequestEvent(), LINE_ERROR_PAUSE_MS) != WAIT_OBJECT_0;
}

// The new callbacks, mask and buffer size are stored already; a larger buffer is taken when it can be
// had, else the client hears of the failure.
bool CComm2::OnUpdateRequest(DWORD& dwMask)
{
    dwMask = BuildCommMask();
    if (m_uiRxBufferSize + 4 > m_abReceive.size())
    {
        try
        {
            m_abReceive.resize(m_uiRxBufferSize + 4);
        }
        catch (const std::bad_alloc&)
        {
            ReportError(ERROR_NOT_ENOUGH_MEMORY);
        }
    }
    bool bGoOn = ReadsData() || m_pDataCallback == nullptr || DrainReceived(ReceiveSize());
    m_pace.Reset(m_dwBatchPeriodMs, ReceiveSize() / 2, GetTickCount64());
    // The new mask may ask for the short poll.
    m_ullNextPoll = 0;
    m_updatePair.Acknowledge();
    return bGoOn;
}

// A read in answer mode took dwRead bytes: they are handed on and the next read is due at once, except
// after an empty read that did not wait (it completed at once, or the platform aborted it), which would
// spin: that one is followed a poll period later. False when a stop was asked for.
bool CComm2::OnReceived(DWORD dwRead, bool bWaited)
{
    if (!Deliver(dwRead))
        return false;
    const ULONGLONG ullNow = GetTickCount64();
    m_ullNextRead = dwRead == 0 && !bWaited ? ullNow + LINE_POLL_MS : ullNow;
    m_pace.OnRead(ullNow, dwRead, m_ullLastWrite);
    return true;
}

// One batch: one look at the line, which also polls it, and one read of what waits in the driver queue,
// handed on in one delivery. False when the loop is to end (see PollLine).
bool CComm2::TakeBatch(DWORD dwMask, DWORD& dwError)
{
    const ULONGLONG ullNow = GetTickCount64();
    m_ullNextPoll = ullNow + LINE_POLL_MS;
    if (!PollLine(dwMask, true, m_dwPolledQueue, dwError))
        return false;
    const unsigned int uiTake =
        std::min<unsigned int>(m_dwPolledQueue, static_cast<unsigned int>(m_abBatch.size()));
    const unsigned int uiRead = uiTake == 0 ? 0 : Read(m_abBatch.data(), uiTake);
    if (!DeliverBatch(m_abBatch.data(), uiRead))
        return false;
    m_pace.OnBatch(ullNow, m_dwPolledQueue, uiTake < m_dwPolledQueue);
    return true;
}

// A request was written while the line streamed: what waits is handed on at once, and the answer is
// read at its first byte. A wake-up left from a request before the stream mode changes nothing.
bool CComm2::OnRequestWritten(DWORD dwMask, DWORD& dwError)
{
    return !m_pace.OnRequest(m_ullLastWrite, GetTickCount64()) || TakeBatch(dwMask, dwError);
}

// Starts the read when it is due (answer mode) or takes the batch when it is due (stream mode), then
// polls the line when that is due. False when the loop is to end (see PollLine).
bool CComm2::DoDueWork(DWORD dwMask, DWORD& dwError)
{
    const ULONGLONG ullNow = GetTickCount64();
    if (m_pace.IsStreaming() && ullNow >= m_pace.GetNextBatch())
        return TakeBatch(dwMask, dwError);
    if (!m_pace.IsStreaming() && ReadsData() && !m_bReceivePending && ullNow >= m_ullNextRead)
    {
        DWORD dwRead = 0;
        if (!StartReceive(dwRead, dwError))
            return false;
        if (!m_bReceivePending)
            return OnReceived(dwRead, false);
    }
    if (ullNow < m_ullNextPoll)
        return true;
    m_ullNextPoll = ullNow + LinePollPeriod();
    return PollLine(dwMask, true, m_dwPolledQueue, dwError);
}

// Waits for a stop, an update, the pending read (answer mode) or a written request (stream mode) until
// the next due time, and handles what came. False when the loop is to end (see PollLine).
bool CComm2::WaitForWork(DWORD& dwMask, DWORD& dwError)
{
    const bool bStreaming = m_pace.IsStreaming();
    HANDLE ahWait[3] = {m_stopPair.GetRequestEvent(), m_updatePair.GetRequestEvent(),
                        bStreaming ? m_requestEvent : m_receiveEvent};
    ULONGLONG ullWake = m_ullNextPoll;
    if (bStreaming)
        ullWake = std::min(ullWake, m_pace.GetNextBatch());
    else if (ReadsData() && !m_bReceivePending)
        ullWake = std::min(ullWake, m_ullNextRead);
    const ULONGLONG ullNow = GetTickCount64();
    const DWORD dwTimeout = ullWake > ullNow ? static_cast<DWORD>(ullWake - ullNow) : 0;
    const DWORD dwWait =
        WaitForMultipleObjects(bStreaming || m_bReceivePending ? 3 : 2, ahWait, FALSE, dwTimeout);
    const DWORD dwWaitError = dwWait == WAIT_FAILED ? GetLastError() : 0;
    DWORD dwRead = 0;
    DWORD dwReadError = 0;
    switch (dwWait)
    {
        case WAIT_TIMEOUT:
            return true;
        case WAIT_OBJECT_0:
            FinishReceive(true, dwRead, dwReadError);
            dwError = 0;
            return false;
        case WAIT_OBJECT_0 + 1:
            if (!FinishReceive(true, dwRead, dwError))
                return false;
            dwError = 0;
            m_ullNextRead = 0;
            return Deliver(dwRead) && OnUpdateRequest(dwMask);
        case WAIT_OBJECT_0 + 2:
            if (bStreaming)
                return OnRequestWritten(dwMask, dwError);
            if (!FinishReceive(false, dwRead, dwError))
                return false;
            // An aborted read (the platform may abort one of its own) counts as empty and did not wait.
            dwReadError = dwError;
            dwError = 0;
            return OnReceived(dwRead, dwReadError != ERROR_OPERATION_ABORTED);
        default:
            FinishReceive(true, dwRead, dwReadError);
            dwError = dwWaitError != 0 ? dwWaitError : ERROR_INVALID_HANDLE;
            return false;
    }
}

DWORD CComm2::ReaderLoop()
{
    m_abReceive.assign(m_uiRxBufferSize + 4, 0);
    m_abBatch.assign(BATCH_CAPACITY, 0);
    m_bReceivePending = false;
    m_uiLineErrors = 0;
    m_ullNextRead = 0;
    m_ullNextPoll = 0;
    m_dwPolledQueue = 0;
    m_pace.Reset(m_dwBatchPeriodMs, ReceiveSize() / 2, GetTickCount64());
    DWORD dwMask = BuildCommMask();
    DWORD dwError = 0;
    while (DoDueWork(dwMask, dwError) && WaitForWork(dwMask, dwError))
    {
    }
    // A stop ends the loop with 0. Otherwise the port failed (a removed device fails every call): the
    // client hears of it.
    if (dwError != 0)
        ReportError(dwError);
    return dwError;
}
