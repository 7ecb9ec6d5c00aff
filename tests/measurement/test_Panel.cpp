// The operator panel as a window of the test program with a sensor engine that writes into a list
// instead of a port: its steps through connection, start, trigger, stop and the end of a measurement
// (buttons, status texts, LEDs, the frames the engine sends), polling with its control switch, the
// pass/fail light, the programs run at start and stop, and the sensor's texts.
#include "PaneFakes.h"
#include "PipelineFixture.h"

#include "framework/AfxShellOpen.h"
#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CAFormLight.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/CPanelRules.h"
#include "measurement/MeasureDgrmStruct.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"
#include "resources/resource_panel.h"
#include "shell/ShellMessages.h"
#include "support/PumpUntil.h"
#include "support/ScriptedMessageBoxes.h"

#include <string>
#include <vector>

using namespace pipeline_test;
using namespace pane_test;

class PanelTest : public PipelineTest
{
protected:
    void SetUp() override
    {
        PipelineTest::SetUp();
        port.COM_SetWriteSink([this](const CString& strBytes) { return Sent(strBytes); });
        port.m_sSensor.ucStatorType = 5;
        port.m_sSensor.ucStatorRev = 6;
        port.m_sSensor.ucInterfaceKind = 0;
        port.m_sSensor.ulSerialNo = 4711;
        port.m_strActivePortKey = "COM5 (Tervane USB Interface)";
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "panel", WS_POPUP | WS_VISIBLE, 10, 10, 1100, 600, nullptr,
                                      nullptr));
        m_adjust.SetPageHost(&m_pageHost);
        ASSERT_TRUE(m_adjust.Create(IDD_DLG_MEASURE_ADJUST, &m_parent));
        m_panel.SetPageHost(&m_pageHost);
        m_panel.SetPanelHost(&m_panelHost);
        ASSERT_TRUE(m_panel.Create(IDD_DLG_MEASURE_DIAGRAM, &m_parent));
        m_panel.ShowWindow(SW_SHOW);
        m_pChannelA = MakePane<CAFormChannelA>(REGISTER_KIND_CHANNEL_A, CRect(700, 0, 1000, 100));
        m_pChannelB = MakePane<CAFormChannelB>(REGISTER_KIND_CHANNEL_B, CRect(700, 100, 1000, 200));
        m_pLight = MakePane<CAFormLight>(REGISTER_KIND_LIGHT, CRect(700, 200, 1000, 300));
        m_pDiagram = MakePane<CAFormDiagram>(REGISTER_KIND_DIAGRAM, CRect(0, 300, 700, 600));
        m_pChannelA->SetHost(&m_paneHost);
        m_pChannelB->SetHost(&m_paneHost);
        m_pDiagram->SetHost(&m_paneHost);
        m_pageHost.m_windows[REGISTER_KIND_DLG_MEASURE_ADJUST] = &m_adjust;
        m_pageHost.m_windows[REGISTER_KIND_DLG_MEASURE_DIAGRAM] = &m_panel;
        m_adjust.OnRegistered();
        m_panel.OnRegistered();
        pipeline.Attach(&host, &Settings(), &m_panel, m_pChannelA, m_pChannelB, m_pDiagram);
        pipeline.SetupChannels(1, nullptr);
        port.COM_UpdateScaleFactors();
    }
    void TearDown() override
    {
        m_panel.DestroyWindow();
        m_adjust.DestroyWindow();
        m_parent.DestroyWindow();
    }

    template <class Pane> Pane* MakePane(int iKind, const CRect& rc)
    {
        auto* pPane = new Pane;
        EXPECT_TRUE(pPane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rc, &m_parent, 0xE900 + iKind));
        pPane->SendMessage(WM_INITIALUPDATE);
        m_pageHost.m_windows[iKind] = pPane;
        return pPane;
    }

    // The engine's writes, a request by its command letter ("Z" stream start, "A" value, "E" control)
    // and the stop bytes as "stop".
    bool Sent(const CString& strBytes)
    {
        if (strBytes.GetLength() == 1 && strBytes[0] == 0x02)
            m_sent.push_back("stop");
        else if (strBytes.GetLength() > 1)
            m_sent.push_back(std::string(1, strBytes[1]));
        return true;
    }
    int SentCount(const std::string& strWhat) const
    {
        return static_cast<int>(std::count(m_sent.begin(), m_sent.end(), strWhat));
    }
    // Start, Stop, Single shot, Trigger, Control as "1" enabled, "0" disabled.
    std::string Buttons()
    {
        std::string str;
        for (CButton* pButton : {&m_panel.m_btnStart, &m_panel.m_btnStop, &m_panel.m_btnSingleShot,
                                 &m_panel.m_btnTrigger, &m_panel.m_btnCtrl})
            str += pButton->IsWindowEnabled() ? '1' : '0';
        return str;
    }
    MeasureAdjustStruct& Settings() { return *m_adjust.m_psMeasureAdjust; }
    void Click(CButton& button) { button.SendMessage(BM_CLICK); }
    void Connect()
    {
        m_panel.OnSensorConnected();
        ASSERT_EQ(IDS_STATUS_READY, m_panelHost.LastStatus());
    }
    // The watchdog ends the measurement and the frame finishes it.
    void EndMeasurement()
    {
        m_panel.SendMessage(WM_TIMER, TIMER_PANEL_WATCHDOG);
        m_panel.OnMeasureFinished();
    }

    CWnd m_parent;
    CFakePageHost m_pageHost{port, LANGUAGE_GERMAN};
    CFakePanelHost m_panelHost{pipeline};
    CDlgMeasureAdjust m_adjust;
    CDlgMeasureDiagram m_panel;
    CAFormChannelA* m_pChannelA = nullptr;
    CAFormChannelB* m_pChannelB = nullptr;
    CAFormLight* m_pLight = nullptr;
    CAFormDiagram* m_pDiagram = nullptr;
    CFakePaneHost m_paneHost{pipeline, host, *m_adjust.m_psMeasureAdjust};
    std::vector<std::string> m_sent;
};

