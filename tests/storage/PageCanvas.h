// A white 32-bit bitmap with a device context to lay out printed pages on; TQ5_PAGE_SHOTS names a folder for
// Save.
#pragma once

#include "support/DibCanvas.h"

constexpr COLORREF PAGE_WHITE = RGB(255, 255, 255);
constexpr COLORREF PAGE_BLACK = RGB(0, 0, 0);

class PageCanvas : public CDibCanvas<CDC>
{
public:
    PageCanvas(int cx, int cy) : CDibCanvas(cx, cy, "TQ5_PAGE_SHOTS") {}

    bool IsBlank() const { return CountOther(CRect(0, 0, Width(), Height()), PAGE_WHITE) == 0; }
};
