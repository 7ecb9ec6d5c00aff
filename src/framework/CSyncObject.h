// Base of the lockable synchronisation objects.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"

class CSyncObject : public CObject
{
public:
    ~CSyncObject() override;
    CSyncObject(const CSyncObject&) = delete;
    CSyncObject& operator=(const CSyncObject&) = delete;

    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    operator HANDLE() const { return m_hObject; }

    HANDLE m_hObject = nullptr;

protected:
    CSyncObject() = default;
};
