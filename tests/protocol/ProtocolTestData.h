// Byte-string helpers and known frames and blocks for the protocol tests. The frames and blocks were
// computed independently of the code under test.
#pragma once

#include "framework/CString.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace protocol_test
{
// "02 44 FF" -> the byte string.
inline CString Bytes(const char* pszHex)
{
    CString str;
    const char* p = pszHex;
    char* pEnd = nullptr;
    for (long lValue = std::strtol(p, &pEnd, 16); pEnd != p; lValue = std::strtol(p, &pEnd, 16))
    {
        str += static_cast<char>(lValue);
        p = pEnd;
    }
    return str;
}

// The byte string as "02 44 FF".
inline std::string Hex(const CString& str)
{
    std::string strHex;
    for (int i = 0; i < str.GetLength(); ++i)
    {
        char szByte[4];
        std::snprintf(szByte, sizeof szByte, "%02X", static_cast<unsigned char>(str.GetAt(i)));
        strHex += (i ? " " : "") + std::string(szByte);
    }
    return strHex;
}

inline unsigned char At(const CString& str, int iIndex)
{
    return static_cast<unsigned char>(str.GetAt(iIndex));
}

// Removes the doubling of 0x02 after the first byte.
inline CString Unstuff(const CString& str)
{
    CString strOut;
    for (int i = 0; i < str.GetLength(); ++i)
    {
        strOut += str.GetAt(i);
        if (i > 0 && str.GetAt(i) == 0x02 && i + 1 < str.GetLength() && str.GetAt(i + 1) == 0x02)
            ++i;
    }
    return strOut;
}

// Time stamp of the known blocks: 0x52F22D65 = 2014-02-05 12:24:05 UTC.
constexpr long long KNOWN_TIME = 0x52F22D65;

struct KnownBlock
{
    unsigned char ucNumber;
    const char* pszRead;      // 'D' answer from interface 6 to address 255
    const char* pszWriteWire; // the same content as 'F' request at addresses 6, 255, doubled
};

// Field values of each block are listed in the tests that decode them.
inline const std::vector<KnownBlock>& KnownBlocks()
{
    static const std::vector<KnownBlock> blocks = {
        {0,
         "02 44 FF 06 21 00 10 01 23 45 00 01 E2 40 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "00 01 9C "
         "24 E9 B0 4F",
         "02 46 06 FF 21 00 10 01 23 45 00 01 E2 40 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "00 01 9C "
         "24 E9 B2 A0"},
        {1,
         "02 44 FF 06 21 01 12 52 F2 2D 65 00 00 00 00 00 01 07 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "00 01 F0 "
         "31 98 15 39",
         "02 46 06 FF 21 01 12 52 F2 2D 65 00 00 00 00 00 01 07 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "00 01 F0 "
         "31 98 17 8A"},
        {2,
         "02 44 FF 06 21 02 13 52 F2 2D 65 00 03 06 00 A5 09 01 02 0B B8 01 2C 00 00 00 00 00 00 00 00 00 00 "
         "00 03 93 "
         "4B CF AF 81",
         "02 46 06 FF 21 02 02 13 52 F2 2D 65 00 03 06 00 A5 09 01 02 02 0B B8 01 2C 00 00 00 00 00 00 00 00 "
         "00 00 00 "
         "03 93 4B CF B1 C6"},
        {3,
         "02 44 FF 06 21 03 14 01 40 20 00 00 3D CC CC CC 4E B7 6D 20 20 6C 62 66 20 20 43 B1 E5 1A 01 F4 06 "
         "00 09 2A "
         "7D 9D E4 D9",
         "02 46 06 FF 21 03 14 01 40 20 00 00 3D CC CC CC 4E B7 6D 20 20 6C 62 66 20 20 43 B1 E5 1A 01 F4 06 "
         "00 09 2A "
         "7D 9D E6 2B"},
        {128,
         "02 44 FF 06 21 80 40 00 04 57 00 BC 61 4E 02 44 21 00 64 4E 00 05 FF 00 00 00 00 00 00 00 00 00 00 "
         "00 04 23 "
         "4E 14 96 37",
         "02 46 06 FF 21 80 40 00 04 57 00 BC 61 4E 02 02 44 21 00 64 4E 00 05 FF 00 00 00 00 00 00 00 00 00 "
         "00 00 04 "
         "23 4E 14 98 88"},
        {129,
         "02 44 FF 06 21 81 41 52 F2 2D 65 80 00 FF 88 7F 00 01 2C 40 00 41 00 61 A8 FF FF 04 D2 FF FF 00 00 "
         "00 0B 26 "
         "9E 32 12 68",
         "02 46 06 FF 21 81 41 52 F2 2D 65 80 00 FF 88 7F 00 01 2C 40 00 41 00 61 A8 FF FF 04 D2 FF FF 00 00 "
         "00 0B 26 "
         "9E 32 14 B9"},
        {130,
         "02 44 FF 06 21 82 42 52 F2 3B 75 81 23 80 01 7E DC 7F FF 40 10 40 F0 03 E8 07 D0 00 00 00 4D 00 00 "
         "00 09 C2 "
         "A7 CF EF 16",
         "02 46 06 FF 21 82 42 52 F2 3B 75 81 23 80 01 7E DC 7F FF 40 10 40 F0 03 E8 07 D0 00 00 00 4D 00 00 "
         "00 09 C2 "
         "A7 CF F1 67"},
        {131,
         "02 44 FF 06 21 83 43 52 F2 2D 65 11 11 11 11 11 11 11 11 11 11 11 11 2A 71 B4 FC 75 79 FB C1 F7 00 "
         "00 08 D1 "
         "69 A2 A2 C4",
         "02 46 06 FF 21 83 43 52 F2 2D 65 11 11 11 11 11 11 11 11 11 11 11 11 2A 71 B4 FC 75 79 FB C1 F7 00 "
         "00 08 D1 "
         "69 A2 A4 16"},
    };
    return blocks;
}

inline CString KnownBlockRead(unsigned char ucNumber)
{
    for (const KnownBlock& block : KnownBlocks())
    {
        if (block.ucNumber == ucNumber)
            return Bytes(block.pszRead);
    }
    return CString();
}

// Status long from interface 6: OK byte 4F, status bits 63, stator type 5 revision 6, rotor ID 85,
// rotor revision 83, watchdog time 1E.
inline const char* const KNOWN_STATUS_LONG = "02 42 FF 06 0E 4F 63 05 06 85 83 01 02 03 04 05 06 07 1E 54 FA";
} // namespace protocol_test
