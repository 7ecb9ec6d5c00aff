// Files of the storage tests in the build tree, by Windows path, written and read whole.
#pragma once

#include "framework/CString.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

// A Windows path below the build tree (the temporary folder when the build tree is unknown).
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

inline bool WriteBytes(const CString& strPath, const std::vector<BYTE>& bytes)
{
    FILE* f = std::fopen(strPath, "wb");
    if (f == nullptr)
        return false;
    const bool bOk = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && bOk;
}

inline std::vector<BYTE> ReadBytes(const CString& strPath)
{
    std::vector<BYTE> bytes;
    if (FILE* f = std::fopen(strPath, "rb"))
    {
        BYTE buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), f)) > 0;)
            bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return bytes;
}
