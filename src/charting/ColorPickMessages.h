// Messages of the colour picker. The popup sends them to its button with lParam 0; the button sends
// them on to its parent with its control id as lParam. wParam is a COLORREF; CLR_DEFAULT (0xFF000000)
// stands for the automatic colour.
#pragma once

#include "framework/AfxWin32.h"

#define WM_COLORPICK_CHANGED (WM_USER + 1001)   // the highlighted colour
#define WM_COLORPICK_OPENED (WM_USER + 1002)    // the button's colour as the popup opens
#define WM_COLORPICK_CLOSED (WM_USER + 1003)    // the resulting colour
#define WM_COLORPICK_ACCEPTED (WM_USER + 1004)  // the chosen colour
#define WM_COLORPICK_CANCELLED (WM_USER + 1005) // the colour the popup started with
