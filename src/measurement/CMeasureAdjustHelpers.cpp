#include "measurement/CMeasureAdjustHelpers.h"

#include "measurement/CEditInput.h"
#include "measurement/CMeasureHost.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasureAdjustStruct.h"

#include <cstdlib>
#include <cstring>

namespace
{
constexpr int ID_NOT_AVAILABLE = 5129;
constexpr int MAX_FIXED_DECIMALS = 7;
constexpr int MANY_DECIMALS = 8;
constexpr int LANGUAGE_ENGLISH = 1000;

struct RateEntry
{
    int iStringId;
    double dSamplePeriod;
};
constexpr RateEntry RATES[CMeasureAdjustHelpers::RATE_CODES] = {
    {5169, 0.0002},   {5170, 0.0004}, {5171, 0.0008},    {5172, 0.001}, {5173, 0.002},
    {5174, 0.004},    {5175, 0.005},  {5305, 1.0 / 185}, {5176, 0.01},  {5177, 0.02},
    {5306, 1.0 / 33}, {5178, 0.04},   {5179, 0.05},      {5180, 0.1},   {5181, 1.0},
    {5182, 1.2},      {5183, 3.0},    {5184, 6.0},       {5185, 60.0},  {5186, 3600.0}};

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
    return iSign == 1 ? 5254 : 5253;
}

int CMeasureAdjustHelpers::GetAxisQuantityStringId(int iQuantity)
{
    const int aiIds[] = {5158, 5144, ID_CHANNEL_A, ID_CHANNEL_B};
    return IdOf(aiIds, iQuantity, ID_NOT_AVAILABLE);
}

int CMeasureAdjustHelpers::GetStartSourceStringId(int iSource)
{
    const int aiIds[] = {5188, ID_CHANNEL_A, ID_CHANNEL_B, 5159};
    return IdOf(aiIds, iSource, ID_NOT_AVAILABLE);
}

int CMeasureAdjustHelpers::GetStopSourceStringId(int iSource)
{
    const int aiIds[] = {5189, ID_CHANNEL_A, ID_CHANNEL_B, 5160, 5161};
    return IdOf(aiIds, iSource, ID_NOT_AVAILABLE);
}

int CMeasureAdjustHelpers::GetDirectionStringId(int iDirection)
{
    const int aiIds[] = {5162, 5163};
    return IdOf(aiIds, iDirection, ID_NOT_AVAILABLE);
}

// ---- Numbers

CString CMeasureAdjustHelpers::ConvertDecimalSeparator(CString strText, int iLanguage)
{
    if (iLanguage == 0 || iLanguage == 2000 || iLanguage == 3000)
        strText.Replace('.', ',');
    else if (iLanguage == LANGUAGE_ENGLISH)
        strText.Replace(',', '.');
    return strText;
}

CString CMeasureAdjustHelpers::FormatNumber(double dValue, int iDecimals, int iLanguage)
{
    if (iDecimals < 0 || iDecimals > MAX_FIXED_DECIMALS)
        iDecimals = MANY_DECIMALS;
    CString strText;
    strText.Format("%0.*f", iDecimals, dValue);
    if (iLanguage != LANGUAGE_ENGLISH)
        strText = ConvertDecimalSeparator(strText, iLanguage);
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
    if ((iId != ID_CHANNEL_A && iId != ID_CHANNEL_B) || !m_pMeasureHost)
        return iDefault;
    const ChannelSettingsStruct* psChannel = m_pMeasureHost->GetChannels();
    return psChannel ? psChannel[iId == ID_CHANNEL_A ? 0 : 1].iDecimals : iDefault;
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
