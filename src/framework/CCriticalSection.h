// Critical section usable through CSingleLock.
#pragma once

#include "framework/CSyncObject.h"

class CCriticalSection : public CSyncObject
{
public:
    CCriticalSection();
    ~CCriticalSection() override;

    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override;
    operator CRITICAL_SECTION*() { return &m_sect; }

private:
    CRITICAL_SECTION m_sect;
};
