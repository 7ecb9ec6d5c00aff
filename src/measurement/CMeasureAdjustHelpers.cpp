#include "measurement/CMeasureAdjustHelpers.h"

#include "controls/ControlTexts.h"
#include "measurement/CEditInput.h"
#include "measurement/CMeasureTextHost.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"

#include <cstdlib>
#include <cstring>

namespace
{
constexpr int MAX_FIXED_DECIMALS = 7;
constexpr int MANY_DECIMALS = 8;

struct RateEntry
{
    int iStringId;
    double dSamplePeriod;
};
constexpr RateEntry RATES[CMeasureAdjustHelpers::RATE_CODES] = {
    {IDS_RATE_5000_PER_SECOND, 0.0002}, {IDS_RATE_2500_PER_SECOND, 0.0004}, {IDS_RATE_1250_PER_SECOND, 0.0008},
    {IDS_RATE_1000_PER_SECOND, 0.001},  {IDS_RATE_500_PER_SECOND, 0.002},   {IDS_RATE_250_PER_SECOND, 0.004},
    {IDS_RATE_200_PER_SECOND, 0.005},   {IDS_RATE_185_PER_SECOND, 1.0 / 185}, {IDS_RATE_100_PER_SECOND, 0.01},
    {IDS_RATE_50_PER_SECOND, 0.02},     {IDS_RATE_33_PER_SECOND, 1.0 / 33}, {IDS_RATE_25_PER_SECOND, 0.04},
    {IDS_RATE_20_PER_SECOND, 0.05},     {IDS_RATE_10_PER_SECOND, 0.1},      {IDS_RATE_1_PER_SECOND, 1.0},
    {IDS_RATE_50_PER_MINUTE, 1.2},      {IDS_RATE_20_PER_MINUTE, 3.0},      {IDS_RATE_10_PER_MINUTE, 6.0},
    {IDS_RATE_1_PER_MINUTE, 60.0},      {IDS_RATE_1_PER_HOUR, 3600.0}};

template <size_t N> int IdOf(const int (&aiIds)[N], int iCode, int iDefault)
{
    return iCode >= 0 && iCode < static_cast<int>(N) ? aiIds[iCode] : iDefault;
}

bool IsSeparator(char ch)
{
    return ch == ',' || ch == '.';
}

bool IsSign(char ch)
{
    return ch == '+' || ch == '-';
}

bool HasOnly(const CString& str, const char* pszChars)
{
    for (int i = 0; i < str.GetLength(); ++i)
    {
        if (!std::strchr(pszChars, str.GetAt(i)))
            return false;
    }
    return true;
}
} // namespace

// ---- Tables

int CMeasureAdjustHelpers::GetRateStringId(int iRateCode)
{
    return iRateCode >= 0 && iRateCode < RATE_CODES ? RATES[iRateCode].iStringId : 0;
}

double CMeasureAdjustHelpers::GetSamplePeriod(int iRateCode)
{
    return iRateCode >= 0 && iRateCode < RATE_CODES ? RATES[iRateCode].dSamplePeriod : 1.0;
}

void CMeasureAdjustHelpers::SetSamplePeriodFromRate(MeasureAdjustStruct& sMeasureAdjust, int iRateCode)
{
    sMeasureAdjust.dSamplePeriod = GetSamplePeriod(iRateCode);
}

int CMeasureAdjustHelpers::GetMeanFactor(int iMeanCode)
{
    return iMeanCode >= 1 && iMeanCode <= 9 ? 1 << iMeanCode : 1;
}

int CMeasureAdjustHelpers::GetSignStringId(int iSign)
{
    return iSign == 1 ? IDS_SIGN_MINUS : IDS_SIGN_PLUS;
}

int CMeasureAdjustHelpers::GetAxisQuantityStringId(int iQuantity)
{
    const int aiIds[] = {IDS_OFF, IDS_TIME, IDS_CHANNEL_A, IDS_CHANNEL_B};
    return IdOf(aiIds, iQuantity, IDS_NOT_AVAILABLE);
}

int CMeasureAdjustHelpers::GetStartSourceStringId(int iSource)
{
    const int aiIds[] = {IDS_START_SOURCE_OFF, IDS_CHANNEL_A, IDS_CHANNEL_B, IDS_SYSTEM_TIME};
    return IdOf(aiIds, iSource, IDS_NOT_AVAILABLE);
}

int CMeasureAdjustHelpers::GetStopSourceStringId(int iSource)
{
    const int aiIds[] = {IDS_STOP_SOURCE_OFF, IDS_CHANNEL_A, IDS_CHANNEL_B, IDS_MEASURE_DURATION, IDS_MEASURE_COUNT};
    return IdOf(aiIds, iSource, IDS_NOT_AVAILABLE);
}

