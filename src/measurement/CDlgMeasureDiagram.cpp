#include "measurement/CDlgMeasureDiagram.h"

#include "framework/AfxShellOpen.h"
#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CAFormLight.h"
#include "measurement/CChannelPane.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/CMeasureDocumentation.h"
#include "measurement/CPanelHost.h"
#include "measurement/CPanelRules.h"
#include "measurement/CPanelTexts.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasureDgrmStruct.h"
#include "measurement/MeasurePanelState.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "protocol/CComPortCalibRole.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "resources/resource_led.h"
#include "resources/resource_panel.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"
#include "shell/CStoredRecord.h"
#include "shell/ShellMessages.h"

#include <mmsystem.h>

#include <cstring>
#include <ctime>

namespace
{
const char* const START_REFUSED = "Error 2587981";
const char* const TRIGGER_REFUSED = "Error 22231";
const char* const SENSOR_DISCONNECTED_LOG = "Sensor getrennt";
const UINT WM_MEASURE_TIMER_TICK = ::RegisterWindowMessageA("CDlgMeasureDiagram.MeasureTimerTick");
const int BUTTON_IDS[MeasurePanelState::BUTTON_COUNT] = {
    IDC_PANEL_START, IDC_PANEL_STOP, IDC_PANEL_SINGLE_SHOT, IDC_PANEL_TRIGGER, IDC_PANEL_CTRL};
// The engine's uncertainty of a channel: 1 asks for channel A, any other value for channel B.
constexpr int UNCERTAINTY_OF_A = 1;
constexpr int UNCERTAINTY_OF_B = 0;
// The panel's smallest layout and the group box's margins.
constexpr int GROUP_LEFT = 10;
constexpr int GROUP_TOP = 5;
constexpr int GROUP_SHRINK_X = 19;
constexpr int GROUP_SHRINK_Y = 15;
constexpr int MIN_CLIENT_X = 344;
constexpr int MIN_CLIENT_Y = 357;
constexpr int MIN_GROUP_X = 325;
constexpr int MIN_GROUP_Y = 342;
} // namespace

IMPLEMENT_DYNAMIC(CDlgMeasureDiagram, CModePage)

BEGIN_MESSAGE_MAP(CDlgMeasureDiagram, CModePage)
ON_WM_PAINT()
ON_WM_SHOWWINDOW()
ON_WM_TIMER()
ON_BN_CLICKED(IDC_PANEL_START, OnBtnMeasureStart)
ON_BN_CLICKED(IDC_PANEL_STOP, OnBtnMeasureStop)
ON_BN_CLICKED(IDC_PANEL_TRIGGER, OnBtnTrigger)
ON_BN_CLICKED(IDC_PANEL_CTRL, OnBtnCtrl)
ON_BN_CLICKED(IDC_PANEL_SINGLE_SHOT, OnBtnSingleShot)
ON_BN_CLICKED(IDC_PANEL_DEFAULT, OnDefaultButton)
ON_BN_CLICKED(IDC_PANEL_AUTO_REPEAT, OnBtnAutoRepeat)
ON_REGISTERED_MESSAGE(WM_MEASURE_TIMER_TICK, OnMeasureTimerMessage)
END_MESSAGE_MAP()

CDlgMeasureDiagram::CDlgMeasureDiagram(CWnd* pParent, void*)
    : CModePage(IDD_DLG_MEASURE_DIAGRAM, pParent),
      m_psMeasureDgrmStruct(std::make_unique<MeasureDgrmStruct>()),
      m_psMsureDgrm(std::make_unique<MeasurePanelState>())
{
    std::memset(m_psMeasureDgrmStruct.get(), 0, sizeof(MeasureDgrmStruct));
}

CDlgMeasureDiagram::~CDlgMeasureDiagram() = default;

void CDlgMeasureDiagram::DoDataExchange(CDataExchange* pDX)
{
    CModePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PANEL_START, m_btnStart);
    DDX_Control(pDX, IDC_PANEL_STOP, m_btnStop);
    DDX_Control(pDX, IDC_PANEL_TRIGGER, m_btnTrigger);
    DDX_Control(pDX, IDC_PANEL_SINGLE_SHOT, m_btnSingleShot);
    DDX_Control(pDX, IDC_PANEL_CTRL, m_btnCtrl);
    DDX_Control(pDX, IDC_PANEL_AUTO_REPEAT, m_chkAutoRepeat);
    DDX_Control(pDX, IDC_PANEL_LED_CTRL, m_ledCtrl);
    DDX_Control(pDX, IDC_PANEL_LED_TRIGGER, m_ledTrigger);
    DDX_Control(pDX, IDC_PANEL_RATE, m_stcRate);
    DDX_Control(pDX, IDC_PANEL_SERIAL, m_stcSerial);
    DDX_Control(pDX, IDC_PANEL_RANGE, m_stcRange);
    DDX_Control(pDX, IDC_PANEL_UNCERTAINTY, m_stcUncertainty);
}

BOOL CDlgMeasureDiagram::OnInitDialog()
{
    CModePage::OnInitDialog();
    m_hTickTarget = m_hWnd;
    if (m_bInitPending)
        InitOnce();
    return TRUE;
}

void CDlgMeasureDiagram::InitOnce()
{
    m_ledCtrl.SetStateCount(2, false);
    m_ledCtrl.SetStateIcon(CPanelRules::LED_OFF, IDI_LED_OFF);
    m_ledCtrl.SetStateIcon(1, IDI_LED_RED);
    m_ledCtrl.SetState(CPanelRules::ShownControlLed(m_psMsureDgrm->iCtrlLed));
    m_ledTrigger.SetStateCount(3, false);
    m_ledTrigger.SetStateIcon(CPanelRules::LED_OFF, IDI_LED_OFF);
    m_ledTrigger.SetStateIcon(CPanelRules::LED_GREEN, IDI_LED_GREEN);
    m_ledTrigger.SetStateIcon(CPanelRules::LED_YELLOW, IDI_LED_YELLOW);
    m_ledTrigger.SetState(m_psMsureDgrm->iTriggerLed);
    LoadStoredOptions();
    m_bInitPending = false;
}

