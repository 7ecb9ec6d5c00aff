// Send class of the sensor protocol: builds every request frame, computes and checks the frame and
// block check bytes, doubles 0x02 for the wire, converts the block floats, numbers, times and texts,
// decodes the status answer and the configuration blocks and patches blocks for writing. It holds no
// port; CComPort derives from it and writes the frames it builds.
//
// Frame (before doubling): 02, code, address 1, address 2, N, N data bytes, CS, WCS; CS and WCS run
// over the code to the last data byte. On the wire every 0x02 after the leading STX is sent twice.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "protocol/BlockDescriptor.h"

#include <array>
#include <ctime>
#include <initializer_list>
#include <cstddef>
#include <memory>

class CFloat32;
struct ConfigBlock;
struct SensorStruct;
struct CalibBlockValues;

class CTervane_Send
{
public:
    // Frame and answer codes.
    static constexpr BYTE STX = 0x02;
    static constexpr BYTE CODE_ACK = 0x06;
    static constexpr BYTE CODE_NAK = 0x15;
    static constexpr BYTE CODE_HELLO = 0x40;
    static constexpr BYTE CODE_READ_RAW = 0x41;
    static constexpr BYTE CODE_STATUS_LONG = 0x42;
    static constexpr BYTE CODE_READ_CONFIG = 0x44;
    static constexpr BYTE CODE_CTRL = 0x45;
    static constexpr BYTE CODE_WRITE_CONFIG = 0x46;
    static constexpr BYTE CODE_RESTART = 0x4B;
    static constexpr BYTE CODE_START_STREAM = 0x5A;
    static constexpr BYTE OWN_ADDRESS = 255;
    static constexpr int MAX_ANSWER_LENGTH = 41;
    static constexpr int BLOCK_KINDS = 8;
    // Room for any NAK frame after doubling.
    static constexpr int NAK_BUFFER_SIZE = 13;

    // Results of TerSend_CheckAnswer, added up.
    enum AnswerCheck
    {
        ANSWER_OK = 0,
        ANSWER_CS_WRONG = 4,
        ANSWER_WCS_WRONG = 8,
        ANSWER_TOO_LONG = 16,  // more than 41 bytes; nothing compared
        ANSWER_TOO_SHORT = 32, // shorter than its length byte says; nothing compared
    };
    // Results of TerSend_CheckBlock, added up; 0 means usable.
    enum BlockCheck
    {
        BLOCK_OK = 0,
        BLOCK_ID_NOT_SET = 1,
        BLOCK_ID_UNKNOWN = 2,
        BLOCK_CS_WRONG = 4,
        BLOCK_WCS_WRONG = 8,
        BLOCK_EMPTY = 255,
    };

    CTervane_Send();
    ~CTervane_Send();
    CTervane_Send(const CTervane_Send&) = delete;
    CTervane_Send& operator=(const CTervane_Send&) = delete;

    // ---- Request frames. Each builder sets the expected answer and replaces strOut with the doubled frame.
    void TerSend_SetAddress(BYTE ucInterfaceAddress, BYTE ucOwnAddress);
    void TerSend_ReadRaw(CString& strOut);
    void TerSend_ReadStatusLong(CString& strOut);
    void TerSend_RestartSensor(CString& strOut);
    void TerSend_SetCtrlOn(CString& strOut);
    void TerSend_SetCtrlOff(CString& strOut);
    void TerSend_StartMeasureAB(CString& strOut);
    void TerSend_StartMeasureA(CString& strOut);
    void TerSend_StartMeasureB(CString& strOut);
    // With pstrOut null only the expectation (answer 'D', 40 bytes, block number) is set.
    void ReadConfig(CString* pstrOut, BYTE ucBlockNr);
    void ReadConfig(CString& strOut, BYTE ucBlockNr) { ReadConfig(&strOut, ucBlockNr); }
    // bExpectedAnswer: build the acknowledgement the interface sends (addresses exchanged) and keep
    // its check bytes as the expected ones.
    void TerSend_Ack(CString& strOut, BOOL bExpectedAnswer);
    // Writes the doubled NAK frame into pucBuffer; returns its length, or 0 (nothing written) when
    // iBufferSize is too small (NAK_BUFFER_SIZE always suffices).
    int TerSend_Nack(BYTE* pucBuffer, int iBufferSize);
    // Rate codes 0 to 12; a higher code leaves the rate byte unchanged.
    void TerSend_SetMeasuringRate(UINT uiRateCode);