TEST_F(PanelTest, ConnectStartStopAndEndFollowTheStateTable)
{
    EXPECT_EQ("00000", Buttons());
    Connect();
    EXPECT_EQ("10111", Buttons());
    EXPECT_EQ(CPanelRules::LED_OFF, m_panel.m_ledTrigger.GetState());
    EXPECT_TRUE(m_pChannelA->m_btnTara.IsWindowEnabled());
    EXPECT_EQ("Seriennummer: 4711", WindowText(m_panel.m_stcSerial));
    EXPECT_EQ("Messbereichsendwert ( A / B ): 5,00 N·m / 5,00 N·m", WindowText(m_panel.m_stcRange));
    EXPECT_EQ("Messrate: 200/sek", WindowText(m_panel.m_stcRate));

    Click(m_panel.m_btnStart);
    EXPECT_EQ(IDS_STATUS_MEASURING, m_panelHost.LastStatus());
    EXPECT_EQ("01000", Buttons());
    EXPECT_EQ(std::vector<std::string>{"Z"}, m_sent);
    EXPECT_TRUE(m_panel.IsRunning());
    EXPECT_EQ(1, m_panelHost.m_iFilesOpened);
    EXPECT_FALSE(m_panelHost.m_bPortRemoved);

    m_sent.clear();
    Click(m_panel.m_btnStop);
    EXPECT_EQ(10, SentCount("stop"));
    EXPECT_FALSE(m_panel.IsRunning());
    EXPECT_EQ("00000", Buttons());
    EXPECT_EQ(1, m_panelHost.m_iWaitCursor);

    EndMeasurement();
    EXPECT_EQ(1, m_panelHost.m_iMeasurementEnds);
    EXPECT_EQ("10111", Buttons());
    EXPECT_EQ(IDS_STATUS_READY, m_paneHost.m_statusIds.back()) << "the diagram's end shows the ready status";
    EXPECT_EQ(ZM_STOP_MEASURE, port.m_iZMCOMConfgFlow);
}