void CDlgMeasureDiagram::LoadStoredOptions()
{
    if (!CStoredRecord::Load(GetPageHost(), "MeasureDgrmStruct", m_psMeasureDgrmStruct.get(),
                             sizeof(MeasureDgrmStruct)))
    {
        SetDefaultMeasureDgrm();
        return;
    }
    m_chkAutoRepeat.SetCheck(m_psMeasureDgrmStruct->bTriggerAutoRepeat ? BST_CHECKED : BST_UNCHECKED);
    UpdateButtons();
}

// A damaged record goes whole: its check ints are set afresh when it is stored.
void CDlgMeasureDiagram::SetDefaultMeasureDgrm()
{
    m_psMsureDgrm->SetDefaults();
    std::memset(m_psMeasureDgrmStruct.get(), 0, sizeof(MeasureDgrmStruct));
    m_psMeasureDgrmStruct->SetDefaults();
}

// ---- The frame's parts and windows -------------------------------------------------------------------

CComPort* CDlgMeasureDiagram::Engine() const
{
    return GetPageHost() ? &GetPageHost()->GetComPort() : nullptr;
}

CValuePipeline* CDlgMeasureDiagram::Pipeline() const
{
    return m_pPanelHost ? &m_pPanelHost->GetPipeline() : nullptr;
}

CDlgMeasureAdjust* CDlgMeasureDiagram::AdjustPage() const
{
    CPageHost* pHost = GetPageHost();
    return pHost ? dynamic_cast<CDlgMeasureAdjust*>(
                       pHost->GetRegisteredWindow(REGISTER_KIND_DLG_MEASURE_ADJUST))
                 : nullptr;
}

CAFormDiagram* CDlgMeasureDiagram::DiagramPane() const
{
    CPageHost* pHost = GetPageHost();
    return pHost ? dynamic_cast<CAFormDiagram*>(pHost->GetRegisteredWindow(REGISTER_KIND_DIAGRAM)) : nullptr;
}

CAFormLight* CDlgMeasureDiagram::LightPane() const
{
    CPageHost* pHost = GetPageHost();
    return pHost ? dynamic_cast<CAFormLight*>(pHost->GetRegisteredWindow(REGISTER_KIND_LIGHT)) : nullptr;
}

CChannelPane* CDlgMeasureDiagram::ChannelPane(int iChannel) const
{
    CPageHost* pHost = GetPageHost();
    const int iKind = iChannel == 0 ? REGISTER_KIND_CHANNEL_A : REGISTER_KIND_CHANNEL_B;
    return pHost ? dynamic_cast<CChannelPane*>(pHost->GetRegisteredWindow(iKind)) : nullptr;
}

void CDlgMeasureDiagram::ShowStatus(int iStatusId)
{
    if (m_pPanelHost != nullptr)
        m_pPanelHost->ShowStatusMessage(iStatusId);
}

CString CDlgMeasureDiagram::Text(int iStringId) const
{
    CString str;
    str.LoadString(static_cast<UINT>(iStringId + GetLanguageOffset()));
    return str;
}

bool CDlgMeasureDiagram::IsRunning() const
{
    return m_psMsureDgrm->bRunning != 0;
}

void CDlgMeasureDiagram::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachPanel(bAttach ? this : nullptr);
}

// ---- Buttons -------------------------------------------------------------------------------------------

void CDlgMeasureDiagram::UpdateButtons()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const MeasurePanelState& s = *m_psMsureDgrm;
    const bool bAutoRepeat = m_chkAutoRepeat.GetCheck() == BST_CHECKED;
    m_btnTrigger.SetWindowText(Text(CPanelRules::TriggerCaptionId(s, bAutoRepeat)));
    const bool bLocked = m_psMeasureDgrmStruct->bAutoRepeatLocked != 0;
    m_chkAutoRepeat.SetCheck(!bLocked && m_psMeasureDgrmStruct->bTriggerAutoRepeat ? BST_CHECKED
                                                                                   : BST_UNCHECKED);
    for (int i = 0; i < MeasurePanelState::BUTTON_COUNT; ++i)
    {
        CWnd* pButton = GetDlgItem(BUTTON_IDS[i]);
        const BYTE ucVisible = s.sIsVisible[i];
        if (pButton != nullptr && (ucVisible == 0 || ucVisible == 1))
            pButton->EnableWindow(ucVisible);
    }
    KeepKeyboardFocus();
    UpdateTriggerLed();
    UpdateControlLed();
}

void CDlgMeasureDiagram::UpdateTriggerLed()
{
    m_psMsureDgrm->iTriggerLed = CPanelRules::RefreshedTriggerLed(*m_psMsureDgrm);
    if (m_ledTrigger.GetSafeHwnd())
        m_ledTrigger.SetState(m_psMsureDgrm->iTriggerLed);
}

void CDlgMeasureDiagram::UpdateControlLed()
{
    if (m_ledCtrl.GetSafeHwnd())
        m_ledCtrl.SetState(CPanelRules::ShownControlLed(m_psMsureDgrm->iCtrlLed));
}

bool CDlgMeasureDiagram::ShowsIdleButtons() const
{
    const BYTE* pucVisible = m_psMsureDgrm->sIsVisible;
    return pucVisible[MeasurePanelState::BTN_MEASURE_START] == 1 &&
           pucVisible[MeasurePanelState::BTN_TRIGGER] == 1 &&
           pucVisible[MeasurePanelState::BTN_MEASURE_STOP] == 0 &&
           pucVisible[MeasurePanelState::BTN_SINGLE_SHOT] == 0;
}

