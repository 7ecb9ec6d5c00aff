#include "measurement/CDlgMeasureDiagram.h"

#include "framework/CWinApp.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CPanelHost.h"
#include "measurement/MeasureDgrmStruct.h"
#include "measurement/MeasurePanelState.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"
#include "shell/CStoredRecord.h"
#include "shell/ShellMessages.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CDlgMeasureDiagram, CModePage)

BEGIN_MESSAGE_MAP(CDlgMeasureDiagram, CModePage)
ON_WM_TIMER()
ON_BN_CLICKED(IDC_PANEL_START, OnBtnMeasureStart)
ON_BN_CLICKED(IDC_PANEL_STOP, OnBtnMeasureStop)
END_MESSAGE_MAP()

namespace
{
const char* const START_REFUSED = "Error 2587981";
const int BUTTON_IDS[MeasurePanelState::BUTTON_COUNT] = {
    IDC_PANEL_START, IDC_PANEL_STOP, IDC_PANEL_SINGLE_SHOT, IDC_PANEL_TRIGGER, IDC_PANEL_CTRL};
} // namespace

CDlgMeasureDiagram::CDlgMeasureDiagram(CWnd* pParent, void*)
    : CModePage(IDD_DLG_MEASURE_DIAGRAM, pParent),
      m_psMeasureDgrmStruct(std::make_unique<MeasureDgrmStruct>()),
      m_psMsureDgrm(std::make_unique<MeasurePanelState>())
{
    std::memset(m_psMeasureDgrmStruct.get(), 0, sizeof(MeasureDgrmStruct));
}

CDlgMeasureDiagram::~CDlgMeasureDiagram() = default;

BOOL CDlgMeasureDiagram::OnInitDialog()
{
    CModePage::OnInitDialog();
    if (m_bInitPending)
    {
        LoadStoredOptions();
        UpdateButtons();
        m_bInitPending = false;
    }
    return TRUE;
}

void CDlgMeasureDiagram::LoadStoredOptions()
{
    if (!CStoredRecord::Load(GetPageHost(), "MeasureDgrmStruct", m_psMeasureDgrmStruct.get(),
                             sizeof(MeasureDgrmStruct)))
        SetDefaultMeasureDgrm();
}

void CDlgMeasureDiagram::SetDefaultMeasureDgrm()
{
    m_psMsureDgrm->SetDefaults();
    m_psMeasureDgrmStruct->SetDefaults();
}

BOOL CDlgMeasureDiagram::UpdateLanguageTexts()
{
    const int iLanguage = GetLanguageOffset();
    BOOL bAll = CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_MEASURE_DIAGRAM, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_PANEL_START, IDS_START, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_PANEL_STOP, IDS_STOP, iLanguage);
    return bAll;
}

bool CDlgMeasureDiagram::IsRunning() const
{
    return m_psMsureDgrm->bRunning != 0;
}

void CDlgMeasureDiagram::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachPanel(bAttach ? this : nullptr);
}

// ---- The engine's operator panel -------------------------------------------------------------------------

void CDlgMeasureDiagram::Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse)
{
    if (GetSafeHwnd())
        SetTimer(nIdEvent, uiElapse);
}

void CDlgMeasureDiagram::Panel_KillTimer(UINT_PTR nIdEvent)
{
    if (GetSafeHwnd())
        KillTimer(nIdEvent);
}

void CDlgMeasureDiagram::Panel_BeginRunning()
{
    m_psMsureDgrm->bRunning = 1;
    m_bValuesMissing = 0;
}

void CDlgMeasureDiagram::Panel_EndRunning()
{
    if (GetSafeHwnd())
        KillTimer(TIMER_PANEL_TRIGGER_LED);
    m_psMsureDgrm->iTriggerLed = 0;
    m_psMsureDgrm->bRunning = 0;
    m_psMsureDgrm->bTriggerActive = 0;
    UpdateButtons();
}

void CDlgMeasureDiagram::SetRunningFlag(bool bRunning)
{
    m_psMsureDgrm->bRunning = bRunning ? 1 : 0;
}

