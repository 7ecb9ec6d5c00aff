// One-time loading of the system's control classes.
#pragma once

#include "framework/AfxWin32.h"

// Registers the common control classes (list, tree, trackbar, progress, tab, tool tip, date picker, ...)
// once.
void AfxInitCommonControls();
// Loads the rich edit 2.0 library once (class RICHEDIT_CLASSA); FALSE when it is missing.
BOOL AfxInitRichEdit2();
