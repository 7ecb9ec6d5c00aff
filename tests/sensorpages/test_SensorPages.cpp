// The sensor pages as windows on a view, with a frame that holds a protocol engine without a port: the
// connection page's rows, row actions and layout, the information page's texts and the diagnostic
// page's telegram buttons.
#include "support/FakePageHost.h"

#include "controls/ListCell.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "resources/resource_sensorpages.h"
#include "sensorpages/CDlgDiagnostic.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "sensorpages/CDlgSensorInformationQbx.h"
#include "shell/ShellMessages.h"
#include "support/PumpUntil.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace
{
constexpr int VIEW_WIDTH = 800;
constexpr int VIEW_HEIGHT = 500;

std::string Text(CWnd& page, int iControl)
{
    CString str;
    page.GetDlgItemText(iControl, str);
    return str.GetString();
}

SensorStruct Sensor(BYTE ucStatorType, BYTE ucDeviceBit)
{
    SensorStruct s;
    s.ucStatorType = ucStatorType;
    s.ucStatorRev = 6;
    s.ucInterfaceKind = ucDeviceBit;
    s.iStHeaderNo = 500;
    s.ulSerialNo = 123456;
    s.ucTypeClassA = 'D';
    s.iRangeCodeA = 0x3200;
    s.ucTypeClassB = 'D';
    s.iRangeCodeB = 0x2500;
    s.ucAccuracyA = s.ucAccuracyB = 200;
    s.ucAdjustment = 2;
    return s;
}

class SensorPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_view.Create(VIEW_WIDTH, VIEW_HEIGHT));
        ASSERT_TRUE(m_frame.Create(100, 100));
        m_host.m_pFrame = &m_frame;
    }
    void SetEntry(int i, const char* pszKey, int iState, const SensorStruct& sSensor, LONG lBaudrate = 115200,
                  BYTE ucAddress = 1)
    {
        ComPortStruct& entry = m_host.GetComPort().m_sComPort.at(static_cast<size_t>(i));
        entry.strComPort = pszKey;
        entry.iTervaneState = iState;
        entry.sSensor = sSensor;
        entry.lComPortBaudrate = lBaudrate;
        entry.ucInterfaceAddress = ucAddress;
    }

    CFakePageHost m_host;
    CPlainWindow m_view;
    CPlainWindow m_frame;
};

class ConnectionPageTest : public SensorPageTest
{
protected:
    void SetUp() override
    {
        SensorPageTest::SetUp();
        for (ComPortStruct& entry : m_host.GetComPort().m_sComPort)
            entry.strComPort.Empty();
        SetEntry(0, "COM1   \\Device\\Serial0", ID_PORT_NO_ANSWER, SensorStruct());
        SetEntry(1, "COM5   \\Device\\Serial4", ID_PORT_ACTIVE, Sensor(5, 1), 115200, 2);
        SetEntry(2, "COM7   Tervane USB sensor interface port", ID_PORT_AVAILABLE, Sensor(5, 0), 230400, 3);
        SensorStruct wrong = Sensor(3, 0);
        wrong.ucStatorRev = 2;
        SetEntry(3, "COM8   other", ID_PORT_WRONG_DEVICE, wrong);
        SetEntry(4, "COM9   odd", ID_PORT_CANDIDATE, SensorStruct());
        m_page.SetPageHost(&m_host);
        ASSERT_TRUE(m_page.Create(IDD_DLG_SENSOR_CONNECTION, &m_view));
        m_page.ShowWindow(SW_SHOW);
        ASSERT_TRUE(m_page.FillPortList(0));
    }
    std::string Cell(int iRow, int iColumn)
    {
        return m_page.GetList().GetItemText(iRow, iColumn).GetString();
    }

    CDlgSensorConnection m_page;
};
} // namespace