// A start at a system time cannot be repeated automatically.
void CDlgMeasureDiagram::LockAutoRepeat(bool bLock)
{
    if (bLock)
        m_psMeasureDgrmStruct->bTriggerAutoRepeat = 0;
    m_psMeasureDgrmStruct->bAutoRepeatLocked = bLock ? 1 : 0;
}

void CDlgMeasureDiagram::UpdateSettingsPage()
{
    CPageHost* pHost = GetPageHost();
    auto* pAdjust =
        pHost ? dynamic_cast<CDlgMeasureAdjust*>(pHost->GetRegisteredWindow(REGISTER_KIND_DLG_MEASURE_ADJUST))
              : nullptr;
    if (pAdjust != nullptr)
        pAdjust->UpdateControls(pHost->GetLanguageOffset());
}

// ---- Buttons -------------------------------------------------------------------------------------------

void CDlgMeasureDiagram::SetButtons(int iStart, int iStop, int iSingleShot, int iTrigger, int iCtrl)
{
    BYTE* pucVisible = m_psMsureDgrm->sIsVisible;
    pucVisible[MeasurePanelState::BTN_MEASURE_START] = static_cast<BYTE>(iStart);
    pucVisible[MeasurePanelState::BTN_MEASURE_STOP] = static_cast<BYTE>(iStop);
    pucVisible[MeasurePanelState::BTN_SINGLE_SHOT] = static_cast<BYTE>(iSingleShot);
    pucVisible[MeasurePanelState::BTN_TRIGGER] = static_cast<BYTE>(iTrigger);
    pucVisible[MeasurePanelState::BTN_CTRL] = static_cast<BYTE>(iCtrl);
    UpdateButtons();
}

void CDlgMeasureDiagram::UpdateButtons()
{
    if (GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < MeasurePanelState::BUTTON_COUNT; ++i)
    {
        CWnd* pButton = GetDlgItem(BUTTON_IDS[i]);
        const BYTE ucVisible = m_psMsureDgrm->sIsVisible[i];
        if (pButton != nullptr && (ucVisible == 0 || ucVisible == 1))
            pButton->EnableWindow(ucVisible);
    }
}

bool CDlgMeasureDiagram::ShowsIdleButtons() const
{
    const BYTE* pucVisible = m_psMsureDgrm->sIsVisible;
    return pucVisible[MeasurePanelState::BTN_MEASURE_START] == 1 &&
           pucVisible[MeasurePanelState::BTN_TRIGGER] == 1 &&
           pucVisible[MeasurePanelState::BTN_MEASURE_STOP] == 0 &&
           pucVisible[MeasurePanelState::BTN_SINGLE_SHOT] == 0;
}

// ---- Start, stop and the end of a measurement ------------------------------------------------------------

void CDlgMeasureDiagram::OnBtnMeasureStart()
{
    CPageHost* pHost = GetPageHost();
    if (pHost == nullptr || m_pPanelHost == nullptr)
        return;
    CComPort& engine = pHost->GetComPort();
    if (!engine.COM_IsActionAllowed())
    {
        AfxMessageBox(START_REFUSED, MB_OK);
        return;
    }
    m_pPanelHost->SetMeasuredPortRemoved(false);
    engine.COM_ResetMeasuredValues();
    engine.COM_SetMeasuringRateMode();
    m_pPanelHost->ShowStatusMessage(IDS_STATUS_MEASURING);
    SetButtons(0, 1, 0, m_psMsureDgrm->bTriggerActive, engine.m_bStreamMode ? 0 : 1);
    if (CWnd* pStop = GetDlgItem(IDC_PANEL_STOP))
        pStop->SetFocus();
    engine.COM_ZMCOMConfgStartMeasure(-1, true);
}

