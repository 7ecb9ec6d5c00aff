// Serial port on the Win32 communications API with overlapped I/O.
//
// While the line carries answers, the receive loop keeps one overlapped read pending that completes as
// soon as bytes have arrived and hands them on at once. While the line streams it takes what the driver
// queue holds once per batch period instead, with one look at the line and one read, and hands the
// batch on in one delivery (CReceivePace decides). It polls the line (error word, modem lines) every
// LINE_POLL_MS, raising the serial events it finds; for a client that asked for no serial events, whose
// poll only finds a port that failed, every IDLE_LINE_POLL_MS. It does not wait on comm events: the
// platform may serve such a wait with a thread of its own per call, which costs more than the data.
#pragma once

#include "ports/CPort.h"
#include "ports/CReceivePace.h"

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

    // The period of batched delivery while the line streams; 0 hands every read on at once. A running
    // reader takes it at once. False when the reader did not take it in time.
    bool SetBatchPeriod(DWORD dwPeriodMs);

    static constexpr DWORD LINE_POLL_MS = 50;
    static constexpr DWORD IDLE_LINE_POLL_MS = 1000;
    static constexpr DWORD BATCH_PERIOD_MS = 50;
    // A batch takes at most this many bytes; a fuller queue is taken again at once.
    static constexpr unsigned int BATCH_CAPACITY = 16384;

protected:
    DWORD BuildCommMask() const;
    bool ReadsData() const;
    DWORD LinePollPeriod() const;
    unsigned int ReceiveSize() const;
    COMMTIMEOUTS HandleTimeouts() const;
    bool WaitOverlapped(OVERLAPPED& ol, const HANDLE* pWaitList, DWORD& dwCount, DWORD dwTimeout);
    bool UpdateModemStatus();
    bool Escape(DWORD dwFunction);
    bool DrainReceived(unsigned int uiSize);
    bool Deliver(unsigned int uiCount);
    void NoteRequest();
    bool PollLine(DWORD dwMask, bool bLines, DWORD& dwQueued, DWORD& dwError);
    bool OnLineEvents(DWORD dwEvents);
    bool StartReceive(DWORD& dwRead, DWORD& dwError);
    bool FinishReceive(bool bCancel, DWORD& dwRead, DWORD& dwError);
    bool OnUpdateRequest(DWORD& dwMask);
    bool OnReceived(DWORD dwRead, bool bWaited);
    bool TakeBatch(DWORD dwMask, DWORD& dwError);
    bool OnRequestWritten(DWORD dwMask, DWORD& dwError);
    bool DoDueWork(DWORD dwMask, DWORD& dwError);
    bool WaitForWork(DWORD& dwMask, DWORD& dwError);

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
    // The receive loop's schedule: next read (answer mode), next line poll, the queue the last poll saw.
    ULONGLONG m_ullNextRead = 0;
    ULONGLONG m_ullNextPoll = 0;
    DWORD m_dwPolledQueue = 0;
    CReceivePace m_pace;
    std::vector<unsigned char> m_abBatch;
    std::atomic<DWORD> m_dwBatchPeriodMs{BATCH_PERIOD_MS};
    // Each write notes its time and wakes a streaming reader: an answer may follow.
    std::atomic<ULONGLONG> m_ullLastWrite{0};
    CEvent m_requestEvent;
};
