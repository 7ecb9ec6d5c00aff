// Files that tests write into the build tree, by Windows path.
#pragma once

#include "framework/CString.h"

#include <cstdlib>

// A Windows path below the build tree, seen through Wine's drive for the Unix root (below the temporary
// folder when the build tree is unknown).
inline CString BuildTreePath(const char* lpszRelative)
{
    CString strPath;
    const char* pszBuild = std::getenv("TQ5_BUILD_DIR");
    if (pszBuild && *pszBuild == '/')
        strPath = CString("Z:") + pszBuild + "/";
    else
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        strPath = szTemp;
    }
    strPath += lpszRelative;
    strPath.Replace('/', '\\');
    return strPath;
}
