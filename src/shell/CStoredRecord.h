// A settings record that a page keeps whole in the registry section "DespiteReset".
#pragma once

#include "framework/AfxWin32.h"

class CPageHost;

class CStoredRecord
{
public:
    // Copies the stored value into the record when it has exactly nSize bytes and the settings were
    // stored by this program version (as the page's host pHost says); false otherwise, and without a
    // host, and the record stays as it is.
    static bool Load(CPageHost* pHost, LPCSTR lpszValue, void* pRecord, UINT nSize);
    // Copies pBytes into the record when they are exactly nSize bytes; false otherwise, and the record
    // stays as it is.
    static bool Take(void* pRecord, UINT nSize, const BYTE* pBytes, UINT nBytes);
};
