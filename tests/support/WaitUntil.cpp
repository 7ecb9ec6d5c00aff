#include "support/WaitUntil.h"

#include "framework/AfxWin32.h"

bool WaitUntil(const std::function<bool()>& pred, unsigned nTimeoutMs)
{
    const ULONGLONG tEnd = ::GetTickCount64() + nTimeoutMs;
    for (;;)
    {
        if (pred())
            return true;
        if (::GetTickCount64() >= tEnd)
            return false;
        // Sleep neither dispatches posted messages nor takes sent ones.
        ::Sleep(1);
    }
}
