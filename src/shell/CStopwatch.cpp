#include "shell/CStopwatch.h"

#include "shell/CEnvironmentSource.h"

double CStopwatch::GetElapsedSeconds()
{
    CEnvironmentSource& source = CEnvironmentSource::Current();
    LONGLONG llFrequency = 0;
    LONGLONG llCount = 0;
    if (!source.QueryPerformanceFrequency(llFrequency) || !source.QueryPerformanceCounter(llCount))
    {
        bValid = 0;
        dLastElapsed = 0;
        return 0;
    }
    const double dElapsed =
        llLastCount != 0 ? static_cast<double>(llCount - llLastCount) / static_cast<double>(llFrequency)
                         : 0.0;
    dLastElapsed = dElapsed;
    llLastCount = llCount;
    bValid = 1;
    return dElapsed;
}
