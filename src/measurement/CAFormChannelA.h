// The channel A pane (CChannelPane for channel A): field timers 13 to 16, registration 0x3F2.
#pragma once

#include "measurement/CChannelPane.h"

class CAFormChannelA : public CChannelPane
{
    DECLARE_DYNCREATE(CAFormChannelA)

public:
    static constexpr UINT_PTR TIMER_FIRST_FIELD = 13;

    CAFormChannelA();
};
