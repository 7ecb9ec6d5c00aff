// Seconds from the performance counter, for the benchmarks.
#pragma once

#include "framework/AfxWin32.h"

inline double BenchNow()
{
    static const double s_dFrequency = []
    {
        LARGE_INTEGER li;
        QueryPerformanceFrequency(&li);
        return static_cast<double>(li.QuadPart);
    }();
    LARGE_INTEGER li;
    QueryPerformanceCounter(&li);
    return static_cast<double>(li.QuadPart) / s_dFrequency;
}
