#include "framework/CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL)
{
    if (bFlag)
    {
        if (::lstrcmpiA(pszParam, "nologo") == 0)
            m_bShowSplash = FALSE;
        return;
    }
    if (m_strFileName.IsEmpty())
    {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    }
}
