// Receive ring of the USB port kinds: one producer (the reader thread), one consumer.
#pragma once

#include "framework/AfxWin32.h"

class CRxRingBuffer
{
public:
    explicit CRxRingBuffer(unsigned int uiCapacity);
    ~CRxRingBuffer();
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
    bool IsValid() const { return m_pData != nullptr && m_hEvent != nullptr; }

private:
    unsigned int GetFreeCount();

    COMMTIMEOUTS m_timeouts;
    DWORD m_dwWaitTime = 0;
    DWORD m_dwIntervalBudget = 0;
    unsigned int m_uiCapacity;
    unsigned int m_uiWriteIndex = 0;
    unsigned int m_uiReadIndex = 0;
    unsigned int m_uiFreeCount;
    unsigned char* m_pData;
    volatile bool m_bOverflow = false;
    unsigned int m_uiWakeThreshold;
    HANDLE m_hEvent;
    CRITICAL_SECTION m_lock;
};
