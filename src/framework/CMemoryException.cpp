#include "framework/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

// A static instance: throwing must not need memory. Its Delete() does nothing.
void AfxThrowMemoryException()
{
    static CMemoryException s_exception(FALSE);
    throw &s_exception;
}
