#include "storage/CCsvHeader.h"

#include "measurement/CMeasurandLabel.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CTervane_Send.h"
#include "protocol/ProtocolTexts.h"
#include "sensorpages/SensorPageTexts.h"
#include "storage/CDocumentationRules.h"
#include "storage/StorageTexts.h"

namespace
{
const char* const DASH_LINE = "-------------------------------------------------------";
const char* const NOT_AVAILABLE = "n.a.";

// "first" or "first SEP second" by the number of channels listed.
CString Channels(const CString& strA, const CString& strB, bool bTwo, const CString& strSeparator)
{
    return bTwo ? strA + strSeparator + strB : strA;
}
} // namespace

int CCsvHeader::SensorKind(const SensorStruct& sSensor)
{
    if (sSensor.ucStatorType == 5)
        return sSensor.ucInterfaceKind ? KIND_SINGLE_INTERFACE : KIND_TWO_CHANNEL_INTERFACE;
    return sSensor.ucStatorType == 7 ? KIND_SINGLE_SENSOR : KIND_OTHER;
}

CString CCsvHeader::Text(int iId, int iLanguage)
{
    CString strText;
    strText.LoadString(static_cast<UINT>(iId + iLanguage));
    return strText;
}

CString CCsvHeader::UncertaintyEntry(double dValue, char cDecimal)
{
    if (!(dValue > 0.0 && dValue < 5.0))
        return NOT_AVAILABLE;
    CString strValue;
    strValue.Format("%3.4f", dValue);
    return CDocumentationRules::ApplyDecimalSeparator(strValue, cDecimal) + " %";
}

