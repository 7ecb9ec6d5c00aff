#pragma once

#include "framework/CArray.h"

// Array of untyped pointers; it does not own what they point to.
class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};