TEST_F(PanelTest, TriggerArmsRecordsAtTheStartEventAndDisarms)
{
    Connect();
    Click(m_panel.m_btnTrigger);
    EXPECT_EQ(IDS_STATUS_WAIT_FOR_TRIGGER_START, m_panelHost.LastStatus());
    EXPECT_EQ("10010", Buttons());
    EXPECT_EQ(Text(IDS_TRIGGER_OFF), WindowText(m_panel.m_btnTrigger));
    EXPECT_EQ(CPanelRules::LED_YELLOW, m_panel.m_ledTrigger.GetState());
    EXPECT_EQ(1, pipeline.m_bTriggerWait);
    EXPECT_EQ(1, m_panelHost.m_iValueListsFreed);
    EXPECT_EQ(std::vector<std::string>{"Z"}, m_sent);
    EXPECT_EQ(CAFormLight::LIGHT_GREY, m_pLight->m_iLightState);
    // The yellow LED blinks.
    EXPECT_TRUE(PumpUntil([&] { return m_panel.m_ledTrigger.GetState() == CPanelRules::LED_OFF; }, 2000));
    EXPECT_TRUE(PumpUntil([&] { return m_panel.m_ledTrigger.GetState() == CPanelRules::LED_YELLOW; }, 2000));

    // Start before the start event records at once, as the event would.
    Click(m_panel.m_btnStart);
    EXPECT_EQ(IDS_STATUS_WAIT_FOR_TRIGGER_STOP, m_panelHost.LastStatus());
    EXPECT_EQ("01010", Buttons());
    EXPECT_EQ(CPanelRules::LED_GREEN, m_panel.m_ledTrigger.GetState());
    EXPECT_EQ(1, pipeline.m_bTrgStarted);
    EXPECT_EQ(0, pipeline.m_bTriggerWait);
    EXPECT_EQ(std::vector<std::string>{"Z"}, m_sent) << "the stream runs since the trigger was armed";

    // Trigger again disarms: the measurement stops and the panel is ready.
    Click(m_panel.m_btnTrigger);
    EXPECT_EQ(0, pipeline.m_bTrgStarted);
    EXPECT_EQ(IDS_STATUS_READY, m_panelHost.LastStatus());
    EXPECT_EQ(10, SentCount("stop"));
    EXPECT_EQ(CPanelRules::LED_OFF, m_panel.m_ledTrigger.GetState());
    EXPECT_EQ(0, m_panel.m_psMsureDgrm->bTriggerOn);
}

TEST_F(PanelTest, TriggerTwiceWithoutStartEventRemovesThePointLimit)
{
    Connect();
    Settings().iStopSource = MeasureAdjustStruct::STOP_COUNT;
    Settings().dCount = 100.9;
    Click(m_panel.m_btnTrigger);
    EXPECT_EQ(1, m_pDiagram->m_feed.m_bPointLimit);
    EXPECT_EQ(100, m_pDiagram->m_feed.m_iPointLimit);
    Click(m_panel.m_btnTrigger);
    EXPECT_EQ(0, m_pDiagram->m_feed.m_bPointLimit);
    EXPECT_EQ(IDS_STATUS_READY, m_panelHost.LastStatus());
    EXPECT_EQ(10, SentCount("stop"));
}

TEST_F(PanelTest, StartAndTriggerAreRefusedWhileTheSensorIsInitialised)
{
    Connect();
    m_pLight->SetLight(CAFormLight::LIGHT_GREEN);
    port.m_iZMCOMConfgFlow = ZM_START_INIT;
    const size_t nStatus = m_panelHost.m_statusIds.size();
    ScriptedMessageBoxes boxes;
    Click(m_panel.m_btnStart);
    Click(m_panel.m_btnTrigger);
    ASSERT_EQ(2u, boxes.Calls().size());
    EXPECT_EQ("Error 2587981", std::string(boxes.Calls()[0].strText));
    EXPECT_EQ("Error 22231", std::string(boxes.Calls()[1].strText));
    EXPECT_TRUE(m_sent.empty());
    EXPECT_EQ(nStatus, m_panelHost.m_statusIds.size());
    EXPECT_EQ(CAFormLight::LIGHT_GREY, m_pLight->m_iLightState) << "the operator's Trigger greys the light";
    EXPECT_EQ("10111", Buttons());
}

TEST_F(PanelTest, PollingAsksOnEachTickAndAControlSwitchTakesOneTicksPlace)
{
    Connect();
    pipeline.m_iMeasuringRate = 13; // 100 ms, polled
    Click(m_panel.m_btnStart);
    EXPECT_EQ("01001", Buttons()) << "Control works during a polled measurement";
    ASSERT_TRUE(PumpUntil([&] { return SentCount("A") >= 3; }, 3000));
    Click(m_panel.m_btnCtrl);
    EXPECT_TRUE(m_panel.m_btnCtrl.IsWindowEnabled());
    const int iValuesBefore = SentCount("A");
    ASSERT_TRUE(PumpUntil([&] { return SentCount("E") == 1; }, 3000));
    EXPECT_EQ(iValuesBefore, SentCount("A")) << "the switch took the tick's place";
    EXPECT_EQ(0, m_panel.m_psMsureDgrm->bCtrlRequest);
    ASSERT_TRUE(PumpUntil([&] { return SentCount("A") > iValuesBefore; }, 3000));

    Click(m_panel.m_btnStop);
    EXPECT_FALSE(m_panel.m_Timer.IsRunning());
    EXPECT_EQ(0, SentCount("stop")) << "a polled measurement sends no stop bytes";
}

