// Serial port on the Win32 communications API with overlapped I/O.
#pragma once

#include "ports/CPort.h"

class CComm2 : public CPort
{
public:
    CComm2(CPortMan* pOwner, unsigned char ucPortFlag);
    ~CComm2() override;

    bool Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
              unsigned int uiBufferSize, CPortEventCallback* pEventCallback,
              unsigned long ulEventMask) override;
    bool ApplySettings() override;
    bool Close(bool bLost) override;
    unsigned int Read(unsigned char* pBuffer, unsigned int uiCount) override;
    unsigned int ReadAvailable(unsigned char* pBuffer, unsigned int uiMax) override;
    bool Write(const unsigned char* pBytes, unsigned int uiCount) override;
    bool WriteNoWait(const unsigned char* pBytes, unsigned int uiCount) override;
    unsigned int GetOutputQueueCount() override;
    void WaitOutputEmpty() override;
    bool PurgeBuffers() override;
    bool SetTimeouts(const COMMTIMEOUTS* pTimeouts) override;
    unsigned int GetErrorStringId() override;
    bool GetModemStatus(DWORD* pdwStatus) override;
    bool SetRts() override;
    bool ClearRts() override;
    bool SetDtr() override;
    bool ClearDtr() override;
    bool SetBreak() override;
    bool ClearBreak() override;
    DWORD ReaderLoop() override;

protected:
    DWORD BuildCommMask() const;
    bool DrainReceived(unsigned char* pBuffer, unsigned int uiSize);
    bool WaitOverlapped(OVERLAPPED& ol, const HANDLE* pWaitList, DWORD& dwCount, DWORD dwTimeout);
    void UpdateModemStatus();
    bool StartCommWait(DWORD& dwMask, DWORD& dwEvent);
    void EndCommWait();
    void OnCommEvent(DWORD dwEvent, unsigned char* pBuffer, unsigned int uiSize, bool& bStop);
    bool OnUpdateRequest(unsigned char*& pBuffer, unsigned int& uiAllocated, DWORD& dwMask, DWORD& dwResult);

    DCB m_dcb;
    DWORD m_dwLastErrors = 0;
    COMMTIMEOUTS m_timeouts;
    int m_iOpened = 0;
    unsigned int m_uiLineErrors = 0;
    DWORD m_dwCommEvent = 0; // filled by the pending WaitCommEvent
};