CString CCsvHeader::Build(const CsvHeaderSource& src)
{
    const int L = src.iLanguage;
    const CString& LE = src.strLineEnd;
    const CString& SEP = src.strSeparator;
    const SensorStruct& s = src.sSensor;
    const int iKind = SensorKind(s);
    const bool bTwo = iKind == KIND_TWO_CHANNEL_INTERFACE || iKind == KIND_OTHER;
    auto label = [&](int iId) { return Text(iId, L) + ":"; };

    CString strText = CString(DASH_LINE) + LE;
    const struct
    {
        BYTE bOn;
        int iLabel;
        const CString* pstrText;
    } blocks[] = {{src.bHeadline, IDS_DOCU_HEADLINE, &src.strHeadline},
                  {src.bAddress, IDS_COLUMN_ADDRESS, &src.strAddress},
                  {src.bComment, IDS_DOCU_COMMENT, &src.strComment}};
    for (const auto& block : blocks)
    {
        if (block.bOn)
            strText += label(block.iLabel) + LE + *block.pstrText + LE + LE;
    }
    strText += label(IDS_HEADER_MEASUREMENT_INFO) + LE + LE;

    // The sensor.
    CString strMeasurandA, strMeasurandB, strDeviceName;
    const CString strTypeNumber = CMeasurandLabel::FormatRangeEndValue(
        nullptr, false, s.iStHeaderNo, s.ucTypeClassA, &strMeasurandA, &strDeviceName, s, L);
    CMeasurandLabel::FormatRangeEndValue(nullptr, false, s.iStHeaderNo, s.ucTypeClassB, &strMeasurandB,
                                         nullptr, s, L);
    if (iKind == KIND_TWO_CHANNEL_INTERFACE && src.strPortKey.Find("Tervane USB") < 0)
        strDeviceName = "TK-RS485";
    CString strSerial;
    strSerial.Format("%d", static_cast<int>(s.ulSerialNo));
    CString strAccuracy[2];
    const BYTE aucAccuracy[2] = {s.ucAccuracyA, s.ucAccuracyB};
    for (int i = 0; i < 2; ++i)
    {
        CTervane_Send::TerSend_AccuracyCodeToText(strAccuracy[i], aucAccuracy[i]);
        if (strAccuracy[i].Find(NOT_AVAILABLE) < 0)
            strAccuracy[i] = CDocumentationRules::ApplyDecimalSeparator(strAccuracy[i], src.cDecimal) + " %";
    }
    strText += Text(IDS_SENSOR, L) + ": " + strDeviceName + SEP +
               Channels(strMeasurandA, strMeasurandB, bTwo, SEP) + LE;
    strText += label(IDS_SENSOR_TYPE) + SEP + strTypeNumber + LE;
    strText += label(IDS_SERIAL_NUMBER) + SEP + strSerial + LE + LE;
    strText += Text(IDS_SERIAL_NUMBER, L) + " (" + Text(IDS_HEADER_CHANNEL, L) + "):" + SEP +
               Channels(s.strSerialNoA, s.strSerialNoB, bTwo, SEP) + LE;
    strText +=
        label(IDS_RANGE_END) + SEP +
        Channels(CDocumentationRules::ApplyDecimalSeparator(src.strRangeEndA, src.cDecimal),
                 CDocumentationRules::ApplyDecimalSeparator(src.strRangeEndB, src.cDecimal), bTwo, SEP) +
        LE;
    strText += label(IDS_ACCURACY_CLASS) + SEP + Channels(strAccuracy[0], strAccuracy[1], bTwo, SEP) + LE;
    if (src.bUncertainty)
    {
        const CString strA = UncertaintyEntry(src.dUncertaintyA, src.cDecimal);
        const CString strB = UncertaintyEntry(src.dUncertaintyB, src.cDecimal);
        strText += label(IDS_DOCU_UNCERTAINTY) + SEP +
                   (iKind == KIND_OTHER ? strA + "/" + strB : Channels(strA, strB, bTwo, SEP)) + LE + LE;
    }

    // The measurement set-up.
    strText +=
        label(IDS_SAMPLING_RATE) + SEP + Text(CMeasureAdjustHelpers::GetRateStringId(src.iRateCode), L) + LE;
    CString strMeanA, strMeanB;
    strMeanA.Format("%d", CMeasureAdjustHelpers::GetMeanFactor(src.iMeanCodeA));
    strMeanB.Format("%d", CMeasureAdjustHelpers::GetMeanFactor(src.iMeanCodeB));
    strText += label(IDS_HEADER_MOVING_AVERAGE) + SEP + Channels(strMeanA, strMeanB, bTwo, SEP) + LE +
               (bTwo ? CString() : LE);
    CString strCount;
    strCount.Format("%d", static_cast<int>(src.uAveragingCount));
    strText += Text(IDS_AVERAGING_REDUCTION, L) + " " + strCount + " " +
               Text(src.uAveragingCount > 1 ? IDS_AVERAGING_VALUES : IDS_AVERAGING_VALUE, L) + LE;
    strText += label(IDS_FACTORY_ADJUSTMENT) + SEP + src.strFactoryDate + " " +
               Text(s.ucAdjustment == 2 ? IDS_PORT_ACTIVE : IDS_INACTIVE, L) + LE;
    const bool bUserActive = s.ucAdjustment == 3;
    strText += label(IDS_USER_ADJUSTMENT) + SEP + (bUserActive ? src.strUserDate : CString(NOT_AVAILABLE)) +
               " " +
               (bUserActive ? Text(IDS_PORT_ACTIVE, L) + (src.bUserCalibEqualsFactory ? "*" : "")
                            : Text(IDS_INACTIVE, L)) +
               LE + LE;
    if (src.bTriggerCycle)
    {
        const CString strTrigger = Text(IDS_TRIGGER, L) + " - ";
        const CString strSource = " - " + label(IDS_SOURCE) + SEP;
        strText += strTrigger + Text(IDS_TRIGGER_START, L) + strSource +
                   Text(CMeasureAdjustHelpers::GetStartSourceStringId(src.iStartSource), L) + LE;
        strText += strTrigger + Text(IDS_TRIGGER_STOP, L) + strSource +
                   Text(CMeasureAdjustHelpers::GetStopSourceStringId(src.iStopSource), L) + LE + LE;
    }
    if (src.bDateTime)
        strText += label(IDS_HEADER_START) + SEP + src.strStartDate + SEP + src.strStartTime + LE + LE + LE;
    return strText + src.strColumnPart;
}
