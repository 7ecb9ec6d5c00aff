// Base of the USB port kinds: an overlapped read loop and a receive ring for reads without a callback.
#pragma once

#include "ports/CPort.h"

#include <memory>
#include <vector>

class CRxRingBuffer;

class CPortUsbBase : public CPort
{
public:
    CPortUsbBase(CPortMan* pOwner, unsigned char ucPortFlag);
    ~CPortUsbBase() override;

    bool SetQueueSizes(unsigned int uiRxSize, unsigned int uiTxSize) override;
    unsigned int Read(unsigned char* pBuffer, unsigned int uiCount) override;
    unsigned int ReadAvailable(unsigned char* pBuffer, unsigned int uiMax) override;
    int ReadByte() override;
    bool ReadByteTo(int* piByte) override;
    bool PurgeBuffers() override;
    bool SetTimeouts(const COMMTIMEOUTS* pTimeouts) override;
    DWORD ReaderLoop() override;

    virtual bool ApplyTimeouts();
    // One completed read of the device, on the reader thread.
    virtual void OnReceived(unsigned char* pBytes, unsigned int uiCount) = 0;
    virtual void OnReadError(DWORD dwError);

protected:
    // To the data callback when there is one, else into the ring.
    void Deliver(unsigned char* pBytes, unsigned int uiCount);
    void WaitReadCancelled();
    // One overlapped write to hTarget under the write lock, waited for at most 5 s.
    bool WriteWaited(HANDLE hTarget, const unsigned char* pBytes, unsigned int uiCount);

    COMMTIMEOUTS m_timeouts;
    DWORD m_dwLoopWait = INFINITE;
    std::unique_ptr<CRxRingBuffer> m_pRing;

private:
    // The reader's buffer lives as long as the port: a read whose cancellation outlasts the reader's wait
    // still completes into memory of its own.
    std::vector<unsigned char> m_abReadBuffer;
};