int CMeasureAdjustHelpers::GetDirectionStringId(int iDirection)
{
    const int aiIds[] = {IDS_OVER_RUN, IDS_UNDER_RUN};
    return IdOf(aiIds, iDirection, IDS_NOT_AVAILABLE);
}

// ---- Numbers

CString CMeasureAdjustHelpers::FormatNumber(double dValue, int iDecimals, int iLanguage)
{
    if (iDecimals < 0 || iDecimals > MAX_FIXED_DECIMALS)
        iDecimals = MANY_DECIMALS;
    CString strText;
    strText.Format("%0.*f", iDecimals, dValue);
    strText = LocalizeDecimalSeparator(iLanguage, strText);
    if ((dValue < 0.0 && HasOnly(strText, "0-,.")) || (dValue == 0.0 && strText.GetAt(0) == '-'))
        strText.Delete(0, 1);
    return strText;
}

CString CMeasureAdjustHelpers::FormatMeasuredValue(double dValue, int iId, int iLanguage, int iDecimals) const
{
    return FormatNumber(dValue, ChannelDecimals(iId, iDecimals),
                        iLanguage == FILE_LANGUAGE ? m_iFileLanguage : iLanguage);
}

CString CMeasureAdjustHelpers::GetValueFormat(int iId, int* piDecimalsOut, const int* piDecimals) const
{
    int iDecimals = piDecimals ? *piDecimals : ChannelDecimals(iId, 0);
    if (iDecimals < 0 || iDecimals > MAX_FIXED_DECIMALS)
        iDecimals = MANY_DECIMALS;
    if (piDecimalsOut)
        *piDecimalsOut = iDecimals;
    CString strFormat;
    strFormat.Format("%%0.%df", iDecimals);
    return strFormat;
}

int CMeasureAdjustHelpers::ChannelDecimals(int iId, int iDefault) const
{
    if ((iId != IDS_CHANNEL_A && iId != IDS_CHANNEL_B) || !m_pMeasureHost)
        return iDefault;
    const ChannelSettingsStruct* psChannel = m_pMeasureHost->GetChannels();
    return psChannel ? psChannel[iId == IDS_CHANNEL_A ? 0 : 1].iDecimals : iDefault;
}

int CMeasureAdjustHelpers::CurrentLanguage() const
{
    return m_pMeasureHost ? m_pMeasureHost->GetLanguageOffset() : LANGUAGE_ENGLISH;
}

// ---- Typed input

CString CMeasureAdjustHelpers::FilterEditInput(CEditInput& edit, BYTE& bUpdateFlag,
                                               const char* pszAllowed) const
{
    return FilterEditText(edit, bUpdateFlag, pszAllowed, CurrentLanguage());
}

CString CMeasureAdjustHelpers::FilterEditText(CEditInput& edit, BYTE& bUpdateFlag, const char* pszAllowed,
                                              int iLanguage)
{
    int iStart = 0;
    int iEnd = 0;
    edit.GetSel(iStart, iEnd);
    const CString strText = edit.GetText();
    if (iStart != iEnd || iStart <= 0 || iStart > strText.GetLength())
        return strText;
    int nSeparators = 0;
    int nSigns = 0;
    for (int i = 0; i < strText.GetLength(); ++i)
    {
        nSeparators += IsSeparator(strText.GetAt(i)) ? 1 : 0;
        nSigns += IsSign(strText.GetAt(i)) ? 1 : 0;
    }
    const char chTyped = strText.GetAt(iStart - 1);
    const bool bAllowed = chTyped != '\0' && std::strchr(pszAllowed, chTyped) != nullptr;
    const char chRight = iLanguage == LANGUAGE_ENGLISH ? '.' : ',';
    const bool bSeparator = IsSeparator(chTyped);
    const bool bReplace = nSeparators == 1 && bSeparator && chTyped != chRight;
    const bool bRemove = !bAllowed || (bSeparator && (nSeparators > 1 || iStart == 1)) ||
                         (IsSign(chTyped) && (nSigns > 1 || iStart > 1));
    if (bRemove || bReplace)
    {
        const BYTE bPrevious = bUpdateFlag;
        bUpdateFlag = 1;
        edit.ReplaceRange(iStart - 1, iStart, bRemove ? CString() : CString(chRight, 1));
        bUpdateFlag = bPrevious;
    }
    return edit.GetText();
}

double CMeasureAdjustHelpers::GetEditValue(CEditInput& edit, BYTE& bUpdateFlag, const char* pszAllowed) const
{
    CString strText = FilterEditInput(edit, bUpdateFlag, pszAllowed);
    strText.Replace(',', '.');
    return std::atof(strText);
}
