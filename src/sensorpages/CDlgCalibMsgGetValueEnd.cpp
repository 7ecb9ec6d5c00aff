#include "sensorpages/CDlgCalibMsgGetValueEnd.h"

#include "controls/ControlTexts.h"
#include "framework/CEdit.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/ShellMessages.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CDlgCalibMsgGetValueEnd, CCalibMsgDialog)

BEGIN_MESSAGE_MAP(CDlgCalibMsgGetValueEnd, CCalibMsgDialog)
ON_EN_CHANGE(IDC_CALIB_ADJUST_A, OnChangeAdjustA)
ON_EN_CHANGE(IDC_CALIB_ADJUST_B, OnChangeAdjustB)
ON_EN_CHANGE(IDC_CALIB_RANGE_A, EmptyHandler)
ON_EN_CHANGE(IDC_CALIB_RANGE_B, EmptyHandler)
ON_BN_CLICKED(IDC_CALIB_COPY_A_TO_B, OnBtnCopyAToB)
END_MESSAGE_MAP()

namespace
{
constexpr int ADJUST_LIMIT = 8;
constexpr int DIGITS_LIMIT = 5;
constexpr int CHANNEL_B_CONTROLS[] = {IDC_CALIB_UNIT_RANGE_B,   IDC_CALIB_UNIT_ADJUST_B, IDC_CALIB_HEAD_B,
                                      IDC_CALIB_RANGE_B,        IDC_CALIB_ADJUST_B,      IDC_CALIB_DIGITS_B,
                                      IDC_CALIB_DIGITS_LABEL_B, IDC_CALIB_COPY_A_TO_B};
// The reading kind of the engine for the scale values.
constexpr int READ_SCALE = 1;

struct ChannelFields
{
    int iRange;
    int iRangeUnit;
    int iAdjust;
    int iAdjustUnit;
    int iDigits;
};
constexpr ChannelFields CHANNEL_FIELDS[2] = {{IDC_CALIB_RANGE_A, IDC_CALIB_UNIT_RANGE_A, IDC_CALIB_ADJUST_A,
                                              IDC_CALIB_UNIT_ADJUST_A, IDC_CALIB_DIGITS_A},
                                             {IDC_CALIB_RANGE_B, IDC_CALIB_UNIT_RANGE_B, IDC_CALIB_ADJUST_B,
                                              IDC_CALIB_UNIT_ADJUST_B, IDC_CALIB_DIGITS_B}};

CString DotDecimals(CString str)
{
    str.Replace(',', '.');
    return str;
}
} // namespace

CDlgCalibMsgGetValueEnd::CDlgCalibMsgGetValueEnd(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_CALIB_VALUE_END, pPage, WM_REGISTER_DLG_CALIB_VALUE_END)
{
}

bool CDlgCalibMsgGetValueEnd::FillTexts()
{
    CDlgSensorCalibration& page = GetPage();
    UpdateProgressBar();
    for (int iControl : {IDC_CALIB_ADJUST_A, IDC_CALIB_ADJUST_B})
        SendDlgItemMessage(iControl, EM_LIMITTEXT, ADJUST_LIMIT);
    for (int iControl : {IDC_CALIB_DIGITS_A, IDC_CALIB_DIGITS_B})
        SendDlgItemMessage(iControl, EM_LIMITTEXT, DIGITS_LIMIT);
    for (int iControl : CHANNEL_B_CONTROLS)
        ShowItem(iControl, page.m_bSingleChannel != 1);

    bool bAll = true;
    SetCaption(IDS_TREE_SENSOR_CALIBRATION, bAll);
    SetItemText(IDC_CALIB_END_TEXT, IDS_LOAD_ADJUST_VALUE, bAll);
    SetItemText(IDC_CALIB_END_NOTE, IDS_ADJUST_VALUE_NOTE, bAll);
    SetItemText(IDC_CALIB_HEAD_A, IDS_CHANNEL_A, bAll);
    SetItemText(IDC_CALIB_HEAD_B, IDS_CHANNEL_B, bAll);
    SetDlgItemText(IDC_CALIB_RANGE_LABEL, LoadText(IDS_UPPER_RANGE_VALUE, bAll) + ":");
    SetDlgItemText(IDC_CALIB_ADJUST_LABEL, LoadText(IDS_ADJUST_VALUE, bAll) + ":");
    SetItemText(IDOK, IDS_CONTINUE, bAll);
    SetItemText(IDCANCEL, IDS_CANCEL, bAll);

    if (page.m_bMeasureOnShow == 1)
    {
        // The digits shown are those the computation reads from the operator's entry.
        int iErrors = 0;
        page.CalcualteCalibValues(0, 0, &iErrors);
        page.CalcualteCalibValues(0, 1, &iErrors);
    }
    FillChannel(0);
    FillChannel(1);
    if (m_pMainFrame != nullptr)
        m_pMainFrame->FocusEditSelectAll(GetDlgItem(IDC_CALIB_ADJUST_A));

    if (page.m_bMeasureOnShow == 1)
    {
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        page.m_bMeasureOnShow = 0;
        CComPort& engine = Engine();
        engine.COM_ClearCalibIdle();
        engine.COM_ZMCOMConfgReadRawCalibInit(READ_SCALE);
    }
    return bAll;
}

