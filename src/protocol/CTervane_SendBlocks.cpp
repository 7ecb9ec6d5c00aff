// Configuration block sums, checks and write preparation; the byte, time and text codecs of blocks.
#include "protocol/CTervane_Send.h"

#include "protocol/ConfigBlock.h"
#include "protocol/Language.h"

#include <algorithm>
#include <span>

namespace
{
struct BlockKind
{
    BYTE ucNumber;
    BYTE ucId;
};
// Block 4 has an ID but no contents and no descriptor.
constexpr BlockKind KNOWN_BLOCKS[] = {{0, 0x10},   {1, 0x12},   {2, 0x13},   {3, 0x14},  {4, 0x15},
                                      {128, 0x40}, {129, 0x41}, {130, 0x42}, {131, 0x43}};
constexpr BYTE UNKNOWN_BLOCK_ID = 0xFF;
constexpr BYTE SWITCH_OFF_STEP = 0x33;

constexpr const char* TEXT_ALPHABET = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ?";
constexpr BYTE CODE_UNKNOWN_CHAR = 63;

constexpr const char* TRACE_EMPTY = "Block-Str ist Leer! Alles 0x00 or 0xFF   ";
constexpr const char* TRACE_OK = "Block vollständig I.O. wird verwendet!   ";
struct CheckText
{
    int iBit;
    const char* pszText;
};
constexpr CheckText CHECK_TEXTS[] = {
    {CTervane_Send::BLOCK_WCS_WRONG, "GewichteteCheckSumme stimmt nicht!       "},
    {CTervane_Send::BLOCK_CS_WRONG, "          CheckSumme stimmt nicht!       "},
    {CTervane_Send::BLOCK_ID_UNKNOWN, "Block ID ist nicht bekannt!              "},
    {CTervane_Send::BLOCK_ID_NOT_SET, "Block ID ist nicht gesetzt 0x00 or 0xFF  "},
};

struct BlockSums
{
    unsigned uCS = 0;
    unsigned uWCS = 0;
};

BlockSums ComputeBlockSums(const ConfigBlock& block)
{
    BlockSums sums;
    for (int i = ConfigBlock::FIRST_SUM_BYTE; i < ConfigBlock::BLOCK_CS; ++i)
    {
        sums.uCS = (sums.uCS + block.At(i)) & 0xFFFFu;
        sums.uWCS += sums.uCS;
        if (sums.uWCS > 0xFFFFu)
            sums.uWCS = sums.uWCS - 0x10000u + 1u;
    }
    return sums;
}

void StoreBlockSums(ConfigBlock& block)
{
    const BlockSums sums = ComputeBlockSums(block);
    block.SetUInt16At(ConfigBlock::BLOCK_CS, sums.uCS);
    block.SetUInt16At(ConfigBlock::BLOCK_WCS, sums.uWCS);
}

bool AllSumBytesAre(const ConfigBlock& block, BYTE ucValue)
{
    for (int i = ConfigBlock::FIRST_SUM_BYTE; i < ConfigBlock::FRAME_CS; ++i)
    {
        if (block.At(i) != ucValue)
            return false;
    }
    return true;
}

int CheckBlockId(BYTE ucId)
{
    int iResult = 0;
    if (ucId == 0x00 || ucId == 0xFF)
        iResult += CTervane_Send::BLOCK_ID_NOT_SET;
    if (std::none_of(std::begin(KNOWN_BLOCKS), std::end(KNOWN_BLOCKS),
                     [ucId](const BlockKind& kind) { return kind.ucId == ucId; }))
        iResult += CTervane_Send::BLOCK_ID_UNKNOWN;
    return iResult;
}

CString CheckTraceText(int iResult)
{
    CString strText(static_cast<char>('\t'), 20);
    strText += ' ';
    if (iResult == CTervane_Send::BLOCK_OK)
        strText += TRACE_OK;
    for (const CheckText& text : CHECK_TEXTS)
    {
        if (iResult & text.iBit)
            strText += text.pszText;
    }
    return strText;
}

bool IsValidTime(const tm& t)
{
    return t.tm_sec >= 0 && t.tm_sec <= 60 && t.tm_min >= 0 && t.tm_min <= 60 && t.tm_hour >= 0 &&
           t.tm_hour <= 24 && t.tm_mday >= 1 && t.tm_mday <= 31 && t.tm_mon >= 1 && t.tm_mon <= 12 &&
           t.tm_year >= 1970 && t.tm_year <= 3000;
}

// Broken-down local time with month 1-12 and full year; all 0 when the time cannot be converted.
tm LocalTime(__time64_t tTime)
{
    tm tmLocal = {};
    if (_localtime64_s(&tmLocal, &tTime) != 0)
        return tm{};
    tmLocal.tm_mon += 1;
    tmLocal.tm_year += 1900;
    return tmLocal;
}
} // namespace

