#include "framework/CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CException)

CInvalidArgException::CInvalidArgException(BOOL bAutoDelete) : CException(bAutoDelete) {}

BOOL CInvalidArgException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage("Encountered an improper argument.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}
