// The main frame as the host of the sensor engine, the view bars and the pages: each call goes to the
// window or the part concerned. The value pipeline takes the engine's value calls; it processes values
// once the panel, the panes and the diagram are attached to it. The operator panel's measurement, the
// connection page's list, the information and calibration pages and the diagnostic log are built by
// their own issues; until then the engine's calls for them find nothing to do here.
#include "app/CMainFrame.h"

#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurePanelState.h"
#include "protocol/ComPortTimers.h"
#include "protocol/Language.h"
#include "sensorpages/CDlgDiagnostic.h"
#include "shell/CFrameDateTime.h"
#include "ports/CPortManGui.h"
#include "app/TreeCtrlStruct.h"

// ---- CViewBarHost and CPageHost -----------------------------------------------------------------------

int CMainFrame::GetViewBarCheckState(int nBar)
{
    return nBar >= 0 && nBar < VIEW_BAR_COUNT ? m_psTreeCtrlStruct->iCheckState[nBar] : 0;
}

CWnd* CMainFrame::GetViewBar(int nBar)
{
    // The view bars are numbered as their CheckStates; the status bar is none of them.
    return nBar >= VIEWBAR_CHANNEL_A && nBar <= VIEWBAR_NAVIGATION ? GetCheckStateBar(nBar) : nullptr;
}

CWnd* CMainFrame::GetChannelPane(int nBar)
{
    if (nBar == VIEWBAR_CHANNEL_A)
        return m_sPointer.pChannelA;
    if (nBar == VIEWBAR_CHANNEL_B)
        return m_sPointer.pChannelB;
    return nullptr;
}

// The diagram bar keeps its pane frame over its client area; the pane has no layout of its own yet.
void CMainFrame::ResizeDiagramInBar(CWnd*, const CRect&) {}

CString CMainFrame::FormatDate(int iDay, int iMonth, int iYear)
{
    return CFrameDateTime::FormatDate(m_iLanguageOffset, iDay, iMonth, iYear);
}

CString CMainFrame::FormatTime(__time64_t tTime)
{
    return CFrameDateTime::FormatTime(m_iLanguageOffset, tTime);
}

CString CMainFrame::FormatDuration(long long llSeconds)
{
    return CFrameDateTime::FormatDuration(m_iLanguageOffset, llSeconds);
}

CString CMainFrame::LocalizeDecimalSeparator(const CString& strText)
{
    return ::LocalizeDecimalSeparator(m_iLanguageOffset, strText);
}

void CMainFrame::SetTriggerThresholds(double dStartValue, double dStopValue)
{
    m_pipeline.m_dTrgStartValue = dStartValue;
    m_pipeline.m_dTrgStopValue = dStopValue;
}

// ---- CComPortHost: main frame --------------------------------------------------------------------------

void CMainFrame::Frame_Trace(const CString& strLine)
{
    if (m_dlgTrace.GetSafeHwnd())
        m_dlgTrace.AddTraceLine(strLine);
}

void CMainFrame::Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse)
{
    SetTimer(nIdEvent, uiElapse);
}

void CMainFrame::Frame_KillTimer(UINT_PTR nIdEvent)
{
    KillTimer(nIdEvent);
}

void CMainFrame::Frame_WriteDiagnosticLog(const SensorStruct&, const CString&, const CString&) {}

// ---- CComPortHost: value pipeline and channel records --------------------------------------------------

void CMainFrame::Frame_ProcessMeasuredValues(int iReason)
{
    m_pipeline.ProcessMeasuredValues(static_cast<unsigned>(iReason));
}

void CMainFrame::Frame_ResetMeanLists(int iReason)
{
    m_pipeline.ResetMeanLists(static_cast<unsigned>(iReason));
}

void CMainFrame::Frame_ResetCalibLists()
{
    m_pipeline.ResetCalibLists();
}

void CMainFrame::Frame_AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB)
{
    m_pipeline.AddCalibSample(dRawA, dRawB, dValueA, dValueB);
}

CalibRingAverages CMainFrame::Frame_GetCalibAverages()
{
    return m_pipeline.GetCalibAverages();
}

