// The docking bar of the navigation tree; the frame creates the tree as the bar's child.
#pragma once

#include "controls/CResizableBarCF.h"

class CViewBarNavi : public CResizableBarCF
{
    DECLARE_DYNAMIC(CViewBarNavi)

public:
    CViewBarNavi();
};
