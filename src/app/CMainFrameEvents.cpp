// What arrives at the main frame on its own: timers, device notifications, the close request, the hot
// keys, window moves and sizes, and the status panes' idle updates.
#include "app/CMainFrame.h"

#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/CDlgSoftwareConfig.h"
#include "ports/CPortManGui.h"
#include "ports/PortTypes.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/ComPortTimers.h"
#include "resources/resource.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "app/CHotKeys.h"
#include "shell/ShellMessages.h"

#include <algorithm>
#include <dbt.h>

namespace
{
constexpr UINT STATUS_REARM_MS = 1000;
constexpr int MIN_TRACK_WIDTH = 800;
constexpr int MIN_TRACK_HEIGHT = 700;
constexpr int STATUS_REPEAT = 0;
} // namespace

// ---- Timers
// ------------------------------------------------------------------------------------------------

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
        case TIMER_STATUS_REARM:
            KillTimer(nIDEvent);
            m_bStatusRefreshArmed = true;
            break;
        case TIMER_MODE_SWITCH_ENABLE:
            // One step per page switch: the next switch starts the timer again.
            KillTimer(nIDEvent);
            m_bModeSwitchAllowed = TRUE;
            break;
        case ID_INDICATOR_TIME:
        case ID_INDICATOR_DATE:
        case ID_INDICATOR_WEEKDAY:
            // Only the status bar shows what these change: they refresh it and bring no idle update.
            m_wndStatusBar.OnUpdateCmdUI(this, TRUE);
            break;
        case TIMER_WAIT_BAUDRATE_CHANGED:
            OnTimerWaitBaudrateChanged();
            break;
        case TIMER_LIST_CONNECT:
            // The other port is closed: the connection page connects the row of its baud-rate change.
            m_strReceiveCOM.Empty();
            KillTimer(nIDEvent);
            if (m_sPointer.pDlgSensorConnection)
                m_sPointer.pDlgSensorConnection->ClickedListCtrlItem(0, 1);
            break;
        default:
            // The protocol's steps; the status panes' timers only bring the idle update.
            COM_OnTimer(nIDEvent);
            break;
    }
    CFrameWnd::OnTimer(nIDEvent);
}

// Waits for the configuration read of the reconnected sensor, then writes the baud rate the operator
// chose. The receive buffer is left alone while the read runs: it holds the read's answers. A read that
// ended without the configuration (the protocol reported the connection) ends the wait: nothing is written.
void CMainFrame::OnTimerWaitBaudrateChanged()
{
    if (!m_bSensorConfigRead)
    {
        if (COM_GetZMCOMConfgFlow() != ZM_START_INIT)
        {
            KillTimer(TIMER_WAIT_BAUDRATE_CHANGED);
            COM_Connection().Connection_ClearBaudChangePending();
            EndWaitCursorOnce();
        }
        return;
    }
    m_strReceiveCOM.Empty();
    KillTimer(TIMER_WAIT_BAUDRATE_CHANGED);
    m_dlgStartUp.SetListProgress(true);
    CDlgSensorConnection* pPage = m_sPointer.pDlgSensorConnection;
    const int iRow = pPage ? pPage->m_iBaudChangeRow : -1;
    const BYTE ucCode =
        CDlgSensorConnection::BaudTextToCode(COM_Connection().Connection_GetCellText(iRow, 1), nullptr);
    COM_ZMCOMConfgSetNewBaudrate(iRow, ucCode);
}

// ---- Device changes ---------------------------------------------------------------------------------------

BOOL CMainFrame::OnDeviceChange(UINT nEventType, DWORD_PTR dwData)
{
    const auto* pHeader = reinterpret_cast<const DEV_BROADCAST_HDR*>(dwData);
    CString strTrace;
    if (pHeader != nullptr)
        strTrace.Format("--> BOOL CMainFrame::OnDeviceChange(UINT nID = %6i, DWORD lParam = %lli)  BEGIN   "
                        "dbch_devicetype = %d dbch_reserved = %d dbch_size = %d",
                        nEventType, static_cast<long long>(dwData),
                        static_cast<int>(pHeader->dbch_devicetype), static_cast<int>(pHeader->dbch_reserved),
                        static_cast<int>(pHeader->dbch_size));
    else
        strTrace.Format("--> BOOL CMainFrame::OnDeviceChange(UINT nID = %6i, DWORD lParam = %lli)  BEGIN",
                        nEventType, static_cast<long long>(dwData));
    Frame_Trace(strTrace);
    if (m_pPort)
        m_pPort->HandleDeviceChange(nEventType, dwData);
    if (nEventType == DBT_DEVNODES_CHANGED && m_bPortArrivalPending)
        OnPortArrivalSettled();
    if (pHeader == nullptr)
        return TRUE;
    const bool bPort = pHeader->dbch_devicetype == DBT_DEVTYP_PORT;
    if (nEventType == DBT_DEVICEARRIVAL)
    {
        m_dlgStartUp.SetListProgress(false);
        if (bPort && !COM_Panel().Panel_IsRunning())
            m_bPortArrivalPending = 1;
        else
            m_bPortListOutdated = true;
    }
    else if (nEventType == DBT_DEVICEREMOVECOMPLETE)
    {
        m_dlgStartUp.SetListProgress(true);
        if (bPort)
            OnPortRemoved();
    }
    return TRUE;
}

