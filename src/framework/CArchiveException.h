// Raised by CArchive: reading past the end, a bad class or index, or the wrong direction.
#pragma once

#include "framework/CException.h"
#include "framework/CString.h"

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)

public:
    enum
    {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
