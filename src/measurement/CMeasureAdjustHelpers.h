// The number and unit helpers of the measure-configuration page, shared by the whole measurement side:
// measuring-rate texts and sample periods, averaging factors, the string ids of the trigger and axis
// choices, the value formatter with a fixed number of decimals and
// the filter of typed numeric input. They need no window: CDlgMeasureAdjust derives from this class, and
// the main frame and the panes call them through the page. The unit tables are CUnitTable.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "protocol/Language.h"

class CEditInput;
class CMeasureTextHost;
struct MeasureAdjustStruct;

class CMeasureAdjustHelpers
{
public:
    // Language argument of FormatMeasuredValue that selects the file language.
    static constexpr int FILE_LANGUAGE = -1;
    static constexpr int RATE_CODES = 20;

    // ---- Tables
    // String id of a MeasuringRateCode's text; 0 outside 0-19.
    static int GetRateStringId(int iRateCode);
    // Sample period in seconds; 1.0 outside 0-19.
    static double GetSamplePeriod(int iRateCode);
    static void SetSamplePeriodFromRate(MeasureAdjustStruct& sMeasureAdjust, int iRateCode);
    // Averaging window of an averaging code: 2^code for 1-9, else 1.
    static int GetMeanFactor(int iMeanCode);
    static int GetSignStringId(int iSign);
    static int GetAxisQuantityStringId(int iQuantity);
    static int GetStartSourceStringId(int iSource);
    static int GetStopSourceStringId(int iSource);
    static int GetDirectionStringId(int iDirection);

    // ---- Numbers
    // The value with iDecimals decimals (0-7; any other count prints 8) in the language's separator,
    // never with a minus before a shown zero.
    static CString FormatNumber(double dValue, int iDecimals, int iLanguage);
    // As FormatNumber; the channel names IDS_CHANNEL_A and IDS_CHANNEL_B as iId take that channel's
    // decimals, FILE_LANGUAGE the file language.
    CString FormatMeasuredValue(double dValue, int iId, int iLanguage, int iDecimals) const;
    void SetFileLanguage(int iLanguage) { m_iFileLanguage = iLanguage; }
    // The printf format of the decimals of a channel id (0 for other ids), or of the decimals given.
    CString GetValueFormat(int iId, int* piDecimalsOut = nullptr, const int* piDecimals = nullptr) const;

    // ---- Typed input
    // Checks the character just typed in front of the caret: a character outside pszAllowed, a second
    // separator, a second sign, a separator in first place or a sign after it is removed, and a
    // separator of the other language replaced. bUpdateFlag is set while the text is changed. Returns
    // the text.
    CString FilterEditInput(CEditInput& edit, BYTE& bUpdateFlag, const char* pszAllowed) const;
    static CString FilterEditText(CEditInput& edit, BYTE& bUpdateFlag, const char* pszAllowed, int iLanguage);
    // The filtered text as a number (commas read as points); 0 for a text that is not a number.
    double GetEditValue(CEditInput& edit, BYTE& bUpdateFlag, const char* pszAllowed) const;

    // The main frame: the current language and the channel records.
    CMeasureTextHost* m_pMeasureHost = nullptr;
    int m_iFileLanguage = LANGUAGE_ENGLISH;

private:
    int ChannelDecimals(int iId, int iDefault) const;
    int CurrentLanguage() const;
};
