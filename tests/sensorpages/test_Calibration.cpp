// The calibration page's rules without windows: the zero window, the scale-value and control-signal
// checks, the Q15 conversion, the computation of the calibration with its error bits and trace, the
// progress, the engine's calibration role, and the message texts with their bounds. Then the end-value
// and uncertainty dialogs as windows over the page.
#include "controls/ControlTexts.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgCalibInaccuracyDefine.h"
#include "sensorpages/CDlgCalibInaccuracyRangeFailure.h"
#include "sensorpages/CDlgCalibMsgGetValueEnd.h"
#include "sensorpages/CDlgCalibMsgWrongScaleValue.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "support/FakePageHost.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
class CFakeCalibHost : public CFakePageHost, public CCalibHost
{
public:
    std::vector<CString> m_trace;
    int m_iWaitCursor = 0;

    void BeginWaitCursorOnce() override { m_iWaitCursor = 1; }
    void EndWaitCursorOnce() override { m_iWaitCursor = 0; }
    bool IsWaitCursorOn() override { return m_iWaitCursor != 0; }
    void FocusEditSelectAll(CWnd* pEdit) override
    {
        if (pEdit != nullptr)
            pEdit->SetFocus();
    }
    void AddTraceLine(const CString& strLine) override { m_trace.push_back(strLine); }
};

CString Text(int iId, int iLanguage)
{
    CString str;
    str.LoadString(static_cast<UINT>(iId + iLanguage));
    return str;
}

class CalibrationRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_page.SetPageHost(&m_host);
        m_page.m_pMainFrame = &m_host;
    }
    CalibValuesStruct& Channel(int iChannel) { return m_host.GetComPort().m_sCalibValues[iChannel]; }
    SensorStruct& Sensor() { return m_host.GetComPort().m_sSensor; }
    // Raw readings of a channel: zero, control and scale.
    void SetReadings(int iChannel, int iZero, int iCtrl, int iScale)
    {
        CalibValuesStruct& c = Channel(iChannel);
        c.iRawZero = iZero;
        c.iRawCtrl = iCtrl;
        c.iRawScale = iScale;
    }
    // Both channels: range ends (rotor header and as shown), accepted adjust values and typed digits.
    void SetEntries(double dRangeA, double dAdjustA, double dRangeB, double dAdjustB, const char* pszDigits)
    {
        Sensor().dRangeA = m_page.m_dRangeEndShownA = dRangeA;
        Sensor().dRangeB = m_page.m_dRangeEndShownB = dRangeB;
        m_page.m_dAcceptedAdjustA = dAdjustA;
        m_page.m_dAcceptedAdjustB = dAdjustB;
        m_page.m_strDigitsA = m_page.m_strDigitsB = pszDigits;
    }

    CFakeCalibHost m_host;
    CDlgSensorCalibration m_page;
};
} // namespace

TEST_F(CalibrationRules, TheZeroWindowIncludesItsBoundsOnBothChannels)
{
    const struct
    {
        int iZeroA;
        int iZeroB;
        int iExpected;
    } cases[] = {{24768, 40768, 0}, {40768, 24768, 0}, {24767, 32768, 1}, {40769, 32768, 1},
                 {32768, 24767, 2}, {32768, 40769, 2}, {0, 65535, 3}};
    for (const auto& c : cases)
    {
        Channel(0).iRawZero = c.iZeroA;
        Channel(1).iRawZero = c.iZeroB;
        EXPECT_EQ(c.iExpected, m_page.CheckZeroWindow()) << c.iZeroA << " / " << c.iZeroB;
    }
}

TEST_F(CalibrationRules, TheAdjustValueLiesStrictlyBetweenAQuarterAndEightTimesTheRangeEnd)
{
    const struct
    {
        const char* pszAdjust;
        bool bPass;
    } cases[] = {{"25", false},    {"25.001", true}, {"800", false},
                 {"799.99", true}, {"", false},      {"abc", false}};
    for (const auto& c : cases)
    {
        m_page.m_bKeepAdjustA = 0;
        EXPECT_EQ(c.bPass, m_page.CheckScaleValues("100", c.pszAdjust, "100", "100")) << c.pszAdjust;
        EXPECT_EQ(c.bPass ? 1 : 0, m_page.m_bKeepAdjustA) << c.pszAdjust;
    }
    // German decimals are read as points; a passing channel keeps its value when the other one fails.
    m_page.m_bKeepAdjustA = m_page.m_bKeepAdjustB = 0;
    EXPECT_FALSE(m_page.CheckScaleValues("2", "1,5", "2", "0,5"));
    EXPECT_EQ(1.5, m_page.m_dAdjustA);
    EXPECT_EQ("1.5", m_page.m_strAdjustA);
    EXPECT_EQ(1.5, m_page.m_dAcceptedAdjustA);
    EXPECT_EQ(1, m_page.m_bKeepAdjustA);
    EXPECT_EQ(0, m_page.m_bKeepAdjustB);
    CString strKept;
    EXPECT_TRUE(m_page.TakeAdjustTextA(strKept));
    EXPECT_EQ("1.5", strKept);
    EXPECT_FALSE(m_page.TakeAdjustTextA(strKept));
    EXPECT_EQ("2", strKept);
}

