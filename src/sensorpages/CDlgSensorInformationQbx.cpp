#include "sensorpages/CDlgSensorInformationQbx.h"

#include "controls/ControlTexts.h"
#include "measurement/CMeasurandLabel.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "protocol/ProtocolTexts.h"
#include "resources/resource.h"
#include "resources/resource_sensorpages.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CEnvironment.h"
#include "shell/CFrameDateTime.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgSensorInformationQbx, CSensorPage)

namespace
{
constexpr int MIN_GROUP_WIDTH = 475;
constexpr int MIN_GROUP_HEIGHT = 437;
const char* const NOT_AVAILABLE = "n.a.";
const char* const USB_PORT_NAME = "Tervane USB";
constexpr BYTE ADJUSTMENT_FACTORY = 2;
constexpr BYTE ADJUSTMENT_USER = 3;
constexpr double UNCERTAINTY_LIMIT = 5.0;
constexpr BYTE STATOR_TYPE_RS485 = 4;
constexpr BYTE STATOR_TYPE_INTERFACE = 5;
constexpr BYTE STATOR_TYPE_DSP = 6;
constexpr BYTE STATOR_TYPE_SINGLE_CHANNEL_USB = 7;

// The labels: control, string, followed by ":".
struct Label
{
    int iControl;
    UINT nStringId;
    bool bColon;
};
constexpr Label LABELS[] = {
    {IDC_INFO_GROUP, IDS_TREE_SENSOR_INFORMATION, false},
    {IDC_INFO_COMMON_GROUP, IDS_COMMON, false},
    {IDC_INFO_SENSOR_TYPE_LABEL, IDS_SENSOR_TYPE, true},
    {IDC_INFO_SERIAL_LABEL, IDS_SERIAL_NUMBER, true},
    {IDC_INFO_ID_LABEL, IDS_ID, true},
    {IDC_INFO_REVISION_LABEL, IDS_REVISION, true},
    {IDC_INFO_FACTORY_GROUP, IDS_FACTORY_ADJUSTMENT, false},
    {IDC_INFO_FACTORY_DATE_LABEL, IDS_ADJUSTMENT_CREATED, true},
    {IDC_INFO_USER_GROUP, IDS_USER_ADJUSTMENT, false},
    {IDC_INFO_USER_DATE_LABEL, IDS_ADJUSTMENT_CREATED, true},
    {IDC_INFO_CHANNEL_A_GROUP, IDS_CHANNEL_A, false},
    {IDC_INFO_SERIAL_A_GROUP, IDS_SERIAL_NUMBER, false},
    {IDC_INFO_RANGE_A_GROUP, IDS_RANGE_END, false},
    {IDC_INFO_ACCURACY_A_GROUP, IDS_ACCURACY_CLASS, false},
    {IDC_INFO_UNCERTAINTY_A_GROUP, IDS_UNCERTAINTY, false},
    {IDC_INFO_CHANNEL_B_GROUP, IDS_CHANNEL_B, false},
    {IDC_INFO_SERIAL_B_GROUP, IDS_SERIAL_NUMBER, false},
    {IDC_INFO_RANGE_B_GROUP, IDS_RANGE_END, false},
    {IDC_INFO_ACCURACY_B_GROUP, IDS_ACCURACY_CLASS, false},
    {IDC_INFO_UNCERTAINTY_B_GROUP, IDS_UNCERTAINTY, false},
};
constexpr int VALUE_CONTROLS[] = {
    IDC_INFO_SENSOR_TYPE,  IDC_INFO_SERIAL,        IDC_INFO_ID,         IDC_INFO_REVISION,
    IDC_INFO_SERIAL_A,     IDC_INFO_RANGE_A,       IDC_INFO_ACCURACY_A, IDC_INFO_UNCERTAINTY_A,
    IDC_INFO_SERIAL_B,     IDC_INFO_RANGE_B,       IDC_INFO_ACCURACY_B, IDC_INFO_UNCERTAINTY_B,
    IDC_INFO_FACTORY_DATE, IDC_INFO_FACTORY_STATE, IDC_INFO_USER_DATE,  IDC_INFO_USER_STATE};
constexpr int CHANNEL_B_CONTROLS[] = {
    IDC_INFO_CHANNEL_B_GROUP,  IDC_INFO_SERIAL_B_GROUP,      IDC_INFO_RANGE_B_GROUP,
    IDC_INFO_ACCURACY_B_GROUP, IDC_INFO_UNCERTAINTY_B_GROUP, IDC_INFO_SERIAL_B,
    IDC_INFO_RANGE_B,          IDC_INFO_ACCURACY_B,          IDC_INFO_UNCERTAINTY_B};

CString LoadText(UINT nId, int iLanguage)
{
    CString str;
    str.LoadString(nId + static_cast<UINT>(iLanguage));
    return str;
}

CString NumberText(int iValue)
{
    CString str;
    str.Format("%d", iValue);
    return str;
}
} // namespace

