#include "framework/CException.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage(nullptr, lpszError, nMaxError, pnHelpContext);
}

BOOL CException::CopyErrorMessage(const char* text, LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    lpszError[0] = '\0';
    if (text == nullptr)
        return FALSE;
    std::size_t n = std::strlen(text);
    if (n > nMaxError - 1)
        n = nMaxError - 1;
    std::memcpy(lpszError, text, n);
    lpszError[n] = '\0';
    return TRUE;
}