TEST_F(ConnectionPageTest, RowsShowWhatTheSearchFoundOnEachPort)
{
    CCellListCtrl& list = m_page.GetList();
    ASSERT_EQ(5, list.GetItemCount());
    ASSERT_EQ(CDlgSensorConnection::COLUMN_COUNT, list.GetColumnCount());
    // A port without an answer.
    EXPECT_EQ("\\Device\\Serial0   [COM1]", Cell(0, 0));
    EXPECT_EQ("not available", Cell(0, 5));
    for (int iCol : {1, 2, 3, 4, 6})
        EXPECT_EQ("n.a.", Cell(0, iCol)) << iCol;
    // The connected sensor: its interface's rate, address, serial number, range and device.
    EXPECT_EQ("115,2k", Cell(1, 1));
    EXPECT_TRUE(list.GetCell(1, 1)->comboOn);
    EXPECT_EQ("2", Cell(1, 2));
    EXPECT_EQ("123456", Cell(1, 3));
    EXPECT_EQ("20.0 N·m", Cell(1, 4)) << "one channel on a QBX-USB";
    EXPECT_EQ("active", Cell(1, 5));
    CString strDevice;
    CTervane_Send::TerSend_StatorTypeToDeviceName(strDevice, 5, 6, 1, 1, LANGUAGE_ENGLISH);
    EXPECT_EQ(std::string(strDevice.GetString()) + " (Rev.: 6)", Cell(1, 6));
    // A TK-USB on the maker's USB interface, at 230400 baud.
    EXPECT_EQ("Tervane USB   [COM7]", Cell(2, 0));
    EXPECT_EQ("230,4k", Cell(2, 1));
    EXPECT_EQ("20.0 N·m/5.00 N·m", Cell(2, 4));
    EXPECT_EQ("available", Cell(2, 5));
    EXPECT_EQ("TK-USB (Rev.: 6)", Cell(2, 6));
    // An interface that is not supported names itself; a state without a text is an error.
    EXPECT_EQ("not supported", Cell(3, 5));
    EXPECT_EQ("n.a.", Cell(3, 1));
    EXPECT_EQ("MW-VARIA (Rev.: 2)", Cell(3, 6));
    EXPECT_EQ("ERROR 1266656", Cell(4, 5));
    EXPECT_EQ("n.a.", Cell(4, 6));
}

TEST_F(ConnectionPageTest, ASearchShowsEveryRowAsBeingChecked)
{
    ASSERT_TRUE(m_page.FillPortList(1));
    for (int iRow = 0; iRow < 5; ++iRow)
    {
        EXPECT_EQ("check interface", Cell(iRow, 5)) << iRow;
        EXPECT_EQ("n.a.", Cell(iRow, 1)) << iRow;
    }
    // The list stops at the first empty port key.
    m_host.GetComPort().m_sComPort.at(2).strComPort.Empty();
    m_page.FillPortList(0);
    EXPECT_EQ(2, m_page.GetList().GetItemCount());
}

TEST_F(ConnectionPageTest, LayoutFollowsTheView)
{
    CRect rcList;
    m_page.GetList().GetWindowRect(rcList);
    m_page.ScreenToClient(rcList);
    // Group (10, 5) 781 x 485; list 10 and 20 inside, 20 narrower and 65 lower.
    EXPECT_EQ(CRect(20, 25, 781, 445), rcList);
    CRect rcButton;
    m_page.GetDlgItem(IDC_CONN_REFRESH)->GetWindowRect(rcButton);
    m_page.ScreenToClient(rcButton);
    EXPECT_EQ(CRect(20, 455, 781, 478), rcButton);
    const auto aiWidths = CDlgSensorConnection::ColumnWidths(rcList.Width());
    for (int iCol = 0; iCol < CDlgSensorConnection::COLUMN_COUNT; ++iCol)
        EXPECT_EQ(aiWidths[static_cast<size_t>(iCol)], m_page.GetList().GetColumnWidth(iCol)) << iCol;
}