CDlgSensorInformationQbx::CDlgSensorInformationQbx(CWnd* pParent, void*)
    : CSensorPage(IDD_DLG_SENSOR_INFORMATION, pParent, IDC_INFO_GROUP,
                  CSize(MIN_GROUP_WIDTH, MIN_GROUP_HEIGHT))
{
}

void CDlgSensorInformationQbx::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachInfo(bAttach ? this : nullptr);
}

void CDlgSensorInformationQbx::Info_UpdatePage(bool bOnlyWhenVisible)
{
    if (!bOnlyWhenVisible || (GetSafeHwnd() && IsWindowVisible()))
    {
        UpdatePage();
        m_bRefreshOnShow = 0;
    }
    else
        m_bRefreshOnShow = 1;
}

int CDlgSensorInformationQbx::GetLanguage() const
{
    return GetLanguageOffset();
}

const SensorStruct& CDlgSensorInformationQbx::GetSensor() const
{
    return GetPageHost()->GetComPort().m_sSensor;
}

bool CDlgSensorInformationQbx::IsSensorSelected() const
{
    if (GetPageHost() == nullptr)
        return false;
    const CComPort& engine = GetPageHost()->GetComPort();
    return !engine.m_strActivePortKey.IsEmpty() && engine.m_strActivePortKey != engine.m_strClosedPortName;
}

CString CDlgSensorInformationQbx::FormatRangeEndValue(CString* pstrOut, bool bWithMeasurand, int iValue,
                                                      unsigned char ucTypeClass, CString* pstrMeasurand,
                                                      CString* pstrDeviceName)
{
    if (GetPageHost() == nullptr)
        return CString();
    return CMeasurandLabel::FormatRangeEndValue(pstrOut, bWithMeasurand, iValue, ucTypeClass, pstrMeasurand,
                                                pstrDeviceName, GetSensor(), GetLanguage());
}

CString CDlgSensorInformationQbx::GetMeasurandLabel(CString* pstrOut, bool bWithMeasurand, int iChannel,
                                                    CString* pstrMeasurand, CString* pstrDeviceName)
{
    if (GetPageHost() == nullptr)
        return CString();
    return CMeasurandLabel::GetMeasurandLabel(pstrOut, bWithMeasurand, iChannel, pstrMeasurand,
                                              pstrDeviceName, GetSensor(), GetLanguage());
}

// ---- Page ---------------------------------------------------------------------------------------------

BOOL CDlgSensorInformationQbx::UpdatePage()
{
    if (!GetSafeHwnd())
        return FALSE;
    const int iLanguage = GetLanguage();
    const BOOL bAll = SetLabels(iLanguage);
    if (IsSensorSelected())
    {
        CComPort& engine = GetPageHost()->GetComPort();
        const double adUncertainty[2] = {engine.COM_GetCalibInaccuracy(nullptr, nullptr, nullptr, 1),
                                         engine.COM_GetCalibInaccuracy(nullptr, nullptr, nullptr, 2)};
        SetTexts(SensorValueTexts(engine.m_sSensor, engine.m_strActivePortKey, iLanguage, adUncertainty,
                                  engine.COM_IsUserCalibEqualFactoryCalib()));
    }
    else
        SetTexts(NotAvailableTexts(iLanguage));
    const int iShow = GetPageHost() != nullptr && ShowsChannelB(GetSensor()) ? SW_SHOW : SW_HIDE;
    for (int iControl : CHANNEL_B_CONTROLS)
    {
        if (CWnd* pControl = GetDlgItem(iControl))
            pControl->ShowWindow(iShow);
    }
    return bAll;
}

