#include "measurement/CPanelTexts.h"

#include "measurement/MeasurePanelState.h"
#include "protocol/Language.h"
#include "protocol/SensorStruct.h"
#include "shell/CEnvironment.h"

namespace
{
const char* const NOT_AVAILABLE = "n.a.";

CString Percent(double dValue, int iLanguageOffset)
{
    CString str;
    str.Format("%f", dValue);
    return LocalizeDecimalSeparator(iLanguageOffset, CEnvironment::StripTrailingZeros(str));
}
} // namespace

CString CPanelTexts::NotSupportedText(const CString& strIntro, const CString& strErrorCode,
                                      CString strKindText, int iNumber)
{
    const int iParenthesis = strKindText.Find(')');
    if (iParenthesis >= 0)
    {
        const char cNumber = iNumber > 10 ? '*' : static_cast<char>('0' + iNumber);
        strKindText =
            strKindText.Left(iParenthesis) + CString(cNumber, 1) + strKindText.Mid(iParenthesis + 1);
    }
    return strIntro + "\n\n" + strErrorCode + ": " + strKindText;
}

CString CPanelTexts::NotAvailableLine(const CString& strCaption)
{
    return strCaption + ": " + NOT_AVAILABLE;
}

CString CPanelTexts::SerialNumberLine(const CString& strCaption, ULONG ulSerialNo)
{
    if (ulSerialNo == 0)
        return NotAvailableLine(strCaption);
    CString str;
    str.Format("%s: %lu", strCaption.GetString(), ulSerialNo);
    return str;
}

bool CPanelTexts::ShowsTwoChannels(const SensorStruct& sSensor)
{
    if (sSensor.ucStatorType == 7)
        return false;
    return !(sSensor.ucStatorType == 5 && sSensor.ucInterfaceKind == 1);
}

CString CPanelTexts::RangeLine(const CString& strCaption, bool bTwoChannels, const CString& strRangeA,
                               const CString& strRangeB)
{
    if (bTwoChannels)
        return strCaption + " ( A / B ): " + strRangeA + " / " + strRangeB;
    return strCaption + " ( A ): " + strRangeA;
}

CString CPanelTexts::UncertaintyLine(CString strCaption, bool bTwoChannels, bool bValidA, double dA,
                                     bool bValidB, double dB, int iLanguageOffset)
{
    strCaption.Remove(':');
    const bool bShowB = bValidB && bTwoChannels;
    if (bValidA && bShowB)
        return strCaption + " ( A / B ): " + Percent(dA, iLanguageOffset) + " % / " +
               Percent(dB, iLanguageOffset) + " %";
    if (bValidA)
        return strCaption + " ( A ): " + Percent(dA, iLanguageOffset) + " %";
    if (bShowB)
        return strCaption + " ( B ): " + Percent(dB, iLanguageOffset) + " %";
    return NotAvailableLine(strCaption);
}

CString CPanelTexts::ButtonStateText(const MeasurePanelState& s)
{
    CString str;
    str.Format("\t\t\t sIsVisible.BtnMeasureStart   = %d\n\t\t\t sIsVisible.BtnMeasureStop    = %d\n"
               "\t\t\t sIsVisible.BtnTrigger        = %d\n\t\t\t sIsVisible.BtnSingleShot     = %d\n"
               "\t\t\t sIsVisible.BtnCtrl           = %d\n",
               s.sIsVisible[MeasurePanelState::BTN_MEASURE_START],
               s.sIsVisible[MeasurePanelState::BTN_MEASURE_STOP],
               s.sIsVisible[MeasurePanelState::BTN_TRIGGER], s.sIsVisible[MeasurePanelState::BTN_SINGLE_SHOT],
               s.sIsVisible[MeasurePanelState::BTN_CTRL]);
    return str;
}
