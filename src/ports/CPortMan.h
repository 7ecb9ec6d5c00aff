// The port manager: opens one port by name, writes to it, delivers its bytes and events to the owner
// window from the reader thread, follows the device through removal and arrival and lends the port.
#pragma once

#include "framework/CCriticalSection.h"
#include "framework/CEvent.h"
#include "ports/CDcb.h"
#include "ports/CMsgWaitLock.h"

#include <atomic>
#include <memory>

class CDeviceChangeHandler;
class CDeviceChangeReceiver;
class CInterProcCommPortBorrow;
class CPort;
class CPortDataRelay;
class CThreadMan;

class CPortMan : public CDcb
{
public:
    CPortMan(HWND hOwner, UINT uiEventMessage, UINT uiDataMessage, bool bOwnDeviceChangeThread,
             unsigned char ucPortFlag);
    ~CPortMan() override;
    CPortMan(const CPortMan&) = delete;
    CPortMan& operator=(const CPortMan&) = delete;

    bool OpenConnection(const CString& strName, CPortDataCallback* pDataCallback, unsigned int uiBufferSize);
    bool ClosePort(bool bLost);
    bool WriteByte(unsigned char ucByte);
    bool WriteBuffer(const unsigned char* pBytes, unsigned int uiCount);
    bool WriteString(CString strFrame);
    bool SetEventCallback(CPortEventCallback* pEventCallback, unsigned long ulEventMask);
    // Read under the record lock: the device-change thread may be renaming the port meanwhile.
    CString GetCurrentDisplayName();
    CString GetPortName();
    HWND GetOwnerWindow() const { return m_hOwner; }

    // Device notifications and lending (receiver window, and the owner's WM_DEVICECHANGE).
    int HandleDeviceChange(UINT uiEventType, DWORD_PTR dwData);
    // The reopen of an arrival, on the device-change thread.
    void ReopenArrivedPort(const CString& strDevice);
    void OnLendQuery(HWND hAsker, LPARAM lValue);
    void OnLendReturn();
    void OnLendReply();
    void ReturnBorrowedPort();
    void AttachReceiver(CDeviceChangeReceiver* pReceiver);

    // Delivers a batch of the port's bytes on the owner's thread in one sent message, when the port hands
    // its bytes to the owner window; false when it does not, and the caller delivers them itself.
    bool RelayBatch(CPort& port, unsigned char* pBytes, unsigned int uiCount);

    HANDLE GetStateChangedEvent() const { return m_stateChanged; }
    // The hidden receiver window of the device-change thread (null when the owner window is used).
    HWND GetDeviceChangeWindow() const;
    // The window that takes batches to the owner's thread (null when there is none).
    HWND GetRelayWindow() const;

protected:
    // The pause between two open attempts on a reconnect.
    virtual void PauseBeforeRetry();

    bool OnDataDefault(unsigned char* pBytes, unsigned int uiCount);
    bool OnEventDefault(unsigned long ulBits, unsigned long ulValue);
    void SetMessageTarget(HWND hOwner, UINT uiDataMessage, UINT uiEventMessage, bool bOwnDeviceChangeThread);
    void CreateRelay();
    void SelectDataCallback(CPortDataCallback* pDataCallback);
    void SelectEventCallback(CPortEventCallback* pEventCallback);
    bool OpenByName(CString strName);
    void EnsureKnown(const CString& strName);
    bool OpenWithRetry(bool bOpen);
    bool EnsurePortObject();
    void ReplacePortObject(const CString& strName);
    bool IsSamePort(const CString& strA, const CString& strB);
    bool IsOwnEntry(const CString& strName);
    bool IsOwnPort(const CString& strDevice);
    void MarkPresence(const CString& strDevice, bool bArrival);
    void RaiseEvent(unsigned long ulBits);
    bool OpenAttempt();
    bool CloseLocked(bool bLost);
    void ReopenOwnPort();
    // True on the thread that is closing the port: a call from there (a message handled while the reader
    // stops) must not re-enter the manager.
    bool IsClosingThread() const;

    unsigned char m_ucPortFlag;
    std::unique_ptr<CInterProcCommPortBorrow> m_pBorrow;
    std::unique_ptr<CPort> m_pPort;
    unsigned char m_ucReconnect = 0;
    CDcb m_pending;
    // The serial settings of the last open request, taken on the owner's thread, which writes the record
    // (m_dcb); opens on the device-change thread use these.
    DCB m_dcbOpen;
    COMMTIMEOUTS m_timeouts;
    unsigned int m_uiRxBufferSize = 256;
    unsigned long m_ulEventMask = 0;
    CPortEventCallback* m_pEventCallback = nullptr;
    std::unique_ptr<CPortEventCallback> m_pDefaultEventCallback;
    CPortDataCallback* m_pDataCallback = nullptr;
    std::unique_ptr<CPortDataCallback> m_pDefaultDataCallback;
    UINT m_uiDataMessage = 0;
    UINT m_uiEventMessage = 0;
    HWND m_hOwner = nullptr;
    CEvent m_stateChanged;
    // Port lock: held while the port object is replaced and while a write uses it.
    CCriticalSection m_csPort;
    // Close lock: serialises open, close and the device-change and lending reactions of both threads.
    CMsgWaitLock m_closeLock;
    // Guards the record's texts and the open settings against readers on other threads; never held while
    // waiting.
    CCriticalSection m_csRecord;
    std::atomic<DWORD> m_dwClosingThread{0};
    std::unique_ptr<CDeviceChangeHandler> m_pDeviceChange;
    // On the owner window's thread; none when the manager was made on another thread.
    std::unique_ptr<CPortDataRelay> m_pRelay;
    std::unique_ptr<CThreadMan> m_pThreadMan;
};