void CDlgMeasureDiagram::SetButtonsMeasuring()
{
    CComPort* pEngine = Engine();
    CPanelRules::SetMeasuring(*m_psMsureDgrm, pEngine == nullptr || pEngine->m_bStreamMode != 0);
    UpdateButtons();
    if (m_btnStop.GetSafeHwnd())
        m_btnStop.SetFocus();
}

void CDlgMeasureDiagram::RunProgram(const CString& strPath)
{
    // A program that cannot be started is ignored ("n.a." when none is chosen fails the same way).
    if (!strPath.IsEmpty())
        AfxShellOpen(m_hWnd, strPath, SW_SHOWNORMAL);
}

// ---- Start and Stop ------------------------------------------------------------------------------------

void CDlgMeasureDiagram::OnBtnMeasureStart()
{
    CComPort* pEngine = Engine();
    CValuePipeline* pPipeline = Pipeline();
    if (pEngine == nullptr || pPipeline == nullptr)
        return;
    if (!pEngine->COM_IsActionAllowed())
    {
        AfxMessageBox(START_REFUSED, MB_OK);
        return;
    }
    MeasurePanelState& s = *m_psMsureDgrm;
    s.bTrggrWasActivLastTime = 0;
    pPipeline->m_bStartedByOperator = m_bStartMarker;
    m_bStartMarker = 1;
    if (CDlgMeasureAdjust* pAdjust = AdjustPage())
        RunProgram(pAdjust->m_strStartProgram);
    if (CAFormLight* pLight = LightPane())
        pLight->SetLight(CAFormLight::LIGHT_GREY);
    m_pPanelHost->SetMeasuredPortRemoved(false);
    pPipeline->m_bDurationReached = 0;
    pEngine->COM_ResetMeasuredValues();
    if (s.bTriggerActive)
    {
        // The start event of an armed trigger: the stream runs since the trigger was armed.
        if (CAFormDiagram* pDiagram = DiagramPane())
            pDiagram->StartMeasureDiagram(true);
        pPipeline->m_bTriggerWait = 0;
        KillTimer(TIMER_PANEL_TRIGGER_LED);
        s.iTriggerLed = CPanelRules::LED_GREEN;
        SetButtonsMeasuring();
        m_pPanelHost->OpenValueFiles(0);
        pPipeline->m_bTrgStarted = 1;
        pPipeline->m_tMeasureEnd = _time64(nullptr) + pPipeline->m_iDurationSeconds;
        ShowStatus(IDS_STATUS_WAIT_FOR_TRIGGER_STOP);
    }
    else
    {
        pEngine->COM_SetMeasuringRateMode();
        ShowStatus(IDS_STATUS_MEASURING);
        pPipeline->m_bTriggerWait = 0;
        SetButtonsMeasuring();
        m_pPanelHost->OpenValueFiles(0);
        pEngine->COM_ZMCOMConfgStartMeasure(-1, true);
    }
    m_bIONIOPending = 1;
}

void CDlgMeasureDiagram::OnBtnMeasureStop()
{
    CComPort* pEngine = Engine();
    CValuePipeline* pPipeline = Pipeline();
    if (pEngine == nullptr || pPipeline == nullptr)
        return;
    pPipeline->m_bStartedByOperator = 0;
    MeasurePanelState& s = *m_psMsureDgrm;
    const bool bWasRunning = s.bRunning != 0;
    if (bWasRunning)
    {
        CPanelRules::SetStopping(s);
        UpdateButtons();
        m_pPanelHost->BeginWaitCursorOnce();
        if (s.bTriggerActive)
        {
            s.bTrggrWasActivLastTime = 1;
            s.bTriggerActive = 0;
        }
        pEngine->COM_ZMCOMConfgStopMeasure();
        if (m_bMeasuredSinceStart)
            m_pPanelHost->GetDocumentation().SetStopTime(_time64(nullptr));
    }
    EvaluateLimits();
    // Only a Stop that ends a running measurement runs the stop program (not every idle call, such as a
    // page that stops a measurement when it is shown).
    if (bWasRunning)
    {
        if (CDlgMeasureAdjust* pAdjust = AdjustPage())
            RunProgram(pAdjust->m_strStopProgram);
    }
}

// Once per measurement, when a pass/fail condition is set: the light shows the evaluation. A measurement
// that received no value is not judged: the light stays grey.
void CDlgMeasureDiagram::EvaluateLimits()
{
    CDlgMeasureAdjust* pAdjust = AdjustPage();
    CComPort* pEngine = Engine();
    if (!m_bIONIOPending || pAdjust == nullptr || pEngine == nullptr || pAdjust->IsIONIOConditionOff(0))
        return;
    const MeasuredValuesStruct& values = pEngine->m_sMeasuredValues;
    if (values.dMaxA == MeasuredValuesStruct::NO_MAXIMUM && values.dMaxB == MeasuredValuesStruct::NO_MAXIMUM)
    {
        m_bIONIOPending = 0;
        return;
    }
    IONIOResultPair result;
    CValidation_IO_NIO validation;
    const CString* pstrLimit = pAdjust->m_strLimitText;
    validation.Execute(&result, &pEngine->m_sMeasuredValues, pAdjust->m_iLimitMeasurandIndex[0],
                       pAdjust->m_iLimitMeasurandIndex[1], pstrLimit[0], pstrLimit[1], pstrLimit[2],
                       pstrLimit[3], 0, m_sIONIOCompared);
    m_bIONIOResult1 = result.bCondition1;
    m_bIONIOResult2 = result.bCondition2;
    if (CAFormLight* pLight = LightPane())
        pLight->SetLight(CValidation_IO_NIO::GetLight(result));
    m_bIONIOPending = 0;
}

