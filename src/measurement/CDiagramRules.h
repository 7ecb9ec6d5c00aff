// The rules of the diagram pane without its window: the redraw period of a sample period, the text and
// number format of each axis quantity, and whether a redraw shows the whole measurement or scrolls.
#pragma once

#include "framework/CString.h"

struct ChannelSettingsStruct;

class CDiagramRules
{
public:
    static constexpr int MIN_REDRAW_MS = 450;
    // Fast rates: from the first redraw step on, the diagram is redrawn every 5 s.
    static constexpr int FAST_REDRAW_MS = 5000;
    static constexpr double FAST_SAMPLE_PERIOD = 0.02;
    // While time runs along x and points come faster than this, the view scrolls with the last 5 s.
    static constexpr double SCROLL_POINT_PERIOD = 0.05;
    static constexpr double SCROLL_WIDTH = 5.0;
    // Curve colours of y1 (blue) and y2 (red).
    static constexpr unsigned long COLOUR_Y1 = 0xFF0000;
    static constexpr unsigned long COLOUR_Y2 = 0x0000FF;

    // The first redraw period: 2/3 of the sample period in whole milliseconds, at least 450 ms.
    static int FirstRedrawPeriod(double dSamplePeriod);
    // The period after a redraw step: 5000 ms for sample periods below 0.02 s, else unchanged.
    static int NextRedrawPeriod(double dSamplePeriod, int iPeriod);

    // Name and unit of an axis quantity (0 off, 1 time, 2 channel A, 3 channel B): "name [unit]", or
    // "name\n[unit]" when bTwoLine; a channel's unit is that of its selected unit slot.
    static CString QuantityText(int iQuantity, int iLanguageOffset, bool bTwoLine,
                                const ChannelSettingsStruct* psChannels);
    // The tick format of a channel quantity and its decimals into *piDecimals; channel B as the digital
    // input of the interface gets "%0.1f" and decimals 0. Other quantities: "n.a.", decimals unchanged.
    static CString QuantityFormat(int iQuantity, const ChannelSettingsStruct* psChannels, bool bDigitalInputB,
                                  int* piDecimals);

    // A redraw with time along x shows the whole measurement while its data reach less than 5 s, at the
    // last step, and for point periods of 0.05 s or more; otherwise it scrolls.
    static bool ShowsWholeTimeRange(double dDataXMax, bool bLast, double dPointPeriod);
};
