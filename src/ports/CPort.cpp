#include "ports/CPort.h"

#include "ports/CPortMan.h"
#include "ports/CThreadMan.h"

namespace
{
constexpr DWORD ERROR_ID_CANNOT_OPEN = 13133;
constexpr DWORD STOP_POLL_MS = 20;
constexpr DWORD STOP_WAIT_MS = 1000;
} // namespace

CPort::CPort(CPortMan* pOwner, unsigned char ucPortFlag)
    : m_ucPortFlag(ucPortFlag), m_pOwner(pOwner), m_hAbortEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_hRunningEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    m_olCommEvent.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_olWrite.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_ahWriteWait[0] = m_hAbortEvent;
    m_ahWriteWait[1] = m_olWrite.hEvent;
    InitializeCriticalSection(&m_csWrite);
}

CPort::~CPort()
{
    CloseHandle(m_hRunningEvent);
    CloseHandle(m_hAbortEvent);
    CloseHandle(m_olWrite.hEvent);
    CloseHandle(m_olCommEvent.hEvent);
    DeleteCriticalSection(&m_csWrite);
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
    return ERROR_ID_CANNOT_OPEN;
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
    return true;
}

bool CPort::SetRts()
{
    return true;
}

bool CPort::ClearRts()
{
    return true;
}

bool CPort::SetDtr()
{
    return true;
}

bool CPort::ClearDtr()
{
    return true;
}

bool CPort::SetBreak()
{
    return true;
}

bool CPort::ClearBreak()
{
    return true;
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
    m_olCommEvent.Offset = 0;
    m_olCommEvent.OffsetHigh = 0;
    m_ahReaderWait[0] = m_stopPair.GetRequestEvent();
    m_ahReaderWait[1] = m_olCommEvent.hEvent;
    m_ahReaderWait[2] = m_updatePair.GetRequestEvent();
    SetEvent(m_hRunningEvent);
}

DWORD CPort::ReaderLoop()
{
    return ERROR_INTERNAL_ERROR;
}

void CPort::OnReaderEnd()
{
    ResetEvent(m_hRunningEvent);
    m_stopPair.Acknowledge();
}

bool CPort::IsRunning() const
{
    return WaitForSingleObject(m_hRunningEvent, 0) == WAIT_OBJECT_0;
}

bool CPort::StartReader()
{
    if (IsRunning())
    {
        UpdateReader();
        return true;
    }
    if (!IsOpen() || m_pThreadMan == nullptr)
        return true;
    ResetEvent(m_hRunningEvent);
    ResetEvent(m_hAbortEvent);
    m_stopPair.Reset();
    m_updatePair.Reset();
    if (!m_pThreadMan->StartReading())
        return true;
    // The stop acknowledgement also ends the wait: a loop that failed at once has already ended.
    HANDLE ahStarted[3] = {m_hRunningEvent, m_stopPair.GetAckEvent(), m_pThreadMan->GetThreadHandle()};
    WaitForMultipleObjects(3, ahStarted, FALSE, INFINITE);
    return true;
}

DWORD CPort::RunReader()
{
    OnReaderStart();
    DWORD dwResult = ReaderLoop();
    OnReaderEnd();
    return dwResult;
}

// The reader may be inside SendMessage to a window of this thread: sent messages are handled meanwhile.
void CPort::UpdateReader()
{
    m_updatePair.Request();
    HANDLE ahWait[2] = {m_updatePair.GetAckEvent(), m_stopPair.GetAckEvent()};
    while (MsgWaitForMultipleObjects(2, ahWait, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 2)
    {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool CPort::StopReader(bool bPump)
{
    if (!IsRunning())
        return true;
    m_pDataCallback = nullptr;
    m_pEventCallback = nullptr;
    m_stopPair.Request();
    if (!bPump)
    {
        m_stopPair.WaitAck(STOP_WAIT_MS);
        return true;
    }
    // The reader may be inside SendMessage to a window of this thread: keep handling messages.
    while (!m_stopPair.WaitAck(STOP_POLL_MS))
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (!CThreadMan::PreTranslateAppMessage(&msg))
            {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    return true;
}

void CPort::SuspendReader()
{
    if (IsRunning() && m_pThreadMan != nullptr)
        SuspendThread(m_pThreadMan->GetThreadHandle());
}

void CPort::ResumeReader()
{
    if (IsRunning() && m_pThreadMan != nullptr)
        ResumeThread(m_pThreadMan->GetThreadHandle());
}

CString CPort::GetOwnerPortName() const
{
    return m_pOwner != nullptr ? m_pOwner->GetPortName() : CString();
}