TEST_F(CalibrationRules, TheControlSignalMustMoveTheReadingByMoreThan2500Counts)
{
    const struct
    {
        int iCtrl;
        bool bMoved;
    } cases[] = {{32500, false}, {32501, true}, {27500, false}, {27499, true}, {30000, false}};
    for (const auto& c : cases)
    {
        SetReadings(1, 30000, c.iCtrl, 0);
        EXPECT_EQ(c.bMoved, m_page.CheckControlSignal(1, 0)) << c.iCtrl;
    }
    Channel(0).iValZero = -100;
    Channel(0).iValCtrl = 2401;
    EXPECT_TRUE(m_page.CheckControlSignal(0, 1));
    Channel(0).iValCtrl = 2400;
    EXPECT_FALSE(m_page.CheckControlSignal(0, 1));
    EXPECT_FALSE(m_page.CheckControlSignal(2, 0));
    EXPECT_FALSE(m_page.CheckControlSignal(0, 2));
}

TEST(CalibrationQ15, ConvertsZeroToTwoAndRefusesTheRest)
{
    const struct
    {
        double x;
        bool bOk;
        int iQ15;
    } cases[] = {{2.0, true, 65536},
                 {-0.0001, false, 0},
                 {0.0, true, 0},
                 {1.0, true, 32768},
                 {0.99999, true, 32767},
                 {2.0001, false, 0},
                 {std::numeric_limits<double>::quiet_NaN(), false, 0}};
    for (const auto& c : cases)
    {
        int iOut = -1;
        EXPECT_EQ(c.bOk, CDlgSensorCalibration::ToQ15(c.x, &iOut)) << c.x;
        EXPECT_EQ(c.iQ15, iOut) << c.x;
    }
}

// Zero 32000, control 42000 and load 44000 counts; 2000 digits typed; the adjust value 16 of a range
// end of 20 (ratio 0.75, which cancels out of the scale gain).
TEST_F(CalibrationRules, TheWorkedExampleGivesItsConstantsAndTraceLines)
{
    SetReadings(0, 32000, 42000, 44000);
    SetReadings(1, 33000, 43000, 45000);
    SetEntries(20.0, 15.0, 5.0, 5.0, "2000");
    int iErrors = -1;
    ASSERT_TRUE(m_page.CalcualteCalibValues(0, 0, &iErrors));
    EXPECT_EQ(0, iErrors);
    EXPECT_EQ(768, Channel(0).slOffset);
    EXPECT_EQ(-232, Channel(1).slOffset);
    EXPECT_EQ(6553, Channel(0).dGainCtrl);
    EXPECT_EQ(5461, Channel(0).dCtrl);
    EXPECT_EQ(5461, Channel(1).dCtrl);
    EXPECT_EQ(53333, m_page.m_iDigitsA);
    EXPECT_EQ(10000, m_page.m_iDigitsB);
    EXPECT_EQ(0.75, m_page.m_dRatioA);
    const std::vector<CString> expected = {
        "",
        "",
        "",
        "bool CDlgSensorCalibration::CalcualteCalibValues( void ) \t\t\t bIsCalibTrue = 1 "
        "dPercentOfUpperRangeValueChA = 0.04 dPercentOfUpperRangeValueChB = 0.20",
        "\t Channel 0:  slOffset = 768    dGainCtrl = 0.200000  /   6553     dCtrl = 0.166667  /   5461",
        "\t Channel 1:  slOffset = -232    dGainCtrl = 0.200000  /   6553     dCtrl = 0.166667  /   5461",
        "",
        ""};
    EXPECT_EQ(expected, m_host.m_trace);

    // The calibration role: the result may be written once, for the user calibration of a running
    // sequence only; the digits go into bytes 23-26.
    m_host.GetComPort().COM_ClearCalibIdle();
    m_page.m_ucCalibKind = 1;
    int iRoleErrors = 0;
    ASSERT_TRUE(m_page.Calib_CalcualteCalibValues(0, 0, iRoleErrors));
    EXPECT_TRUE(m_page.Calib_IsNewCalibReady());
    EXPECT_FALSE(m_page.Calib_IsNewCalibReady());
    int iCalib23 = 0;
    int iCalib25 = 0;
    m_page.Calib_GetBlockValues(iCalib23, iCalib25);
    EXPECT_EQ(53333, iCalib23);
    EXPECT_EQ(10000, iCalib25);
    ASSERT_TRUE(m_page.Calib_CalcualteCalibValues(0, 0, iRoleErrors));
    m_host.GetComPort().COM_SetCalibIdle();
    EXPECT_FALSE(m_page.Calib_IsNewCalibReady()) << "a reading given up is not written";
    m_page.m_ucCalibKind = 0;
    m_host.GetComPort().COM_ClearCalibIdle();
    ASSERT_TRUE(m_page.Calib_CalcualteCalibValues(0, 0, iRoleErrors));
    EXPECT_FALSE(m_page.Calib_IsNewCalibReady()) << "a factory adjustment is not written";
}