// ---- Trigger -------------------------------------------------------------------------------------------

void CDlgMeasureDiagram::PrepareTrigger()
{
    CDlgMeasureAdjust* pAdjust = AdjustPage();
    CValuePipeline* pPipeline = Pipeline();
    CComPort* pEngine = Engine();
    if (pAdjust == nullptr || pPipeline == nullptr || pEngine == nullptr)
        return;
    const SensorStruct& sSensor = pEngine->m_sSensor;
    const bool bDigitalInputB =
        sSensor.ucStatorType == 5 && sSensor.ucInterfaceKind == 1 && sSensor.ucNoDigitalInput == 0;
    const CPanelRules::TriggerPreparation p =
        CPanelRules::PrepareTrigger(*pAdjust->m_psMeasureAdjust, pPipeline->m_sChannel, bDigitalInputB);
    pPipeline->m_dTrgStartHysteresis = p.dStartHysteresis;
    pPipeline->m_dTrgStopHysteresis = p.dStopHysteresis;
    if (p.bDurationSet)
        pPipeline->m_iDurationSeconds = p.iDurationSeconds;
}

void CDlgMeasureDiagram::OnBtnTrigger()
{
    CComPort* pEngine = Engine();
    CValuePipeline* pPipeline = Pipeline();
    if (pEngine == nullptr || pPipeline == nullptr)
        return;
    CAFormLight* pLight = LightPane();
    if (m_bTriggerByOperator && pLight != nullptr)
        pLight->SetLight(CAFormLight::LIGHT_GREY);
    if (!pEngine->COM_IsActionAllowed())
    {
        AfxMessageBox(TRIGGER_REFUSED, MB_OK);
        return;
    }
    MeasurePanelState& s = *m_psMsureDgrm;
    CAFormDiagram* pDiagram = DiagramPane();
    if (!s.bTriggerActive)
    {
        pEngine->COM_SetMeasuringRateMode();
        m_pPanelHost->FreeValueList();
        s.bTriggerActive = 1;
        pPipeline->m_bTrgStarted = 0;
        pPipeline->m_bTrgStartArmed = 0;
        pPipeline->m_bTrgStopArmed = 0;
        PrepareTrigger();
        s.iTriggerLed = CPanelRules::LED_YELLOW;
        SetTimer(TIMER_PANEL_TRIGGER_LED, TRIGGER_BLINK_MS);
        CPanelRules::SetArmed(s, pEngine->m_bStreamMode != 0);
        CDlgMeasureAdjust* pAdjust = AdjustPage();
        if (pAdjust != nullptr && pDiagram != nullptr &&
            pAdjust->m_psMeasureAdjust->iStopSource == MeasureAdjustStruct::STOP_COUNT)
            pDiagram->SetPointLimit(true, CPanelRules::ClampToInt(pAdjust->m_psMeasureAdjust->dCount));
        UpdateButtons();
        ShowStatus(IDS_STATUS_WAIT_FOR_TRIGGER_START);
        s.bTriggerOn = 1;
        pEngine->COM_ZMCOMConfgStartMeasure(ZM_TRIGGER_ACTIV, false);
        pPipeline->m_bTriggerWait = 1;
        pPipeline->m_bTrgFirstValuePending = 1;
        if (m_bTriggerByOperator)
            pPipeline->m_bStartedByOperator = 1;
    }
    else
    {
        if (pPipeline->m_bTrgStarted)
            pPipeline->m_bTrgStarted = 0;
        else if (pDiagram != nullptr)
            pDiagram->SetPointLimit(false, 0);
        s.bTriggerOn = 0;
        OnBtnMeasureStop();
        ShowStatus(IDS_STATUS_READY);
    }
    m_bTriggerByOperator = 1;
}

void CDlgMeasureDiagram::RearmTriggerAfterStorage()
{
    const MeasurePanelState& s = *m_psMsureDgrm;
    CAFormDiagram* pDiagram = DiagramPane();
    const bool bAutoRepeat = m_chkAutoRepeat.GetSafeHwnd() && m_chkAutoRepeat.GetCheck() == BST_CHECKED;
    if (s.bTrggrWasActivLastTime)
    {
        if (bAutoRepeat && s.bTriggerOn)
        {
            m_bTriggerByOperator = 0;
            OnBtnTrigger();
        }
        else if (!bAutoRepeat && pDiagram != nullptr)
            pDiagram->SetPointLimit(false, 0);
        return;
    }
    if (m_btnTrigger.GetSafeHwnd())
        m_btnTrigger.SetWindowText(Text(IDS_TRIGGER_ON));
    if (pDiagram != nullptr)
        pDiagram->SetPointLimit(false, 0);
}

void CDlgMeasureDiagram::OnBtnAutoRepeat()
{
    m_psMeasureDgrmStruct->bTriggerAutoRepeat = m_chkAutoRepeat.GetCheck() == BST_CHECKED ? 1 : 0;
    if (m_psMeasureDgrmStruct->bTriggerAutoRepeat && m_pPanelHost != nullptr &&
        m_pPanelHost->GetDocumentation().GetAutoStorageDiagram() ==
            CMeasureDocumentation::DM_CONSTANT_FILE_NAME)
        AfxMessageBox(Text(IDS_DIAGRAM_CONSTANT_NAME_WARNING), MB_OK);
}

// ---- Single shot and control signal --------------------------------------------------------------------