TEST_F(ConnectionPageTest, ABusyPortIsExplainedAndOtherRowsWithoutASensorDoNothing)
{
    ScriptedMessageBoxes boxes;
    m_page.ClickedListCtrlItem(3, 0); // not supported
    m_page.ClickedListCtrlItem(4, 0); // no status text
    m_page.ClickedListCtrlItem(-1, 0);
    EXPECT_TRUE(boxes.Calls().empty());
    m_page.ClickedListCtrlItem(0, 0);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_STREQ("The COM interface \"\\Device\\Serial0   [COM1]\" is busy. Can not activate it.",
                 boxes.Calls()[0].strText);
    // Enter on the list acts on its selection mark.
    m_page.GetList().SetSelectionMark(0);
    MSG msg = {m_page.GetList().m_hWnd, WM_KEYUP, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(m_page.PreTranslateMessage(&msg));
    EXPECT_EQ(2u, boxes.Calls().size());
    // Nothing is done while a sensor is being initialised.
    m_host.GetComPort().COM_SetZMCOMConfgFlow(ZM_START_INIT);
    m_page.ClickedListCtrlItem(0, 0);
    EXPECT_EQ(2u, boxes.Calls().size());
}

// A port that cannot be opened (here there is no port at all) is shown as not answering and reported as
// busy; no sensor is selected.
TEST_F(ConnectionPageTest, ARowWhosePortCannotBeOpenedIsReportedAsBusy)
{
    ScriptedMessageBoxes boxes;
    CComPort& engine = m_host.GetComPort();
    engine.m_strClosedPortName = "OffLine";
    m_page.ClickedListCtrlItem(2, 0);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_STREQ("The COM interface \"Tervane USB   [COM7]\" is busy. Can not activate it.",
                 boxes.Calls()[0].strText);
    EXPECT_EQ("not available", Cell(2, 5));
    EXPECT_EQ(ID_PORT_NO_ANSWER, engine.m_sComPort.at(2).iTervaneState);
    EXPECT_EQ("OffLine", std::string(engine.m_strActivePortKey.GetString()));
}

// A baud-rate change on a row while another row is connected closes that port first; the frame's timer 34
// calls back with row 0, and the row of the change is connected (its port here cannot be opened).
TEST_F(ConnectionPageTest, ABaudRateChangeOnAnotherRowConnectsItAfterTheFramesTimer)
{
    ScriptedMessageBoxes boxes;
    m_page.ClickedListCtrlItem(2, 1);
    EXPECT_TRUE(m_frame.TakeTimer(TIMER_LIST_CONNECT));
    EXPECT_TRUE(boxes.Calls().empty());
    m_page.ClickedListCtrlItem(0, 1);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_NE(-1, boxes.Calls()[0].strText.Find("[COM7]")) << boxes.Calls()[0].strText.GetString();
    EXPECT_FALSE(m_page.m_bBaudChangePending);
    // The next action is an ordinary one again.
    m_page.ClickedListCtrlItem(0, 0);
    ASSERT_EQ(2u, boxes.Calls().size());
    EXPECT_NE(-1, boxes.Calls()[1].strText.Find("[COM1]"));
}

TEST_F(ConnectionPageTest, APendingBaudRateChangeStartsTheFramesTimerAndHoldsRowActions)
{
    ScriptedMessageBoxes boxes;
    m_page.PostMessage(CDlgSensorConnection::WM_BAUDRATE_CHANGED, 2, 0);
    ASSERT_TRUE(PumpUntil([this] { return m_page.m_bBaudChangePending; }, 2000));
    EXPECT_EQ(2, m_page.m_iBaudChangeRow);
    EXPECT_TRUE(m_frame.TakeTimer(TIMER_WAIT_BAUDRATE_CHANGED));
    m_page.ClickedListCtrlItem(0, 0);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ConnectionPageTest, SearchProgressCellsInTheStatusColumn)
{
    EXPECT_EQ(5, m_page.GetProgressRowCount());
    m_page.BeginRowProgress(1);
    const ListCell* pCell = m_page.GetList().GetCell(1, CDlgSensorConnection::COL_STATE);
    ASSERT_TRUE(pCell != nullptr);
    EXPECT_TRUE(pCell->progressOn);
    m_page.SetRowProgress(1, 40);
    EXPECT_EQ(40, pCell->progressPercent);
    m_page.EndRowProgress(1);
    EXPECT_FALSE(pCell->progressOn);
    EXPECT_EQ("active", Cell(1, 5));
}

TEST_F(ConnectionPageTest, TextsFollowTheLanguage)
{
    m_host.m_iLanguage = LANGUAGE_GERMAN;
    EXPECT_TRUE(m_page.RefreshTexts());
    EXPECT_EQ("Sensorverbindung", Text(m_page, IDC_CONN_GROUP));
    EXPECT_EQ("Aktualisieren", Text(m_page, IDC_CONN_REFRESH));
    EXPECT_EQ("aktiv", Cell(1, 5));
    EXPECT_EQ("20,0 N·m", Cell(1, 4));
    HDITEMA item = {};
    char szText[64] = {};
    item.mask = HDI_TEXT | HDI_IMAGE | HDI_FORMAT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    ASSERT_TRUE(m_page.GetList().GetHeaderCtrl()->GetItem(5, &item));
    EXPECT_STREQ("Status", szText);
    EXPECT_EQ(0, item.iImage);
    EXPECT_NE(0, item.fmt & HDF_IMAGE);
}

namespace
{
class InformationPageTest : public SensorPageTest
{
protected:
    void SetUp() override
    {
        SensorPageTest::SetUp();
        m_page.SetPageHost(&m_host);
        ASSERT_TRUE(m_page.Create(IDD_DLG_SENSOR_INFORMATION, &m_view));
    }
    void Select(const SensorStruct& s)
    {
        m_host.GetComPort().m_sSensor = s;
        m_host.GetComPort().m_strActivePortKey = "COM5   \\Device\\Serial4";
    }
    bool IsShown(int iControl) { return (m_page.GetDlgItem(iControl)->GetStyle() & WS_VISIBLE) != 0; }

    CDlgSensorInformationQbx m_page;
};
} // namespace

TEST_F(InformationPageTest, ASelectedSensorsValuesAndLabelsInTheLanguage)
{
    m_host.m_iLanguage = LANGUAGE_GERMAN;
    Select(Sensor(5, 0));
    EXPECT_TRUE(m_page.UpdatePage());
    EXPECT_EQ("Sensorinformation", Text(m_page, IDC_INFO_GROUP));
    EXPECT_EQ("Seriennummer:", Text(m_page, IDC_INFO_SERIAL_LABEL));
    EXPECT_EQ("Seriennummer", Text(m_page, IDC_INFO_SERIAL_A_GROUP));
    EXPECT_EQ("123456", Text(m_page, IDC_INFO_SERIAL));
    EXPECT_EQ("Sensor (TK-RS485: Drehmoment / Drehmoment)", Text(m_page, IDC_INFO_SENSOR_GROUP));
    EXPECT_EQ("20,0 N·m", Text(m_page, IDC_INFO_RANGE_A));
    EXPECT_EQ("aktiv", Text(m_page, IDC_INFO_FACTORY_STATE));
    EXPECT_TRUE(IsShown(IDC_INFO_CHANNEL_B_GROUP));
    EXPECT_TRUE(IsShown(IDC_INFO_UNCERTAINTY_B));

    // A single-channel interface hides the channel-B set.
    Select(Sensor(5, 1));
    m_host.m_iLanguage = LANGUAGE_ENGLISH;
    EXPECT_TRUE(m_page.UpdatePage());
    EXPECT_EQ("Serial number:", Text(m_page, IDC_INFO_SERIAL_LABEL));
    for (int iControl : {IDC_INFO_CHANNEL_B_GROUP, IDC_INFO_SERIAL_B_GROUP, IDC_INFO_RANGE_B_GROUP,
                         IDC_INFO_ACCURACY_B_GROUP, IDC_INFO_UNCERTAINTY_B_GROUP, IDC_INFO_SERIAL_B,
                         IDC_INFO_RANGE_B, IDC_INFO_ACCURACY_B, IDC_INFO_UNCERTAINTY_B})
        EXPECT_FALSE(IsShown(iControl)) << iControl;
    EXPECT_TRUE(IsShown(IDC_INFO_RANGE_A));
}

TEST_F(InformationPageTest, WithoutASelectedSensorEveryValueIsNotAvailable)
{
    Select(Sensor(5, 0));
    m_host.GetComPort().m_strActivePortKey = m_host.GetComPort().m_strClosedPortName = "OffLine";
    EXPECT_TRUE(m_page.UpdatePage());
    EXPECT_EQ("Sensor", Text(m_page, IDC_INFO_SENSOR_GROUP));
    EXPECT_EQ("n.a.", Text(m_page, IDC_INFO_SERIAL));
    EXPECT_EQ("n.a.", Text(m_page, IDC_INFO_FACTORY_STATE));
    m_host.GetComPort().m_strActivePortKey.Empty();
    m_page.UpdatePage();
    EXPECT_EQ("n.a.", Text(m_page, IDC_INFO_RANGE_A));
}

TEST_F(InformationPageTest, TextOperationsUseTheConnectedSensor)
{
    Select(Sensor(5, 1));
    CString strDevice;
    EXPECT_STREQ("500 (Torque)", m_page.FormatRangeEndValue(nullptr, true, 500, 'D', nullptr, &strDevice));
    EXPECT_FALSE(strDevice.IsEmpty());
    EXPECT_STREQ("Torque:", m_page.GetMeasurandLabel(nullptr, true, 1, nullptr, nullptr));
}

namespace
{
class DiagnosticPageTest : public SensorPageTest
{
protected:
    void SetUp() override
    {
        SensorPageTest::SetUp();
        m_page.SetPageHost(&m_host);
        ASSERT_TRUE(m_page.Create(IDD_DLG_DIAGNOSTIC, &m_view));
    }
    CDlgDiagnostic m_page;
};
} // namespace

// Without an open port nothing is written, but the receive buffer is emptied all the same, and the status
// request sets the state in which its answer is taken.
TEST_F(DiagnosticPageTest, ButtonsWithoutAnOpenPort)
{
    CComPort& engine = m_host.GetComPort();
    engine.COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    for (int iButton : {IDC_DIAG_ACK, IDC_DIAG_NAK, IDC_DIAG_RESTART})
    {
        engine.m_strReceiveCOM = "left over";
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(iButton, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_page.GetDlgItem(iButton)->m_hWnd));
        EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty()) << iButton;
        EXPECT_EQ(ZM_STOP_MEASURE, engine.COM_GetZMCOMConfgFlow()) << iButton;
    }
    for (int i = 0; i < 2; ++i)
    {
        engine.m_strReceiveCOM = "left over";
        m_page.OnReadStatusLong();
        EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
        EXPECT_EQ(ZM_GET_STATUS_LONG, engine.COM_GetZMCOMConfgFlow());
    }
}

TEST_F(DiagnosticPageTest, CaptionAndHiddenPortList)
{
    m_host.m_iLanguage = LANGUAGE_GERMAN;
    EXPECT_TRUE(m_page.UpdateLanguageTexts());
    EXPECT_EQ("Diagnose", Text(m_page, IDC_PAGE_GROUP));
    EXPECT_EQ(0u, m_page.m_cbPorts.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(0u, m_page.GetDlgItem(IDC_DIAG_PORTS_LABEL)->GetStyle() & WS_VISIBLE);
    EXPECT_EQ("ReadStatusLong", Text(m_page, IDC_DIAG_STATUS_LONG));
}
