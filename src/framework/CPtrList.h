#pragma once

#include "framework/CList.h"

// List of untyped pointers; it does not own what they point to.
class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
};