TEST_F(CalibrationRules, TheErrorBitsCollectEveryFailingValue)
{
    const struct
    {
        const char* pszWhat;
        int aiA[3];
        int aiB[3];
        int iErrors;
    } cases[] = {
        // Loads not above zero + 0.4 x digits on both channels: no gain is computed.
        {"both loads too small", {32768, 42768, 33568}, {32768, 42768, 33000}, 16 | 32},
        // Control span 500 gives gain 4, load span 900 gives 2.2: both gains of A, none of B.
        {"gains of A above 2", {32768, 33268, 33668}, {32768, 42768, 44768}, 1 | 4},
        {"gains of both above 2", {32768, 33268, 33668}, {32768, 33268, 33668}, 1 | 2 | 4 | 8},
        // No visible control signal: a control gain of 0 is refused like any unusable gain.
        {"zero control gain of B", {32768, 42768, 44768}, {32768, 32768, 44768}, 128},
    };
    SetEntries(20.0, 20.0, 5.0, 5.0, "2000");
    for (const auto& c : cases)
    {
        SetReadings(0, c.aiA[0], c.aiA[1], c.aiA[2]);
        SetReadings(1, c.aiB[0], c.aiB[1], c.aiB[2]);
        m_host.m_trace.clear();
        int iErrors = 0;
        EXPECT_FALSE(m_page.CalcualteCalibValues(0, 0, &iErrors)) << c.pszWhat;
        EXPECT_EQ(c.iErrors, iErrors) << c.pszWhat;
        EXPECT_EQ(2000, m_page.m_iDigitsA) << c.pszWhat << ": the typed digits stay";
    }
    // With both loads too small the trace shows the start values.
    ASSERT_GE(m_host.m_trace.size(), size_t(4));
    SetReadings(0, 32768, 42768, 33568);
    SetReadings(1, 32768, 42768, 33000);
    m_host.m_trace.clear();
    int iErrors = 0;
    m_page.CalcualteCalibValues(0, 0, &iErrors);
    EXPECT_NE(-1, m_host.m_trace[3].Find(
                      "dPercentOfUpperRangeValueChA = 66.60 dPercentOfUpperRangeValueChB = 66.60"));
    EXPECT_NE(-1, m_host.m_trace[4].Find("dGainCtrl = 1.000000"));
}

// The block's fields are 16 bits wide: digits rescaled beyond 65535 and a scale gain of 0 (no range end
// in the rotor header) are refused, with a trace line, instead of being written wrapped.
TEST_F(CalibrationRules, ValuesThatDoNotFitTheBlockAreRefused)
{
    SetReadings(0, 32768, 42768, 44768);
    SetReadings(1, 32768, 42768, 44768);
    SetEntries(20.0, 10.0, 5.0, 5.0, "2000");
    Sensor().dRangeB = 0.0;
    int iErrors = 0;
    EXPECT_FALSE(m_page.CalcualteCalibValues(0, 0, &iErrors));
    EXPECT_EQ(CDlgSensorCalibration::ERROR_FIELD_RANGE_A | CDlgSensorCalibration::ERROR_FIELD_RANGE_B,
              iErrors);
    EXPECT_EQ(2000, m_page.m_iDigitsA);
    EXPECT_EQ(0, Channel(1).dCtrl);
    int iRefusals = 0;
    for (const CString& strLine : m_host.m_trace)
        iRefusals += strLine.Find("does not fit") >= 0 ? 1 : 0;
    EXPECT_EQ(2, iRefusals);
}

