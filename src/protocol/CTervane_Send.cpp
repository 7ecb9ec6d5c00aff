// Construction, request frames, doubling and the answer check.
#include "protocol/CTervane_Send.h"

#include "protocol/CFloat32.h"

#include <algorithm>
#include <span>
#include <vector>

namespace
{
constexpr const char* BLOCK_NAMES[CTervane_Send::BLOCK_KINDS] = {
    "Stator Header", "Stator Hardware",     "Stator Operation", "Stator SoftwareConfig",
    "Rotor  Header", "Rotor  FactoryCalib", "Rotor  UserCalib", "Rotor  Operation"};

constexpr BYTE RATE_BYTES[] = {1, 2, 4, 5, 10, 20, 25, 27, 50, 100, 151, 200, 250};

constexpr BYTE NO_DATA = 0;
constexpr BYTE CTRL_ON = 1;
constexpr BYTE CTRL_OFF = 0;
constexpr BYTE STREAM_START_SUBCODE = 0x03;

void CheckBytes(std::span<const BYTE> bytes, BYTE& ucCS, BYTE& ucWCS)
{
    unsigned uCS = 0;
    unsigned uWCS = 0;
    for (const BYTE uc : bytes)
    {
        uCS = (uCS + uc) & 0xFFu;
        uWCS += uCS;
        if (uWCS > 0xFFu)
            uWCS = uWCS - 0x100u + 1u;
    }
    ucCS = static_cast<BYTE>(uCS);
    ucWCS = static_cast<BYTE>(uWCS);
}

CString Stuffed(std::span<const BYTE> frame)
{
    CString str;
    bool bFirst = true;
    for (const BYTE uc : frame)
    {
        str += static_cast<char>(uc);
        if (uc == CTervane_Send::STX && !bFirst)
            str += static_cast<char>(uc);
        bFirst = false;
    }
    return str;
}

std::vector<BYTE> FrameBytes(BYTE ucCode, BYTE ucAddress1, BYTE ucAddress2, std::span<const BYTE> data)
{
    std::vector<BYTE> frame;
    frame.reserve(data.size() + 7);
    for (const BYTE uc : {CTervane_Send::STX, ucCode, ucAddress1, ucAddress2, static_cast<BYTE>(data.size())})
        frame.push_back(uc);
    for (const BYTE uc : data)
        frame.push_back(uc);
    BYTE ucCS = 0;
    BYTE ucWCS = 0;
    CheckBytes(std::span(frame).subspan(1), ucCS, ucWCS);
    frame.push_back(ucCS);
    frame.push_back(ucWCS);
    return frame;
}
} // namespace

CTervane_Send::CTervane_Send() : m_pFloat32(std::make_unique<CFloat32>())
{
    for (int i = 0; i < BLOCK_KINDS; ++i)
        m_sBlock.at(i).strName = BLOCK_NAMES[i];
    for (int iBit = 0; iBit < 8; ++iBit)
    {
        m_ucBitMask[0][iBit] = static_cast<BYTE>(1u << iBit);
        m_ucBitMask[1][iBit] = static_cast<BYTE>(~(1u << iBit));
    }
}

CTervane_Send::~CTervane_Send() = default;

CString CTervane_Send::BuildRequest(BYTE ucCode, std::initializer_list<BYTE> data) const
{
    return Stuffed(
        FrameBytes(ucCode, m_ucAddressInterface, m_ucAddressOwn, std::span(data.begin(), data.size())));
}

void CTervane_Send::TerSend_SetAddress(BYTE ucInterfaceAddress, BYTE ucOwnAddress)
{
    m_ucAddressInterface = ucInterfaceAddress;
    m_ucAddressOwn = ucOwnAddress;
    CString strDiscarded;
    TerSend_Ack(strDiscarded, TRUE);
}

void CTervane_Send::TerSend_ReadRaw(CString& strOut)
{
    m_ucCommand = CODE_READ_RAW;
    m_iAnswerLength = 16;
    strOut = BuildRequest(CODE_READ_RAW, {});
}

void CTervane_Send::TerSend_ReadStatusLong(CString& strOut)
{
    m_ucCommand = CODE_STATUS_LONG;
    m_iAnswerLength = 21;
    strOut = BuildRequest(CODE_STATUS_LONG, {});
}

void CTervane_Send::TerSend_RestartSensor(CString& strOut)
{
    m_ucCommand = CODE_RESTART;
    strOut = BuildRequest(CODE_RESTART, {});
}

void CTervane_Send::TerSend_SetCtrlOn(CString& strOut)
{
    m_ucCommand = CODE_CTRL;
    strOut = BuildRequest(CODE_CTRL, {CTRL_ON});
}

void CTervane_Send::TerSend_SetCtrlOff(CString& strOut)
{
    m_ucCommand = CODE_CTRL;
    strOut = BuildRequest(CODE_CTRL, {CTRL_OFF});
}

void CTervane_Send::BuildStartMeasure(CString& strOut, char cChannel)
{
    m_ucCommand = CODE_START_STREAM;
    strOut = BuildRequest(CODE_START_STREAM,
                          {STREAM_START_SUBCODE, m_ucRate, static_cast<BYTE>(m_iStartParam >> 8),
                           static_cast<BYTE>(m_iStartParam), static_cast<BYTE>(cChannel)});
}

void CTervane_Send::TerSend_StartMeasureAB(CString& strOut)
{
    BuildStartMeasure(strOut, 'C');
}

