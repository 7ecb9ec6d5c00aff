// The rectangle the diagram bar floats in while its picture is written (screen pixels, left, top, right,
// bottom), by size kind: 0 the virtual work area over all monitors, 1 the primary work area, 2 "normal"
// (800 x 700, or 700 x 800 on a work area taller than wide), 3 the bar as it is, 4 the print size.
#pragma once

#include "framework/CRect.h"

class CDiagramSizing
{
public:
    enum
    {
        SIZE_ALL_MONITORS = 0,
        SIZE_WORK_AREA = 1,
        SIZE_NORMAL = 2,
        SIZE_WINDOW = 3,
        SIZE_PRINT = 4
    };

    // False for kind 3 and any unknown kind: the bar keeps its size and place. rcStartVirtualWork is the
    // virtual work area recorded at start-up, into which the print size is moved and shrunk.
    static bool OutputRect(int iKind, const CRect& rcWork, const CRect& rcVirtualWork,
                           const CRect& rcStartVirtualWork, CRect& rc);
    // Takes 2.5 % of the width off the right and the same share of the height off the bottom; a
    // rectangle taller than wide counts as square.
    static void CutMargin(CRect& rc);
};
