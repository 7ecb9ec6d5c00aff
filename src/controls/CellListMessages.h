// Registered window messages of the cell list and its in-place editors, registered by name when the
// program starts.
#pragma once

#include "framework/AfxWin32.h"

// From the list to its parent (or owner): wParam row, lParam column.
extern const UINT WM_CELLLIST_COMBO_SELECTION;
extern const UINT WM_CELLLIST_EDIT_END;
extern const UINT WM_CELLLIST_CHECKBOX_CLICKED;

// From the in-place editors to the list: wParam and lParam 0.
extern const UINT WM_CELLEDIT_KILL_FOCUS;
extern const UINT WM_CELLEDIT_VK_ESCAPE;
extern const UINT WM_CELLCOMBO_COMPLETE;
extern const UINT WM_CELLCOMBO_VK_ESCAPE;
// Registered, never sent.
extern const UINT WM_CELLCOMBO_VK_RETURN;
extern const UINT WM_CELLCOMBO_KEYDOWN;
extern const UINT WM_CELLCOMBO_LBUTTONUP;