TEST_F(PanelTest, Rs485SensorThatStopsAnsweringEndsThePolling)
{
    Connect();
    port.m_sSensor.ucInterfaceKind = 0;
    port.m_strActivePortKey = "COM3 (RS485 Adapter)";
    pipeline.m_iMeasuringRate = 13;
    m_panelHost.m_bDataReceived = true;
    ScriptedMessageBoxes boxes;
    Click(m_panel.m_btnStart);
    ASSERT_TRUE(PumpUntil([&] { return !m_panelHost.m_sensorsLost.empty(); }, 3000));
    EXPECT_EQ(std::vector<bool>{true}, m_panelHost.m_sensorsLost);
    EXPECT_FALSE(m_panel.m_Timer.IsRunning());
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(Text(IDS_NO_VALUES_RECEIVED), std::string(boxes.Calls()[0].strText));
}

// The sensor is lost while measuring and found again: its initialisation has begun when the lost
// measurement's watchdog ends it. The reading goes on, and Start waits for its end.
TEST_F(PanelTest, AMeasurementEndedDuringTheSensorsInitialisationLeavesStartToItsEnd)
{
    Connect();
    Click(m_panel.m_btnStart);
    Record(5000);
    ASSERT_TRUE(port.COM_ZMCOMConfgStartInit());
    ScriptedMessageBoxes boxes;
    EndMeasurement();
    EXPECT_EQ(ZM_START_INIT, port.COM_GetZMCOMConfgFlow());
    EXPECT_EQ("00000", Buttons());
    port.COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    Connect();
    EXPECT_EQ('1', Buttons()[0]);
}

TEST_F(PanelTest, StopEvaluatesTheLimitsOnceAndWithoutConditionsTheLightStaysGrey)
{
    Connect();
    Click(m_panel.m_btnStart);
    Record(5000); // 1.00 N·m on channel A
    Click(m_panel.m_btnStop);
    EXPECT_EQ(CAFormLight::LIGHT_GREY, m_pLight->m_iLightState);
    EXPECT_EQ(1, m_panel.m_bIONIOPending) << "no condition: still due";
    EndMeasurement();

    // The first condition on channel A, typed on the settings page.
    m_adjust.m_iLimitMeasurandIndex[0] = 0;
    m_adjust.GetDlgItem(IDC_ADJ_LOWER1)->SetWindowText("0,5");
    m_adjust.GetDlgItem(IDC_ADJ_UPPER1)->SetWindowText("1,5");
    Click(m_panel.m_btnStart);
    Record(5000);
    Click(m_panel.m_btnStop);
    EXPECT_EQ(CAFormLight::LIGHT_GREEN, m_pLight->m_iLightState);
    EXPECT_EQ(0, m_panel.m_bIONIOPending);
    EXPECT_DOUBLE_EQ(1.0, m_panel.m_sIONIOCompared[0].dValue);
    EndMeasurement();

    Click(m_panel.m_btnStart);
    EXPECT_EQ(CAFormLight::LIGHT_GREY, m_pLight->m_iLightState) << "Start greys the light";
    Record(10000); // 2.00 N·m: above the upper limit
    Click(m_panel.m_btnStop);
    EXPECT_EQ(CAFormLight::LIGHT_RED, m_pLight->m_iLightState);
    EXPECT_EQ(0, m_panel.m_bIONIOResult1);
    EndMeasurement();

    // Stopped before its first record: nothing to judge, the light stays grey.
    Click(m_panel.m_btnStart);
    Click(m_panel.m_btnStop);
    EXPECT_EQ(CAFormLight::LIGHT_GREY, m_pLight->m_iLightState);
    EXPECT_EQ(0, m_panel.m_bIONIOPending);
}

TEST_F(PanelTest, ProgramsRunAtStartAndAtAStopThatEndsAMeasurement)
{
    std::vector<std::string> opened;
    const AFX_SHELLOPEN_HOOK previous = AfxSetShellOpenHook(
        [&](HWND, LPCSTR lpszFile, int)
        {
            opened.push_back(lpszFile);
            return true;
        });
    m_adjust.m_strStartProgram = "C:\\start.bat";
    m_adjust.m_strStopProgram = "C:\\stop.bat";
    Connect();
    Click(m_panel.m_btnStop); // nothing runs: no measurement to end
    EXPECT_TRUE(opened.empty());
    Click(m_panel.m_btnStart);
    Click(m_panel.m_btnStop);
    EXPECT_EQ((std::vector<std::string>{"C:\\start.bat", "C:\\stop.bat"}), opened);
    AfxSetShellOpenHook(previous);
}

