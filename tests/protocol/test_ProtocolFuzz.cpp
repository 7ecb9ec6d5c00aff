// Random and mutated answers and blocks through the checks, decoders and patchers.
//
// Reads past the end are caught three ways: the inputs are byte strings of exactly their length,
// whose GetAt throws for an index outside them; the protocol code reads blocks and answers only
// through checked accessors (std::array::at, std::vector::at, CString::GetAt), which throw in every
// build; and this file is compiled with the standard library's assertions, so a container index out
// of range in code instantiated here aborts. Any exception fails the case with its input.
#define _GLIBCXX_ASSERTIONS 1

#include "framework/CInvalidArgException.h"
#include "protocol/CFloat32.h"
#include "protocol/CTervane_Send.h"
#include "protocol/ConfigBlock.h"
#include "protocol/SensorStruct.h"

#include "ProtocolTestData.h"
#include "SensorRecordText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <stdexcept>
#include <vector>

using namespace protocol_test;

namespace
{
constexpr int ITERATIONS = 4000;
const BYTE BLOCK_NUMBERS[] = {0, 1, 2, 3, 4, 128, 129, 130, 131, 5, 127, 255};

class Fuzzer
{
public:
    explicit Fuzzer(unsigned uSeed) : m_random(uSeed) {}

    int Below(int iLimit) { return static_cast<int>(m_random() % static_cast<unsigned>(iLimit)); }
    BYTE AnyByte() { return static_cast<BYTE>(m_random()); }

    CString RandomBytes(int iMaxLength)
    {
        CString str;
        const int iLength = Below(iMaxLength + 1);
        for (int i = 0; i < iLength; ++i)
            str += static_cast<char>(AnyByte());
        return str;
    }

    // A valid frame cut, flipped, extended, with bytes inserted or a new length byte.
    CString Mutated(const CString& strValid)
    {
        CString str = strValid;
        const int iMutations = 1 + Below(3);
        for (int k = 0; k < iMutations; ++k)
        {
            switch (Below(6))
            {
                case 0:
                    str = str.Left(Below(str.GetLength() + 1));
                    break;
                case 1:
                    if (!str.IsEmpty())
                        str.SetAt(Below(str.GetLength()), static_cast<char>(AnyByte()));
                    break;
                case 2:
                    str += RandomBytes(8);
                    break;
                case 3:
                    str.Insert(Below(str.GetLength() + 1), static_cast<char>(AnyByte()));
                    break;
                case 4:
                    if (str.GetLength() > 4)
                        str.SetAt(4, static_cast<char>(AnyByte()));
                    break;
                default:
                    str.Insert(Below(str.GetLength() + 1), '\x02');
                    break;
            }
        }
        return str;
    }

    CString Input(const std::vector<CString>& valid)
    {
        if (Below(4) == 0)
            return RandomBytes(64);
        return Mutated(valid[static_cast<std::size_t>(Below(static_cast<int>(valid.size())))]);
    }

private:
    std::mt19937 m_random;
};

std::vector<CString> ValidInputs()
{
    std::vector<CString> valid = {
        Bytes(KNOWN_STATUS_LONG), Bytes("02 06 FF 06 00 0B 21"),
        Bytes("02 41 FF 06 22 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F 20 21 22 23 24 "
              "25 26 27 28 29 2A 2B 2C 2D 2E 2F 30 31 B9 D2")};
    for (const KnownBlock& known : KnownBlocks())
        valid.push_back(Bytes(known.pszRead));
    return valid;
}

// Runs a step on an input; an exception fails the test and names the input.
void Guarded(const CString& strInput, const std::function<void()>& step)
{
    try
    {
        step();
    }
    catch (CException* pException)
    {
        pException->Delete();
        ADD_FAILURE() << "framework exception for input [" << Hex(strInput) << "]";
    }
    catch (const std::exception& e)
    {
        ADD_FAILURE() << e.what() << " for input [" << Hex(strInput) << "]";
    }
}

bool IsAnswerCheckResult(int iResult)
{
    return iResult == 16 || iResult == 32 || (iResult & ~12) == 0;
}
} // namespace

