#pragma once

#include "framework/CException.h"

// Raised when memory is exhausted; AfxThrowMemoryException throws one static instance.
class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)

public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowMemoryException();