// A port arrived and the device list has settled: the port is closed and the connection tested again.
void CMainFrame::OnPortArrivalSettled()
{
    m_dlgStartUp.SetListProgress(true);
    if (m_pPort && m_pPort->m_iState == PORT_OPEN)
        m_pPort->ClosePort(false);
    m_COM_bDeviceIsArrivedJustOneOfIt = true;
    COM_SavePortTableAsPrev();
    Frame_Trace(
        "--> BOOL CMainFrame::OnDeviceChange(UINT nID, DWORD lParam)  123456 COM_CheckConnection() BEFORE");
    COM_CheckConnection(0);
    Frame_Trace(
        "--> BOOL CMainFrame::OnDeviceChange(UINT nID, DWORD lParam)  123456 COM_CheckConnection() AFTER");
    m_bPortArrivalPending = 0;
}

// A port was removed: without a measurement the connection is tested again (the panel shows the
// disconnected state when the connected port is the one gone); during a measurement on the removed
// port the measurement is stopped, otherwise the port list is only marked as outdated.
void CMainFrame::OnPortRemoved()
{
    COM_SavePortTableAsPrev();
    const CString strStatus = m_pPort ? m_pPort->GetCurrentDisplayName() : m_strClosedPortName;
    const bool bConnectedPortGone = m_strActivePortKey != strStatus;
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (!COM_Panel().Panel_IsRunning())
    {
        if (bConnectedPortGone && pPanel != nullptr)
            pPanel->OnSensorDisconnected();
        Frame_Trace("--> BOOL CMainFrame::OnDeviceChange(UINT nID, DWORD lParam)  876454 "
                    "COM_CheckConnection() BEFORE");
        COM_CheckConnection(0);
        Frame_Trace("--> BOOL CMainFrame::OnDeviceChange(UINT nID, DWORD lParam)  876454 "
                    "COM_CheckConnection() AFTER");
        return;
    }
    if (!bConnectedPortGone)
    {
        m_bPortListOutdated = true;
        return;
    }
    m_strActivePortKey = m_strClosedPortName;
    m_bMeasuredPortRemoved = true;
    if (pPanel != nullptr)
        pPanel->OnBtnMeasureStop();
    CDlgMeasureAdjust* pAdjust = m_sPointer.pDlgMeasureAdjust;
    if (pAdjust != nullptr && pAdjust->m_pDlgSoftwareConfig != nullptr)
        pAdjust->m_pDlgSoftwareConfig->OnClickedCancel();
}

// A broken line loses the sensor as a removed port does; the engine has closed the port.
void CMainFrame::Frame_HandleLineBroken()
{
    m_dlgStartUp.SetListProgress(true);
    OnPortRemoved();
}

// ---- Lost sensor
// -------------------------------------------------------------------------------------------

// The rows of the connection page's list stand for the port table's entries of the same index.
void CMainFrame::HandleSensorLost(bool bStopMeasurement)
{
    const CString strCurrentPort = m_pPort ? m_pPort->GetCurrentDisplayName() : CString();
    const int iRows = std::min(COM_Connection().Connection_GetRowCount(), PORT_TABLE_SIZE);
    for (int iRow = 0; iRow < iRows; ++iRow)
    {
        if (COM_DisplayTextToPortKey(COM_Connection().Connection_GetCellText(iRow, 0)) == strCurrentPort)
        {
            m_sComPort.at(static_cast<size_t>(iRow)).iTervaneState = ID_PORT_NO_ANSWER;
            break;
        }
    }
    m_dlgStartUp.SetListProgress(true);
    COM_CheckConnection(0);
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (!bStopMeasurement || pPanel == nullptr)
        return;
    pPanel->OnBtnMeasureStop();
    if (m_sPointer.pDiagram != nullptr)
        m_sPointer.pDiagram->StopMeasureDiagram();
    if (CWnd* pStart = pPanel->GetDlgItem(IDC_PANEL_START))
        pStart->SetFocus();
}