TEST(ProtocolFuzz, CheckedAccessorsTripOnReadsPastTheEnd)
{
    const ConfigBlock block = {};
    EXPECT_THROW((void)block.At(ConfigBlock::LENGTH), std::out_of_range);
    bool bThrown = false;
    try
    {
        (void)CString("ab", 2).GetAt(2);
    }
    catch (CInvalidArgException* pException)
    {
        pException->Delete();
        bThrown = true;
    }
    EXPECT_TRUE(bThrown);
}

TEST(ProtocolFuzz, AnswerChecksAndStatusDecoder)
{
    Fuzzer fuzzer(1);
    const std::vector<CString> valid = ValidInputs();
    CTervane_Send send;
    for (int i = 0; i < ITERATIONS; ++i)
    {
        const CString strAnswer = fuzzer.Input(valid);
        Guarded(strAnswer,
                [&]
                {
                    const int iNormal = CTervane_Send::TerSend_CheckAnswer(strAnswer, FALSE);
                    EXPECT_TRUE(IsAnswerCheckResult(iNormal)) << iNormal;
                    if (strAnswer.GetLength() > 41)
                    {
                        EXPECT_EQ(iNormal, 16);
                    }
                    EXPECT_TRUE(IsAnswerCheckResult(CTervane_Send::TerSend_CheckAnswer(strAnswer, TRUE)));

                    SensorStruct sensor;
                    const std::string strBefore = RecordText(sensor);
                    const BOOL bDecoded = send.TerSend_ReadStatusLongIntoSensor(strAnswer, sensor);
                    EXPECT_EQ(bDecoded, strAnswer.GetLength() >= 19);
                    if (!bDecoded)
                    {
                        EXPECT_EQ(RecordText(sensor), strBefore);
                    }
                });
    }
}

TEST(ProtocolFuzz, BlockChecksAndDecoders)
{
    Fuzzer fuzzer(2);
    const std::vector<CString> valid = ValidInputs();
    CTervane_Send send;
    SensorStruct sensor;
    for (const KnownBlock& known : KnownBlocks())
        send.TerSend_ReadBlockIntoSensor(Bytes(known.pszRead), known.ucNumber, sensor);
    for (int i = 0; i < ITERATIONS; ++i)
    {
        const CString strBlock = fuzzer.Input(valid);
        const BYTE ucNumber = BLOCK_NUMBERS[fuzzer.Below(static_cast<int>(std::size(BLOCK_NUMBERS)))];
        Guarded(strBlock,
                [&]
                {
                    CString strTrace;
                    const int iCheck = CTervane_Send::TerSend_CheckBlock(strBlock, &strTrace);
                    EXPECT_TRUE(iCheck == 255 || (iCheck >= 0 && iCheck <= 15)) << iCheck;
                    EXPECT_EQ(CTervane_Send::TerSend_PadBlock(strBlock).GetLength(),
                              std::max(strBlock.GetLength(), ConfigBlock::LENGTH));

                    const SensorStruct before = sensor;
                    const int iResult =
                        send.TerSend_ReadBlockIntoSensor(strBlock, ucNumber, sensor, &strTrace);
                    EXPECT_EQ(iResult, CTervane_Send::TerSend_BlockIndex(ucNumber) < 0 ? -1 : iCheck);
                    if (iResult > 0)
                    {
                        // Decoded all the same: as the block with good sums, but marked failed.
                        SensorStruct decoded = before;
                        send.TerSend_ReadBlockIntoSensor(WithGoodBlockSums(strBlock), ucNumber, decoded);
                        EXPECT_EQ(RecordText(sensor),
                                  RecordText(AfterFailedBlock(before, decoded, ucNumber, iResult)))
                            << "block " << int{ucNumber};
                    }
                });
    }
}

