#include "ports/CPortMan.h"

#include "framework/CSingleLock.h"
#include "ports/CDeviceChangeHandler.h"
#include "ports/CDeviceChangeReceiver.h"
#include "ports/CInterProcCommPortBorrow.h"
#include "ports/CPort.h"
#include "ports/CPortDataRelay.h"
#include "ports/CPortDirectory.h"
#include "ports/CThreadMan.h"
#include "ports/PortEnumeration.h"

#include <dbt.h>

#include <cstddef>

namespace
{
constexpr DWORD OPEN_RETRY_PAUSE_MS = 250;
constexpr int OPEN_ATTEMPTS_ON_RECONNECT = 20;
constexpr DWORD MAX_DEVICE_NAME = 1024;
// A reopen on the other thread holds the close lock for at most its 20 attempts and their pauses.
constexpr DWORD CLOSE_LOCK_WAIT_MS = 30000;

using CDataFunctor = TSpecificPortFunctor2<CPortMan, bool, unsigned char*, unsigned int>;
using CEventFunctor = TSpecificPortFunctor2<CPortMan, bool, unsigned long, unsigned long>;

// The text at nOffset of a notification of dbch_size bytes, cut at its first zero byte.
CString BoundedName(const DEV_BROADCAST_HDR* pHeader, size_t nOffset)
{
    if (pHeader->dbch_size <= nOffset)
        return CString();
    const char* pszName = reinterpret_cast<const char*>(pHeader) + nOffset;
    DWORD dwMax = pHeader->dbch_size - static_cast<DWORD>(nOffset);
    DWORD n = 0;
    while (n < dwMax && n < MAX_DEVICE_NAME && pszName[n] != 0)
        ++n;
    return CString(pszName, static_cast<int>(n));
}

CString DeviceNameFromHeader(const DEV_BROADCAST_HDR* pHeader)
{
    if (pHeader->dbch_size < sizeof(DEV_BROADCAST_HDR))
        return CString();
    if (pHeader->dbch_devicetype == DBT_DEVTYP_PORT)
        return BoundedName(pHeader, offsetof(DEV_BROADCAST_PORT_A, dbcp_name));
    if (pHeader->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE)
        return BoundedName(pHeader, offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name));
    return CString();
}

// Marks the calling thread as the one closing the port for the lifetime of the object.
class CClosingThread
{
public:
    explicit CClosingThread(std::atomic<DWORD>& dwThread) : m_dwThread(dwThread), m_dwPrevious(dwThread)
    {
        m_dwThread = GetCurrentThreadId();
    }
    ~CClosingThread() { m_dwThread = m_dwPrevious; }
    CClosingThread(const CClosingThread&) = delete;
    CClosingThread& operator=(const CClosingThread&) = delete;

private:
    std::atomic<DWORD>& m_dwThread;
    DWORD m_dwPrevious;
};
} // namespace

CPortMan::CPortMan(HWND hOwner, UINT uiEventMessage, UINT uiDataMessage, bool bOwnDeviceChangeThread,
                   unsigned char ucPortFlag)
    : m_ucPortFlag(ucPortFlag), m_dcbOpen(m_dcb), m_timeouts{MAXDWORD, 0, 0, 0, 5000}
{
    m_pPort.reset(CPort::Create(this, m_ucPortFlag));
    m_pThreadMan = std::make_unique<CThreadMan>();
    m_pThreadMan->SetPort(m_pPort.get());
    m_pPort->SetThreadMan(m_pThreadMan.get());
    m_pBorrow = std::make_unique<CInterProcCommPortBorrow>();
    EnumerateAllPorts();
    m_pDefaultDataCallback = std::make_unique<CDataFunctor>(this, &CPortMan::OnDataDefault);
    m_pDefaultEventCallback = std::make_unique<CEventFunctor>(this, &CPortMan::OnEventDefault);
    SetMessageTarget(hOwner, uiDataMessage, uiEventMessage, bOwnDeviceChangeThread);
}

