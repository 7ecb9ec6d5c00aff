// Seconds between two successive readings of the high-resolution performance counter.
#pragma once

#include "framework/AfxWin32.h"

class CStopwatch
{
public:
    CStopwatch() = default;

    // Seconds since the previous call; 0 on the first call and when there is no performance counter.
    double GetElapsedSeconds();

    BYTE bValid = 0;          // the last call could use the performance counter
    double dLastElapsed = 0;  // the last result in seconds
    LONGLONG llLastCount = 0; // the counter at the last call; 0: no previous call
};
