// The channel bars that share one column (docked left or right, same left and right edges) or one row
// (docked top or bottom, same top and bottom edges), and the height or width they are to share.
#pragma once

#include "framework/CRect.h"

class CChannelBarGroup
{
public:
    // Docking sides as the bars' size setter numbers them.
    static constexpr int SIDE_ROW = 1;
    static constexpr int SIDE_COLUMN = 2;

    struct Bar
    {
        bool bVisible = false;
        int iSide = 0; // 0: floating
        CRect rect;
    };

    // The first visible bar (in index order) with one or two partners and its partners; the target is
    // the mean height of a column or the mean width of a row. No partners anywhere: no members.
    static CChannelBarGroup Find(const Bar bars[3]);
    // Every member's height (column) or width (row) lies within one pixel of the target.
    bool IsReached(const Bar bars[3]) const;

    int aiMembers[3] = {};
    int nMembers = 0;
    int iSide = 0;
    int iTarget = 0;

private:
    static bool IsSameLine(const Bar& a, const Bar& b);
};
