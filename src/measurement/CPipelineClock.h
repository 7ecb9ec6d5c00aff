// The current time of the trigger conditions: whole seconds since 1970-01-01 00:00 UTC.
#pragma once

#include <ctime>

class CPipelineClock
{
public:
    virtual ~CPipelineClock() = default;

    virtual __time64_t Now() = 0;

    // The system's clock.
    static CPipelineClock& System();
};
