#include "ports/CPortMan.h"

#include "ports/CDeviceChangeHandler.h"
#include "ports/CDeviceChangeReceiver.h"
#include "ports/CInterProcCommPortBorrow.h"
#include "ports/CPort.h"
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

class CRecordLock
{
public:
    explicit CRecordLock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~CRecordLock() { LeaveCriticalSection(&m_cs); }
    CRecordLock(const CRecordLock&) = delete;
    CRecordLock& operator=(const CRecordLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

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
} // namespace

CPortMan::CPortMan(HWND hOwner, UINT uiEventMessage, UINT uiDataMessage, bool bOwnDeviceChangeThread,
                   unsigned char ucPortFlag)
    : m_ucPortFlag(ucPortFlag), m_timeouts{MAXDWORD, 0, 0, 0, 5000}
{
    InitializeCriticalSection(&m_csPort);
    InitializeCriticalSection(&m_csRecord);
    m_pPort = CPort::Create(this, m_ucPortFlag);
    m_pThreadMan = new CThreadMan;
    m_pThreadMan->SetPort(m_pPort);
    m_pPort->SetThreadMan(m_pThreadMan);
    m_pBorrow = new CInterProcCommPortBorrow;
    EnumerateAllPorts();
    m_hStateChanged = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    m_pDefaultDataCallback = new CDataFunctor(this, &CPortMan::OnDataDefault);
    m_pDefaultEventCallback = new CEventFunctor(this, &CPortMan::OnEventDefault);
    SetMessageTarget(hOwner, uiDataMessage, uiEventMessage, bOwnDeviceChangeThread);
}

CPortMan::~CPortMan()
{
    delete m_pDeviceChange;
    m_pDeviceChange = nullptr;
    ClosePort(false);
    m_pThreadMan->SetPort(nullptr);
    if (m_pPort != nullptr)
        m_pPort->SetThreadMan(nullptr);
    delete m_pThreadMan;
    delete m_pPort;
    delete m_pBorrow;
    CloseHandle(m_hStateChanged);
    delete m_pDefaultEventCallback;
    delete m_pDefaultDataCallback;
    DeleteCriticalSection(&m_csRecord);
    DeleteCriticalSection(&m_csPort);
}

void CPortMan::SetMessageTarget(HWND hOwner, UINT uiDataMessage, UINT uiEventMessage,
                                bool bOwnDeviceChangeThread)
{
    m_hOwner = hOwner;
    m_uiDataMessage = uiDataMessage;
    m_uiEventMessage = uiEventMessage;
    delete m_pDeviceChange;
    m_pDeviceChange = new CDeviceChangeHandler(bOwnDeviceChangeThread ? nullptr : hOwner, this);
    SelectDataCallback(nullptr);
    SelectEventCallback(nullptr);
}

// A client's callback, else the default one when there is a message and a window to send it to.
void CPortMan::SelectDataCallback(CPortDataCallback* pDataCallback)
{
    bool bTarget = m_uiDataMessage != 0 && m_hOwner != nullptr;
    m_pDataCallback = pDataCallback != nullptr ? pDataCallback : bTarget ? m_pDefaultDataCallback : nullptr;
}

void CPortMan::SelectEventCallback(CPortEventCallback* pEventCallback)
{
    bool bTarget = m_uiEventMessage != 0 && m_hOwner != nullptr;
    m_pEventCallback = pEventCallback != nullptr ? pEventCallback
                       : bTarget                 ? m_pDefaultEventCallback
                                                 : nullptr;
}

// Sent, so the reader waits until the owner's thread has taken the bytes.
bool CPortMan::OnDataDefault(unsigned char* pBytes, unsigned int uiCount)
{
    SendMessageA(m_hOwner, m_uiDataMessage, uiCount, reinterpret_cast<LPARAM>(pBytes));
    return true;
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

bool CPortMan::OpenConnection(const CString& strName, CPortDataCallback* pDataCallback,
                              unsigned int uiBufferSize)
{
    CMsgWaitGuard guard(m_closeLock);
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
        CRecordLock lock(m_csRecord);
        m_pending = *this;
        m_pending.m_ucOpenSucceeded = 1;
        m_pending.m_strDisplayName = strName;
        m_pending.m_strRequestedName = strName;
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

bool CPortMan::OpenWithRetry(bool bOpen)
{
    if (m_pending.m_ucOpenSucceeded != 0)
    {
        CRecordLock lock(m_csRecord);
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
        Sleep(OPEN_RETRY_PAUSE_MS);
        if (iAttempt >= OPEN_ATTEMPTS_ON_RECONNECT || m_ucReconnect == 0)
            break;
    }
    m_ucReconnect = 0;
    // A failed open never leaves PORT_OPEN behind: the port object it named is closed or replaced.
    if (m_iState == PORT_OPEN)
        m_iState = PORT_CLOSED;
    return false;
}

bool CPortMan::OpenAttempt()
{
    if (!m_pPort->Open(m_strSymbolicLink, &m_dcb, m_pDataCallback, m_uiRxBufferSize, m_pEventCallback,
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
    m_pThreadMan->SetPort(m_pPort);
    if (m_pPort != nullptr)
        m_pPort->SetThreadMan(m_pThreadMan);
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
    EnterCriticalSection(&m_csPort);
    m_pThreadMan->SetPort(nullptr);
    delete m_pPort;
    {
        CRecordLock lock(m_csRecord);
        m_strDisplayName = strDisplayName;
        m_strSymbolicLink = strDevicePath;
    }
    m_pPort = pfnFactory(this, m_ucPortFlag);
    LeaveCriticalSection(&m_csPort);
}

bool CPortMan::ClosePort(bool bLost)
{
    CMsgWaitGuard guard(m_closeLock);
    m_iState = bLost ? PORT_LOST : PORT_CLOSED;
    bool bClosed = m_pPort != nullptr && m_pPort->Close(bLost);
    if (!bLost)
        ReturnBorrowedPort();
    return bClosed;
}

bool CPortMan::WriteByte(unsigned char ucByte)
{
    EnterCriticalSection(&m_csPort);
    bool bWritten = m_pPort != nullptr && m_pPort->WriteByte(ucByte);
    LeaveCriticalSection(&m_csPort);
    return bWritten;
}

bool CPortMan::WriteBuffer(const unsigned char* pBytes, unsigned int uiCount)
{
    EnterCriticalSection(&m_csPort);
    bool bWritten = m_pPort != nullptr && m_pPort->Write(pBytes, uiCount);
    LeaveCriticalSection(&m_csPort);
    return bWritten;
}

bool CPortMan::WriteString(CString strFrame)
{
    return WriteBuffer(reinterpret_cast<const unsigned char*>(strFrame.GetString()),
                       static_cast<unsigned int>(strFrame.GetLength()));
}

bool CPortMan::SetEventCallback(CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    CMsgWaitGuard guard(m_closeLock);
    m_ulEventMask = ulEventMask;
    SelectEventCallback(pEventCallback);
    if (m_iState != PORT_OPEN || m_pPort == nullptr)
        return true;
    return m_pPort->SetCallbacks(m_pDataCallback, m_uiRxBufferSize, m_pEventCallback, m_ulEventMask);
}

CString CPortMan::GetCurrentDisplayName()
{
    CRecordLock lock(m_csRecord);
    return CDcb::GetCurrentDisplayName();
}

CString CPortMan::GetPortName()
{
    CRecordLock lock(m_csRecord);
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

int CPortMan::HandleDeviceChange(UINT uiEventType, DWORD_PTR dwData)
{
    bool bArrival = uiEventType == DBT_DEVICEARRIVAL;
    bool bRemoval = uiEventType == DBT_DEVICEREMOVEPENDING || uiEventType == DBT_DEVICEREMOVECOMPLETE;
    if (m_iState == PORT_GRANTED || (!bArrival && !bRemoval) || dwData == 0)
        return 0;
    CString strDevice = DeviceNameFromHeader(reinterpret_cast<const DEV_BROADCAST_HDR*>(dwData));
    if (strDevice.IsEmpty())
        return 0;
    CMsgWaitGuard guard(m_closeLock);
    if (m_iState == PORT_GRANTED)
        return 0;
    MarkPresence(strDevice, bArrival);
    if (!IsOwnPort(strDevice))
        return 0;
    if (bArrival)
    {
        if (m_iState != PORT_LOST && m_iState != PORT_REOPENING)
            return 0;
        m_ucReconnect = 1;
        OpenWithRetry(true);
        RaiseEvent(EV_PNP_ARRIVE);
        SetEvent(m_hStateChanged);
        return 1;
    }
    if (m_iState == PORT_OPEN)
    {
        ClosePort(true);
        RaiseEvent(EV_PNP_REMOVE);
        SetEvent(m_hStateChanged);
    }
    return -1;
}

void CPortMan::OnLendQuery(HWND hAsker, LPARAM lValue)
{
    CString strName = m_pBorrow->ReadPortName();
    CMsgWaitGuard guard(m_closeLock);
    if (!IsOwnEntry(strName))
        return;
    ClosePort(false);
    m_iState = PORT_GRANTED;
    m_pBorrow->PostReply(hAsker, lValue);
    RaiseEvent(EV_STATUS);
    SetEvent(m_hStateChanged);
}

void CPortMan::OnLendReturn()
{
    CString strName = m_pBorrow->ReadPortName();
    CMsgWaitGuard guard(m_closeLock);
    if (m_iState != PORT_GRANTED || !IsOwnEntry(strName))
        return;
    m_iState = PORT_REOPENING;
    OpenWithRetry(true);
    RaiseEvent(EV_STATUS);
    SetEvent(m_hStateChanged);
}

void CPortMan::OnLendReply()
{
    CString strName = m_pBorrow->ReadPortName();
    CMsgWaitGuard guard(m_closeLock);
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
