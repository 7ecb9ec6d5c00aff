// Serial port on the Win32 communications API with overlapped I/O.
//
// The receive loop keeps one overlapped read pending that completes as soon as bytes have arrived, and
// polls the line (error word, modem lines) at every completion due and every LINE_POLL_MS, raising the
// serial events it finds. It does not wait on comm events: the platform may serve such a wait with a
// thread of its own per call, which costs more than the data it waits for.
#pragma once

#include "ports/CPort.h"

#include <vector>

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
    // Reads return what has arrived, waiting at most a poll period for the first byte.
    unsigned int Read(unsigned char* pBuffer, unsigned int uiCount) override;
    unsigned int ReadAvailable(unsigned char* pBuffer, unsigned int uiMax) override;
    bool Write(const unsigned char* pBytes, unsigned int uiCount) override;
    bool WriteNoWait(const unsigned char* pBytes, unsigned int uiCount) override;
    unsigned int GetOutputQueueCount() override;
    void WaitOutputEmpty() override;
    bool PurgeBuffers() override;
    // Keeps the write timeouts; the read timeouts stay the receive loop's.
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

    // The serial events one poll of the line finds: EV_ERR and EV_BREAK from the error word, EV_CTS,
    // EV_DSR, EV_RLSD from changed modem lines and EV_RING when the ring indicator comes on (lines are
    // compared only when both states are known).
    static DWORD LineEvents(DWORD dwErrors, DWORD dwOldStatus, bool bOldKnown, DWORD dwNewStatus,
                            bool bNewKnown);

    static constexpr DWORD LINE_POLL_MS = 50;
    // While a stream fills at least half of each read, reads start this far apart.
    static constexpr DWORD STREAM_PACE_MS = 10;

protected:
    DWORD BuildCommMask() const;
    bool ReadsData() const;
    unsigned int ReceiveSize() const;
    COMMTIMEOUTS HandleTimeouts() const;
    bool WaitOverlapped(OVERLAPPED& ol, const HANDLE* pWaitList, DWORD& dwCount, DWORD dwTimeout);
    bool UpdateModemStatus();
    bool Escape(DWORD dwFunction);
    bool DrainReceived(unsigned int uiSize);
    bool Deliver(unsigned int uiCount);
    bool PollLine(DWORD dwMask, bool bLines, DWORD& dwQueued, DWORD& dwError);
    bool OnLineEvents(DWORD dwEvents);
    bool StartReceive(DWORD& dwRead, DWORD& dwError);
    bool FinishReceive(bool bCancel, DWORD& dwRead, DWORD& dwError);
    bool OnUpdateRequest(DWORD& dwMask);
    bool ScheduleRead(DWORD dwRead, bool bWaited, DWORD dwMask, ULONGLONG& ullNextRead, DWORD& dwError);

    DCB m_dcb;
    DWORD m_dwLastErrors = 0;
    COMMTIMEOUTS m_timeouts;
    int m_iOpened = 0;
    unsigned int m_uiLineErrors = 0;
    bool m_bModemStatusKnown = false;
    // The receive loop's own read: its buffer, OVERLAPPED and whether the read is pending.
    std::vector<unsigned char> m_abReceive;
    CEvent m_receiveEvent{FALSE, TRUE};
    OVERLAPPED m_olReceive = {};
    bool m_bReceivePending = false;
};
