#pragma once

#include "framework/CMap.h"

// Map from text (case-sensitive) to untyped pointer; it does not own what they point to.
class CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)

public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
