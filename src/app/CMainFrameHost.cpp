// The main frame as the host of the view bars, the pages and the sensor engine. For the engine it
// serves the trace, its timers, the wait cursor, the language, the main window and the lost sensor, and
// hands the value calls to the value pipeline, which processes values once the panel, the panes and
// the diagram are attached to it.
#include "app/CMainFrame.h"

#include "app/TreeCtrlStruct.h"
#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CMeasurandLabel.h"
#include "protocol/Language.h"
#include "shell/CFrameDateTime.h"

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

void CMainFrame::ResizeDiagramInBar(CWnd* pBar, const CRect& rcClient)
{
    if (m_sPointer.pDiagram != nullptr && pBar != nullptr)
        m_sPointer.pDiagram->ResizeInBar(pBar->GetSafeHwnd(), rcClient.left, rcClient.top, rcClient.right,
                                         rcClient.bottom);
}

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

void CMainFrame::SetViewBarCheckState(int nBar, int iState)
{
    if (nBar >= 0 && nBar < VIEW_BAR_COUNT)
        m_psTreeCtrlStruct->iCheckState[nBar] = iState;
}

CString CMainFrame::GetMeasurandName(char cTypeClass)
{
    CString strName;
    CMeasurandLabel::FormatRangeEndValue(nullptr, false, 0, static_cast<unsigned char>(cTypeClass), &strName,
                                         nullptr, m_sSensor, m_iLanguageOffset);
    return strName;
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

// No diagnostic log is kept: the entry is dropped.

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