BOOL CDlgSensorInformationQbx::SetLabels(int iLanguage)
{
    BOOL bAll = TRUE;
    for (const Label& label : LABELS)
    {
        CString strText;
        if (!strText.LoadString(label.nStringId + static_cast<UINT>(iLanguage)))
        {
            bAll = FALSE;
            continue;
        }
        SetDlgItemText(label.iControl, label.bColon ? strText + ":" : strText);
    }
    return bAll;
}

void CDlgSensorInformationQbx::SetTexts(const ControlTexts& texts)
{
    for (const auto& [iControl, strText] : texts)
        SetDlgItemText(iControl, strText);
}

// ---- Texts --------------------------------------------------------------------------------------------

CDlgSensorInformationQbx::ControlTexts CDlgSensorInformationQbx::NotAvailableTexts(int iLanguage)
{
    ControlTexts texts = {{IDC_INFO_SENSOR_GROUP, LoadText(IDS_SENSOR, iLanguage)}};
    for (int iControl : VALUE_CONTROLS)
        texts.emplace_back(iControl, NOT_AVAILABLE);
    return texts;
}

CDlgSensorInformationQbx::ControlTexts
CDlgSensorInformationQbx::SensorValueTexts(const SensorStruct& s, const CString& strPortKey, int iLanguage,
                                           const double adUncertainty[2], bool bUserEqualsFactory)
{
    const bool bFactory = s.ucAdjustment == ADJUSTMENT_FACTORY;
    const bool bUser = s.ucAdjustment == ADJUSTMENT_USER;
    const CString strActive = LoadText(IDS_PORT_ACTIVE, iLanguage);
    const CString strInactive = LoadText(IDS_INACTIVE, iLanguage);
    return {
        {IDC_INFO_SENSOR_TYPE,
         CMeasurandLabel::FormatRangeEndValue(nullptr, false, s.iStHeaderNo, s.ucTypeClassA, nullptr, nullptr,
                                              s, iLanguage)},
        {IDC_INFO_SENSOR_GROUP, SensorGroupText(s, strPortKey, iLanguage)},
        {IDC_INFO_SERIAL,
         s.ulSerialNo != 0 ? NumberText(static_cast<int>(s.ulSerialNo)) : CString(NOT_AVAILABLE)},
        {IDC_INFO_ID, NumberText(s.ucStatorType)},
        {IDC_INFO_REVISION, NumberText(s.ucStatorRev)},
        {IDC_INFO_SERIAL_A, s.strSerialNoA},
        {IDC_INFO_SERIAL_B, s.strSerialNoB},
        {IDC_INFO_RANGE_A, RangeEndText(s, 0, iLanguage)},
        {IDC_INFO_RANGE_B, RangeEndText(s, 1, iLanguage)},
        {IDC_INFO_ACCURACY_A, AccuracyText(s.ucAccuracyA, iLanguage)},
        {IDC_INFO_ACCURACY_B, AccuracyText(s.ucAccuracyB, iLanguage)},
        {IDC_INFO_UNCERTAINTY_A, UncertaintyText(adUncertainty[0], iLanguage)},
        {IDC_INFO_UNCERTAINTY_B, UncertaintyText(adUncertainty[1], iLanguage)},
        {IDC_INFO_FACTORY_STATE, bFactory ? strActive : strInactive},
        {IDC_INFO_FACTORY_DATE, CalibDateText(s.sFactoryCalib.tmCalib, iLanguage)},
        {IDC_INFO_USER_STATE, bUser ? strActive + (bUserEqualsFactory ? "*" : "") : strInactive},
        {IDC_INFO_USER_DATE, bUser ? CalibDateText(s.sUserCalib.tmCalib, iLanguage) : CString(NOT_AVAILABLE)},
    };
}