    // CS and WCS over iCountLessOne + 1 bytes from pucFirst into pucOut[0] and pucOut[1].
    static void TerSend_CalcCheckBytes(const BYTE* pucFirst, BYTE* pucOut, int iCountLessOne);
    // Writes frame bytes 0 to N + 6 (N = byte 4) doubled to strOut; FALSE, strOut empty, when the
    // nSize bytes at pucFrame hold less than the frame its length byte announces.
    static BOOL TerSend_FrameToString(CString& strOut, const BYTE* pucFrame, std::size_t nSize);
    template <std::size_t N> static BOOL TerSend_FrameToString(CString& strOut, const BYTE (&aucFrame)[N])
    {
        return TerSend_FrameToString(strOut, aucFrame, N);
    }
    // Doubles every 0x02 after the first byte in place; FALSE (buffer unchanged) when the result
    // would not fit into iCapacity bytes.
    static BOOL TerSend_StuffBuffer(BYTE* pucBuffer, int& iLength, int iCapacity);
    // Checks the check bytes of an answer (doubling removed); returns a sum of AnswerCheck values.
    // Normal mode takes the last two bytes as the check bytes, block mode bytes N + 5 and N + 6.
    static int TerSend_CheckAnswer(const CString& strAnswer, BOOL bBlockMode);

    BYTE TerSend_GetCommand() const { return m_ucCommand; }
    void TerSend_SetCommand(BYTE ucCommand) { m_ucCommand = ucCommand; }
    BYTE TerSend_GetBlockNumber() const { return m_ucBlockNr; }
    int TerSend_GetAnswerLength() const { return m_iAnswerLength; }
    void TerSend_SetAnswerLength(int iLength) { m_iAnswerLength = iLength; }
    BYTE TerSend_GetAddress1() const { return m_ucAddressInterface; }
    BYTE TerSend_GetAddress2() const { return m_ucAddressOwn; }
    BYTE TerSend_GetAckCS() const { return m_ucAckCS; }
    BYTE TerSend_GetAckWCS() const { return m_ucAckWCS; }

    // ---- Configuration blocks.
    // Turns a block string into the 'F' request of ucBlockNr at the current addresses (filled up
    // to 40 bytes first); the expected answer becomes the acknowledgement.
    void TerSend_PrepareWriteBlock(CString& strBlock, BYTE ucBlockNr);
    // Block sums (each of the four bytes lowered by 0x33 when bSwitchOff), frame check bytes,
    // doubling: the frame ready for the port.
    static CString TerSend_FinishWriteBlock(const CString& strBlock, BOOL bSwitchOff);
    // Block CS and WCS of the 28 bytes from pucByte6 into pucByte6[28] to pucByte6[31].
    static void TerSend_CalcBlockSums(BYTE* pucByte6);
    // Returns a BlockCheck sum; pstrTrace receives the verdict text.
    static int TerSend_CheckBlock(const CString& strBlock, CString* pstrTrace = nullptr);
    static CString TerSend_PadBlock(const CString& strBlock);
    // ID of a block number (0xFF for none), and the descriptor index of a number (-1 for none).
    static BYTE TerSend_BlockId(BYTE ucBlockNr);
    static int TerSend_BlockIndex(BYTE ucBlockNr);

    // ---- Byte codecs (most significant byte first).
    static int TerSend_BytesToInt16(BYTE ucHigh, BYTE ucLow);
    static int TerSend_BytesToUInt16(BYTE ucHigh, BYTE ucLow);
    // FALSE, bytes untouched, for a magnitude above 32767.
    static BOOL TerSend_Int16ToBytes(int iValue, BYTE* pucHigh, BYTE* pucLow);
    // FALSE, bytes 0x80 0x00, for a value outside 0 to 65535.
    static BOOL TerSend_UInt16ToBytes(int iValue, BYTE* pucHigh, BYTE* pucLow);
    // The low 32 bits of tTime.
    static void TerSend_TimeToBytes(__time64_t tTime, BYTE* pucByte0, BYTE* pucByte1, BYTE* pucByte2,
                                    BYTE* pucByte3);
    // Block bytes 7 to 10: seconds since 1970 (UTC); local time with month 1-12 and full year, the
    // date text of language 0, and the raw count.
    static void TerSend_ReadTimeStamp(const CString& strBlock, __time64_t* ptTime, tm* ptmLocal,
                                      CString* pstrText, ULONG* pulCount);
    // Date text by language number (0 and 6 "yyyy/mm/dd hh:mm:ss", 1000 "mm/dd/yyyy hh:mm:ss AM|PM",
    // others "dd.mm.yyyy hh:mm:ss Uhr"); "ERROR DATE TIME" for a time outside 1970 to 3000.
    static CString TerSend_FormatDateTime(int iLanguageNo, CString* pstrOut, __time64_t tTime);
    static CString TerSend_FormatDateTime(int iLanguageNo, CString* pstrOut, const tm& tmLocal);
    // The 6-bit block text alphabet: a-z, A-Z, 0-9, blank, '?'.
    static char TerSend_CodeToChar(BYTE ucCode);
    static BYTE TerSend_CharToCode(char ch);
    // Bit iDestBit of ucDest := bit iSourceBit of ucSource; FALSE (nothing changed) for a bit outside 0-7.
    BOOL TerSend_CopyBit(BYTE& ucDest, int iDestBit, BYTE ucSource, int iSourceBit) const;

