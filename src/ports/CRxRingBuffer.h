// Receive ring of the USB port kinds: one producer (the reader thread), one consumer. Every change of
// the indices happens under the ring's lock, so Reset may run while the reader puts.
#pragma once

#include "framework/CCriticalSection.h"
#include "framework/CEvent.h"

#include <atomic>
#include <vector>

class CRxRingBuffer
{
public:
    explicit CRxRingBuffer(unsigned int uiCapacity);
    CRxRingBuffer(const CRxRingBuffer&) = delete;
    CRxRingBuffer& operator=(const CRxRingBuffer&) = delete;

    void SetTimeouts(const COMMTIMEOUTS& timeouts);
    unsigned int Put(unsigned int n, const unsigned char* p);
    int GetByte();
    unsigned int Get(unsigned int n, unsigned char* p);
    int GetByteWait();
    unsigned int GetWait(unsigned int n, unsigned char* p);
    void WaitForData(unsigned int n);
    void Reset();
    void Wake();

    unsigned int GetStoredCount();
    unsigned int GetCapacity() const { return m_uiCapacity; }
    bool HasOverflowed() const { return m_bOverflow; }
    // True while a reader waits in WaitForData.
    bool IsReaderWaiting();

private:
    COMMTIMEOUTS m_timeouts;
    DWORD m_dwWaitTime = 0;
    DWORD m_dwIntervalBudget = 0;
    unsigned int m_uiCapacity;
    unsigned int m_uiWriteIndex = 0;
    unsigned int m_uiReadIndex = 0;
    unsigned int m_uiFreeCount;
    std::vector<unsigned char> m_abData;
    std::atomic<bool> m_bOverflow{false};
    unsigned int m_uiWakeThreshold;
    CEvent m_event{FALSE, TRUE};
    CCriticalSection m_lock;
};
