#include "measurement/CMeasurandLabel.h"

#include "measurement/MeasurementTexts.h"
#include "protocol/CTervane_Send.h"
#include "protocol/SensorStruct.h"

namespace
{
struct MeasurandEntry
{
    unsigned char ucTypeClass;
    int iStringId;
};
constexpr MeasurandEntry MEASURANDS[] = {{'A', IDS_MEASURAND_VOLTAGE},     {'D', IDS_MEASURAND_TORQUE},
                                         {'K', IDS_MEASURAND_FORCE},       {'S', IDS_MEASURAND_CURRENT},
                                         {'W', IDS_MEASURAND_WEIGHT},      {'X', IDS_MEASURAND_OTHER},
                                         {'d', IDS_MEASURAND_STRAIN_GAUGE}};
const char* const NOT_AVAILABLE = "n.a.";

bool NamesMeasurands(int iStatorType)
{
    return iStatorType >= 4 && iStatorType <= 7;
}
} // namespace

UINT CMeasurandLabel::MeasurandStringId(unsigned char ucTypeClass)
{
    for (const MeasurandEntry& entry : MEASURANDS)
    {
        if (entry.ucTypeClass == ucTypeClass)
            return static_cast<UINT>(entry.iStringId);
    }
    return 0;
}

CString CMeasurandLabel::MeasurandName(unsigned char ucTypeClass, int iLanguageOffset)
{
    const UINT nStringId = MeasurandStringId(ucTypeClass);
    CString strName;
    if (nStringId == 0 || !strName.LoadString(nStringId + static_cast<UINT>(iLanguageOffset)))
        strName = NOT_AVAILABLE;
    return strName;
}

CString CMeasurandLabel::FormatRangeEndValue(CString* pstrOut, bool bWithMeasurand, int iValue,
                                             unsigned char ucTypeClass, CString* pstrMeasurand,
                                             CString* pstrDeviceName, const SensorStruct& sSensor,
                                             int iLanguageOffset)
{
    CString strMeasurand = NOT_AVAILABLE;
    CString strDeviceName;
    CTervane_Send::TerSend_StatorTypeToDeviceName(strDeviceName, sSensor.ucStatorType, sSensor.ucStatorRev,
                                                  sSensor.ucInterfaceKind, sSensor.ucNoDigitalInput,
                                                  iLanguageOffset);
    CString strResult;
    if (NamesMeasurands(sSensor.ucStatorType))
    {
        strResult.Format("%d", iValue);
        if (MeasurandStringId(ucTypeClass) != 0)
        {
            strMeasurand = MeasurandName(ucTypeClass, iLanguageOffset);
            if (bWithMeasurand)
                strResult += " (" + strMeasurand + ")";
        }
    }
    if (pstrMeasurand)
        *pstrMeasurand = strMeasurand;
    if (pstrDeviceName)
        *pstrDeviceName = strDeviceName;
    if (pstrOut)
        *pstrOut = strResult;
    return strResult;
}

CString CMeasurandLabel::GetMeasurandLabel(CString* pstrOut, bool bWithMeasurand, int iChannel,
                                           CString* pstrMeasurand, CString* pstrDeviceName,
                                           const SensorStruct& sSensor, int iLanguageOffset)
{
    const unsigned char ucTypeClass = iChannel == 1 ? sSensor.ucTypeClassB : sSensor.ucTypeClassA;
    CString strLabel = FormatRangeEndValue(nullptr, bWithMeasurand, sSensor.iStHeaderNo, ucTypeClass,
                                           pstrMeasurand, pstrDeviceName, sSensor, iLanguageOffset);
    const int iOpen = strLabel.Find('(');
    if (iOpen >= 0 && strLabel.Find(')') >= 0)
    {
        strLabel = strLabel.Mid(iOpen + 1);
        const int iClose = strLabel.Find(')');
        if (iClose >= 0)
            strLabel = strLabel.Left(iClose);
    }
    strLabel += ":";
    if (pstrOut)
        *pstrOut = strLabel;
    return strLabel;
}
