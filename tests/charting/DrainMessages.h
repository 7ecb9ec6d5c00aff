// Dispatching what the windows of a test have posted so far.
#pragma once

#include "framework/AfxWin32.h"

// Dispatches the messages queued now (and what they post meanwhile); never waits.
inline void DrainMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}