BYTE CTervane_Send::TerSend_BlockId(BYTE ucBlockNr)
{
    for (const BlockKind& kind : KNOWN_BLOCKS)
    {
        if (kind.ucNumber == ucBlockNr)
            return kind.ucId;
    }
    return UNKNOWN_BLOCK_ID;
}

int CTervane_Send::TerSend_BlockIndex(BYTE ucBlockNr)
{
    if (ucBlockNr <= 3)
        return ucBlockNr;
    if (ucBlockNr >= 128 && ucBlockNr <= 131)
        return ucBlockNr - 128 + 4;
    return -1;
}

void CTervane_Send::TerSend_PrepareWriteBlock(CString& strBlock, BYTE ucBlockNr)
{
    CString strDiscarded;
    TerSend_Ack(strDiscarded, FALSE);
    ConfigBlock block = ConfigBlock::FromString(strBlock);
    // STX and N are fixed for every block; a string that is not a block read gets them here.
    block.At(0) = STX;
    block.At(1) = CODE_WRITE_CONFIG;
    block.At(2) = m_ucAddressInterface;
    block.At(3) = m_ucAddressOwn;
    block.At(4) = ConfigBlock::DATA_LENGTH;
    block.At(5) = ucBlockNr;
    block.At(6) = TerSend_BlockId(ucBlockNr);
    strBlock = block.ToString();
}

CString CTervane_Send::TerSend_FinishWriteBlock(const CString& strBlock, BOOL bSwitchOff)
{
    ConfigBlock block = ConfigBlock::FromString(strBlock);
    // The frame always carries the 33 data bytes of a block, whatever the string's length byte says.
    block.At(4) = ConfigBlock::DATA_LENGTH;
    StoreBlockSums(block);
    if (bSwitchOff)
    {
        for (int i = ConfigBlock::BLOCK_CS; i < ConfigBlock::FRAME_CS; ++i)
            block.At(i) = static_cast<BYTE>(block.At(i) - SWITCH_OFF_STEP);
    }
    TerSend_CalcCheckBytes(&block.At(1), &block.At(ConfigBlock::FRAME_CS), ConfigBlock::FRAME_CS - 2);
    CString strFrame;
    TerSend_FrameToString(strFrame, block.aucByte.data(), block.aucByte.size());
    return strFrame;
}

void CTervane_Send::TerSend_CalcBlockSums(BYTE* pucByte6)
{
    ConfigBlock block = {};
    std::copy_n(pucByte6, ConfigBlock::BLOCK_CS - ConfigBlock::FIRST_SUM_BYTE,
                block.aucByte.begin() + ConfigBlock::FIRST_SUM_BYTE);
    StoreBlockSums(block);
    std::copy(block.aucByte.begin() + ConfigBlock::BLOCK_CS, block.aucByte.begin() + ConfigBlock::FRAME_CS,
              pucByte6 + (ConfigBlock::BLOCK_CS - ConfigBlock::FIRST_SUM_BYTE));
}

int CTervane_Send::TerSend_CheckBlock(const CString& strBlock, CString* pstrTrace)
{
    const ConfigBlock block = ConfigBlock::FromString(strBlock);
    if (AllSumBytesAre(block, 0xFF))
    {
        if (pstrTrace)
            *pstrTrace = TRACE_EMPTY;
        return BLOCK_EMPTY;
    }
    if (AllSumBytesAre(block, 0x00))
        return BLOCK_EMPTY;
    int iResult = CheckBlockId(block.At(ConfigBlock::FIRST_SUM_BYTE));
    const BlockSums sums = ComputeBlockSums(block);
    if (block.UInt16At(ConfigBlock::BLOCK_CS) != sums.uCS)
        iResult += BLOCK_CS_WRONG;
    if (block.UInt16At(ConfigBlock::BLOCK_WCS) != sums.uWCS)
        iResult += BLOCK_WCS_WRONG;
    if (pstrTrace)
        *pstrTrace = CheckTraceText(iResult);
    return iResult;
}

CString CTervane_Send::TerSend_PadBlock(const CString& strBlock)
{
    CString strPadded = strBlock;
    if (strPadded.GetLength() < ConfigBlock::LENGTH)
        strPadded += CString(' ', ConfigBlock::LENGTH - strPadded.GetLength());
    return strPadded;
}

int CTervane_Send::TerSend_BytesToInt16(BYTE ucHigh, BYTE ucLow)
{
    return static_cast<short>(static_cast<unsigned short>((ucHigh << 8) | ucLow));
}

int CTervane_Send::TerSend_BytesToUInt16(BYTE ucHigh, BYTE ucLow)
{
    return (ucHigh << 8) | ucLow;
}