// A control reading too close to the zero asks whether the channel has no built-in control: Yes takes
// the load reading as control reading, No keeps it.
TEST_F(CalibrationRules, AChannelWithoutVisibleControlIsCalibratedOnItsLoadWhenTheOperatorSaysSo)
{
    SetReadings(0, 32768, 42768, 44768);
    SetEntries(20.0, 20.0, 5.0, 5.0, "2000");
    for (int iAnswer : {IDNO, IDYES})
    {
        SetReadings(1, 32768, 33000, 44768);
        ScriptedMessageBoxes boxes({iAnswer});
        int iErrors = 0;
        m_page.CalcualteCalibValues(1, 0, &iErrors);
        ASSERT_EQ(size_t(1), boxes.Calls().size());
        EXPECT_NE(-1, boxes.Calls()[0].strText.Find("Kanal B bei aufgeschalteter Kontrolle"));
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2), boxes.Calls()[0].nType);
        EXPECT_EQ(iAnswer == IDYES ? 44768 : 33000, Channel(1).iRawCtrl);
    }
    // A channel marked in the zero step is not asked for.
    SetReadings(1, 32768, 33000, 44768);
    Channel(1).bNoBuiltInCtrl = 1;
    ScriptedMessageBoxes boxes;
    int iErrors = 0;
    EXPECT_TRUE(m_page.CalcualteCalibValues(1, 0, &iErrors));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CalibrationRules, TheProgressReaches4000InStepsOf40)
{
    m_page.ResetCalibSequence();
    EXPECT_EQ(4000, m_page.m_iProgressRange);
    for (int i = 0; i < 4000; ++i)
        m_page.AdvanceCalibProgress(0);
    EXPECT_EQ(4000, m_page.m_iProgressPos);
    EXPECT_EQ(100, m_page.m_iProgressUpdates);
    // Another argument adds nothing, but still counts an update on a multiple of 40.
    m_page.AdvanceCalibProgress(7);
    EXPECT_EQ(4000, m_page.m_iProgressPos);
    EXPECT_EQ(101, m_page.m_iProgressUpdates);
}

TEST(CalibrationTexts, TheWrongScaleMessageStatesTheBoundsInTheLanguagesDecimals)
{
    const CString strEnglish = CDlgCalibMsgWrongScaleValue::FormatBoundsText(
        Text(IDS_WRONG_SCALE_VALUE, LANGUAGE_ENGLISH), LANGUAGE_ENGLISH);
    EXPECT_NE(-1,
              strEnglish.Find("[ upper range value · 8.0 ] > [ adjust value ] > [ upper range value / 4.0 ]"))
        << strEnglish.GetString();
    const CString strGerman = CDlgCalibMsgWrongScaleValue::FormatBoundsText(
        Text(IDS_WRONG_SCALE_VALUE, LANGUAGE_GERMAN), LANGUAGE_GERMAN);
    EXPECT_NE(-1, strGerman.Find("· 8,0 ]")) << strGerman.GetString();
    EXPECT_NE(-1, strGerman.Find("/ 4,0 ]")) << strGerman.GetString();
}

TEST(CalibrationTexts, TheUncertaintyRangeReads5And0InEveryLanguage)
{
    for (int iLanguage : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH})
    {
        const CString strText = CDlgCalibInaccuracyRangeFailure::ReplaceFirstMark(
            CDlgCalibInaccuracyRangeFailure::ReplaceFirstMark(Text(IDS_UNCERTAINTY_OUT_OF_RANGE, iLanguage),
                                                              5.0, iLanguage),
            0.0, iLanguage);
        EXPECT_NE(-1, strText.Find("[ 5 % ] > [ ")) << strText.GetString();
        EXPECT_NE(-1, strText.Find(" ] > [ 0 % ]")) << strText.GetString();
    }
    EXPECT_EQ("0,25", CDlgCalibInaccuracyDefine::UncertaintyText(0.25, true, LANGUAGE_GERMAN));
    EXPECT_EQ("0.1234", CDlgCalibInaccuracyDefine::UncertaintyText(0.1234, true, LANGUAGE_ENGLISH));
    EXPECT_EQ("0,0000", CDlgCalibInaccuracyDefine::UncertaintyText(0.25, false, LANGUAGE_FRENCH));
    EXPECT_EQ("0.0000", CDlgCalibInaccuracyDefine::UncertaintyText(7.0, false, LANGUAGE_ENGLISH));
}

