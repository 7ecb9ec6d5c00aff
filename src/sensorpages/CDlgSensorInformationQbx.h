// The sensor-information page (mode page 202): identity and calibration data of the connected sensor,
// its type and serial number, the interface's type, revision and device name with the measurands of
// its channels, the state and date of the factory and the user calibration, and per channel the serial
// number, range end value, accuracy class and measurement uncertainty. The page changes nothing; the
// second channel's fields are shown only for interfaces with two channels.
#pragma once

#include "protocol/CComPortInfoRole.h"
#include "sensorpages/CSensorPage.h"

#include <ctime>
#include <utility>
#include <vector>

class CComPort;
struct SensorStruct;

class CDlgSensorInformationQbx : public CSensorPage, public CComPortInfoRole
{
    DECLARE_DYNAMIC(CDlgSensorInformationQbx)

public:
    // A control id and the text the page writes into it.
    using ControlTexts = std::vector<std::pair<int, CString>>;

    explicit CDlgSensorInformationQbx(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // Every label in the interface language, the connected sensor's values (or "n.a." while no sensor is
    // selected) and the channel-B fields shown or hidden; FALSE when a label string is missing.
    BOOL UpdatePage();
    BOOL RefreshTexts() override { return UpdatePage(); }

    // ---- CComPortInfoRole: the sensor's configuration has been read; the page shows it now when it is
    // shown or when asked regardless, else when it is shown next.
    void Info_SetDataValid() override { m_bRefreshOnShow = 1; }
    void Info_UpdatePage(bool bOnlyWhenVisible) override;

    // The connected sensor's type number text and measurand name (CMeasurandLabel) in the interface
    // language.
    CString FormatRangeEndValue(CString* pstrOut, bool bWithMeasurand, int iValue, unsigned char ucTypeClass,
                                CString* pstrMeasurand, CString* pstrDeviceName);
    CString GetMeasurandLabel(CString* pstrOut, bool bWithMeasurand, int iChannel, CString* pstrMeasurand,
                              CString* pstrDeviceName);

    // ---- The page's texts, without window code
    // The value texts of a connected sensor, by control. adUncertainty: the uncertainty in percent of the
    // calibration in force for channels A and B.
    static ControlTexts SensorValueTexts(const SensorStruct& sSensor, const CString& strPortKey,
                                         int iLanguage, const double adUncertainty[2],
                                         bool bUserEqualsFactory);
    // "n.a." in every value control, "Sensor" in the sensor group.
    static ControlTexts NotAvailableTexts(int iLanguage);
    // The range end value of channel A (0) or B (1) with its unit; the measurands without a unit of their
    // own ('A', 'S', 'd') show the sensor's type number.
    static CString RangeEndText(const SensorStruct& sSensor, int iChannel, int iLanguage);
    // The accuracy class in percent with the language's decimal separator.
    static CString AccuracyText(BYTE ucCode, int iLanguage);
    // " 0,0066 %" for 0.0066 in German; "n.a." unless the value lies strictly between 0 and 5.
    static CString UncertaintyText(double dPercent, int iLanguage);
    // Whether the interface has a second channel: stator types 4 and 6, and 5 without the device bit.
    static bool ShowsChannelB(const SensorStruct& sSensor);
    // The texts name one measurand only for the single-channel interfaces: stator type 5 with the device
    // bit, and 7.
    static bool IsSingleChannelInterface(const SensorStruct& sSensor);

protected:
    void AttachRoles(CComPort& engine, bool bAttach) override;

private:
    int GetLanguage() const;
    const SensorStruct& GetSensor() const;
    bool IsSensorSelected() const;
    BOOL SetLabels(int iLanguage);
    void SetTexts(const ControlTexts& texts);
    static CString SensorGroupText(const SensorStruct& sSensor, const CString& strPortKey, int iLanguage);
    static CString CalibDateText(const tm& tmCalib, int iLanguage);
};
