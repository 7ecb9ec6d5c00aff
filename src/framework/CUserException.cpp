#include "framework/CUserException.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

CUserException::CUserException(BOOL bAutoDelete) : CException(bAutoDelete) {}

void AfxThrowUserException()
{
    throw new CUserException;
}