namespace
{
std::string ItemText(HWND hDialog, int iControl)
{
    char szText[256] = {};
    ::GetDlgItemTextA(hDialog, iControl, szText, sizeof(szText));
    return szText;
}

// The page on a view, with a frame that takes the dialogs' registrations, for a two-channel sensor
// with the factory calibration in force.
class CalibrationDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_view.Create(800, 500));
        ASSERT_TRUE(m_frame.Create(100, 100));
        m_host.m_pFrame = &m_frame;
        m_host.m_iLanguage = LANGUAGE_GERMAN;
        SensorStruct& s = m_host.GetComPort().m_sSensor;
        s.ucStatorType = 5;
        s.ucInterfaceKind = 0;
        s.ucTypeClassA = s.ucTypeClassB = 'D';
        s.iRangeCodeA = 0x3200;
        s.iRangeCodeB = 0x2500;
        s.ucAdjustment = 2;
        s.sUserCalib.iCalib23 = 20000;
        s.sUserCalib.iCalib25 = 10000;
        m_page.SetPageHost(&m_host);
        ASSERT_TRUE(m_page.Create(IDD_DLG_SENSOR_CALIBRATION, &m_view));
        m_page.ResetCalibSequence();
        m_page.m_ucCalibKind = 1;
    }
    void TearDown() override { m_page.DestroyWindow(); }

    CFakeCalibHost m_host;
    CPlainWindow m_view;
    CPlainWindow m_frame;
    CDlgSensorCalibration m_page;
};
} // namespace

// Entry mode: the upper range values and units, the adjust values starting at them, the digits of the
// user calibration; "-->" copies A's adjust value and digits to B; Continue stores the entries and the
// dialog's position.
TEST_F(CalibrationDialogs, TheEndValueStepTakesTheEntriesOfBothChannels)
{
    const std::string strCaption = Text(IDS_TREE_SENSOR_CALIBRATION, LANGUAGE_GERMAN).GetString();
    CDlgCalibMsgGetValueEnd dlg(&m_page);
    ModalScript script;
    std::string strRangeA;
    std::string strRangeB;
    script.Then(strCaption.c_str(),
                [&](HWND h)
                {
                    strRangeA = ItemText(h, IDC_CALIB_RANGE_A);
                    strRangeB = ItemText(h, IDC_CALIB_RANGE_B);
                    EXPECT_EQ(strRangeA, ItemText(h, IDC_CALIB_ADJUST_A));
                    EXPECT_EQ("20000", ItemText(h, IDC_CALIB_DIGITS_A));
                    EXPECT_EQ("10000", ItemText(h, IDC_CALIB_DIGITS_B));
                    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(h, IDC_CALIB_RANGE_B)));
                    EXPECT_EQ(::GetDlgItem(h, IDC_CALIB_ADJUST_A), ::GetFocus());
                    ::SetDlgItemTextA(h, IDC_CALIB_DIGITS_A, "123");
                    ::SendMessageA(::GetDlgItem(h, IDC_CALIB_COPY_A_TO_B), BM_CLICK, 0, 0);
                    EXPECT_EQ("123", ItemText(h, IDC_CALIB_DIGITS_B));
                    EXPECT_EQ(strRangeA, ItemText(h, IDC_CALIB_ADJUST_B));
                    EXPECT_EQ(strRangeB, ItemText(h, IDC_CALIB_RANGE_B));
                    ::SendMessageA(::GetDlgItem(h, IDOK), BM_CLICK, 0, 0);
                });
    ASSERT_EQ(IDOK, dlg.DoModal());
    ASSERT_TRUE(script.Done());
    ASSERT_FALSE(strRangeA.empty());
    // B's adjust value, A's range end, lies within a quarter and eight times B's range end.
    EXPECT_EQ(0, m_page.m_bScaleCheckFailed);
    EXPECT_EQ("123", m_page.m_strDigitsB);
    EXPECT_EQ(m_page.m_dRangeEndA, m_page.m_dAdjustB);
    EXPECT_FALSE(m_page.m_rcMsgDlg.IsRectEmpty());
}