void CDlgMeasureDiagram::OnBtnSingleShot()
{
    CComPort* pEngine = Engine();
    CValuePipeline* pPipeline = Pipeline();
    // A single shot during a search would take the search's place on the line.
    if (IsRunning() || pEngine == nullptr || pPipeline == nullptr || pEngine->COM_IsSearchRunning())
        return;
    pPipeline->ResetMeanLists(1);
    pEngine->COM_SingleShot();
}

void CDlgMeasureDiagram::OnBtnCtrl()
{
    CComPort* pEngine = Engine();
    CValuePipeline* pPipeline = Pipeline();
    if (pEngine == nullptr || pPipeline == nullptr)
        return;
    if (!IsRunning())
    {
        pPipeline->ResetMeanLists(1);
        ToggleControlSignal(0);
        return;
    }
    if (pEngine->m_bStreamMode)
    {
        m_btnCtrl.EnableWindow(FALSE);
        SetTimer(TIMER_CTRL_ENABLE, CTRL_ENABLE_MS);
    }
    m_psMsureDgrm->bCtrlRequest = 1;
}

void CDlgMeasureDiagram::ToggleControlSignal(int iMode)
{
    CComPort* pEngine = Engine();
    int& iCtrlLed = m_psMsureDgrm->iCtrlLed;
    if (pEngine == nullptr || (iCtrlLed != 0 && iCtrlLed != 1))
    {
        iCtrlLed = 0;
        return;
    }
    const bool bOn = iCtrlLed == 0;
    if (iMode == 1)
        bOn ? pEngine->COM_ZMCOMConfgSetCtrlOnSOSM() : pEngine->COM_ZMCOMConfgSetCtrlOffSOSM();
    else if (iMode == 0)
        bOn ? pEngine->COM_ZMCOMConfgSetCtrlOn() : pEngine->COM_ZMCOMConfgSetCtrlOff();
}

void CDlgMeasureDiagram::SetControlState(BYTE ucState)
{
    if (ucState > 1 || ucState == m_psMsureDgrm->iCtrlLed)
        return;
    m_psMsureDgrm->iCtrlLed = ucState;
    UpdateControlLed();
}

// ---- The end of a measurement --------------------------------------------------------------------------

// The watchdog: 800 ms after the last record of a stream, or after the stop of a polled measurement.
void CDlgMeasureDiagram::OnWatchdog()
{
    KillTimer(TIMER_PANEL_WATCHDOG);
    CComPort* pEngine = Engine();
    if (pEngine == nullptr || m_pPanelHost == nullptr)
        return;
    if (IsRunning())
    {
        m_bValuesMissing = 1;
        m_pPanelHost->SetDropLastPoint(true);
        OnBtnMeasureStop();
    }
    // A sensor found again may already be initialising: its reading goes on.
    if (pEngine->COM_IsActionAllowed())
        pEngine->COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    m_pPanelHost->OnMeasurementEnd();
    PostCloseAfterWatchdog();
}

// A close that waited for the measurement goes on, unless the storage side finishes the output first
// and posts it then.
void CDlgMeasureDiagram::PostCloseAfterWatchdog()
{
    CMeasureDocumentation& docs = m_pPanelHost->GetDocumentation();
    const bool bClosePending = m_pPanelHost->IsClosePending() && docs.GetAutoStorageValues() == 0 &&
                               docs.GetAutoStorageResults() == 0;
    const bool bTriggerWaited = m_pPanelHost->IsCloseWhileTriggerWaited();
    if (!bClosePending && !bTriggerWaited)
        return;
    const int iDiagrams = docs.GetAutoStorageDiagram();
    const bool bDiagramStored = iDiagrams == CMeasureDocumentation::DM_AUTO_INDEXED ||
                                iDiagrams == CMeasureDocumentation::DM_CONSTANT_FILE_NAME;
    if (!bDiagramStored || bTriggerWaited)
        m_pPanelHost->PostClose();
}

void CDlgMeasureDiagram::OnMeasureFinished()
{
    if (m_pPanelHost == nullptr || m_pPanelHost->GetDocumentation().IsFileWriterRunning())
        return;
    CComPort* pEngine = Engine();
    // While a sensor found again is initialised, the end of its initialisation makes the panel ready.
    if (pEngine != nullptr && !pEngine->COM_IsActionAllowed())
        CPanelRules::SetDisconnected(*m_psMsureDgrm);
    else
        CPanelRules::SetReady(*m_psMsureDgrm);
    UpdateButtons();
    if (m_bValuesMissing && pEngine != nullptr)
    {
        if (CPanelRules::IsRs485Interface(pEngine->m_sSensor, pEngine->m_strActivePortKey))
        {
            AfxMessageBox(Text(IDS_RS485_PROBLEM), MB_OK);
            m_pPanelHost->BeginWaitCursorOnce();
            m_pPanelHost->HandleSensorLost(false);
            m_pPanelHost->EndWaitCursorOnce();
        }
        else
        {
            AfxMessageBox(Text(IDS_PROTOCOL_ERROR), MB_OK | MB_ICONEXCLAMATION);
            m_bValuesMissing = 0;
        }
    }
    if (CAFormDiagram* pDiagram = DiagramPane())
        pDiagram->StopMeasureDiagram();
    if (m_btnStart.GetSafeHwnd() && IsWindowVisible())
        m_btnStart.SetFocus();
}

// ---- Connection ----------------------------------------------------------------------------------------