// ---- Closing
// -------------------------------------------------------------------------------------------------

// Refused while the protocol initialises or restarts the sensor; a running measurement is stopped
// first, and the panel posts the close again once the measurement has ended.
void CMainFrame::OnClose()
{
    if (!COM_IsActionAllowed())
        return;
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (pPanel != nullptr && pPanel->ShowsIdleButtons())
        m_bCloseIdleButtons = true;
    if (!m_bClosePendingStream)
    {
        COM_SetMeasuringRateMode();
        if (COM_Panel().Panel_IsRunning() && pPanel != nullptr)
        {
            (m_bStreamMode ? m_bClosePendingStream : m_bClosePendingPolled) = true;
            pPanel->OnBtnMeasureStop();
            return;
        }
    }
    if (m_pConvertFile)
    {
        m_pConvertFile->Stop();
        m_pConvertFile.reset();
    }
    FreeValueList(&m_bValuesAvailable);
    m_bLogEndBanner = 1;
    Frame_WriteDiagnosticLog(m_sSensor, "OnCloseApp()", CString());
    CFrameWnd::OnClose();
}

bool CMainFrame::IsStatusPaneTimer(UINT_PTR nIDEvent)
{
    return nIDEvent == ID_INDICATOR_TIME || nIDEvent == ID_INDICATOR_DATE || nIDEvent == ID_INDICATOR_WEEKDAY;
}

bool CMainFrame::IsClosePending()
{
    return m_bClosePendingStream || m_bClosePendingPolled;
}

// ---- Hot keys
// ----------------------------------------------------------------------------------------------

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    if (TranslateHotKeys(pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

bool CMainFrame::TranslateHotKeys(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE)
    {
        if (m_bStatusRefreshArmed && pMsg->hwnd != m_wndNaviTree.GetSafeHwnd())
        {
            m_bStatusRefreshArmed = false;
            ShowStatusMessage(STATUS_REPEAT);
            SetTimer(TIMER_STATUS_REARM, STATUS_REARM_MS);
        }
        return false;
    }
    // Only key presses and releases are hot keys; the key states are not asked for other messages.
    if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_KEYUP)
        return false;
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
    const CHotKeys::Key key = CHotKeys::Classify(pMsg->message, pMsg->wParam, bCtrl, bShift);
    switch (key.action)
    {
        case CHotKeys::NEXT_PAGE:
        case CHotKeys::PREVIOUS_PAGE:
            SelectAdjacentMode(key.action == CHotKeys::NEXT_PAGE);
            break;
        case CHotKeys::COPY:
            CopySelectionToClipboard(pMsg);
            break;
        case CHotKeys::COMMAND:
            SendMessage(WM_COMMAND, key.nCommand);
            break;
        case CHotKeys::TOGGLE_LOG:
            m_iWriteLogFile = m_iWriteLogFile == 0 ? 1 : 0;
            AfxShowMessageBox(GetSafeHwnd(), m_iWriteLogFile == 0 ? "Log active" : "Log inactive",
                              AfxGetAppName(), MB_OK);
            break;
        case CHotKeys::TOGGLE_TRACE:
            if (m_dlgTrace.GetSafeHwnd())
                m_dlgTrace.ShowWindow(m_dlgTrace.IsWindowVisible() ? SW_HIDE : SW_SHOW);
            break;
        case CHotKeys::REFRESH_CONNECTIONS:
            if (m_iActiveMode != MODE_PAGE_SENSOR_CONNECTION || m_sPointer.pDlgSensorConnection == nullptr)
                return false;
            m_sPointer.pDlgSensorConnection->OnRefresh();
            return true;
        default:
            break;
    }
    return key.bConsumed;
}

void CMainFrame::CopySelectionToClipboard(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr)
        return;
    const CString strText = GetSelectedText(pMsg->hwnd);
    if (strText.IsEmpty() || !::OpenClipboard(GetSafeHwnd()))
        return;
    ::EmptyClipboard();
    const SIZE_T cbText = static_cast<SIZE_T>(strText.GetLength()) + 1;
    if (HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, cbText))
    {
        if (void* pText = ::GlobalLock(hText))
        {
            memcpy(pText, strText.GetString(), cbText);
            ::GlobalUnlock(hText);
            if (::SetClipboardData(CF_TEXT, hText) == nullptr)
                ::GlobalFree(hText);
        }
        else
            ::GlobalFree(hText);
    }
    ::CloseClipboard();
}

