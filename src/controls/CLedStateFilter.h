// Decides which state a LED button shows when a state is asked for.
#pragma once

class CLedStateFilter
{
public:
    virtual ~CLedStateFilter() = default;
    // The state to show instead of iRequested while iCurrent is shown; iFlag is the caller's.
    virtual int FilterState(int iRequested, int iCurrent, int iFlag) = 0;
};
