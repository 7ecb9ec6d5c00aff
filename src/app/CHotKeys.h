// The main frame's hot keys: which key message is one, what it does and whether it is consumed.
#pragma once

#include "framework/AfxWin32.h"

class CHotKeys
{
public:
    enum Action
    {
        NONE,
        NEXT_PAGE,
        PREVIOUS_PAGE,
        COPY,
        COMMAND, // the menu command nCommand
        TOGGLE_LOG,
        TOGGLE_TRACE,
        REFRESH_CONNECTIONS, // consumed only while the connection page is in front
    };
    struct Key
    {
        Action action = NONE;
        UINT nCommand = 0;
        bool bConsumed = false;
    };

    // A key message (WM_KEYDOWN, WM_KEYUP) with its virtual key and the state of Ctrl and Shift.
    static Key Classify(UINT message, WPARAM wVirtualKey, bool bCtrl, bool bShift);
};
