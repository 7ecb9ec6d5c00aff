// The main frame's part in a measurement: it hands the panel's panes their host and attaches the value
// pipeline once the windows are there, serves the panel and the panes, and runs the recording steps
// of a measurement (each value pair to the diagram, the end of the measurement, the values held for
// saving). The storage side adds the value files to these steps.
#include "app/CMainFrame.h"

#include "app/TreeCtrlStruct.h"
#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurePanelState.h"
#include "resources/resource.h"
#include "shell/ShellMessages.h"

// ---- Windows of the measurement ----------------------------------------------------------------------

void CMainFrame::AttachMeasurementWindows(CWnd* pWnd, int iKind)
{
    if (iKind == REGISTER_KIND_CHANNEL_A || iKind == REGISTER_KIND_CHANNEL_B)
    {
        if (auto* pPane = dynamic_cast<CChannelPane*>(pWnd))
            pPane->SetHost(this);
    }
    else if (iKind == REGISTER_KIND_DIAGRAM)
    {
        if (auto* pDiagram = dynamic_cast<CAFormDiagram*>(pWnd))
            pDiagram->SetHost(this);
    }
    const PointerTable& p = m_sPointer;
    if (p.pDlgMeasureAdjust && p.pDlgMeasureDiagram && p.pChannelA && p.pChannelB && p.pDiagram)
        m_pipeline.Attach(this, p.pDlgMeasureAdjust->m_psMeasureAdjust.get(), p.pDlgMeasureDiagram,
                          p.pChannelA, p.pChannelB, p.pDiagram);
}

void CMainFrame::TakeFocusFromPane()
{
    m_hFocusWnd = ::GetFocus();
    SetFocus();
}

const MeasureAdjustStruct* CMainFrame::GetMeasureAdjust()
{
    return m_sPointer.pDlgMeasureAdjust ? m_sPointer.pDlgMeasureAdjust->m_psMeasureAdjust.get() : nullptr;
}

bool CMainFrame::HasDigitalInputB()
{
    return m_sSensor.ucStatorType == 5 && m_sSensor.ucInterfaceKind == 1 && m_sSensor.ucNoDigitalInput == 0;
}

bool CMainFrame::IsDiagramBarShown()
{
    return m_psTreeCtrlStruct->iCheckState[CHECK_STATE_DIAGRAM] == 1;
}

void CMainFrame::FocusPanelStart()
{
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (pPanel != nullptr && pPanel->m_btnStart.GetSafeHwnd() && pPanel->IsWindowVisible())
        pPanel->m_btnStart.SetFocus();
}

void CMainFrame::RearmTriggerAfterStorage()
{
    if (m_sPointer.pDlgMeasureDiagram != nullptr)
        m_sPointer.pDlgMeasureDiagram->RearmTriggerAfterStorage();
}

void CMainFrame::SetChannelTreeState(int iChannel, BYTE byShown)
{
    if (iChannel == 0 || iChannel == 1)
        m_psTreeCtrlStruct->iCheckState[iChannel == 0 ? CHECK_STATE_CHANNEL_A : CHECK_STATE_CHANNEL_B] =
            byShown;
}

void CMainFrame::WriteDiagnosticLog(const SensorStruct& sSensor, const CString& strText)
{
    Frame_WriteDiagnosticLog(sSensor, strText, CString());
}

// ---- Recording steps ---------------------------------------------------------------------------------

void CMainFrame::Frame_OnMeasureStarting(bool bNewDiagram)
{
    m_pipeline.m_bTriggerWait = 0;
    m_bDropLastPoint = 0;
    m_pipeline.ResetMeanLists(0);
    if (m_sPointer.pDiagram != nullptr)
        m_sPointer.pDiagram->StartMeasureDiagram(bNewDiagram);
}

void CMainFrame::FreeValueList(BYTE* pbFlag)
{
    if (pbFlag == nullptr || *pbFlag != 1)
        return;
    BeginWaitCursorOnce();
    *pbFlag = 0;
    m_bFirstPairSeen = 0;
    EndWaitCursorOnce();
}

// Pairs are recorded outside a trigger cycle, and inside one from its start event on.
void CMainFrame::RecordValuePair(double dValueA, double dValueB)
{
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (m_bOutputFinished || m_pipeline.m_bTriggerWait || pPanel == nullptr || m_sPointer.pDiagram == nullptr)
        return;
    const bool bCycle = pPanel->m_psMsureDgrm->bTriggerActive != 0;
    if (bCycle != (m_pipeline.m_bTrgStarted != 0))
        return;
    double dTime = 0.0;
    m_sPointer.pDiagram->AddMeasuredValues(dValueA, dValueB, &dTime);
    const MeasureAdjustStruct* psSettings = GetMeasureAdjust();
    if (psSettings != nullptr && psSettings->iStopSource == MeasureAdjustStruct::STOP_DURATION &&
        m_pipeline.m_iDurationSeconds <= dTime)
        m_pipeline.m_bDurationReached = 1;
    if (!m_bFirstPairSeen)
        CONVERTTOCSV_FirstCall(dValueA, dValueB);
}

void CMainFrame::OnMeasurementEnd()
{
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    CAFormDiagram* pDiagram = m_sPointer.pDiagram;
    if (pPanel == nullptr || pDiagram == nullptr)
        return;
    // The values at the end close the curve, unless the measurement reached its duration.
    if (!m_pipeline.m_bDurationReached)
    {
        double dTime = 0.0;
        pDiagram->AddMeasuredValues(m_sMeasuredValues.dValueA, m_sMeasuredValues.dValueB, &dTime);
    }
    m_pipeline.m_bDurationReached = 0;
    pDiagram->KillTimer(CAFormDiagram::TIMER_REDRAW);
    pDiagram->UpdateDiagram(true);
    pPanel->OnMeasureFinished();
    if (!IsFileWriterRunning() && m_bMeasuredPortRemoved)
    {
        pPanel->OnSensorDisconnected();
        COM_CheckConnection(0);
    }
    if (m_bValuesAvailable == 0 && !m_pipeline.m_bTriggerWait)
        m_bValuesAvailable = 1;
    else
        FreeValueList(&m_bValuesAvailable);
    UpdateNaviTreeColors();
    m_bRecordingValues = 0;
    // Without a worker the files are finished now; without files the output is complete.
    if (!IsFileWriterRunning())
    {
        m_bFinishingInline = true;
        if (m_bValuesFileOpen || m_bResultsFileOpen)
            WriteValueRows();
        m_bFinishingInline = false;
        m_bOutputFinished = 1;
    }
    const int iDiagrams = GetAutoStorageDiagram();
    if (iDiagrams == CMeasureDocumentation::DM_AUTO_INDEXED ||
        iDiagrams == CMeasureDocumentation::DM_CONSTANT_FILE_NAME)
        return;
    // A running worker re-arms the trigger when it ends.
    if (!IsFileWriterRunning())
        pPanel->RearmTriggerAfterStorage();
}
