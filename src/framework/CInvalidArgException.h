#pragma once

#include "framework/CException.h"

// Raised for an argument outside the accepted range (an index past the end, a negative length).
class CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)

public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowInvalidArgException();