BOOL CTervane_Send::TerSend_Int16ToBytes(int iValue, BYTE* pucHigh, BYTE* pucLow)
{
    if (iValue > 32767 || iValue < -32767)
        return FALSE;
    const auto usValue = static_cast<unsigned short>(iValue);
    *pucHigh = static_cast<BYTE>(usValue >> 8);
    *pucLow = static_cast<BYTE>(usValue);
    return TRUE;
}

BOOL CTervane_Send::TerSend_UInt16ToBytes(int iValue, BYTE* pucHigh, BYTE* pucLow)
{
    if (iValue < 0 || iValue > 65535)
    {
        *pucHigh = 0x80;
        *pucLow = 0x00;
        return FALSE;
    }
    *pucHigh = static_cast<BYTE>(iValue >> 8);
    *pucLow = static_cast<BYTE>(iValue);
    return TRUE;
}

void CTervane_Send::TerSend_TimeToBytes(__time64_t tTime, BYTE* pucByte0, BYTE* pucByte1, BYTE* pucByte2,
                                        BYTE* pucByte3)
{
    const auto ulCount = static_cast<unsigned long long>(tTime);
    *pucByte0 = static_cast<BYTE>(ulCount >> 24);
    *pucByte1 = static_cast<BYTE>(ulCount >> 16);
    *pucByte2 = static_cast<BYTE>(ulCount >> 8);
    *pucByte3 = static_cast<BYTE>(ulCount);
}

void CTervane_Send::TerSend_ReadTimeStamp(const CString& strBlock, __time64_t* ptTime, tm* ptmLocal,
                                          CString* pstrText, ULONG* pulCount)
{
    const ULONG ulCount = ConfigBlock::FromString(strBlock).UInt32At(7);
    const __time64_t tTime = ulCount;
    if (ptTime)
        *ptTime = tTime;
    if (ptmLocal)
        *ptmLocal = LocalTime(tTime);
    if (pstrText)
        TerSend_FormatDateTime(0, pstrText, tTime);
    if (pulCount)
        *pulCount = ulCount;
}

CString CTervane_Send::TerSend_FormatDateTime(int iLanguageNo, CString* pstrOut, __time64_t tTime)
{
    return TerSend_FormatDateTime(iLanguageNo, pstrOut, LocalTime(tTime));
}

CString CTervane_Send::TerSend_FormatDateTime(int iLanguageNo, CString* pstrOut, const tm& tmLocal)
{
    CString strText;
    if (!IsValidTime(tmLocal))
        strText = "ERROR DATE TIME";
    else if (iLanguageNo == 0 || iLanguageNo == 6)
        strText.Format("%4i/%2i/%2i_%2i:%2i:%2i", tmLocal.tm_year, tmLocal.tm_mon, tmLocal.tm_mday,
                       tmLocal.tm_hour, tmLocal.tm_min, tmLocal.tm_sec);
    else if (iLanguageNo == LANGUAGE_ENGLISH)
    {
        // 12-hour clock: 0:30 is 12:30 AM, 12:30 is 12:30 PM.
        const int iHour = tmLocal.tm_hour % 24;
        const int iHour12 = iHour % 12 == 0 ? 12 : iHour % 12;
        strText.Format("%2i/%2i/%4i_%2i:%2i:%2i_%s", tmLocal.tm_mon, tmLocal.tm_mday, tmLocal.tm_year,
                       iHour12, tmLocal.tm_min, tmLocal.tm_sec, iHour >= 12 ? "PM" : "AM");
    }
    else
        strText.Format("%2i.%2i.%4i_%2i:%2i:%2i_Uhr", tmLocal.tm_mday, tmLocal.tm_mon, tmLocal.tm_year,
                       tmLocal.tm_hour, tmLocal.tm_min, tmLocal.tm_sec);
    if (IsValidTime(tmLocal))
    {
        strText.Replace(' ', '0');
        strText.Replace('_', ' ');
    }
    if (pstrOut)
        *pstrOut = strText;
    return strText;
}

char CTervane_Send::TerSend_CodeToChar(BYTE ucCode)
{
    return ucCode < 64 ? TEXT_ALPHABET[ucCode] : '?';
}

BYTE CTervane_Send::TerSend_CharToCode(char ch)
{
    const std::span<const char> alphabet(TEXT_ALPHABET, 64);
    const auto it = std::find(alphabet.begin(), alphabet.end(), ch);
    return it == alphabet.end() ? CODE_UNKNOWN_CHAR : static_cast<BYTE>(it - alphabet.begin());
}

BOOL CTervane_Send::TerSend_CopyBit(BYTE& ucDest, int iDestBit, BYTE ucSource, int iSourceBit) const
{
    if (iDestBit < 0 || iDestBit > 7 || iSourceBit < 0 || iSourceBit > 7)
        return FALSE;
    if (ucSource & m_ucBitMask[0][iSourceBit])
        ucDest |= m_ucBitMask[0][iDestBit];
    else
        ucDest &= m_ucBitMask[1][iDestBit];
    return TRUE;
}
