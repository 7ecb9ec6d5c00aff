#pragma once

#include "framework/CMap.h"

// Map from text (case-sensitive) to CObject pointer; it does not own the objects.
class CMapStringToOb : public CMap<CString, LPCSTR, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapStringToOb)

public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
