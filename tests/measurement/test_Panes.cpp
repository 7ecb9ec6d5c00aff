// The channel, light and diagram panes as windows of the test program: the 100 ms block of the channel
// fields, the tare button, the light's pictures and square, and the diagram pane's measurement, redraw
// and bitmap output against a fake of the frame's output steps.
#include "PaneFakes.h"
#include "PipelineFixture.h"

#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CAFormLight.h"
#include "measurement/CDiagramRules.h"
#include "measurement/MeasurementTexts.h"
#include "resources/resource.h"
#include "resources/resource_panel.h"
#include "support/PumpUntil.h"
#include "support/ScriptedMessageBoxes.h"

#include <cstdio>
#include <string>

using namespace pane_test;

namespace
{
// Each field's 100 ms have passed.
bool AllFieldsReady(CChannelPane& pane)
{
    for (int iField = CChannelPaneFields::FIELD_VALUE; iField <= CChannelPaneFields::FIELD_MAX; ++iField)
    {
        if (!pane.IsFieldReady(iField))
            return false;
    }
    return true;
}

bool FileExists(const CString& strPath)
{
    return ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

// A folder of its own below the temporary folder, removed with what it holds.
class CTempFolder
{
public:
    explicit CTempFolder(const char* pszName)
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath.Format("%s%s_%lu", szTemp, pszName, ::GetCurrentProcessId());
    }
    ~CTempFolder()
    {
        WIN32_FIND_DATAA data;
        HANDLE hFind = ::FindFirstFileA(m_strPath + "\\*", &data);
        while (hFind != INVALID_HANDLE_VALUE)
        {
            ::DeleteFileA(m_strPath + "\\" + data.cFileName);
            if (!::FindNextFileA(hFind, &data))
            {
                ::FindClose(hFind);
                break;
            }
        }
        ::RemoveDirectoryA(m_strPath);
    }
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
};
} // namespace

// The panes of the test in a window of their own, with the fixture's pipeline behind them.
class PaneWindowTest : public PipelineTest
{
protected:
    void SetUp() override
    {
        PipelineTest::SetUp();
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "panes", WS_POPUP | WS_VISIBLE, 20, 20, 900, 500, nullptr,
                                      nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // The pane made as the bars make it, with its first update; the pane deletes itself with its window.
    template <class Pane> Pane* MakePane(const CRect& rc)
    {
        auto* pPane = new Pane;
        EXPECT_TRUE(
            pPane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rc, &m_parent, 0xE900 + m_iPanes++));
        pPane->SendMessage(WM_INITIALUPDATE);
        return pPane;
    }

    CWnd m_parent;
    CFakePaneHost m_paneHost{pipeline, host, settings};
    int m_iPanes = 0;
};