    // ---- Value codes and texts. Each returns (and writes to strOut) the text.
    static CString TerSend_AccuracyCodeToText(CString& strOut, BYTE ucCode, int* piIndex = nullptr,
                                              double* pdValue = nullptr);
    static CString TerSend_ImpulseCodeToText(CString& strOut, BYTE ucCode, int* piIndex = nullptr,
                                             int* piImpulses = nullptr);
    // Packed range end value (hex digits x d1 d2 d3 = d1.d2d3 x 10^x) as a number text; empty above 0xFFFE.
    static int TerSend_RangeCodeToText(CString& strOut, UINT uiValue);
    static int TerSend_LowPassCodeToHz(int iCode);
    static int TerSend_LowPassHzToCode(UINT uiHz);
    static CString TerSend_StatorTypeToDeviceName(CString& strOut, int iStatorType, int iStatorRev,
                                                  int iInterfaceKind, int iDigitalInputBit,
                                                  int iLanguageOffset);

    // ---- Values with their unit. A number text in the input unit of a TypeClass ('D' cN·m, 'K' N,
    // 'W' g, 'X', 'd' mV/V, 'A' V, 'S' mA) is shown in the unit of its decade with the decimals of
    // that decade; 0.01 to 9.99e15 are accepted, anything else gives "n.a." and writes no output.
    // Unit codes and factors: torque 0 mN·m (10), 1 cN·m, 2 N·m (0.01), 3 kN·m (1e-5), 4 MN·m (1e-8);
    // force 0 mN (1000), 2 N, 3 kN, 4 MN (1e-6); mass 0 mg (1000), 1 g, 2 kg, 3 t (1e-6); the other
    // classes 0 with factor 1.
    struct MagnitudeRow
    {
        int iUnit;             // 0 for the smallest unit of the class
        double dShown;         // the number in that unit
        int iDecimals;         // decimals of the text
        int iReportedDecimals; // decimals reported to the caller
    };
    // The decade rows of both value formatters; bKiloTorqueToE10 keeps torque below 10^10 cN·m in kN·m.
    static bool TerSend_FindMagnitudeRow(char cTypeClass, double dValue, bool bKiloTorqueToE10,
                                         MagnitudeRow& row);
    // "n.a. TypeClass Unkonwn" for another letter.
    static CString TerSend_FormatValueWithUnit(CString strValue, char cTypeClass, int iLanguageOffset,
                                               CString* pstrValue, CString* pstrUnit, int* piUnitCode,
                                               double* pdFactor, int* piDecimals);
    static CString TerSend_FormatTorque(CString strValue, int iLanguageOffset, CString* pstrValue,
                                        CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                        int* piDecimals);
    static CString TerSend_FormatForce(CString strValue, int iLanguageOffset, CString* pstrValue,
                                       CString* pstrUnit, int* piUnitCode, double* pdFactor, int* piDecimals);
    static CString TerSend_FormatMass(CString strValue, int iLanguageOffset, CString* pstrValue,
                                      CString* pstrUnit, int* piUnitCode, double* pdFactor, int* piDecimals);
    static CString TerSend_FormatAdu(CString strValue, int iLanguageOffset, CString* pstrValue,
                                     CString* pstrUnit, int* piUnitCode, double* pdFactor, int* piDecimals);
    static CString TerSend_FormatBridgeSignal(CString strValue, int iLanguageOffset, CString* pstrValue,
                                              CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                              int* piDecimals);
    static CString TerSend_FormatVoltage(CString strValue, int iLanguageOffset, CString* pstrValue,
                                         CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                         int* piDecimals);
    static CString TerSend_FormatCurrent(CString strValue, int iLanguageOffset, CString* pstrValue,
                                         CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                         int* piDecimals);