// A reader that never stopped keeps its port object and thread: freeing them under it would corrupt
// memory.
CPortMan::~CPortMan()
{
    m_pDeviceChange.reset();
    ClosePort(false);
    if (m_pPort->IsReaderRunning())
    {
        m_pPort.release();
        m_pThreadMan.release();
        m_pRelay.release();
        return;
    }
    m_pThreadMan->SetPort(nullptr);
    m_pPort->SetThreadMan(nullptr);
    m_pThreadMan.reset();
    m_pPort.reset();
}

void CPortMan::SetMessageTarget(HWND hOwner, UINT uiDataMessage, UINT uiEventMessage,
                                bool bOwnDeviceChangeThread)
{
    m_hOwner = hOwner;
    m_uiDataMessage = uiDataMessage;
    m_uiEventMessage = uiEventMessage;
    m_pDeviceChange.reset();
    m_pDeviceChange = std::make_unique<CDeviceChangeHandler>(bOwnDeviceChangeThread ? nullptr : hOwner, this);
    CreateRelay();
    SelectDataCallback(nullptr);
    SelectEventCallback(nullptr);
}

// A client's callback, else the default one when there is a message and a window to send it to.
void CPortMan::SelectDataCallback(CPortDataCallback* pDataCallback)
{
    bool bTarget = m_uiDataMessage != 0 && m_hOwner != nullptr;
    m_pDataCallback = pDataCallback != nullptr ? pDataCallback
                      : bTarget                ? m_pDefaultDataCallback.get()
                                               : nullptr;
}

void CPortMan::SelectEventCallback(CPortEventCallback* pEventCallback)
{
    bool bTarget = m_uiEventMessage != 0 && m_hOwner != nullptr;
    m_pEventCallback = pEventCallback != nullptr ? pEventCallback
                       : bTarget                 ? m_pDefaultEventCallback.get()
                                                 : nullptr;
}

// Sent, so the reader waits until the owner's thread has taken the bytes.
bool CPortMan::OnDataDefault(unsigned char* pBytes, unsigned int uiCount)
{
    SendMessageA(m_hOwner, m_uiDataMessage, uiCount, reinterpret_cast<LPARAM>(pBytes));
    return true;
}

void CPortMan::CreateRelay()
{
    m_pRelay.reset();
    if (m_hOwner == nullptr || GetWindowThreadProcessId(m_hOwner, nullptr) != GetCurrentThreadId())
        return;
    m_pRelay = std::make_unique<CPortDataRelay>();
    if (!m_pRelay->CreateRelay())
        m_pRelay.reset();
}

HWND CPortMan::GetRelayWindow() const
{
    return m_pRelay != nullptr ? m_pRelay->GetSafeHwnd() : nullptr;
}

bool CPortMan::RelayBatch(CPort& port, unsigned char* pBytes, unsigned int uiCount)
{
    return m_pRelay != nullptr && port.GetDataCallback() == m_pDefaultDataCallback.get() &&
           m_pRelay->Relay(port, pBytes, uiCount);
}

bool CPortMan::OnEventDefault(unsigned long ulBits, unsigned long ulValue)
{
    PostMessageA(m_hOwner, m_uiEventMessage, ulBits, ulValue);
    return true;
}

void CPortMan::RaiseEvent(unsigned long ulBits)
{
    CPortEventCallback* pCallback = m_pEventCallback;
    if ((ulBits & m_ulEventMask) != 0 && pCallback != nullptr)
        (*pCallback)(ulBits, 0);
}

bool CPortMan::IsClosingThread() const
{
    return m_dwClosingThread == GetCurrentThreadId();
}

bool CPortMan::OpenConnection(const CString& strName, CPortDataCallback* pDataCallback,
                              unsigned int uiBufferSize)
{
    CSingleLock lock(&m_closeLock);
    if (IsClosingThread() || !lock.Lock(CLOSE_LOCK_WAIT_MS))
        return false;
    m_uiRxBufferSize = uiBufferSize;
    SelectDataCallback(pDataCallback);
    return OpenByName(strName);
}

