// The port manager: opens one port by name, writes to it, delivers its bytes and events to the owner
// window from the reader thread, follows the device through removal and arrival and lends the port.
#pragma once

#include "ports/CDcb.h"
#include "ports/CMsgWaitLock.h"

class CDeviceChangeHandler;
class CDeviceChangeReceiver;
class CInterProcCommPortBorrow;
class CPort;
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

    // Device notifications and lending (receiver window, and the owner's WM_DEVICECHANGE).
    int HandleDeviceChange(UINT uiEventType, DWORD_PTR dwData);
    void OnLendQuery(HWND hAsker, LPARAM lValue);
    void OnLendReturn();
    void OnLendReply();
    void ReturnBorrowedPort();
    void AttachReceiver(CDeviceChangeReceiver* pReceiver);

    HANDLE GetStateChangedEvent() const { return m_hStateChanged; }
    // The hidden receiver window of the device-change thread (null when the owner window is used).
    HWND GetDeviceChangeWindow() const;

protected:
    bool OnDataDefault(unsigned char* pBytes, unsigned int uiCount);
    bool OnEventDefault(unsigned long ulBits, unsigned long ulValue);
    void SetMessageTarget(HWND hOwner, UINT uiDataMessage, UINT uiEventMessage, bool bOwnDeviceChangeThread);
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

    unsigned char m_ucPortFlag;
    CInterProcCommPortBorrow* m_pBorrow = nullptr;
    CPort* m_pPort = nullptr;
    unsigned char m_ucReconnect = 0;
    CDcb m_pending;
    COMMTIMEOUTS m_timeouts;
    unsigned int m_uiRxBufferSize = 256;
    unsigned long m_ulEventMask = 0;
    CPortEventCallback* m_pEventCallback = nullptr;
    CPortEventCallback* m_pDefaultEventCallback = nullptr;
    CPortDataCallback* m_pDataCallback = nullptr;
    CPortDataCallback* m_pDefaultDataCallback = nullptr;
    UINT m_uiDataMessage = 0;
    UINT m_uiEventMessage = 0;
    HWND m_hOwner = nullptr;
    HANDLE m_hStateChanged = nullptr;
    // Port lock: held while the port object is replaced and while a write uses it.
    CRITICAL_SECTION m_csPort;
    // Close lock: serialises open, close and the device-change and lending reactions of both threads.
    CMsgWaitLock m_closeLock;
    // Guards the record's texts against readers on other threads; never held while waiting.
    CRITICAL_SECTION m_csRecord;
    CDeviceChangeHandler* m_pDeviceChange = nullptr;
    CThreadMan* m_pThreadMan = nullptr;
};