void CDlgMeasureDiagram::OnBtnMeasureStop()
{
    CPageHost* pHost = GetPageHost();
    if (!IsRunning() || pHost == nullptr || m_pPanelHost == nullptr)
        return;
    BYTE* pucVisible = m_psMsureDgrm->sIsVisible;
    SetButtons(pucVisible[MeasurePanelState::BTN_MEASURE_START], 0,
               pucVisible[MeasurePanelState::BTN_SINGLE_SHOT], 0, 0);
    m_pPanelHost->BeginWaitCursorOnce();
    if (m_psMsureDgrm->bTriggerActive)
    {
        m_psMsureDgrm->bTrggrWasActivLastTime = 1;
        m_psMsureDgrm->bTriggerActive = 0;
    }
    pHost->GetComPort().COM_ZMCOMConfgStopMeasure();
}

// The watchdog: 800 ms after the last record of a stream, or after the stop of a polled measurement.
void CDlgMeasureDiagram::OnWatchdog()
{
    KillTimer(TIMER_PANEL_WATCHDOG);
    CPageHost* pHost = GetPageHost();
    if (pHost == nullptr || m_pPanelHost == nullptr)
        return;
    if (IsRunning())
    {
        m_bValuesMissing = 1;
        OnBtnMeasureStop();
    }
    pHost->GetComPort().COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    m_pPanelHost->OnMeasurementEnd();
    // Nothing is stored after a measurement yet, so a close that waited for it goes on now.
    if (m_pPanelHost->IsClosePending())
        pHost->GetFrameWindow()->PostMessage(WM_CLOSE);
}

void CDlgMeasureDiagram::OnMeasureFinished()
{
    if (m_bSensorConnected)
        SetButtons(1, 0, 1, 1, 1);
    if (m_pPanelHost != nullptr)
        m_pPanelHost->EndWaitCursorOnce();
    if (m_bValuesMissing)
    {
        m_bValuesMissing = 0;
        CString strText;
        strText.LoadString(IDS_PROTOCOL_ERROR + static_cast<UINT>(GetLanguageOffset()));
        AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
    }
    if (CWnd* pStart = GetDlgItem(IDC_PANEL_START); pStart != nullptr && IsWindowVisible())
        pStart->SetFocus();
}

// ---- Connection ------------------------------------------------------------------------------------------

void CDlgMeasureDiagram::OnSensorConnected()
{
    CPageHost* pHost = GetPageHost();
    if (pHost == nullptr || m_pPanelHost == nullptr)
        return;
    CComPort& engine = pHost->GetComPort();
    engine.m_bPageSwitchLocked = false;
    if (CComPort::COM_IsCompatibleInterface(engine.m_sSensor))
    {
        m_bSensorConnected = 1;
        SetButtons(1, 0, 1, 1, 1);
        m_pPanelHost->ShowStatusMessage(IDS_STATUS_READY);
        UpdateSettingsPage();
    }
    else
        ResetToDisconnected();
    engine.COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    UpdateButtons();
    m_pPanelHost->EndWaitCursorOnce();
}

void CDlgMeasureDiagram::ResetToDisconnected()
{
    m_bSensorConnected = 0;
    m_psMsureDgrm->iCtrlLed = 0;
    SetButtons(0, 0, 0, 0, 0);
    if (m_pPanelHost != nullptr)
        m_pPanelHost->ShowStatusMessage(IDS_STATUS_DISCONNECTED);
    UpdateSettingsPage();
}

void CDlgMeasureDiagram::OnSensorDisconnected()
{
    ResetToDisconnected();
    if (m_pPanelHost != nullptr)
        m_pPanelHost->EndWaitCursorOnce();
}

// ---- Timers ----------------------------------------------------------------------------------------------

void CDlgMeasureDiagram::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_PANEL_WATCHDOG)
    {
        OnWatchdog();
        return;
    }
    if (nIDEvent != TIMER_PANEL_DEFERRED_SEARCH)
    {
        CModePage::OnTimer(nIDEvent);
        return;
    }
    // A sensor search that was put off after a device arrival.
    KillTimer(nIDEvent);
    if (CPageHost* pHost = GetPageHost())
        pHost->GetComPort().COM_CheckConnectionIfQbxUsbTyp(0);
}