bool CPortMan::OpenByName(CString strName)
{
    if (strName.IsEmpty())
        return false;
    EnsureKnown(strName);
    if (m_iState == PORT_OPEN && IsSamePort(strName, m_strSymbolicLink))
        return true;
    strName = GetPortDirectory().GetDisplayName(strName);
    {
        CSingleLock lock(&m_csRecord, TRUE);
        m_pending = *this;
        m_pending.m_ucOpenSucceeded = 1;
        m_pending.m_strDisplayName = strName;
        m_pending.m_strRequestedName = strName;
        m_dcbOpen = m_dcb;
    }
    return OpenWithRetry(true);
}

void CPortMan::EnsureKnown(const CString& strName)
{
    if (!GetPortDirectory().IsKnown(strName))
        EnumerateAllPorts();
}

bool CPortMan::IsSamePort(const CString& strA, const CString& strB)
{
    return GetPortDirectory().IsSamePort(strA, strB);
}

// Lending matches only a name that leads to a directory entry, never two unknown names.
bool CPortMan::IsOwnEntry(const CString& strName)
{
    CPortDetailsEx* pEntry = GetPortDirectory().Find(strName);
    return pEntry != nullptr && pEntry == GetPortDirectory().Find(m_strSymbolicLink);
}

void CPortMan::PauseBeforeRetry()
{
    Sleep(OPEN_RETRY_PAUSE_MS);
}

// An ordinary open makes one attempt; a reconnect makes up to 20, pausing only between two of them.
bool CPortMan::OpenWithRetry(bool bOpen)
{
    if (m_pending.m_ucOpenSucceeded != 0)
    {
        CSingleLock lock(&m_csRecord, TRUE);
        static_cast<CDcb&>(*this) = m_pending;
        m_pending.m_ucOpenSucceeded = 0;
    }
    if (!EnsurePortObject())
        return false;
    m_ucOpenSucceeded = 0;
    if (!bOpen)
        return true;
    for (int iAttempt = 1;; ++iAttempt)
    {
        if (OpenAttempt())
            return true;
        if (iAttempt >= OPEN_ATTEMPTS_ON_RECONNECT || m_ucReconnect == 0)
            break;
        PauseBeforeRetry();
    }
    m_ucReconnect = 0;
    // A failed open never leaves PORT_OPEN behind: the port object it named is closed or replaced.
    if (m_iState == PORT_OPEN)
        m_iState = PORT_CLOSED;
    return false;
}

bool CPortMan::OpenAttempt()
{
    DCB dcb;
    {
        CSingleLock lock(&m_csRecord, TRUE);
        dcb = m_dcbOpen;
    }
    if (!m_pPort->Open(m_strSymbolicLink, &dcb, m_pDataCallback, m_uiRxBufferSize, m_pEventCallback,
                       m_ulEventMask))
        return false;
    m_iState = PORT_OPEN;
    m_ucOpenSucceeded = 1;
    m_pPort->SetTimeouts(&m_timeouts);
    m_ucReconnect = 0;
    return true;
}

bool CPortMan::EnsurePortObject()
{
    CString strName = m_strDisplayName;
    if (strName.IsEmpty())
        return false;
    EnsureKnown(strName);
    bool bKeep = m_pPort != nullptr && (m_iState == PORT_OPEN || m_iState == PORT_GRANTED) &&
                 IsSamePort(strName, m_strSymbolicLink);
    if (!bKeep)
        ReplacePortObject(strName);
    m_pThreadMan->SetPort(m_pPort.get());
    if (m_pPort != nullptr)
        m_pPort->SetThreadMan(m_pThreadMan.get());
    return m_pPort != nullptr;
}