void CMainFrame::Frame_SetupChannels(int iMode, SensorStruct* pSensor)
{
    m_pipeline.SetupChannels(static_cast<BYTE>(iMode), pSensor);
}

void CMainFrame::Frame_AddSoftwareScalingUnit()
{
    m_pipeline.AddSoftwareScalingUnit();
}

void CMainFrame::Frame_SetSoftwareScalingUnit(int iChannel, double dFactor, const CString& strUnit)
{
    m_pipeline.SetSoftwareScalingUnit(iChannel, dFactor, strUnit);
}

int CMainFrame::Frame_GetUnitCount(int iChannel)
{
    return m_pipeline.GetUnitCount(iChannel);
}

void CMainFrame::Frame_StoreDisplaySettings()
{
    m_pipeline.StoreDisplaySettings();
}

bool CMainFrame::Frame_GetChannelScaleSource(int iChannel, ChannelScaleSource& source)
{
    return m_pipeline.GetChannelScaleSource(iChannel, source);
}

void CMainFrame::Frame_SetChannelScale(int iChannel, double dCountFactor, double dBaseCountFactor)
{
    m_pipeline.SetChannelScale(iChannel, dCountFactor, dBaseCountFactor);
}

void CMainFrame::Frame_OnMeasureStarting(bool) {}

// ---- CComPortHost: measure-configuration page -----------------------------------------------------------

void CMainFrame::Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB)
{
    bChannelA = bChannelB = false;
    if (m_sPointer.pDlgMeasureAdjust == nullptr)
        return;
    const MeasureAdjustStruct& adjust = *m_sPointer.pDlgMeasureAdjust->m_psMeasureAdjust;
    bChannelA = adjust.bCheckedA != 0;
    bChannelB = adjust.bCheckedB != 0;
}

void CMainFrame::Adjust_GetLowPassHz(int& iHzA, int& iHzB)
{
    iHzA = iHzB = 0;
}

bool CMainFrame::Adjust_IsSoftwareScalingChanged(int)
{
    return false;
}

void CMainFrame::Adjust_UpdateControls(int) {}
void CMainFrame::Adjust_ShowCurrentValue(int, int) {}

// ---- CComPortHost: operator panel -----------------------------------------------------------------------

void CMainFrame::Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse)
{
    if (m_sPointer.pDlgMeasureDiagram && m_sPointer.pDlgMeasureDiagram->GetSafeHwnd())
        m_sPointer.pDlgMeasureDiagram->SetTimer(nIdEvent, uiElapse);
}

void CMainFrame::Panel_KillTimer(UINT_PTR nIdEvent)
{
    if (m_sPointer.pDlgMeasureDiagram && m_sPointer.pDlgMeasureDiagram->GetSafeHwnd())
        m_sPointer.pDlgMeasureDiagram->KillTimer(nIdEvent);
}

bool CMainFrame::Panel_IsRunning()
{
    return m_sPointer.pDlgMeasureDiagram != nullptr && m_sPointer.pDlgMeasureDiagram->IsRunning();
}

void CMainFrame::Panel_BeginRunning()
{
    if (CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram)
    {
        pPanel->m_psMsureDgrm->bRunning = 1;
        pPanel->m_bValuesMissing = 0;
    }
}

void CMainFrame::Panel_EndRunning()
{
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (pPanel == nullptr)
        return;
    if (pPanel->GetSafeHwnd())
        pPanel->KillTimer(TIMER_PANEL_TRIGGER_LED);
    MeasurePanelState& state = *pPanel->m_psMsureDgrm;
    state.iTriggerLed = 0;
    state.bRunning = 0;
    state.bTriggerActive = 0;
    pPanel->UpdateButtons();
}

bool CMainFrame::Panel_TakeControlRequest()
{
    return false;
}

void CMainFrame::Panel_ToggleControlSignal(int) {}
void CMainFrame::Panel_ShowControlLed(bool) {}
void CMainFrame::Panel_SetControlState(BYTE) {}
void CMainFrame::Panel_SetConnectionState(int) {}

void CMainFrame::Panel_OnSensorConnected()
{
    if (m_sPointer.pDlgMeasureDiagram)
        m_sPointer.pDlgMeasureDiagram->OnSensorConnected();
}

