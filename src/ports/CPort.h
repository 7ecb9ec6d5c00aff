// The port interface served by the port manager's reader thread; the plain CPort is the null port,
// which never opens and has no modem lines.
#pragma once

#include "framework/CCriticalSection.h"
#include "framework/CEvent.h"
#include "framework/CObject.h"
#include "framework/CString.h"
#include "ports/CEventPair.h"
#include "ports/PortTypes.h"

#include <atomic>

class CThreadMan;

class CPort : public CObject
{
public:
    CPort(CPortMan* pOwner, unsigned char ucPortFlag);
    CPort(const CPort&) = delete;
    CPort& operator=(const CPort&) = delete;

    static CPort* Create(CPortMan* pOwner, unsigned char ucPortFlag);

    virtual bool Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
                      unsigned int uiBufferSize, CPortEventCallback* pEventCallback,
                      unsigned long ulEventMask);
    virtual bool ApplySettings();
    virtual bool Close(bool bLost);
    virtual bool SetQueueSizes(unsigned int uiRxSize, unsigned int uiTxSize);
    virtual unsigned int Read(unsigned char* pBuffer, unsigned int uiCount);
    virtual unsigned int ReadAvailable(unsigned char* pBuffer, unsigned int uiMax);
    virtual int ReadByte();
    virtual bool ReadByteTo(int* piByte);
    virtual bool WriteByte(unsigned char ucByte);
    virtual bool Write(const unsigned char* pBytes, unsigned int uiCount);
    virtual bool WriteNoWait(const unsigned char* pBytes, unsigned int uiCount);
    virtual unsigned int GetOutputQueueCount();
    virtual void WaitOutputEmpty();
    virtual bool PurgeBuffers();
    virtual bool SetTimeouts(const COMMTIMEOUTS* pTimeouts);
    virtual unsigned int GetErrorStringId();
    virtual unsigned long GetRateHint(const CString& strPortName);
    virtual int IsDsrOn();
    virtual int IsCtsOn();
    virtual int IsRingOn();
    // The line operations fail (false, *pdwStatus untouched) on a port without modem lines.
    virtual bool GetModemStatus(DWORD* pdwStatus);
    virtual bool SetRts();
    virtual bool ClearRts();
    virtual bool SetDtr();
    virtual bool ClearDtr();
    virtual bool SetBreak();
    virtual bool ClearBreak();
    virtual bool SetCallbacks(CPortDataCallback* pDataCallback, unsigned int uiBufferSize,
                              CPortEventCallback* pEventCallback, unsigned long ulEventMask);
    virtual bool IsComPort();
    virtual void OnReaderStart();
    virtual DWORD ReaderLoop();
    virtual void OnReaderEnd();
    // False when the reader did not take the new settings in time.
    virtual bool UpdateReader();
    // False when the reader did not acknowledge the stop in time.
    virtual bool StopReader(bool bPump);

    // False when the receive loop should run but does not: no reader thread, no answer from it, or a
    // loop that ended at once (its result is then GetReaderResult()).
    bool StartReader();
    DWORD RunReader();
    bool IsReaderRunning() const;
    // The result of the last receive loop: 0, the Windows error that ended it, or ERROR_INTERNAL_ERROR
    // when it threw.
    DWORD GetReaderResult() const { return m_dwReaderResult; }

    // Hands received bytes to the data callback in chunks of at most the receive buffer size, in order,
    // until a stop is asked for; on the thread that delivers them (the reader's, or the owner's for a
    // relayed batch).
    void DeliverChunks(unsigned char* pBytes, unsigned int uiCount);
    CPortDataCallback* GetDataCallback() const { return m_pDataCallback; }

    void SetThreadMan(CThreadMan* pThreadMan) { m_pThreadMan = pThreadMan; }
    bool IsOpen() const { return m_hPort != INVALID_HANDLE_VALUE; }
    CPortMan* GetOwner() const { return m_pOwner; }
    CString GetOwnerPortName() const;

protected:
    // Set by StopReader before its request: the loop looks at it after each delivery without a wait.
    bool IsStopRequested() const { return m_bStopRequested; }
    // A failure of the port itself reaches the event callback as EV_ERR with the Windows error, whatever
    // the event mask.
    void ReportError(DWORD dwError);
    // A batch of received bytes: on the owner's thread in one call when the port manager relays it, else
    // chunk by chunk on this thread. False when a stop was asked for meanwhile.
    bool DeliverBatch(unsigned char* pBytes, unsigned int uiCount);

    unsigned char m_ucPortFlag;
    HANDLE m_hPort = INVALID_HANDLE_VALUE;
    std::atomic<CPortEventCallback*> m_pEventCallback{nullptr};
    std::atomic<CPortDataCallback*> m_pDataCallback{nullptr};
    std::atomic<DWORD> m_dwModemStatus{0};
    CPortMan* m_pOwner;
    unsigned int m_uiRxQueueSize = 0;
    unsigned int m_uiTxQueueSize = 0;
    CEvent m_abortEvent{FALSE, TRUE};
    CEventPair m_stopPair;
    CEventPair m_updatePair;
    CEvent m_runningEvent{FALSE, TRUE};
    CEvent m_writeEvent{FALSE, TRUE};
    OVERLAPPED m_olWrite = {};
    HANDLE m_ahWriteWait[2];
    CEvent m_readEvent{FALSE, TRUE};
    OVERLAPPED m_olRead = {};
    HANDLE m_ahReadWait[2];
    std::atomic<unsigned int> m_uiRxBufferSize{256};
    std::atomic<unsigned long> m_dwEventMask{0};
    CThreadMan* m_pThreadMan = nullptr;
    // Serialises writers (UI and timer threads) on the one write OVERLAPPED.
    CCriticalSection m_csWrite;
    std::atomic<DWORD> m_dwReaderResult{0};
    std::atomic<bool> m_bStopRequested{false};
};