TEST_F(PaneWindowTest, ChannelFieldIsWrittenAtMostEvery100Ms)
{
    CAFormChannelA* pPane = MakePane<CAFormChannelA>(CRect(0, 0, 300, 120));
    pPane->SetHost(&m_paneHost);
    pipeline.Attach(&host, &settings, &panel, pPane, &paneB, &diagram);
    port.m_iDisplayCountdown = 0;

    SingleShot(2500); // 0.5 N·m
    EXPECT_EQ("0,50 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_VALUE)));
    EXPECT_FALSE(pPane->IsFieldReady(CChannelPaneFields::FIELD_VALUE));
    SingleShot(5000); // within the 100 ms: not shown, not queued
    EXPECT_EQ("0,50 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_VALUE)));
    EXPECT_EQ("0,50 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_MAX)));
    ASSERT_TRUE(PumpUntil([&] { return pPane->IsFieldReady(CChannelPaneFields::FIELD_VALUE); }, 2000));
    EXPECT_EQ("0,50 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_VALUE)));
    SingleShot(7500);
    EXPECT_EQ("1,50 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_VALUE)));

    pPane->SetValueText("---");
    EXPECT_EQ("---", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_VALUE)));
}

TEST_F(PaneWindowTest, TaraTwiceAppliesTheTareAndTakesItOffAgain)
{
    CAFormChannelB* pPane = MakePane<CAFormChannelB>(CRect(0, 0, 300, 120));
    pPane->SetHost(&m_paneHost);
    pipeline.Attach(&host, &settings, &panel, &paneA, pPane, &diagram);
    pPane->EnableButtons(true);
    EXPECT_TRUE(pPane->m_btnTara.IsWindowEnabled());
    SingleShot(0, 5000);
    ASSERT_TRUE(PumpUntil([&] { return AllFieldsReady(*pPane); }, 2000));

    pPane->m_btnTara.SendMessage(BM_CLICK);
    EXPECT_EQ(Text(IDS_TARE_OFF), WindowText(pPane->m_btnTara));
    EXPECT_EQ("0,00 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_VALUE)));
    EXPECT_EQ("1,00 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_TARE)));
    ASSERT_TRUE(PumpUntil([&] { return AllFieldsReady(*pPane); }, 2000));
    pPane->RemoveTare();
    EXPECT_EQ(Text(IDS_TARE_ON), WindowText(pPane->m_btnTara));
    EXPECT_EQ("1,00 N·m", std::string(pPane->GetFieldText(CChannelPaneFields::FIELD_VALUE)));
    EXPECT_EQ(1, pipeline.m_sChannel[1].bTareOff);
    pPane->RemoveTare(); // no tare applied: nothing changes
    EXPECT_EQ(1, pipeline.m_sChannel[1].bTareOff);
}

TEST_F(PaneWindowTest, LightShowsThePictureOfItsStateInASquare)
{
    CAFormLight* pLight = MakePane<CAFormLight>(CRect(0, 0, 300, 120));
    EXPECT_EQ(CAFormLight::LIGHT_GREY, pLight->m_iLightState);
    HBITMAP hGrey = pLight->m_picture.GetBitmap();
    pLight->SetLight(CAFormLight::LIGHT_GREEN);
    EXPECT_EQ(CAFormLight::LIGHT_GREEN, pLight->m_iLightState);
    HBITMAP hGreen = pLight->m_picture.GetBitmap();
    EXPECT_NE(hGrey, hGreen);
    pLight->SetLight(3);
    EXPECT_EQ(CAFormLight::LIGHT_GREEN, pLight->m_iLightState);
    EXPECT_EQ(hGreen, pLight->m_picture.GetBitmap());
    for (int iState : {CAFormLight::LIGHT_RED, CAFormLight::LIGHT_YELLOW, CAFormLight::LIGHT_GREY})
    {
        pLight->SetLight(iState);
        EXPECT_EQ(iState, pLight->m_iLightState);
    }

    // Wider than high: a square of the pane's height in the middle.
    CRect rcPicture;
    pLight->m_picture.GetWindowRect(&rcPicture);
    pLight->ScreenToClient(&rcPicture);
    EXPECT_EQ(CRect(90, 0, 210, 120), rcPicture);
    EXPECT_TRUE(pLight->m_picture.IsWindowVisible());
    EXPECT_EQ(CRect(0, 10, 50, 60), CAFormLight::PictureRect(50, 70));
    EXPECT_EQ(CAFormLight::LIGHT_GREY,
              (pLight->SendMessage(WM_COMMAND, ID_LIGHT_TEST_NEXT), pLight->m_iLightState));
}

// Time along x, channel A on y1 and channel B on y2 at 5000 values per second.
class DiagramPaneTest : public PaneWindowTest
{
protected:
    void SetUp() override
    {
        PaneWindowTest::SetUp();
        settings.dSamplePeriod = 0.0002;
        settings.iAxisX = MeasureAdjustStruct::AXIS_TIME;
        settings.iAxisY1 = MeasureAdjustStruct::AXIS_CHANNEL_A;
        settings.iAxisY2 = MeasureAdjustStruct::AXIS_CHANNEL_B;
        settings.bAxisXShown = settings.bAxisY1Shown = settings.bAxisY2Shown = 1;
        m_pDiagram = MakePane<CAFormDiagram>(CRect(0, 0, 800, 400));
        m_pDiagram->SetHost(&m_paneHost);
        ASSERT_TRUE(
            m_bar.CreateEx(0, nullptr, "bar", WS_CHILD, 0, 0, 10, 10, m_parent.GetSafeHwnd(), nullptr));
        m_paneHost.m_pDiagramBar = &m_bar;
        m_pDiagram->ResizeInBar(m_bar.GetSafeHwnd(), 0, 0, 800, 400);
    }
    void Measure(int iPairs)
    {
        m_pDiagram->StartMeasureDiagram(true);
        for (int i = 0; i < iPairs; ++i)
            m_pDiagram->AddMeasuredValues(i * 0.01, -i * 0.01, nullptr);
    }

    CAFormDiagram* m_pDiagram = nullptr;
    CWnd m_bar;
};

TEST_F(DiagramPaneTest, FillsTheDiagramBarAndIgnoresOtherBars)
{
    CRect rcGraph;
    m_pDiagram->m_wndGraph.GetWindowRect(&rcGraph);
    EXPECT_EQ(781, rcGraph.Width());
    EXPECT_EQ(381, rcGraph.Height());
    m_pDiagram->ResizeInBar(m_parent.GetSafeHwnd(), 0, 0, 300, 200);
    m_pDiagram->m_wndGraph.GetWindowRect(&rcGraph);
    EXPECT_EQ(781, rcGraph.Width());
}

TEST_F(DiagramPaneTest, MeasurementLaysOutTheAxesAndRedrawsFastRatesEveryFiveSeconds)
{
    Measure(3);
    EXPECT_EQ(CDiagramRules::MIN_REDRAW_MS, m_pDiagram->m_iRedrawPeriod);
    EXPECT_EQ("Zeit [sek]", std::string(m_pDiagram->m_wndGraph.getXAxisTitle()));
    EXPECT_EQ("Kanal A\n[N·m]", std::string(m_pDiagram->m_wndGraph.getYAxisTitle(0)));
    EXPECT_EQ("%0.2f", std::string(m_pDiagram->m_wndGraph.getYAxisFormat(1)));
    EXPECT_EQ(3, m_pDiagram->GetPointsY1());
    m_pDiagram->UpdateDiagram(false);
    EXPECT_EQ(3, m_pDiagram->m_wndGraph.getCurvePointCount(1));
    EXPECT_EQ(CDiagramRules::FAST_REDRAW_MS, m_pDiagram->m_iRedrawPeriod);

    // A measurement that waits for its trigger is not drawn; the pane looks again every 50 ms.
    pipeline.m_bTriggerWait = 1;
    m_pDiagram->UpdateDiagram(false);
    EXPECT_EQ(CDiagramRules::FAST_REDRAW_MS, m_pDiagram->m_iRedrawPeriod);
    m_pDiagram->StopMeasureDiagram();
    EXPECT_TRUE(m_paneHost.m_statusIds.empty()) << "no end of the measurement while the trigger waits";
    pipeline.m_bTriggerWait = 0;
}

TEST_F(DiagramPaneTest, WithoutStorageTheEndShowsTheValuesAndTheReadyMessage)
{
    Measure(10);
    m_pDiagram->StopMeasureDiagram();
    EXPECT_EQ(std::vector<int>{IDS_STATUS_READY}, m_paneHost.m_statusIds);
    EXPECT_EQ(1, m_paneHost.m_iStartFocused);
    EXPECT_EQ(1, m_paneHost.m_iWaitCursorEnds);
    EXPECT_TRUE(m_paneHost.m_output.m_steps.empty());
    m_pDiagram->AddMeasuredValues(1, 1, nullptr);
    EXPECT_EQ(10, m_pDiagram->GetPointsY1()) << "no point after the end";
}

TEST_F(DiagramPaneTest, AutomaticStorageWritesTheBitmapAfterTheOutputSizeAndRearmsTheTrigger)
{
    CTempFolder folder("tq5_diagram_store");
    CFakeDocumentation& docs = m_paneHost.m_documentation;
    docs.m_iDiagrams = CMeasureDocumentation::DM_AUTO_INDEXED;
    docs.m_strDirectory = folder.Path();
    Measure(20);
    m_pDiagram->StopMeasureDiagram();
    EXPECT_EQ(1, docs.m_iNamesBuilt);
    EXPECT_EQ(std::vector<std::string>{"size"}, m_paneHost.m_output.m_steps);
    ASSERT_TRUE(PumpUntil([&] { return m_paneHost.m_iRearms == 1; }, 3000));
    EXPECT_TRUE(FileExists(docs.GetDiagramFileName() + ".bmp")) << docs.GetDiagramFileName();
    EXPECT_EQ((std::vector<std::string>{"size", "restore"}), m_paneHost.m_output.m_steps);
    EXPECT_EQ(std::vector<int>{IDS_STATUS_READY}, m_paneHost.m_statusIds);
    EXPECT_EQ(1, m_paneHost.m_iWaitCursorEnds);

    // A pending close is posted again instead of the re-arm; a removed port skips the end step.
    m_paneHost.m_bClosePending = true;
    m_paneHost.m_bPortRemoved = true;
    Measure(5);
    m_pDiagram->StopMeasureDiagram();
    ASSERT_TRUE(PumpUntil([&] { return m_paneHost.m_iClosesPosted == 1; }, 3000));
    EXPECT_EQ(1, m_paneHost.m_iRearms);
    EXPECT_EQ(std::vector<int>{IDS_STATUS_READY}, m_paneHost.m_statusIds);
    EXPECT_EQ(2, m_paneHost.m_iWaitCursorEnds);
}

TEST_F(DiagramPaneTest, AFolderThatCannotBeMadeIsReportedAndNoBitmapIsWritten)
{
    CTempFolder folder("tq5_diagram_missing");
    CFakeDocumentation& docs = m_paneHost.m_documentation;
    docs.m_iDiagrams = CMeasureDocumentation::DM_CONSTANT_FILE_NAME;
    docs.m_strDirectory = folder.Path() + "\\no\\such";
    ScriptedMessageBoxes boxes;
    Measure(5);
    m_pDiagram->StopMeasureDiagram();
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(Text(IDS_DIAGRAM_FOLDER_FAILED) + " '" + std::string(docs.m_strDirectory) + "' " +
                  Text(IDS_DIAGRAM_FOLDER_FAILED_END),
              std::string(boxes.Calls()[0].strText));
    EXPECT_EQ(0, docs.m_iNamesBuilt);
    EXPECT_TRUE(m_paneHost.m_output.m_steps.empty());
    EXPECT_EQ(std::vector<int>{IDS_STATUS_READY}, m_paneHost.m_statusIds);
}

TEST_F(DiagramPaneTest, SaveAndPrintCommandsWriteTheBitmapThroughTheirTimers)
{
    CTempFolder folder("tq5_diagram_output");
    ::CreateDirectoryA(folder.Path(), nullptr);
    CFakeDiagramOutput& output = m_paneHost.m_output;
    output.m_strManualFile = folder.Path() + "\\saved.bmp";
    output.m_strReportBitmap = folder.Path() + "\\report.bmp";
    Measure(5);
    m_pDiagram->SetTimer(CAFormDiagram::TIMER_SAVE_BITMAP, CAFormDiagram::OUTPUT_DELAY_MS);
    ASSERT_TRUE(PumpUntil([&] { return m_paneHost.m_iWaitCursorEnds == 1; }, 3000));
    EXPECT_TRUE(FileExists(output.m_strManualFile));
    EXPECT_EQ(std::vector<std::string>{"restore"}, output.m_steps);
    m_pDiagram->SetTimer(CAFormDiagram::TIMER_PRINT_BITMAP, CAFormDiagram::OUTPUT_DELAY_MS);
    ASSERT_TRUE(PumpUntil([&] { return m_paneHost.m_iWaitCursorEnds == 2; }, 3000));
    EXPECT_TRUE(FileExists(output.m_strReportBitmap));
    EXPECT_EQ((std::vector<std::string>{"restore", "restore", "print"}), output.m_steps);
    // A file that cannot be written is reported after the bar is restored.
    output.m_steps.clear();
    output.m_strManualFile = folder.Path() + "\\missing\\saved.bmp";
    m_pDiagram->SetTimer(CAFormDiagram::TIMER_SAVE_BITMAP, CAFormDiagram::OUTPUT_DELAY_MS);
    ASSERT_TRUE(PumpUntil([&] { return m_paneHost.m_iWaitCursorEnds == 3; }, 3000));
    EXPECT_EQ((std::vector<std::string>{"restore", "not written: " + std::string(output.m_strManualFile)}),
              output.m_steps);
}

TEST_F(DiagramPaneTest, LanguageTextsOfTheMenuAndTheAxes)
{
    Measure(1);
    EXPECT_EQ("Verschieben", std::string(m_pDiagram->m_wndGraph.getMenuTextPan()));
    EXPECT_EQ("", std::string(m_pDiagram->m_wndGraph.getMenuTextProperties()));
    host.m_iLanguageOffset = 1000;
    m_pDiagram->UpdateLanguageTexts();
    EXPECT_EQ("Scrolling", std::string(m_pDiagram->m_wndGraph.getMenuTextPan()));
    EXPECT_EQ("show Legend", std::string(m_pDiagram->m_wndGraph.getMenuTextLegend()));
    EXPECT_EQ("Time [sec]", std::string(m_pDiagram->m_wndGraph.getXAxisTitle()));
    EXPECT_EQ("Channel B [N·m]", std::string(m_pDiagram->m_wndGraph.getCurveTitle(1)));
    host.m_iLanguageOffset = 0;
}