TEST_F(PanelTest, AutoRepeatWarnsWhenDiagramsShareOneFileName)
{
    Connect();
    m_panelHost.m_documentation.m_iDiagrams = CMeasureDocumentation::DM_CONSTANT_FILE_NAME;
    ScriptedMessageBoxes boxes;
    m_panel.m_chkAutoRepeat.SendMessage(BM_CLICK);
    EXPECT_EQ(1, m_panel.m_psMeasureDgrmStruct->bTriggerAutoRepeat);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(Text(IDS_DIAGRAM_CONSTANT_NAME_WARNING), std::string(boxes.Calls()[0].strText));

    // The re-arm after a triggered measurement arms the trigger again without greying the light.
    Click(m_panel.m_btnTrigger);
    Click(m_panel.m_btnStart);
    Click(m_panel.m_btnStop);
    m_pLight->SetLight(CAFormLight::LIGHT_RED);
    pipeline.m_bStartedByOperator = 0;
    m_panel.RearmTriggerAfterStorage();
    EXPECT_EQ(1, m_panel.m_psMsureDgrm->bTriggerActive);
    EXPECT_EQ(CAFormLight::LIGHT_RED, m_pLight->m_iLightState);
    EXPECT_EQ(0, pipeline.m_bStartedByOperator);
}

TEST_F(PanelTest, UnsupportedAndLostSensorsShowTheDisconnectedDisplay)
{
    ScriptedMessageBoxes boxes;
    port.m_sSensor.ucStatorRev = 5;
    m_panel.OnSensorConnected();
    ASSERT_EQ(1u, boxes.Calls().size());
    const std::string strMessage = boxes.Calls()[0].strText.GetString();
    EXPECT_EQ("Fehlercode: 01 (Typ5", strMessage.substr(strMessage.rfind('\n') + 1));
    EXPECT_EQ("00000", Buttons());
    EXPECT_EQ(IDS_STATUS_DISCONNECTED, m_panelHost.LastStatus());

    port.m_sSensor = TorqueSensor();
    port.m_sSensor.ucStatorType = 5;
    port.m_sSensor.ucStatorRev = 6;
    m_panelHost.m_iActiveMode = MODE_PAGE_MEASURE_ADJUST;
    Connect();
    EXPECT_EQ(1, m_panel.m_bTextsPending) << "captions renewed when the panel is shown next";
    m_panel.OnSensorDisconnected();
    for (CChannelPane* pPane :
         {static_cast<CChannelPane*>(m_pChannelA), static_cast<CChannelPane*>(m_pChannelB)})
    {
        for (int iField = CChannelPaneFields::FIELD_VALUE; iField <= CChannelPaneFields::FIELD_MAX; ++iField)
            EXPECT_EQ("---", std::string(pPane->GetFieldText(iField)));
        EXPECT_FALSE(pPane->m_btnTara.IsWindowEnabled());
    }
    EXPECT_EQ("Seriennummer: n.a.", WindowText(m_panel.m_stcSerial));
    EXPECT_EQ("Messunsicherheit: n.a.", WindowText(m_panel.m_stcUncertainty));
    EXPECT_EQ(IDS_STATUS_DISCONNECTED, m_panelHost.LastStatus());
    EXPECT_EQ("Sensor getrennt", m_panelHost.m_log.back());
}

TEST_F(PanelTest, DefaultsClearTheWholeStoredRecord)
{
    m_panel.m_psMeasureDgrmStruct->bTriggerAutoRepeat = 1;
    m_panel.m_psMeasureDgrmStruct->bAutoRepeatLocked = 0x5A;
    m_panel.m_psMeasureDgrmStruct->iSumOfStruct = 77;
    m_panel.SetDefaultMeasureDgrm();
    const MeasureDgrmStruct& s = *m_panel.m_psMeasureDgrmStruct;
    EXPECT_EQ(0, s.bTriggerAutoRepeat);
    EXPECT_EQ(0, s.bAutoRepeatLocked);
    EXPECT_EQ(0, s.iSumOfStruct);
}
