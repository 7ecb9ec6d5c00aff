#pragma once

#include "framework/CException.h"

// Raised when a window class, resource or GDI object cannot be created.
class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)

public:
    explicit CResourceException(BOOL bAutoDelete = TRUE);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowResourceException();
