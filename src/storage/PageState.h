// The drawing state of a printed page: the device context, the rectangle of the next output, the text with
// its font and style, the shading and pen style, the page size and where the last text ended.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CDC;

// Text style and alignment bits (textFlags).
enum : int
{
    PRINT_TEXT_BOLD = 0x001,
    PRINT_TEXT_ITALIC = 0x002,
    PRINT_TEXT_UNDERLINE = 0x004,
    PRINT_TEXT_STRIKEOUT = 0x008,
    PRINT_TEXT_SHADE = 0x010, // the text rectangle is shaded with the fillFlags brush first
    PRINT_TEXT_RIGHT = 0x040, // ignored with PRINT_TEXT_CENTER
    PRINT_TEXT_CENTER = 0x080,
    PRINT_TEXT_TABS = 0x100,
    PRINT_TEXT_SINGLELINE = 0x200, // otherwise lines break at words
    PRINT_TEXT_NOCLIP = 0x400,
    PRINT_TEXT_VCENTER = 0x800,
    PRINT_TEXT_DEFAULT = 0x420
};

// Shading bits (fillFlags): the first bit set picks the stock brush; none is the hollow brush. Above
// PRINT_FILL_LIGHTGRAY, text on the shading is white.
enum : int
{
    PRINT_FILL_GRAY = 0x1,
    PRINT_FILL_LIGHTGRAY = 0x2,
    PRINT_FILL_DARKGRAY = 0x4,
    PRINT_FILL_BLACK = 0x8
};

// Pen style bits (lineFlags); none is a solid pen. Boxes know only dashed and dotted.
enum : int
{
    PRINT_LINE_DOT = 0x01,
    PRINT_LINE_DASH = 0x02,
    PRINT_LINE_DASHDOT = 0x10,
    PRINT_LINE_DASHDOTDOT = 0x20
};

// Flags of this value keep the current ones.
constexpr int PRINT_KEEP_FLAGS = 0xFFFF;

struct PageState
{
    CDC* pDC = nullptr; // drawn on through its output handle, measured through its attribute handle
    int left = 0;       // next output: column
    int top = 0;        // next output: row
    int right = 0;      // right limit
    int bottom = 0;     // bottom limit
    int pointSize = 10;
    CString text; // for bitmaps the file name
    int textFlags = PRINT_TEXT_DEFAULT;
    int fillFlags = 0;
    int lineFlags = 0;
    CString faceName = "Times New Roman";
    int pageWidth = 0;
    int pageHeight = 0;
    int lastRight = 0; // right edge of the rectangle the last text needed
    RECT lastRect = {};
    int offsetX = 0; // added to every left and right edge when drawing (not to bitmaps)
    TEXTMETRICA* pTextMetrics = nullptr;

    void SetRect(int nTop, int nLeft, int nBottom, int nRight)
    {
        top = nTop;
        left = nLeft;
        bottom = nBottom;
        right = nRight;
    }
};