void CDlgCalibMsgGetValueEnd::FillChannel(int iChannel)
{
    CDlgSensorCalibration& page = GetPage();
    const SensorStruct& s = Engine().m_sSensor;
    const ChannelFields& fields = CHANNEL_FIELDS[iChannel];
    CString strRange;
    CTervane_Send::TerSend_RangeCodeToText(strRange,
                                           static_cast<UINT>(iChannel == 0 ? s.iRangeCodeA : s.iRangeCodeB));
    const char cTypeClass = static_cast<char>(iChannel == 0 ? s.ucTypeClassA : s.ucTypeClassB);
    CString strValue;
    CString strUnit;
    CTervane_Send::TerSend_FormatValueWithUnit(strRange, cTypeClass, GetLanguage(), &strValue, &strUnit,
                                               nullptr, nullptr, nullptr);
    (iChannel == 0 ? page.m_dRangeEndShownA : page.m_dRangeEndShownB) = std::atof(DotDecimals(strValue));
    SetDlgItemText(fields.iRange, strValue);
    SetDlgItemText(fields.iRangeUnit, strUnit);
    SetDlgItemText(fields.iAdjustUnit, strUnit);

    CString strKept;
    const bool bKept = iChannel == 0 ? page.TakeAdjustTextA(strKept) : page.TakeAdjustTextB(strKept);
    SetDlgItemText(fields.iAdjust, bKept ? LocalizeDecimalSeparator(GetLanguage(), strKept) : strValue);

    int iDigits = iChannel == 0 ? page.m_iDigitsA : page.m_iDigitsB;
    if (page.m_bMeasureOnShow == 0)
    {
        const CalibBlockValues& block = page.m_ucCalibKind == 1 ? s.sUserCalib : s.sFactoryCalib;
        iDigits = iChannel == 0 ? block.iCalib23 : block.iCalib25;
    }
    CString strDigits;
    strDigits.Format("%d", iDigits);
    SetDlgItemText(fields.iDigits, strDigits);
}

void CDlgCalibMsgGetValueEnd::OnChangeAdjustA()
{
    if (!m_bBusyA)
        GetPage().m_dAdjustA = GetEditValue(IDC_CALIB_ADJUST_A, m_bBusyA, m_strAllowedA);
}

void CDlgCalibMsgGetValueEnd::OnChangeAdjustB()
{
    if (!m_bBusyB)
        GetPage().m_dAdjustB = GetEditValue(IDC_CALIB_ADJUST_B, m_bBusyB, m_strAllowedB);
}

void CDlgCalibMsgGetValueEnd::OnBtnCopyAToB()
{
    CString str;
    GetDlgItemText(IDC_CALIB_DIGITS_A, str);
    SetDlgItemText(IDC_CALIB_DIGITS_B, str);
    GetDlgItemText(IDC_CALIB_ADJUST_A, str);
    SetDlgItemText(IDC_CALIB_ADJUST_B, str);
}

void CDlgCalibMsgGetValueEnd::OnOK()
{
    CDlgSensorCalibration& page = GetPage();
    auto text = [this](int iControl)
    {
        CString str;
        GetDlgItemText(iControl, str);
        return str;
    };
    if (page.m_bSingleChannel == 1)
    {
        SetDlgItemText(IDC_CALIB_RANGE_B, text(IDC_CALIB_RANGE_A));
        SetDlgItemText(IDC_CALIB_ADJUST_B, text(IDC_CALIB_ADJUST_A));
        SetDlgItemText(IDC_CALIB_DIGITS_B, text(IDC_CALIB_DIGITS_A));
    }
    StorePosition();
    if (page.CheckScaleValues(text(IDC_CALIB_RANGE_A), text(IDC_CALIB_ADJUST_A), text(IDC_CALIB_RANGE_B),
                              text(IDC_CALIB_ADJUST_B)))
    {
        if (m_pMainFrame != nullptr)
            m_pMainFrame->BeginWaitCursorOnce();
        page.m_dRangeEndA = std::atof(DotDecimals(text(IDC_CALIB_RANGE_A)));
        page.m_dRangeEndB = std::atof(DotDecimals(text(IDC_CALIB_RANGE_B)));
        page.m_dAdjustA = std::atof(DotDecimals(text(IDC_CALIB_ADJUST_A)));
        page.m_dAdjustB = std::atof(DotDecimals(text(IDC_CALIB_ADJUST_B)));
        page.m_strDigitsA = text(IDC_CALIB_DIGITS_A);
        page.m_strDigitsB = text(IDC_CALIB_DIGITS_B);
        page.m_bScaleCheckFailed = 0;
    }
    else
        page.m_bScaleCheckFailed = 1;
    EndDialog(IDOK);
}

void CDlgCalibMsgGetValueEnd::CloseFromProtocol()
{
    if (m_pMainFrame != nullptr)
        m_pMainFrame->EndWaitCursorOnce();
    CCalibMsgDialog::OnOK();
}