TEST(ProtocolFuzz, PreparedAndPatchedBlocksAreValidRequests)
{
    Fuzzer fuzzer(3);
    const std::vector<CString> valid = ValidInputs();
    CTervane_Send send;
    send.TerSend_SetAddress(2, 255);
    const __time64_t tTime = KNOWN_TIME;
    for (int i = 0; i < ITERATIONS; ++i)
    {
        CString strBlock = fuzzer.Input(valid);
        const CString strInput = strBlock;
        const BYTE ucNumber = BLOCK_NUMBERS[fuzzer.Below(9)];
        const int iValue = static_cast<int>(fuzzer.AnyByte()) * 300 - 9000;
        const BYTE ucValue = fuzzer.AnyByte();
        const double dValue = std::ldexp(static_cast<double>(iValue), fuzzer.Below(300) - 150);
        const CString strText = fuzzer.RandomBytes(9);
        Guarded(
            strInput,
            [&]
            {
                send.TerSend_PrepareWriteBlock(strBlock, ucNumber);
                switch (ucNumber)
                {
                    case 2:
                        send.TerSend_WriteBlockSetContentStatorOperation(strBlock, &tTime, &ucValue, &ucValue,
                                                                         &ucValue, &ucValue, nullptr,
                                                                         &ucValue, &iValue, &iValue);
                        break;
                    case 3:
                        send.TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
                            strBlock, &ucValue, &dValue, &dValue, &strText, &strText, &ucValue, &ucValue,
                            &ucValue, &ucValue, &ucValue, &ucValue, &ucValue, &ucValue, &ucValue, &ucValue,
                            &iValue, &iValue, &ucValue, &ucValue);
                        break;
                    case 129:
                    case 130:
                        send.TerSend_WriteBlockSetContentRotorCalibFactory(
                            strBlock, &tTime, &iValue, &iValue, &iValue, &iValue, &iValue, &iValue, &iValue,
                            &iValue, &iValue, &iValue, ucNumber == 130);
                        break;
                    case 131:
                        send.TerSend_WriteBlockSetContentRotorOperation(strBlock, &tTime, &strText, &strText);
                        break;
                    default:
                        break;
                }
                const CString strFrame = Unstuff(CTervane_Send::TerSend_FinishWriteBlock(strBlock, FALSE));
                ASSERT_EQ(strFrame.GetLength(), ConfigBlock::LENGTH);
                EXPECT_EQ(CTervane_Send::TerSend_CheckAnswer(strFrame, TRUE), 0);
                EXPECT_EQ(CTervane_Send::TerSend_CheckBlock(strFrame), 0);
            });
    }
}

TEST(ProtocolFuzz, CodecsWithAnyValue)
{
    Fuzzer fuzzer(4);
    CFloat32 converter;
    CTervane_Send send;
    for (int i = 0; i < ITERATIONS; ++i)
    {
        const CString strBytes = fuzzer.RandomBytes(16);
        Guarded(
            strBytes,
            [&]
            {
                const BYTE b[4] = {fuzzer.AnyByte(), fuzzer.AnyByte(), fuzzer.AnyByte(), fuzzer.AnyByte()};
                const double dValue = converter.Decode(&b[0], &b[1], &b[2], &b[3], fuzzer.Below(2));
                EXPECT_TRUE(std::isfinite(dValue));
                const double dAny = std::ldexp(dValue, fuzzer.Below(2200) - 1100);
                converter.Encode(&dAny);

                CString strText;
                CTervane_Send::TerSend_RangeCodeToText(strText, static_cast<UINT>(fuzzer.Below(0x20000)));
                EXPECT_LE(strText.GetLength(), 17);

                BYTE buffer[40] = {};
                int iLength = strBytes.GetLength();
                for (int k = 0; k < iLength; ++k)
                    buffer[k] = static_cast<BYTE>(strBytes.GetAt(k));
                const int iCapacity = iLength + fuzzer.Below(20);
                if (CTervane_Send::TerSend_StuffBuffer(buffer, iLength, iCapacity))
                {
                    EXPECT_LE(iLength, iCapacity);
                }

                BYTE nak[CTervane_Send::NAK_BUFFER_SIZE] = {};
                send.TerSend_SetAddress(fuzzer.AnyByte(), fuzzer.AnyByte());
                const int iNak = send.TerSend_Nack(nak, sizeof nak);
                EXPECT_TRUE(iNak >= 7 && iNak <= CTervane_Send::NAK_BUFFER_SIZE);

                tm t = {};
                t.tm_year = fuzzer.Below(4000) - 500;
                t.tm_mon = fuzzer.Below(16) - 2;
                t.tm_mday = fuzzer.Below(40) - 2;
                t.tm_hour = fuzzer.Below(30) - 2;
                t.tm_min = fuzzer.Below(70) - 2;
                t.tm_sec = fuzzer.Below(70) - 2;
                CTervane_Send::TerSend_FormatDateTime(1000 * fuzzer.Below(4), &strText, t);
                CTervane_Send::TerSend_FormatDateTime(0, &strText,
                                                      static_cast<__time64_t>(fuzzer.Below(1 << 30)) * 8);
            });
    }
}
