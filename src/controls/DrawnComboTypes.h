// What the self-drawn combo box and its drop-down window share: the item record, the option bits and
// the private messages between the box, the drop-down window, its list box and its scroll bar.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

// One item of the box; the drop-down window and each of its rows keep copies.
struct ComboItem
{
    CString strText;
    BOOL bDisabled = FALSE; // the list does not select it and the closed box's up/down steps over it
    DWORD dwData1 = 0;      // carried with the item; nothing in the program sets them
    DWORD dwData2 = 0;
};

// Option bits of the box, copied into its drop-down window and list box.
#define ACB_INSET_EDIT 0x02      // the edit part sits inside the frame (3, 4, 2, 2 pixels in)
#define ACB_WIDE_ITEMS 0x04      // the drop-down list measures each item 14 pixels wider
#define ACB_COMPLETE_INLINE 0x08 // inline completion in the edit part
#define ACB_SUGGEST_LIST 0x10    // suggestion list while typing in the edit part

// Window-private messages of the box and its drop-down parts (none of them is a dialog, so the dialog
// manager's numbers in this range never reach them).
#define WM_ACB_PICK_ITEM (WM_USER + 1)     // to the box: wParam = row of the drop-down window's items
#define WM_ACB_CLOSE_LIST (WM_USER + 2)    // to the box: close the drop-down list
#define WM_ACB_TAKE_CAPTURE (WM_USER + 3)  // to a drop-down part: take the mouse capture
#define WM_ACB_DROP_CAPTURE (WM_USER + 4)  // to a drop-down part: release the mouse capture
#define WM_ACB_TOGGLE_LIST (WM_USER + 101) // to the box: open the list when closed, close it when open

// A child of the drop-down window gives the mouse capture back to it (the pointer left the child).
inline void AcbReturnCaptureToParent(HWND hWndChild)
{
    ::ReleaseCapture();
    ::SendMessageA(::GetParent(hWndChild), WM_ACB_TAKE_CAPTURE, 0, 0);
}

// Control ids of the edit part and of the drop-down window and its children.
#define ACB_ID_EDIT 108
#define ACB_ID_DROPWND 6
#define ACB_ID_SCROLLBAR 100
#define ACB_ID_LISTBOX 101