void CDlgMeasureDiagram::OnSensorConnected()
{
    CComPort* pEngine = Engine();
    if (pEngine == nullptr || m_pPanelHost == nullptr)
        return;
    pEngine->m_bPageSwitchLocked = false;
    if (CComPort::COM_IsCompatibleInterface(pEngine->m_sSensor))
        OnSensorReady();
    else
    {
        // The message names the sensor's type, which the disconnected display clears.
        CString strText;
        BuildNotSupportedText(strText, CPanelTexts::NOT_SUPPORTED_TYPE);
        ResetToDisconnected();
        AfxMessageBox(strText, MB_OK);
    }
    if (!pEngine->COM_IsCalibIdle())
        pEngine->COM_Calib().CalibEnd_CloseFromProtocol();
    if (auto* pInfo = dynamic_cast<CModePage*>(
            GetPageHost()->GetRegisteredWindow(REGISTER_KIND_DLG_SENSOR_INFORMATION)))
        pInfo->m_bRefreshOnShow = 1;
    pEngine->COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    UpdateButtons();
    m_pPanelHost->EndWaitCursorOnce();
}

void CDlgMeasureDiagram::OnSensorReady()
{
    CComPort& engine = *Engine();
    m_bSensorConnected = 1;
    CPanelRules::SetReady(*m_psMsureDgrm);
    EnablePaneButtons(true);
    ShowStatus(IDS_STATUS_READY);
    UpdateSettingsPage();
    engine.COM_Calib().Calib_EnableCalibButtons(1);
    BYTE bValidB = 0;
    BYTE bValidA = 0;
    engine.COM_GetCalibInaccuracy(&bValidB, nullptr, nullptr, UNCERTAINTY_OF_B);
    engine.COM_GetCalibInaccuracy(&bValidA, nullptr, nullptr, UNCERTAINTY_OF_A);
    m_pPanelHost->GetDocumentation().EnableUncertaintyOption(true, bValidA || bValidB);
    UpdateSensorInfoTexts(GetLanguageOffset());
    if (m_pPanelHost->GetActiveMode() == MODE_PAGE_MEASURE_DIAGRAM)
        UpdateLanguageTexts();
    else
        m_bTextsPending = 1;
    m_pPanelHost->WriteDiagnosticLog(engine.m_sSensor, CString());
}

void CDlgMeasureDiagram::ResetToDisconnected()
{
    CComPort* pEngine = Engine();
    if (pEngine == nullptr || m_pPanelHost == nullptr)
        return;
    // The log names the sensor that went, so its record is kept for the entry.
    const SensorStruct sLost = pEngine->m_sSensor;
    m_bSensorConnected = 0;
    pEngine->COM_ResetSensorStruct();
    pEngine->COM_ResetMeasuredValues();
    CPanelRules::SetDisconnected(*m_psMsureDgrm);
    m_psMsureDgrm->iCtrlLed = 0;
    EnablePaneButtons(false);
    SetAllPaneFields("---");
    ShowStatus(IDS_STATUS_DISCONNECTED);
    pEngine->COM_Calib().Calib_EnableCalibButtons(0);
    m_pPanelHost->GetDocumentation().EnableUncertaintyOption(false, false);
    m_pPanelHost->GetPipeline().SetupChannels(0, nullptr);
    UpdateSensorInfoTexts(-1);
    UpdateSettingsPage();
    m_pPanelHost->WriteDiagnosticLog(sLost, SENSOR_DISCONNECTED_LOG);
}

void CDlgMeasureDiagram::OnSensorDisconnected()
{
    ResetToDisconnected();
    CPanelRules::SetDisconnected(*m_psMsureDgrm);
    ShowStatus(IDS_STATUS_DISCONNECTED);
    if (CComPort* pEngine = Engine())
        pEngine->COM_Calib().Calib_EnableCalibButtons(0);
    UpdateButtons();
    if (m_pPanelHost != nullptr)
        m_pPanelHost->EndWaitCursorOnce();
}

void CDlgMeasureDiagram::KeepKeyboardFocus()
{
    CWnd* pFrame = GetTopLevelParent();
    if (pFrame != nullptr && ::GetActiveWindow() == pFrame->m_hWnd && ::GetFocus() == nullptr)
        pFrame->SetFocus();
}

void CDlgMeasureDiagram::EnablePaneButtons(bool bEnable)
{
    for (int iChannel : {0, 1})
    {
        if (CChannelPane* pPane = ChannelPane(iChannel))
            pPane->EnableButtons(bEnable);
    }
}

// Value A, value B, tare A, tare B, minimum A, minimum B, maximum A, maximum B.
void CDlgMeasureDiagram::SetAllPaneFields(const CString& strText)
{
    CChannelPane* const apPane[2] = {ChannelPane(0), ChannelPane(1)};
    for (int iField : {CChannelPaneFields::FIELD_VALUE, CChannelPaneFields::FIELD_TARE,
                       CChannelPaneFields::FIELD_MIN, CChannelPaneFields::FIELD_MAX})
    {
        for (CChannelPane* pPane : apPane)
        {
            if (pPane == nullptr)
                continue;
            switch (iField)
            {
                case CChannelPaneFields::FIELD_VALUE:
                    pPane->SetValueText(strText);
                    break;
                case CChannelPaneFields::FIELD_TARE:
                    pPane->SetTareText(strText);
                    break;
                case CChannelPaneFields::FIELD_MIN:
                    pPane->SetMinText(strText);
                    break;
                default:
                    pPane->SetMaxText(strText);
                    break;
            }
        }
    }
}

// ---- Texts ---------------------------------------------------------------------------------------------

CString CDlgMeasureDiagram::BuildNotSupportedText(CString& strOut, int iKind)
{
    CComPort* pEngine = Engine();
    const SensorStruct sSensor = pEngine ? pEngine->m_sSensor : SensorStruct();
    CString strKind;
    int iNumber = 0;
    if (iKind == CPanelTexts::NOT_SUPPORTED_REVISION)
    {
        strKind = Text(IDS_ERROR_CODE_REVISION);
        iNumber = sSensor.ucStatorRev;
    }
    else if (iKind == CPanelTexts::NOT_SUPPORTED_TYPE)
    {
        strKind = Text(IDS_ERROR_CODE_TYPE);
        iNumber = sSensor.ucStatorType;
    }
    strOut =
        CPanelTexts::NotSupportedText(Text(IDS_SENSOR_NOT_SUPPORTED), Text(IDS_ERROR_CODE), strKind, iNumber);
    return strOut;
}

