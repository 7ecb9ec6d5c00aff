// Checks that a call raises a framework exception of the given class, and deletes the exception.
#pragma once

#include "framework/CException.h"

#include <gtest/gtest.h>

template <class F>::testing::AssertionResult Raises(const CRuntimeClass* pClass, F f)
{
    try
    {
        f();
    }
    catch (CException* e)
    {
        const bool bKind = e->IsKindOf(pClass);
        const char* pszName = e->GetRuntimeClass()->m_lpszClassName;
        e->Delete();
        if (bKind)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "raised " << pszName;
    }
    return ::testing::AssertionFailure() << "raised nothing";
}