void CPortMan::ReplacePortObject(const CString& strName)
{
    // Stop the reader before taking the port lock: it may be waiting for a thread that writes.
    if (m_pPort != nullptr)
        m_pPort->Close(false);
    CPortDirectory& directory = GetPortDirectory();
    CString strDisplayName = directory.GetDisplayName(strName);
    CString strDevicePath = directory.GetDevicePath(strName);
    PortFactory pfnFactory = directory.GetFactory(strName);
    CSingleLock lock(&m_csPort, TRUE);
    m_pThreadMan->SetPort(nullptr);
    m_pPort.reset();
    {
        CSingleLock recordLock(&m_csRecord, TRUE);
        m_strDisplayName = strDisplayName;
        m_strSymbolicLink = strDevicePath;
    }
    m_pPort.reset(pfnFactory(this, m_ucPortFlag));
}

// A close asked for while this thread closes already (from a message handled meanwhile) is that close.
bool CPortMan::ClosePort(bool bLost)
{
    if (IsClosingThread())
        return true;
    CSingleLock lock(&m_closeLock);
    if (!lock.Lock(CLOSE_LOCK_WAIT_MS))
        return false;
    return CloseLocked(bLost);
}

bool CPortMan::CloseLocked(bool bLost)
{
    CClosingThread closing(m_dwClosingThread);
    m_iState = bLost ? PORT_LOST : PORT_CLOSED;
    bool bClosed = m_pPort != nullptr && m_pPort->Close(bLost);
    if (!bLost)
        ReturnBorrowedPort();
    return bClosed;
}

bool CPortMan::WriteByte(unsigned char ucByte)
{
    CSingleLock lock(&m_csPort, TRUE);
    return m_pPort != nullptr && m_pPort->WriteByte(ucByte);
}

bool CPortMan::WriteBuffer(const unsigned char* pBytes, unsigned int uiCount)
{
    CSingleLock lock(&m_csPort, TRUE);
    return m_pPort != nullptr && m_pPort->Write(pBytes, uiCount);
}

bool CPortMan::WriteString(CString strFrame)
{
    return WriteBuffer(reinterpret_cast<const unsigned char*>(strFrame.GetString()),
                       static_cast<unsigned int>(strFrame.GetLength()));
}

bool CPortMan::SetEventCallback(CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    CSingleLock lock(&m_closeLock);
    if (IsClosingThread() || !lock.Lock(CLOSE_LOCK_WAIT_MS))
        return false;
    m_ulEventMask = ulEventMask;
    SelectEventCallback(pEventCallback);
    if (m_iState != PORT_OPEN || m_pPort == nullptr)
        return true;
    return m_pPort->SetCallbacks(m_pDataCallback, m_uiRxBufferSize, m_pEventCallback, m_ulEventMask);
}

CString CPortMan::GetCurrentDisplayName()
{
    CSingleLock lock(&m_csRecord, TRUE);
    return CDcb::GetCurrentDisplayName();
}

CString CPortMan::GetPortName()
{
    CSingleLock lock(&m_csRecord, TRUE);
    return CDcb::GetPortName();
}

void CPortMan::MarkPresence(const CString& strDevice, bool bArrival)
{
    if (bArrival)
        EnsureKnown(strDevice);
    GetPortDirectory().SetPresent(strDevice, bArrival);
}

bool CPortMan::IsOwnPort(const CString& strDevice)
{
    CString strPath = GetPortDirectory().GetDevicePath(strDevice);
    if (strPath.CompareNoCase(m_strSymbolicLink) == 0)
        return true;
    return m_iState != PORT_OPEN && !m_strPreviousLink.IsEmpty() &&
           strPath.CompareNoCase(m_strPreviousLink) == 0;
}