// A one-channel sensor: channel B's column is hidden and Continue takes channel A's entries for it. After
// a failed check the typed value comes again, with the language's decimals, where the dialog was left.
TEST_F(CalibrationDialogs, AOneChannelSensorTakesChannelAForBoth)
{
    SensorStruct& s = m_host.GetComPort().m_sSensor;
    s.ucInterfaceKind = 1;
    m_page.m_bSingleChannel = m_page.IsSingleChannelSensor() ? 1 : 0;
    ASSERT_EQ(1, m_page.m_bSingleChannel);
    const std::string strCaption = Text(IDS_TREE_SENSOR_CALIBRATION, LANGUAGE_GERMAN).GetString();
    CDlgCalibMsgGetValueEnd dlg(&m_page);
    {
        ModalScript script;
        script.Then(strCaption.c_str(),
                    [&](HWND h)
                    {
                        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(h, IDC_CALIB_ADJUST_B)));
                        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(h, IDC_CALIB_COPY_A_TO_B)));
                        ::SetDlgItemTextA(h, IDC_CALIB_ADJUST_A, "170,5");
                        ::SetDlgItemTextA(h, IDC_CALIB_DIGITS_A, "1500");
                        ::SendMessageA(::GetDlgItem(h, IDOK), BM_CLICK, 0, 0);
                    });
        ASSERT_EQ(IDOK, dlg.DoModal());
        ASSERT_TRUE(script.Done());
    }
    EXPECT_EQ(1, m_page.m_bScaleCheckFailed) << "170.5 is more than 8 x 20";
    EXPECT_EQ("170.5", m_page.m_strAdjustB);
    m_page.KeepAdjustValueA();
    m_page.KeepAdjustValueB();
    m_page.m_rcMsgDlg = CRect(30, 40, 530, 340);
    {
        ModalScript script;
        script.Then(strCaption.c_str(),
                    [&](HWND h)
                    {
                        EXPECT_EQ("170,5", ItemText(h, IDC_CALIB_ADJUST_A));
                        RECT rc = {};
                        ::GetWindowRect(h, &rc);
                        EXPECT_EQ(30, rc.left);
                        EXPECT_EQ(340, rc.bottom);
                        ::SetDlgItemTextA(h, IDC_CALIB_ADJUST_A, "19,5");
                        ::SendMessageA(::GetDlgItem(h, IDOK), BM_CLICK, 0, 0);
                    });
        ASSERT_EQ(IDOK, dlg.DoModal());
        ASSERT_TRUE(script.Done());
    }
    EXPECT_EQ(0, m_page.m_bScaleCheckFailed);
    EXPECT_EQ(19.5, m_page.m_dAdjustB);
    EXPECT_EQ("20000", m_page.m_strDigitsB) << "each entry showing starts from the calibration's digits";
    EXPECT_EQ(m_page.m_dRangeEndA, m_page.m_dRangeEndB);
}

// The uncertainty dialog puts the focus into B's field when only A's uncertainty is valid, and its
// Delete passes the page's range check.
TEST_F(CalibrationDialogs, TheUncertaintyDialogFocusesTheFieldToFill)
{
    SensorStruct& s = m_host.GetComPort().m_sSensor;
    s.sFactoryCalib.dUncertaintyA = 0.1;
    s.sFactoryCalib.dUncertaintyB = 0.0;
    m_page.m_bFirstDlgShow = 1;
    const std::string strCaption = Text(IDS_STORE_UNCERTAINTY_CAPTION, LANGUAGE_GERMAN).GetString();
    CDlgCalibInaccuracyDefine dlg(&m_page);
    ModalScript script;
    script.Then(strCaption.c_str(),
                [&](HWND h)
                {
                    EXPECT_EQ("0,1", ItemText(h, IDC_CALIB_UNCERTAINTY_A));
                    EXPECT_EQ("0,0000", ItemText(h, IDC_CALIB_UNCERTAINTY_B));
                    EXPECT_EQ(::GetDlgItem(h, IDC_CALIB_UNCERTAINTY_B), ::GetFocus());
                    ::SendMessageA(::GetDlgItem(h, IDC_CALIB_DELETE_B), BM_CLICK, 0, 0);
                });
    ASSERT_EQ(IDOK, dlg.DoModal());
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(ID_INACCURACY_CH_B_DELETE, m_page.m_iUncertaintyAction);
    BYTE ucValid = 0;
    m_host.GetComPort().COM_GetCalibInaccuracy(&ucValid, nullptr, &m_page.m_dUncertaintyValue, 1);
    EXPECT_EQ(1, ucValid);
}
