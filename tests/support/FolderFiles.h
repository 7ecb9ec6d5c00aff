// A whole file read as text, and the files of a folder that match a pattern: for the program tests and the
// soak driver, which read back what the program stored.
#pragma once

#include "framework/AfxWin32.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// The file's bytes into strText; false when it cannot be opened.
inline bool ReadWholeFile(const std::string& strPath, std::string& strText)
{
    strText.clear();
    FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr)
        return false;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pFile)) > 0;)
        strText.append(buffer, n);
    std::fclose(pFile);
    return true;
}

// The file's bytes as a string; empty when it cannot be read.
inline std::string ReadWholeFile(const std::string& strPath)
{
    std::string strText;
    ReadWholeFile(strPath, strText);
    return strText;
}

// The files (not folders) of a folder that match the pattern (e.g. "TAB*.csv"), as full paths in name order.
inline std::vector<std::string> FolderFiles(const std::string& strFolder, const std::string& strPattern)
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA data = {};
    HANDLE hFind = ::FindFirstFileA((strFolder + "\\" + strPattern).c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return files;
    do
    {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            files.push_back(strFolder + "\\" + data.cFileName);
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
    std::sort(files.begin(), files.end());
    return files;
}