// A notification handled while this thread closes the port is left to the device-change thread, which
// gets it too. An arrival's reopen, with its retries and pauses, runs on the device-change thread.
int CPortMan::HandleDeviceChange(UINT uiEventType, DWORD_PTR dwData)
{
    bool bArrival = uiEventType == DBT_DEVICEARRIVAL;
    bool bRemoval = uiEventType == DBT_DEVICEREMOVEPENDING || uiEventType == DBT_DEVICEREMOVECOMPLETE;
    if (m_iState == PORT_GRANTED || (!bArrival && !bRemoval) || dwData == 0 || IsClosingThread())
        return 0;
    CString strDevice = DeviceNameFromHeader(reinterpret_cast<const DEV_BROADCAST_HDR*>(dwData));
    if (strDevice.IsEmpty())
        return 0;
    CSingleLock lock(&m_closeLock);
    if (!lock.Lock(CLOSE_LOCK_WAIT_MS) || m_iState == PORT_GRANTED)
        return 0;
    MarkPresence(strDevice, bArrival);
    if (!IsOwnPort(strDevice))
        return 0;
    if (bArrival)
    {
        if (m_iState != PORT_LOST && m_iState != PORT_REOPENING)
            return 0;
        if (m_pDeviceChange == nullptr || m_pDeviceChange->IsHandlerThread() ||
            !CDeviceChangeReceiver::PostReopen(m_pDeviceChange->GetWindow(), strDevice))
            ReopenOwnPort();
        return 1;
    }
    if (m_iState == PORT_OPEN)
    {
        CloseLocked(true);
        RaiseEvent(EV_PNP_REMOVE);
        m_stateChanged.SetEvent();
    }
    return -1;
}

void CPortMan::ReopenArrivedPort(const CString& strDevice)
{
    CSingleLock lock(&m_closeLock);
    if (lock.Lock(CLOSE_LOCK_WAIT_MS) && (m_iState == PORT_LOST || m_iState == PORT_REOPENING) &&
        IsOwnPort(strDevice))
        ReopenOwnPort();
}

void CPortMan::ReopenOwnPort()
{
    m_ucReconnect = 1;
    OpenWithRetry(true);
    RaiseEvent(EV_PNP_ARRIVE);
    m_stateChanged.SetEvent();
}

void CPortMan::OnLendQuery(HWND hAsker, LPARAM lValue)
{
    CString strName = m_pBorrow->ReadPortName();
    CSingleLock lock(&m_closeLock);
    if (!lock.Lock(CLOSE_LOCK_WAIT_MS) || !IsOwnEntry(strName))
        return;
    CloseLocked(false);
    m_iState = PORT_GRANTED;
    m_pBorrow->PostReply(hAsker, lValue);
    RaiseEvent(EV_STATUS);
    m_stateChanged.SetEvent();
}

void CPortMan::OnLendReturn()
{
    CString strName = m_pBorrow->ReadPortName();
    CSingleLock lock(&m_closeLock);
    if (!lock.Lock(CLOSE_LOCK_WAIT_MS) || m_iState != PORT_GRANTED || !IsOwnEntry(strName))
        return;
    m_iState = PORT_REOPENING;
    OpenWithRetry(true);
    RaiseEvent(EV_STATUS);
    m_stateChanged.SetEvent();
}

void CPortMan::OnLendReply()
{
    CString strName = m_pBorrow->ReadPortName();
    CSingleLock lock(&m_closeLock);
    if (!lock.Lock(CLOSE_LOCK_WAIT_MS))
        return;
    m_iState = PORT_REOPENING;
    if (IsOwnEntry(strName))
        m_pBorrow->SetBorrowedName(strName);
    else
        OpenWithRetry(true);
}

void CPortMan::ReturnBorrowedPort()
{
    m_pBorrow->ReturnPort();
}

HWND CPortMan::GetDeviceChangeWindow() const
{
    return m_pDeviceChange != nullptr ? m_pDeviceChange->GetWindow() : nullptr;
}

void CPortMan::AttachReceiver(CDeviceChangeReceiver* pReceiver)
{
    m_pBorrow->SetReceiverWindow(pReceiver->GetSafeHwnd());
    CDeviceChangeReceiver::SetLendMessages(m_pBorrow->m_uiQueryMessage, m_pBorrow->m_uiReplyMessage,
                                           m_pBorrow->m_uiReturnMessage);
}