BOOL CDlgMeasureDiagram::UpdateLanguageTexts()
{
    const int iLanguage = GetLanguageOffset();
    BOOL bAll = CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_MEASURE_DIAGRAM, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_PANEL_START, IDS_START, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_PANEL_STOP, IDS_STOP, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_PANEL_SINGLE_SHOT, IDS_SINGLE_SHOT, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_PANEL_AUTO_REPEAT, IDS_TRIGGER_AUTO_REPEAT, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_PANEL_CTRL, IDS_CONTROL, iLanguage);
    const CString strRateCaption = Text(IDS_SAMPLING_RATE);
    const int iRateCode = Pipeline() ? Pipeline()->m_iMeasuringRate : 0;
    const CString strRate = Text(CMeasureAdjustHelpers::GetRateStringId(iRateCode));
    bAll &= !strRateCaption.IsEmpty() && !strRate.IsEmpty();
    if (!strRateCaption.IsEmpty() && !strRate.IsEmpty() && m_stcRate.GetSafeHwnd())
        m_stcRate.SetWindowText(strRateCaption + ": " + strRate);
    bAll &= UpdateSensorInfoTexts(m_bSensorConnected ? iLanguage : -1);
    UpdateButtons();
    return bAll;
}

CString CDlgMeasureDiagram::RangeText(int iChannel, int iRangeCode)
{
    CString strRange;
    CTervane_Send::TerSend_RangeCodeToText(strRange, static_cast<UINT>(iRangeCode));
    CChannelPane* pPane = ChannelPane(iChannel);
    CString strText;
    return pPane ? pPane->FormatValue(strText, strRange, nullptr, CDisplayHelper::MODE_MEASURAND) : strRange;
}

BOOL CDlgMeasureDiagram::UpdateSensorInfoTexts(int iLanguageOffset)
{
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    const CString strSerial = Text(IDS_SERIAL_NUMBER);
    const CString strRange = Text(IDS_RANGE_END);
    CString strUncertainty = Text(IDS_UNCERTAINTY_LABEL);
    const BOOL bAll = !strSerial.IsEmpty() && !strRange.IsEmpty() && !strUncertainty.IsEmpty();
    CComPort* pEngine = Engine();
    if (iLanguageOffset < 0 || pEngine == nullptr)
    {
        strUncertainty.Remove(':');
        m_stcSerial.SetWindowText(CPanelTexts::NotAvailableLine(strSerial));
        m_stcRange.SetWindowText(CPanelTexts::NotAvailableLine(strRange));
        m_stcUncertainty.SetWindowText(CPanelTexts::NotAvailableLine(strUncertainty));
        return bAll;
    }
    const SensorStruct& s = pEngine->m_sSensor;
    const bool bTwo = CPanelTexts::ShowsTwoChannels(s);
    m_stcSerial.SetWindowText(CPanelTexts::SerialNumberLine(strSerial, s.ulSerialNo));
    m_stcRange.SetWindowText(
        CPanelTexts::RangeLine(strRange, bTwo, RangeText(0, s.iRangeCodeA), RangeText(1, s.iRangeCodeB)));
    BYTE bValidA = 0;
    BYTE bValidB = 0;
    const double dA = pEngine->COM_GetCalibInaccuracy(&bValidA, nullptr, nullptr, UNCERTAINTY_OF_A);
    const double dB = pEngine->COM_GetCalibInaccuracy(&bValidB, nullptr, nullptr, UNCERTAINTY_OF_B);
    m_stcUncertainty.SetWindowText(CPanelTexts::UncertaintyLine(strUncertainty, bTwo, bValidA != 0, dA,
                                                                bValidB != 0, dB, iLanguageOffset));
    return bAll;
}

CString CDlgMeasureDiagram::GetZMStateName(CString& strOut, int iState)
{
    strOut = CComPort::COM_GetZMStateName(iState);
    return strOut;
}

CString CDlgMeasureDiagram::GetButtonStateText(CString& strOut) const
{
    strOut = CPanelTexts::ButtonStateText(*m_psMsureDgrm);
    return strOut;
}

CString CDlgMeasureDiagram::Panel_GetButtonStateText()
{
    CString str;
    return GetButtonStateText(str);
}

// ---- Window messages -----------------------------------------------------------------------------------

void CDlgMeasureDiagram::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CModePage::OnShowWindow(bShow, nStatus);
    CPageHost* pHost = GetPageHost();
    if (!bShow || !m_bTextsPending || pHost == nullptr || pHost->IsInitPending())
        return;
    UpdateLanguageTexts();
    m_bTextsPending = 0;
}

void CDlgMeasureDiagram::OnPaint()
{
    CPaintDC dc(this);
    CPageHost* pHost = GetPageHost();
    if (pHost == nullptr || pHost->IsInitPending() || !IsWindowVisible() || GetParent() == nullptr)
        return;
    CRect rcView;
    GetParent()->GetClientRect(&rcView);
    const int cx = rcView.Width();
    const int cy = rcView.Height();
    CRect rcPanel;
    GetWindowRect(&rcPanel);
    if (rcPanel.Width() != cx || rcPanel.Height() != cy)
        SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const bool bSmall = cx < MIN_CLIENT_X || cy < MIN_CLIENT_Y;
    if (CWnd* pGroup = GetDlgItem(IDC_PAGE_GROUP))
        pGroup->MoveWindow(GROUP_LEFT, GROUP_TOP, bSmall ? MIN_GROUP_X : cx - GROUP_SHRINK_X,
                           bSmall ? MIN_GROUP_Y : cy - GROUP_SHRINK_Y);
}

