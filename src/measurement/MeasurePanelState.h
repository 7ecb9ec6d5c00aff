// The operator panel's run-time state (never stored). The protocol sets and clears bRunning; the value
// pipeline reads bRunning and bTriggerActive.
#pragma once

#include "framework/AfxWin32.h"

#include <cstddef>

struct MeasurePanelState
{
    // Order of the buttons in sIsVisible.
    enum
    {
        BTN_MEASURE_START = 0,
        BTN_MEASURE_STOP = 1,
        BTN_SINGLE_SHOT = 2,
        BTN_TRIGGER = 3,
        BTN_CTRL = 4,
        BUTTON_COUNT = 5,
    };

    BYTE bRunning = 0;
    BYTE bTriggerActive = 0;
    BYTE bTrggrWasActivLastTime = 0;
    BYTE bTriggerOn = 0;
    BYTE bCtrlRequest = 0;
    int iTriggerLed = 0; // 0 off, 1 green, 2 yellow
    int iCtrlLed = 0;    // 0 off, 1 on
    // 1 the button is enabled, 0 disabled, other values leave it as it is.
    BYTE sIsVisible[BUTTON_COUNT] = {};

    // Every flag, both LED states and the button states 0.
    void SetDefaults() { *this = MeasurePanelState(); }
};

static_assert(sizeof(MeasurePanelState) == 24, "run-time record size");
static_assert(offsetof(MeasurePanelState, bRunning) == 0);
static_assert(offsetof(MeasurePanelState, bTriggerActive) == 1);
static_assert(offsetof(MeasurePanelState, bTrggrWasActivLastTime) == 2);
static_assert(offsetof(MeasurePanelState, bTriggerOn) == 3);
static_assert(offsetof(MeasurePanelState, bCtrlRequest) == 4);
static_assert(offsetof(MeasurePanelState, iTriggerLed) == 8);
static_assert(offsetof(MeasurePanelState, iCtrlLed) == 12);
static_assert(offsetof(MeasurePanelState, sIsVisible) == 16);
