#include "app/CChannelBarGroup.h"

#include <cstdlib>

CChannelBarGroup CChannelBarGroup::Find(const Bar bars[3])
{
    CChannelBarGroup group;
    for (int i = 0; i < 3 && group.nMembers == 0; ++i)
    {
        if (!bars[i].bVisible || bars[i].iSide == 0)
            continue;
        int aiPartners[2] = {};
        int nPartners = 0;
        for (int j = 0; j < 3; ++j)
        {
            if (j != i && bars[j].bVisible && bars[j].iSide == bars[i].iSide && IsSameLine(bars[i], bars[j]))
                aiPartners[nPartners++] = j;
        }
        if (nPartners == 0)
            continue;
        group.iSide = bars[i].iSide;
        group.aiMembers[group.nMembers++] = i;
        for (int k = 0; k < nPartners; ++k)
            group.aiMembers[group.nMembers++] = aiPartners[k];
    }
    if (group.nMembers == 0)
        return group;
    long lSum = 0;
    for (int k = 0; k < group.nMembers; ++k)
    {
        const CRect& rc = bars[group.aiMembers[k]].rect;
        lSum += group.iSide == SIDE_COLUMN ? rc.Height() : rc.Width();
    }
    group.iTarget = static_cast<int>(lSum / group.nMembers);
    return group;
}

// A column shares its left and right edges, a row its top and bottom edges.
bool CChannelBarGroup::IsSameLine(const Bar& a, const Bar& b)
{
    if (a.iSide == SIDE_COLUMN)
        return a.rect.left == b.rect.left && a.rect.right == b.rect.right;
    return a.rect.top == b.rect.top && a.rect.bottom == b.rect.bottom;
}

bool CChannelBarGroup::IsReached(const Bar bars[3]) const
{
    for (int k = 0; k < nMembers; ++k)
    {
        const CRect& rc = bars[aiMembers[k]].rect;
        if (std::abs((iSide == SIDE_COLUMN ? rc.Height() : rc.Width()) - iTarget) > 1)
            return false;
    }
    return true;
}
