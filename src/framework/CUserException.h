#pragma once

#include "framework/CException.h"

// Ends an operation the user has already been told about (a failed data exchange, for example).
class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)

public:
    explicit CUserException(BOOL bAutoDelete = TRUE);
};

[[noreturn]] void AfxThrowUserException();