void CMainFrame::Panel_OnSensorDisconnected()
{
    if (m_sPointer.pDlgMeasureDiagram)
        m_sPointer.pDlgMeasureDiagram->OnSensorDisconnected();
}

void CMainFrame::Panel_ResetToDisconnected()
{
    if (m_sPointer.pDlgMeasureDiagram)
        m_sPointer.pDlgMeasureDiagram->ResetToDisconnected();
}

void CMainFrame::Panel_OnBtnSingleShot() {}
void CMainFrame::Panel_StartMeasureTimer(UINT) {}
void CMainFrame::Panel_StopMeasureTimer() {}

CString CMainFrame::Panel_GetButtonStateText()
{
    return CString();
}

// ---- CComPortHost: start-up dialog ----------------------------------------------------------------------

void CMainFrame::StartUp_InitSearchProgress(int iPorts)
{
    m_dlgStartUp.InitSearchProgress(iPorts);
}

void CMainFrame::StartUp_SetSearchedPort(int iEntry)
{
    m_dlgStartUp.SetSearchedPort(iEntry);
}

void CMainFrame::StartUp_AdvanceSearchProgress(int iHow)
{
    m_dlgStartUp.AdvanceSearchProgress(iHow);
}

void CMainFrame::StartUp_ShowSearchFailed()
{
    m_dlgStartUp.ShowSearchFailed();
}

void CMainFrame::StartUp_HideSearchProgress()
{
    m_dlgStartUp.HideSearchProgress();
}

void CMainFrame::StartUp_Hide()
{
    if (m_dlgStartUp.GetSafeHwnd())
        m_dlgStartUp.ShowWindow(SW_HIDE);
}

// ---- CComPortHost: connection, information, calibration, diagnostic and documentation pages --------------

void CMainFrame::Connection_MarkAllPortsForSearch(int iValue)
{
    for (ComPortStruct& entry : m_sComPort)
        entry.iSearch = iValue;
    for (ComPortStruct& entry : m_sComPortPrev)
        entry.iSearch = iValue;
}

void CMainFrame::Connection_FillPortList(int iTakeOver)
{
    if (iTakeOver == 1)
        COM_TakeOverPrevSearchFlags();
}

void CMainFrame::Connection_BeginRefill() {}
void CMainFrame::Connection_SetPortRow(const CString&, int, int, ULONG) {}
void CMainFrame::Connection_EndRefill() {}

int CMainFrame::Connection_GetRowCount()
{
    return 0;
}

CString CMainFrame::Connection_GetCellText(int, int)
{
    return CString();
}

void CMainFrame::Connection_SetCellText(int, int, const CString&) {}
void CMainFrame::Connection_ResetListMarks() {}
void CMainFrame::Connection_ClearBaudChangePending() {}
void CMainFrame::Info_SetDataValid() {}
void CMainFrame::Info_UpdatePage(bool) {}
void CMainFrame::Calib_EnableCalibButtons(int) {}
void CMainFrame::Calib_AdvanceCalibProgress(int) {}

bool CMainFrame::Calib_CalcualteCalibValues(BYTE, BYTE, int& iErrorBits)
{
    iErrorBits = 0;
    return false;
}

bool CMainFrame::Calib_IsNewCalibReady()
{
    return false;
}

bool CMainFrame::Calib_IsUncertaintyConfirmed()
{
    return false;
}

int CMainFrame::Calib_GetUncertaintyAction()
{
    return ID_INACCURACY_CH_A_CHANGE;
}

void CMainFrame::Calib_GetBlockValues(int& iCalib23, int& iCalib25)
{
    iCalib23 = iCalib25 = 0;
}

void CMainFrame::Calib_ClearCalibRunning() {}
void CMainFrame::CalibZero_CloseFromProtocol() {}
void CMainFrame::CalibEnd_CloseFromProtocol() {}

CComboBox* CMainFrame::Diagnostic_GetPortCombo()
{
    return m_sPointer.pDlgDiagnostic ? &m_sPointer.pDlgDiagnostic->m_cbPorts : nullptr;
}

void CMainFrame::Documentation_SetStopTime(__time64_t) {}
