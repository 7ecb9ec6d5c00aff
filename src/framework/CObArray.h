#pragma once

#include "framework/CArray.h"

// Array of CObject pointers; it does not own the objects (the owner deletes them).
class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
};