void CDlgMeasureDiagram::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
        case TIMER_PANEL_TRIGGER_LED:
            OnTriggerBlink();
            return;
        case TIMER_PANEL_DEFERRED_SEARCH:
            KillTimer(nIDEvent);
            if (CComPort* pEngine = Engine())
                pEngine->COM_CheckConnectionIfQbxUsbTyp(0);
            return;
        case TIMER_PANEL_WATCHDOG:
            OnWatchdog();
            return;
        case TIMER_CTRL_ENABLE:
            KillTimer(nIDEvent);
            m_btnCtrl.EnableWindow(TRUE);
            return;
        case TIMER_INIT_NO_ANSWER:
            KillTimer(nIDEvent);
            if (CComPort* pEngine = Engine())
                pEngine->COM_ZMCOMConfgStartInitNoAnswer();
            return;
        case TIMER_SINGLE_SHOT:
            KillTimer(nIDEvent);
            OnBtnSingleShot();
            return;
        default:
            CModePage::OnTimer(nIDEvent);
            return;
    }
}

void CDlgMeasureDiagram::OnTriggerBlink()
{
    m_psMsureDgrm->iTriggerLed = CPanelRules::NextBlinkState(m_psMsureDgrm->iTriggerLed);
    m_ledTrigger.SetState(m_psMsureDgrm->iTriggerLed);
}

// ---- The engine's operator panel -----------------------------------------------------------------------

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
    m_bMeasuredSinceStart = true;
}

void CDlgMeasureDiagram::Panel_EndRunning()
{
    if (GetSafeHwnd())
        KillTimer(TIMER_PANEL_TRIGGER_LED);
    MeasurePanelState& s = *m_psMsureDgrm;
    s.iTriggerLed = CPanelRules::LED_OFF;
    s.bRunning = 0;
    s.bTriggerActive = 0;
    if (CValuePipeline* pPipeline = Pipeline())
        pPipeline->m_bTrgStarted = 0;
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
    if (CDlgMeasureAdjust* pAdjust = AdjustPage())
        pAdjust->UpdateControls(GetLanguageOffset());
}

bool CDlgMeasureDiagram::Panel_TakeControlRequest()
{
    const bool bRequest = m_psMsureDgrm->bCtrlRequest != 0;
    m_psMsureDgrm->bCtrlRequest = 0;
    return bRequest;
}

void CDlgMeasureDiagram::Panel_ShowControlLed(bool bOn)
{
    m_psMsureDgrm->iCtrlLed = bOn ? 1 : 0;
    UpdateControlLed();
}

void CDlgMeasureDiagram::Panel_StartMeasureTimer(UINT uiPeriodMs)
{
    m_Timer.Start(uiPeriodMs, MeasureTimerCallback, reinterpret_cast<DWORD_PTR>(this),
                  TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
}

void CDlgMeasureDiagram::Panel_StopMeasureTimer()
{
    m_Timer.Stop();
}

// ---- The polling timer ---------------------------------------------------------------------------------

// On the system's timer thread: one tick is posted at a time; ticks that come meanwhile are merged.
void CALLBACK CDlgMeasureDiagram::MeasureTimerCallback(UINT, UINT, DWORD_PTR dwUser, DWORD_PTR, DWORD_PTR)
{
    auto* pPanel = reinterpret_cast<CDlgMeasureDiagram*>(dwUser);
    if (!pPanel->m_bTickPosted.exchange(true) &&
        !::PostMessageA(pPanel->m_hTickTarget, WM_MEASURE_TIMER_TICK, 0, 0))
        pPanel->m_bTickPosted = false;
}

LRESULT CDlgMeasureDiagram::OnMeasureTimerMessage(WPARAM, LPARAM)
{
    m_bTickPosted = false;
    // A tick posted just before the timer was stopped asks for nothing.
    if (m_Timer.IsRunning())
        OnMeasureTimerTick();
    return 0;
}

void CDlgMeasureDiagram::OnMeasureTimerTick()
{
    CComPort* pEngine = Engine();
    CValuePipeline* pPipeline = Pipeline();
    if (pEngine == nullptr || pPipeline == nullptr)
        return;
    const bool bRs485 = CPanelRules::IsRs485Interface(pEngine->m_sSensor, pEngine->m_strActivePortKey);
    const bool bDataReceived = m_pPanelHost->IsDataReceived();
    switch (CPanelRules::ChooseTickAction(m_psMsureDgrm->bCtrlRequest != 0, pEngine->m_iZMCOMConfgFlow,
                                          bRs485, bDataReceived))
    {
        case CPanelRules::TICK_TOGGLE_CONTROL:
            pPipeline->ResetMeanLists(4);
            pPipeline->ResetMeanLists(5);
            ToggleControlSignal(0);
            m_psMsureDgrm->bCtrlRequest = 0;
            break;
        case CPanelRules::TICK_READ_RAW:
            pEngine->COM_ZMCOMConfgReadRaw();
            break;
        case CPanelRules::TICK_SINGLE_SHOT:
            if (bRs485)
                m_pPanelHost->ClearDataReceived();
            pEngine->COM_ZMCOMConfgSingleShot();
            break;
        case CPanelRules::TICK_NO_ANSWER:
            m_Timer.Stop();
            AfxMessageBox(Text(IDS_NO_VALUES_RECEIVED), MB_OK);
            m_pPanelHost->BeginWaitCursorOnce();
            m_pPanelHost->HandleSensorLost(true);
            m_pPanelHost->EndWaitCursorOnce();
            break;
    }
}