// "Sensor (TK-USB: Torque / Force)": the interface and the measurands of its channels.
CString CDlgSensorInformationQbx::SensorGroupText(const SensorStruct& s, const CString& strPortKey,
                                                  int iLanguage)
{
    CString strMeasurandA;
    CString strMeasurandB;
    CString strDevice;
    CMeasurandLabel::FormatRangeEndValue(nullptr, false, s.iStHeaderNo, s.ucTypeClassA, &strMeasurandA,
                                         &strDevice, s, iLanguage);
    CMeasurandLabel::FormatRangeEndValue(nullptr, false, s.iStHeaderNo, s.ucTypeClassB, &strMeasurandB,
                                         nullptr, s, iLanguage);
    if (s.ucStatorType == STATOR_TYPE_INTERFACE && s.ucInterfaceKind == 0 &&
        strPortKey.Find(USB_PORT_NAME) < 0)
        strDevice = "TK-RS485";
    CString strText = LoadText(IDS_SENSOR, iLanguage) + " (" + strDevice + ": " + strMeasurandA;
    if (!IsSingleChannelInterface(s))
        strText += " / " + strMeasurandB;
    return strText + ")";
}

CString CDlgSensorInformationQbx::RangeEndText(const SensorStruct& s, int iChannel, int iLanguage)
{
    const unsigned char ucTypeClass = iChannel == 1 ? s.ucTypeClassB : s.ucTypeClassA;
    if (ucTypeClass == 'A' || ucTypeClass == 'S' || ucTypeClass == 'd')
        return CMeasurandLabel::FormatRangeEndValue(nullptr, false, s.iStHeaderNo, ucTypeClass, nullptr,
                                                    nullptr, s, iLanguage);
    CString strNumber;
    CTervane_Send::TerSend_RangeCodeToText(strNumber,
                                           static_cast<UINT>(iChannel == 1 ? s.iRangeCodeB : s.iRangeCodeA));
    return CTervane_Send::TerSend_FormatValueWithUnit(strNumber, static_cast<char>(ucTypeClass), iLanguage,
                                                      nullptr, nullptr, nullptr, nullptr, nullptr);
}

CString CDlgSensorInformationQbx::AccuracyText(BYTE ucCode, int iLanguage)
{
    CString strText;
    CTervane_Send::TerSend_AccuracyCodeToText(strText, ucCode);
    if (strText.Find(NOT_AVAILABLE) >= 0)
        return strText;
    return LocalizeDecimalSeparator(iLanguage, strText) + " %";
}

CString CDlgSensorInformationQbx::UncertaintyText(double dPercent, int iLanguage)
{
    if (!(dPercent > 0.0 && dPercent < UNCERTAINTY_LIMIT))
        return NOT_AVAILABLE;
    CString strNumber;
    strNumber.Format("%f", dPercent);
    return " " + LocalizeDecimalSeparator(iLanguage, CEnvironment::StripTrailingZeros(strNumber)) + " %";
}

CString CDlgSensorInformationQbx::CalibDateText(const tm& tmCalib, int iLanguage)
{
    return CFrameDateTime::FormatDate(iLanguage, tmCalib.tm_mday, tmCalib.tm_mon, tmCalib.tm_year);
}

bool CDlgSensorInformationQbx::ShowsChannelB(const SensorStruct& s)
{
    switch (s.ucStatorType)
    {
        case STATOR_TYPE_RS485:
        case STATOR_TYPE_DSP:
            return true;
        case STATOR_TYPE_INTERFACE:
            return s.ucInterfaceKind == 0;
        default:
            return false;
    }
}

bool CDlgSensorInformationQbx::IsSingleChannelInterface(const SensorStruct& s)
{
    return (s.ucStatorType == STATOR_TYPE_INTERFACE && s.ucInterfaceKind != 0) ||
           s.ucStatorType == STATOR_TYPE_SINGLE_CHANNEL_USB;
}
