// Files of the storage tests, written and read whole.
#pragma once

#include "framework/CString.h"
#include "support/BuildTreePath.h"

#include <cstdio>
#include <vector>

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
