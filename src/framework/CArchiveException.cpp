#include "framework/CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName != nullptr ? lpszArchiveName : "")
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const s_texts[] = {"No error occurred",
                                          "An unspecified error occurred while accessing",
                                          "Tried to write to an archive opened for loading",
                                          "Unexpected end of",
                                          "Tried to read from an archive opened for storing",
                                          "Invalid format in",
                                          "Unexpected object in",
                                          "Unsupported schema in"};
    const char* pszCause =
        m_cause >= none && m_cause <= badSchema ? s_texts[m_cause] : s_texts[genericException];
    CString strText(pszCause);
    if (!m_strFileName.IsEmpty())
        strText += " " + m_strFileName;
    return CopyErrorMessage(strText, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
