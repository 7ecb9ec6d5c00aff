// The port interface served by the port manager's reader thread; the plain CPort is the null port,
// which never opens.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"
#include "framework/CString.h"
#include "ports/CEventPair.h"
#include "ports/PortTypes.h"

class CThreadMan;

class CPort : public CObject
{
public:
    CPort(CPortMan* pOwner, unsigned char ucPortFlag);
    ~CPort() override;
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
    virtual void UpdateReader();
    virtual bool StopReader(bool bPump);

    bool StartReader();
    DWORD RunReader();
    void SuspendReader();
    void ResumeReader();

    void SetThreadMan(CThreadMan* pThreadMan) { m_pThreadMan = pThreadMan; }
    bool IsOpen() const { return m_hPort != INVALID_HANDLE_VALUE; }
    CPortMan* GetOwner() const { return m_pOwner; }
    CString GetOwnerPortName() const;

protected:
    bool IsRunning() const;

    unsigned char m_ucPortFlag;
    HANDLE m_hPort = INVALID_HANDLE_VALUE;
    CPortEventCallback* volatile m_pEventCallback = nullptr;
    CPortDataCallback* volatile m_pDataCallback = nullptr;
    DWORD m_dwModemStatus = 0;
    CPortMan* m_pOwner;
    unsigned int m_uiRxQueueSize = 0;
    unsigned int m_uiTxQueueSize = 0;
    HANDLE m_hAbortEvent;
    CEventPair m_stopPair;
    CEventPair m_updatePair;
    HANDLE m_hRunningEvent;
    OVERLAPPED m_olCommEvent = {};
    OVERLAPPED m_olWrite = {};
    HANDLE m_ahWriteWait[2];
    OVERLAPPED m_olRead = {};
    HANDLE m_ahReadWait[2] = {};
    HANDLE m_ahReaderWait[3] = {};
    unsigned int m_uiRxBufferSize = 256;
    unsigned long m_dwEventMask = 0;
    CThreadMan* m_pThreadMan = nullptr;
    // Serialises writers (UI and timer threads) on the one write OVERLAPPED.
    CRITICAL_SECTION m_csWrite;
};
