#include "support/PumpUntil.h"

#include "framework/CWinThread.h"

namespace
{
void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        CWinThread* pThread = AfxGetThread();
        if (pThread != nullptr && pThread->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
} // namespace

bool PumpUntil(const std::function<bool()>& pred, unsigned nTimeoutMs)
{
    const ULONGLONG tEnd = ::GetTickCount64() + nTimeoutMs;
    for (;;)
    {
        PumpPending();
        if (pred())
            return true;
        if (::GetTickCount64() >= tEnd)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(unsigned nMs)
{
    PumpUntil([] { return false; }, nMs);
}
