// One configuration block as a fixed 40-byte frame (after removal of the 0x02 doubling):
//   0 STX, 1 'D' or 'F', 2-3 addresses, 4 N = 33, 5 block number, 6 block ID, 7-33 content,
//   34-35 block CS, 36-37 block WCS (16 bits each, high byte first), 38 frame CS, 39 frame WCS.
// Every byte access is bounds-checked (std::array::at), so no decoder can read past a block.
#pragma once

#include "framework/AfxWin32.h"

#include <array>

class CString;

struct ConfigBlock
{
    static constexpr int LENGTH = 40;
    static constexpr BYTE DATA_LENGTH = 33;
    static constexpr int FIRST_SUM_BYTE = 6;
    static constexpr int BLOCK_CS = 34;
    static constexpr int BLOCK_WCS = 36;
    static constexpr int FRAME_CS = 38;

    std::array<BYTE, LENGTH> aucByte;

    // The first 40 bytes of strBlock; a shorter string is filled up with blanks.
    static ConfigBlock FromString(const CString& strBlock);
    CString ToString() const;

    const BYTE& At(int iIndex) const { return aucByte.at(static_cast<std::size_t>(iIndex)); }
    BYTE& At(int iIndex) { return aucByte.at(static_cast<std::size_t>(iIndex)); }

    // Most significant byte first.
    unsigned UInt16At(int iIndex) const { return (At(iIndex) << 8) | At(iIndex + 1); }
    unsigned UInt24At(int iIndex) const { return (At(iIndex) << 16) | UInt16At(iIndex + 1); }
    unsigned UInt32At(int iIndex) const
    {
        return (static_cast<unsigned>(At(iIndex)) << 24) | UInt24At(iIndex + 1);
    }
    void SetUInt16At(int iIndex, unsigned uValue)
    {
        At(iIndex) = static_cast<BYTE>(uValue >> 8);
        At(iIndex + 1) = static_cast<BYTE>(uValue);
    }
};
static_assert(sizeof(ConfigBlock) == ConfigBlock::LENGTH);
