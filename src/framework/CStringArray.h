#pragma once

#include "framework/CArray.h"
#include "framework/CString.h"

// Array of texts; Add and SetAt also take a const char*.
class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
};
