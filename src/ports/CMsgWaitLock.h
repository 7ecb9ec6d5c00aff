// A recursive lock whose waiters keep taking sent messages, so a reader thread blocked in SendMessage
// to a waiting thread can finish while another thread holds the lock and waits for that reader.
// Guarded by CSingleLock like the framework's locks.
#pragma once

#include "framework/CSyncObject.h"

class CMsgWaitLock : public CSyncObject
{
public:
    CMsgWaitLock();

    // False when the lock was not taken within dwTimeout milliseconds.
    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override;
};
