// The channel B pane (CChannelPane for channel B): field timers 17 to 20, registration 0x3F6.
#pragma once

#include "measurement/CChannelPane.h"

class CAFormChannelB : public CChannelPane
{
    DECLARE_DYNCREATE(CAFormChannelB)

public:
    static constexpr UINT_PTR TIMER_FIRST_FIELD = 17;

    CAFormChannelB();
};
