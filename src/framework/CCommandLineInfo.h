// What the command line asks of the application, filled by CWinApp::ParseCommandLine: a new document
// unless a file name is given; flags (after "-" or "/") other than "nologo" are left to derived classes.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

class CCommandLineInfo : public CObject
{
public:
    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    };

    CCommandLineInfo() = default;

    // One argument; bFlag when it started with "-" or "/" (removed), bLast for the last one.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    int m_nShellCommand = FileNew;
    CString m_strFileName;
    BOOL m_bShowSplash = TRUE;
};
