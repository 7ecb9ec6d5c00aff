// A recursive lock whose waiters keep taking sent messages, so a reader thread blocked in SendMessage
// to a waiting thread can finish while another thread holds the lock and waits for that reader.
#pragma once

#include "framework/AfxWin32.h"

class CMsgWaitLock
{
public:
    CMsgWaitLock();
    ~CMsgWaitLock();
    CMsgWaitLock(const CMsgWaitLock&) = delete;
    CMsgWaitLock& operator=(const CMsgWaitLock&) = delete;

    void Lock();
    void Unlock();

private:
    HANDLE m_hMutex;
};

class CMsgWaitGuard
{
public:
    explicit CMsgWaitGuard(CMsgWaitLock& lock) : m_lock(lock) { m_lock.Lock(); }
    ~CMsgWaitGuard() { m_lock.Unlock(); }
    CMsgWaitGuard(const CMsgWaitGuard&) = delete;
    CMsgWaitGuard& operator=(const CMsgWaitGuard&) = delete;

private:
    CMsgWaitLock& m_lock;
};