    // ---- Decoders. A null pointer skips its field. Each block decoder keeps the block in its
    // descriptor (strRead, iReadCheck), decodes the fields whatever the check result and returns it;
    // the readers consult the check. Only the software scalings read as off for a failed block.
    // Needs 19 bytes (status byte 18); FALSE, no field touched, for a shorter answer.
    BOOL TerSend_ReadStatusLongGetContent(const CString& strAnswer, BYTE* pucStatusAddress, BYTE* pucStatusOk,
                                          BYTE* pucAdjustment, BYTE* pucSupportInfo, BYTE* pucNoDigitalInput,
                                          BYTE* pucInterfaceKind, BYTE* pucStatusBit7, BYTE* pucStatorType,
                                          BYTE* pucStatorRev, BYTE* pucRotorId, BYTE* pucRotorRev,
                                          BYTE* pucWatchdogTime);
    int TerSend_ReadBlockGetContentStatorHeader(const CString& strBlock, int* piStHeaderNo,
                                                ULONG* pulSerialNo, CString* pstrTrace = nullptr);
    int TerSend_ReadBlockGetContentStatorHardware(const CString& strBlock, __time64_t* ptTime, tm* ptmLocal,
                                                  CString* pstrDate, BYTE* pucStHw16, BYTE* pucImpulseCode,
                                                  CString* pstrTrace = nullptr);
    int TerSend_ReadBlockGetContentStatorOperation(const CString& strBlock, __time64_t* ptTime, tm* ptmLocal,
                                                   CString* pstrDate, BYTE* pucStOp12, BYTE* pucStOp12Bit0,
                                                   BYTE* pucBusAddress, BYTE* pucStOp15Bit0,
                                                   BYTE* pucBaudCode, BYTE* pucStOp17, BYTE* pucStOp18,
                                                   int* piLowPassHzA, int* piLowPassHzB,
                                                   CString* pstrTrace = nullptr);
    int TerSend_ReadBlockGetContentStatorSoftwareConfiguration(
        const CString& strBlock, BYTE* pucSwCfg7, double* pdSwScaleA, double* pdSwScaleB,
        CString* pstrSwUnitA, CString* pstrSwUnitB, BYTE* pucUnitA, BYTE* pucUnitB, BYTE* pucDecimalsA,
        BYTE* pucDecimalsB, BYTE* pucMeanCodeA, BYTE* pucMeanCodeB, BYTE* pucSignA, BYTE* pucSignB,
        BYTE* pucSwScalingA, BYTE* pucSwScalingB, int* piAveragingCount, int* piMeasuringRateCode,
        BYTE* pucDisplayA, BYTE* pucDisplayB, CString* pstrTrace = nullptr);
    int TerSend_ReadBlockGetContentRotorHeader(const CString& strBlock, int* piRtHeaderNo,
                                               ULONG* pulRtHeaderNo, BYTE* pucRt14, BYTE* pucTypeClassA,
                                               int* piRangeCodeA, double* pdRangeA, BYTE* pucAccuracyA,
                                               BYTE* pucTypeClassB, int* piRangeCodeB, double* pdRangeB,
                                               BYTE* pucAccuracyB, CString* pstrTrace = nullptr);
    // Block 129, or with bUser block 130; pulTimeCount receives the time stamp as a 32-bit count.
    int TerSend_ReadBlockGetContentRotorCalibFactory(const CString& strBlock, CalibBlockValues* psValues,
                                                     ULONG* pulTimeCount = nullptr, BOOL bUser = FALSE,
                                                     CString* pstrTrace = nullptr);
    int TerSend_ReadBlockGetContentRotorCalibUser(const CString& strBlock, CalibBlockValues* psValues,
                                                  CString* pstrTrace = nullptr);
    int TerSend_ReadBlockGetContentRotorOperation(const CString& strBlock, __time64_t* ptTime, tm* ptmLocal,
                                                  CString* pstrDate, CString* pstrSerialNoA,
                                                  CString* pstrSerialNoB, CString* pstrTrace = nullptr);

    // Decodes into the record (see SensorStruct.h); FALSE for a status answer shorter than 19 bytes.
    BOOL TerSend_ReadStatusLongIntoSensor(const CString& strAnswer, SensorStruct& sSensor);
    // Decodes block ucBlockNr into the record, whatever its check result, and stores that result in
    // the record's check field of the block. Also derives iStHw16Kind, iImpulsesPerRev and the
    // software-configuration flags. Returns the check result, or -1 for a block number without
    // contents (nothing changed).
    int TerSend_ReadBlockIntoSensor(const CString& strBlock, BYTE ucBlockNr, SensorStruct& sSensor,
                                    CString* pstrTrace = nullptr);