// ---- Moving and sizing ---------------------------------------------------------------------------------

// A pure move of the window stays inside the monitors (inside one monitor when it lies on one only),
// unless the diagram bar may be dragged with the mouse.
void CMainFrame::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CFrameWnd::OnWindowPosChanging(lpwndpos);
    if (lpwndpos->flags != SWP_NOSIZE || m_wndViewBarDiagram.m_bMouseDockingAllowed)
        return;
    CRect rcNow;
    GetWindowRect(rcNow);
    CRect rcWindow(lpwndpos->x, lpwndpos->y, lpwndpos->x + rcNow.Width(), lpwndpos->y + rcNow.Height());
    const CRect rcMonitor0 = GetMonitorRect(0);
    const CRect rcMonitor1 = GetMonitorRect(1);
    double dShare0 = 0;
    double dShare1 = 0;
    const int iBest = GetMonitorIndexOfRect(rcWindow.left, rcWindow.top, rcWindow.right, rcWindow.bottom,
                                            nullptr, &dShare0, &dShare1);
    CRect rcSpan0;
    CRect rcSpan1;
    const CRect rcVirtual = GetVirtualScreen(rcSpan0, rcSpan1);
    if (!LimitMoveRect(rcWindow, rcMonitor0, rcMonitor1, rcVirtual, dShare0, dShare1, iBest))
        return;
    lpwndpos->x = rcWindow.left;
    lpwndpos->y = rcWindow.top;
    lpwndpos->cx = rcWindow.Width();
    lpwndpos->cy = rcWindow.Height();
}

// The window is moved into the allowed area without a change of size; a window larger than the area
// keeps its top left corner in it, so its caption stays reachable.
bool CMainFrame::LimitMoveRect(CRect& rcWindow, const CRect& rcMonitor0, const CRect& rcMonitor1,
                               const CRect& rcVirtual, double dShare0, double dShare1, int iBestMonitor)
{
    CRect rcArea = rcVirtual;
    if (dShare0 <= 0 || dShare1 <= 0)
        rcArea = iBestMonitor == 1 ? rcMonitor1 : rcMonitor0;
    if (rcArea.IsRectEmpty())
        return false;
    const CPoint ptBefore = rcWindow.TopLeft();
    rcWindow.OffsetRect(-std::max(0L, rcWindow.right - rcArea.right),
                        -std::max(0L, rcWindow.bottom - rcArea.bottom));
    rcWindow.OffsetRect(std::max(0L, rcArea.left - rcWindow.left), std::max(0L, rcArea.top - rcWindow.top));
    return rcWindow.TopLeft() != ptBefore;
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CFrameWnd::OnGetMinMaxInfo(lpMMI);
    const CRect rcWork = GetWorkArea();
    lpMMI->ptMinTrackSize.x = std::min<LONG>(MIN_TRACK_WIDTH, rcWork.Width());
    lpMMI->ptMinTrackSize.y = std::min<LONG>(MIN_TRACK_HEIGHT, rcWork.Height());
}

// ---- Status panes ---------------------------------------------------------------------------------------

void CMainFrame::OnUpdateTime(CCmdUI* pCmdUI)
{
    m_tStatusTime = _time64(nullptr);
    pCmdUI->Enable(TRUE);
    pCmdUI->SetText(CFrameDateTime::FormatPaneTime(m_iLanguageOffset, m_tStatusTime));
}

// The date is renewed on the first update and whenever the day has changed since.
void CMainFrame::OnUpdateDate(CCmdUI* pCmdUI)
{
    if (!m_paneDates.IsDateDue(m_tStatusTime))
        return;
    pCmdUI->Enable(TRUE);
    pCmdUI->SetText(CFrameDateTime::FormatPaneDate(m_iLanguageOffset, m_tStatusTime));
    m_bWeekdayPending = true;
}

void CMainFrame::OnUpdateWeekday(CCmdUI* pCmdUI)
{
    if (!m_bWeekdayPending)
        return;
    pCmdUI->Enable(TRUE);
    pCmdUI->SetText(CFrameDateTime::FormatPaneWeekday(m_iLanguageOffset, _time64(nullptr)));
    m_bWeekdayPending = false;
}
