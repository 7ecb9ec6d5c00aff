// The record of one cell of the cell list: what the cell is (text, progress bar, check box, in-place
// combo or edit field), its colours and its marks.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CStringArray;

struct ListCell
{
    ListCell(COLORREF crText, COLORREF crBack) : textColour(crText), backColour(crBack) {}

    BOOL enabled = TRUE;                // only the row's first cell counts: FALSE disables the row
    BOOL bold = FALSE;                  // plain text drawn bold
    BOOL modified = FALSE;              // touched by a click, a header check, a combo choice or an edit
    int imageIndex = -1;                // image in the list's small image list; -1 none
    CString tipText;                    // tool-tip text
    BOOL comboOn = FALSE;               // a click opens the in-place combo
    BOOL comboSorted = FALSE;           // the choices were sorted when the combo was set
    CStringArray* comboItems = nullptr; // the choices; the caller's array, which outlives the cell
    int comboDropRows = 10;             // most rows the drop-down list shows
    int comboInitialIndex = -1;         // choice shown when the combo opens next; -1 once used
    BOOL editOn = FALSE;                // a click opens the in-place edit field
    COLORREF textColour;
    COLORREF backColour;
    BOOL progressOn = FALSE;      // drawn as a progress bar
    int progressPercent = 0;      // bar length; drawn within 0 to 100
    CString progressFormat;       // one integer conversion; empty means "%d%%"
    BOOL progressShowText = TRUE; // draw the percentage text
    int checkState = -1;          // -1 no check box, 0 clear, 1 ticked
    int userValue = 0;            // the caller's; the list does not use it
};