void CTervane_Send::TerSend_StartMeasureA(CString& strOut)
{
    BuildStartMeasure(strOut, 'A');
}

void CTervane_Send::TerSend_StartMeasureB(CString& strOut)
{
    BuildStartMeasure(strOut, 'B');
}

void CTervane_Send::ReadConfig(CString* pstrOut, BYTE ucBlockNr)
{
    m_ucCommand = CODE_READ_CONFIG;
    m_iAnswerLength = 40;
    m_ucBlockNr = ucBlockNr;
    if (pstrOut)
        *pstrOut = BuildRequest(CODE_READ_CONFIG, {ucBlockNr});
}

void CTervane_Send::TerSend_Ack(CString& strOut, BOOL bExpectedAnswer)
{
    m_ucCommand = CODE_ACK;
    m_iAnswerLength = 7;
    if (!bExpectedAnswer)
    {
        strOut = BuildRequest(CODE_ACK, {});
        return;
    }
    const std::vector<BYTE> frame = FrameBytes(CODE_ACK, m_ucAddressOwn, m_ucAddressInterface, {});
    m_ucAckCS = frame.at(5);
    m_ucAckWCS = frame.at(6);
    strOut = Stuffed(frame);
}

int CTervane_Send::TerSend_Nack(BYTE* pucBuffer, int iBufferSize)
{
    m_ucCommand = CODE_NAK;
    m_iAnswerLength = 8;
    const std::vector<BYTE> frame = FrameBytes(CODE_NAK, m_ucAddressInterface, m_ucAddressOwn, {});
    std::array<BYTE, NAK_BUFFER_SIZE> aucStuffed = {};
    std::copy(frame.begin(), frame.end(), aucStuffed.begin());
    int iLength = static_cast<int>(frame.size());
    TerSend_StuffBuffer(aucStuffed.data(), iLength, NAK_BUFFER_SIZE);
    if (!pucBuffer || iLength > iBufferSize)
        return 0;
    std::copy_n(aucStuffed.begin(), iLength, pucBuffer);
    return iLength;
}

void CTervane_Send::TerSend_SetMeasuringRate(UINT uiRateCode)
{
    if (uiRateCode < std::size(RATE_BYTES))
        m_ucRate = RATE_BYTES[uiRateCode];
}

void CTervane_Send::TerSend_CalcCheckBytes(const BYTE* pucFirst, BYTE* pucOut, int iCountLessOne)
{
    const std::size_t nCount = iCountLessOne < 0 ? 0 : static_cast<std::size_t>(iCountLessOne) + 1;
    CheckBytes(std::span(pucFirst, nCount), pucOut[0], pucOut[1]);
}

BOOL CTervane_Send::TerSend_FrameToString(CString& strOut, const BYTE* pucFrame, std::size_t nSize)
{
    strOut.Empty();
    const std::span<const BYTE> frame(pucFrame, nSize);
    if (frame.size() < 5 || frame.size() < static_cast<std::size_t>(frame[4]) + 7)
        return FALSE;
    strOut = Stuffed(frame.first(static_cast<std::size_t>(frame[4]) + 7));
    return TRUE;
}

BOOL CTervane_Send::TerSend_StuffBuffer(BYTE* pucBuffer, int& iLength, int iCapacity)
{
    if (iLength <= 0)
        return TRUE;
    const std::span<const BYTE> source(pucBuffer, static_cast<std::size_t>(iLength));
    const CString strStuffed = Stuffed(source);
    if (strStuffed.GetLength() > iCapacity)
        return FALSE;
    for (int i = 0; i < strStuffed.GetLength(); ++i)
        pucBuffer[i] = static_cast<BYTE>(strStuffed.GetAt(i));
    iLength = strStuffed.GetLength();
    return TRUE;
}

int CTervane_Send::TerSend_CheckAnswer(const CString& strAnswer, BOOL bBlockMode)
{
    const int iLength = strAnswer.GetLength();
    if (!bBlockMode && iLength > MAX_ANSWER_LENGTH)
        return ANSWER_TOO_LONG;
    // At most 41 bytes are taken; every read below goes through the copy's checked accessor.
    std::vector<BYTE> copy;
    for (int i = 0; i < iLength && i < MAX_ANSWER_LENGTH; ++i)
        copy.push_back(static_cast<BYTE>(strAnswer.GetAt(i)));
    if (copy.size() < 5)
        return ANSWER_TOO_SHORT;
    const int iData = copy.at(4);
    if (bBlockMode && iData > MAX_ANSWER_LENGTH - 8)
        return ANSWER_CS_WRONG + ANSWER_WCS_WRONG;
    if (static_cast<int>(copy.size()) < iData + 7)
        return ANSWER_TOO_SHORT;
    const std::size_t nCheck = bBlockMode ? static_cast<std::size_t>(iData) + 5 : copy.size() - 2;
    BYTE ucCS = 0;
    BYTE ucWCS = 0;
    CheckBytes(std::span(copy).subspan(1, static_cast<std::size_t>(iData) + 4), ucCS, ucWCS);
    int iResult = ANSWER_OK;
    if (copy.at(nCheck) != ucCS)
        iResult += ANSWER_CS_WRONG;
    if (copy.at(nCheck + 1) != ucWCS)
        iResult += ANSWER_WCS_WRONG;
    return iResult;
}