    // ---- Patchers. Each fills strBlock up to 40 bytes, writes the fields given (null leaves the
    // bytes), and keeps the result in strBlock and in the descriptor's strWrite. Returns FALSE when a
    // value did not fit its bytes: an unsigned one is then written as 0x80 0x00, a signed one
    // (offsets, -32767 to 32767) leaves its bytes as they were.
    BOOL TerSend_WriteBlockSetContentStatorOperation(CString& strBlock, const __time64_t* ptTime,
                                                     const BYTE* pucStOp12, const BYTE* pucBusAddress,
                                                     const BYTE* pucStOp15Bit0, const BYTE* pucBaudCode,
                                                     const BYTE* pucStOp17, const BYTE* pucStOp18,
                                                     const int* piLowPassHzA, const int* piLowPassHzB);
    BOOL TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
        CString& strBlock, const BYTE* pucSwCfg7, const double* pdSwScaleA, const double* pdSwScaleB,
        const CString* pstrSwUnitA, const CString* pstrSwUnitB, const BYTE* pucUnitA, const BYTE* pucUnitB,
        const BYTE* pucDecimalsA, const BYTE* pucDecimalsB, const BYTE* pucMeanCodeA,
        const BYTE* pucMeanCodeB, const BYTE* pucSignA, const BYTE* pucSignB, const BYTE* pucSwScalingA,
        const BYTE* pucSwScalingB, const int* piAveragingCount, const int* piMeasuringRateCode,
        const BYTE* pucDisplayA, const BYTE* pucDisplayB);
    BOOL TerSend_WriteBlockSetContentRotorCalibUser(CString& strBlock, const __time64_t* ptTime,
                                                    const int* piGainA, const int* piOffsetA,
                                                    const int* piGainB, const int* piOffsetB,
                                                    const int* piCtrlA, const int* piCtrlB,
                                                    const int* piCalib23, const int* piCalib25,
                                                    const int* piUncertaintyA, const int* piUncertaintyB);
    // Block 129, or with bUser block 130.
    BOOL TerSend_WriteBlockSetContentRotorCalibFactory(CString& strBlock, const __time64_t* ptTime,
                                                       const int* piGainA, const int* piOffsetA,
                                                       const int* piGainB, const int* piOffsetB,
                                                       const int* piCtrlA, const int* piCtrlB,
                                                       const int* piCalib23, const int* piCalib25,
                                                       const int* piUncertaintyA, const int* piUncertaintyB,
                                                       BOOL bUser = FALSE);
    // A text "n.a." is written as "??????"; others trimmed, blank-filled to and cut at six characters.
    BOOL TerSend_WriteBlockSetContentRotorOperation(CString& strBlock, const __time64_t* ptTime,
                                                    const CString* pstrSerialNoA,
                                                    const CString* pstrSerialNoB);

    // Descriptors of the block kinds 0, 1, 2, 3, 128, 129, 130, 131 (TerSend_BlockIndex).
    std::array<BlockDescriptor, BLOCK_KINDS> m_sBlock;

protected:
    BYTE m_ucCommand = 0;
    BYTE m_ucBlockNr = 0;
    int m_iAnswerLength = 0;
    BYTE m_ucAddressInterface = 0;
    BYTE m_ucAddressOwn = 0;
    BYTE m_ucAckCS = 0;
    BYTE m_ucAckWCS = 0;
    BYTE m_ucRate = 25;
    int m_iStartParam = 0;
    BYTE m_ucBitMask[2][8] = {};
    std::unique_ptr<CFloat32> m_pFloat32;

private:
    // Builds the request for ucCode at the current addresses and returns it doubled.
    CString BuildRequest(BYTE ucCode, std::initializer_list<BYTE> data) const;
    void BuildStartMeasure(CString& strOut, char cChannel);
    // Keeps strBlock in the descriptor of ucBlockNr, checks it and returns the check result.
    int TakeBlockForDecoding(const CString& strBlock, BYTE ucBlockNr, CString* pstrTrace, ConfigBlock& block);
    void KeepWrittenBlock(CString& strBlock, const ConfigBlock& block, BYTE ucBlockNr);
    double ReadFloat(const ConfigBlock& block, int iIndex);
    BOOL WriteFloat(ConfigBlock& block, int iIndex, const double* pdValue);
    // Bits 0 to iBitCount - 1 of *pucValue into ucDest from iFirstBit; FALSE when the value is wider.
    BOOL WriteBitField(BYTE& ucDest, int iFirstBit, int iBitCount, const BYTE* pucValue) const;
    void WriteSerialText(ConfigBlock& block, const CString& strText, BOOL bChannelB) const;
};
