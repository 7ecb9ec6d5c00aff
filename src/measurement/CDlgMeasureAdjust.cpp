#include "measurement/CDlgMeasureAdjust.h"

#include "controls/ControlTexts.h"
#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "measurement/CAdjustHost.h"
#include "measurement/CAdjustPanel.h"
#include "measurement/CDiagramAxisRules.h"
#include "measurement/CDlgSoftwareConfig.h"
#include "measurement/CEditInputAdapter.h"
#include "measurement/CLimitRules.h"
#include "measurement/CPipelineClock.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasurementTexts.h"
#include "measurement/MeasureAdjustStruct.h"
#include "protocol/CComPort.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"
#include "shell/CPageHost.h"
#include "shell/CStoredRecord.h"
#include "shell/ShellMessages.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CDlgMeasureAdjust, CModePage)

namespace
{
const UINT s_nBrowseNotify = CPathBrowseCtrl::GetBrowseNotifyMessage();
}

BEGIN_MESSAGE_MAP(CDlgMeasureAdjust, CModePage)
ON_WM_SHOWWINDOW()
ON_WM_PAINT()
ON_BN_CLICKED(IDC_ADJ_CHECK_A, OnCheckChannelA)
ON_BN_CLICKED(IDC_ADJ_CHECK_B, OnCheckChannelB)
ON_CBN_SELCHANGE(IDC_ADJ_RATE, OnSelChangeRate)
ON_CBN_SELCHANGE(IDC_ADJ_LOWPASS_A, OnSelChangeLowPassA)
ON_CBN_SELCHANGE(IDC_ADJ_LOWPASS_B, OnSelChangeLowPassB)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ADJ_DECIMALS_A, IDC_ADJ_DECIMALS_B, OnSelChangeDisplay)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ADJ_UNIT_A, IDC_ADJ_UNIT_B, OnSelChangeDisplay)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ADJ_MEAN_A, IDC_ADJ_MEAN_B, OnSelChangeDisplay)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ADJ_SIGN_A, IDC_ADJ_SIGN_A, OnSelChangeDisplay)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ADJ_SIGN_B, IDC_ADJ_SIGN_B, OnSelChangeDisplay)
ON_BN_CLICKED(IDC_ADJ_SCALING_A, OnBtnScalingA)
ON_BN_CLICKED(IDC_ADJ_SCALING_B, OnBtnScalingB)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_ADJ_SERIAL_A, IDC_ADJ_SERIAL_B, OnKillFocusSerial)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ADJ_AXIS_X, IDC_ADJ_AXIS_Y2, OnSelChangeAxis)
ON_EN_CHANGE(IDC_ADJ_AVERAGING, OnChangeAveraging)
ON_CBN_SELCHANGE(IDC_ADJ_START_SOURCE, OnSelChangeStartSource)
ON_CBN_SELCHANGE(IDC_ADJ_STOP_SOURCE, OnSelChangeStopSource)
ON_CBN_SELCHANGE(IDC_ADJ_START_DIRECTION, OnSelChangeStartDirection)
ON_CBN_SELCHANGE(IDC_ADJ_STOP_DIRECTION, OnSelChangeStopDirection)
ON_EN_CHANGE(IDC_ADJ_START_VALUE, OnChangeStartValue)
ON_EN_CHANGE(IDC_ADJ_STOP_VALUE, OnChangeStopValue)
ON_EN_CHANGE(IDC_ADJ_DURATION, OnChangeDuration)
ON_EN_CHANGE(IDC_ADJ_COUNT, OnChangeCount)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_ADJ_START_TIME, OnStartTimeChange)
ON_CBN_SELCHANGE(IDC_ADJ_MEASURAND1, OnSelChangeMeasurand1)
ON_CBN_SELCHANGE(IDC_ADJ_MEASURAND2, OnSelChangeMeasurand2)
ON_BN_CLICKED(IDC_ADJ_CONDITION1_ON, OnClickCondition1)
ON_BN_CLICKED(IDC_ADJ_CONDITION2_ON, OnClickCondition2)
ON_CONTROL_RANGE(EN_CHANGE, IDC_ADJ_LOWER1, IDC_ADJ_UPPER2, OnChangeLimit)
ON_REGISTERED_MESSAGE(s_nBrowseNotify, OnBrowseNotify)
END_MESSAGE_MAP()

namespace
{
const char* const SECTION = "DespiteReset";
const char* const SERIAL_CHARS = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ?";
const char* const PROGRAM_FILTER = "Executables (*.bat,*.exe)|*.bat;*.exe||";
constexpr int SERIAL_LENGTH = 6;
constexpr int LAYOUT_PANEL_SHOWN = 3;
constexpr int MIN_CLIENT_WIDTH = 549;
constexpr int MIN_CLIENT_HEIGHT = 355;
constexpr int SMALL_GROUP_WIDTH = 530;
constexpr int SMALL_GROUP_HEIGHT = 340;

struct Caption
{
    int iCtrlId;
    int iStringId;
    const char* pszAfter;
};
constexpr Caption CAPTIONS[] = {
    {IDC_ADJ_GROUP, IDS_TREE_MEASURE_ADJUST, ""},
    {IDC_ADJ_MEASURAND_GROUP, IDS_MEASURED_VARIABLE, ""},
    {IDC_ADJ_RATE_GROUP, IDS_SAMPLING_RATE, ""},
    {IDC_ADJ_DISPLAY_GROUP, IDS_DISPLAY, ""},
    {IDC_ADJ_DIAGRAM_GROUP, IDS_DIAGRAM, ""},
    {IDC_ADJ_TRIGGER_GROUP, IDS_TRIGGER, ""},
    {IDC_ADJ_START_GROUP, IDS_TRIGGER_START, ""},
    {IDC_ADJ_STOP_GROUP, IDS_TRIGGER_STOP, ""},
    {IDC_ADJ_START_SOURCE_LABEL, IDS_SOURCE, ":"},
    {IDC_ADJ_STOP_SOURCE_LABEL, IDS_SOURCE, ":"},
    {IDC_ADJ_IONIO_GROUP, IDS_TREE_IO_NIO, ""},
    {IDC_ADJ_CONDITION1_GROUP, IDS_FIRST_CONDITION, ""},
    {IDC_ADJ_CONDITION2_GROUP, IDS_SECOND_CONDITION, ""},
    {IDC_ADJ_MEASURAND1_LABEL, IDS_MEASURED_VARIABLE, ""},
    {IDC_ADJ_MEASURAND2_LABEL, IDS_MEASURED_VARIABLE, ""},
    {IDC_ADJ_LOWER1_LABEL, IDS_LOWER_LIMIT, ""},
    {IDC_ADJ_LOWER2_LABEL, IDS_LOWER_LIMIT, ""},
    {IDC_ADJ_UPPER1_LABEL, IDS_UPPER_LIMIT, ""},
    {IDC_ADJ_UPPER2_LABEL, IDS_UPPER_LIMIT, ""},
    {IDC_ADJ_START_PROGRAM_LABEL, IDS_START_PROGRAM, ""},
    {IDC_ADJ_STOP_PROGRAM_LABEL, IDS_STOP_PROGRAM, ""},
};
} // namespace

CDlgMeasureAdjust::CDlgMeasureAdjust(CWnd* pParent, void*)
    : CModePage(IDD_DLG_MEASURE_ADJUST, pParent), m_psMeasureAdjust(std::make_unique<MeasureAdjustStruct>())
{
    // Bytes that neither the defaults nor a stored copy set stay 0, so a record never loaded fails the
    // frame's start-up check.
    std::memset(m_psMeasureAdjust.get(), 0, sizeof(MeasureAdjustStruct));
    m_psMeasureAdjust->SetDefaults();
}

CDlgMeasureAdjust::~CDlgMeasureAdjust() = default;

void CDlgMeasureAdjust::DoDataExchange(CDataExchange* pDX)
{
    CModePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ADJ_CHECK_A, m_chkChannel[0]);
    DDX_Control(pDX, IDC_ADJ_CHECK_B, m_chkChannel[1]);
    DDX_Control(pDX, IDC_ADJ_RATE, m_cbRate);
    DDX_Control(pDX, IDC_ADJ_LOWPASS_A, m_cbLowPass[0]);
    DDX_Control(pDX, IDC_ADJ_LOWPASS_B, m_cbLowPass[1]);
    DDX_Control(pDX, IDC_ADJ_DECIMALS_A, m_cbDecimals[0]);
    DDX_Control(pDX, IDC_ADJ_DECIMALS_B, m_cbDecimals[1]);
    DDX_Control(pDX, IDC_ADJ_UNIT_A, m_cbUnit[0]);
    DDX_Control(pDX, IDC_ADJ_UNIT_B, m_cbUnit[1]);
    DDX_Control(pDX, IDC_ADJ_MEAN_A, m_cbMean[0]);
    DDX_Control(pDX, IDC_ADJ_MEAN_B, m_cbMean[1]);
    DDX_Control(pDX, IDC_ADJ_SIGN_A, m_cbSign[0]);
    DDX_Control(pDX, IDC_ADJ_SIGN_B, m_cbSign[1]);
    DDX_Control(pDX, IDC_ADJ_SCALING_A, m_btnScaling[0]);
    DDX_Control(pDX, IDC_ADJ_SCALING_B, m_btnScaling[1]);
    DDX_Control(pDX, IDC_ADJ_SERIAL_A, m_edSerial[0]);
    DDX_Control(pDX, IDC_ADJ_SERIAL_B, m_edSerial[1]);
    DDX_Control(pDX, IDC_ADJ_AXIS_X, m_cbAxis[0]);
    DDX_Control(pDX, IDC_ADJ_AXIS_Y1, m_cbAxis[1]);
    DDX_Control(pDX, IDC_ADJ_AXIS_Y2, m_cbAxis[2]);
    DDX_Control(pDX, IDC_ADJ_AVERAGING, m_edAveraging);
    DDX_Control(pDX, IDC_ADJ_START_SOURCE, m_cbStartSource);
    DDX_Control(pDX, IDC_ADJ_START_DIRECTION, m_cbStartDirection);
    DDX_Control(pDX, IDC_ADJ_STOP_SOURCE, m_cbStopSource);
    DDX_Control(pDX, IDC_ADJ_STOP_DIRECTION, m_cbStopDirection);
    DDX_Control(pDX, IDC_ADJ_START_VALUE, m_edStartValue);
    DDX_Control(pDX, IDC_ADJ_STOP_VALUE, m_edStopValue);
    DDX_Control(pDX, IDC_ADJ_DURATION, m_edDuration);
    DDX_Control(pDX, IDC_ADJ_COUNT, m_edCount);
    DDX_Control(pDX, IDC_ADJ_START_TIME, m_dtStartTime);
    DDX_Control(pDX, IDC_ADJ_MEASURAND1, m_cbLimitMeasurand[0]);
    DDX_Control(pDX, IDC_ADJ_MEASURAND2, m_cbLimitMeasurand[1]);
    DDX_Control(pDX, IDC_ADJ_CONDITION1_ON, m_chkCondition[0]);
    DDX_Control(pDX, IDC_ADJ_CONDITION2_ON, m_chkCondition[1]);
    DDX_Control(pDX, IDC_ADJ_START_PROGRAM, m_browseProgram[0]);
    DDX_Control(pDX, IDC_ADJ_STOP_PROGRAM, m_browseProgram[1]);
    for (int i = 0; i < 4; ++i)
    {
        DDX_Control(pDX, IDC_ADJ_LOWER1 + i, m_edLimit[i]);
        DDX_Text(pDX, IDC_ADJ_LOWER1 + i, m_strLimitText[i]);
    }
}

BOOL CDlgMeasureAdjust::OnInitDialog()
{
    CModePage::OnInitDialog();
    InitPage();
    return TRUE;
}

// ---- Hosts and parts of the frame ---------------------------------------------------------------------

CPageHost* CDlgMeasureAdjust::PageHost() const
{
    return GetPageHost();
}

CComPort* CDlgMeasureAdjust::Engine() const
{
    CPageHost* pHost = PageHost();
    return pHost ? &pHost->GetComPort() : nullptr;
}

CValuePipeline* CDlgMeasureAdjust::Pipeline() const
{
    return m_pAdjustHost ? &m_pAdjustHost->GetPipeline() : nullptr;
}

ChannelSettingsStruct* CDlgMeasureAdjust::Channels() const
{
    return m_pAdjustHost ? m_pAdjustHost->GetPipeline().m_sChannel : nullptr;
}

CAdjustPanel& CDlgMeasureAdjust::Panel() const
{
    CPageHost* pHost = PageHost();
    return CAdjustPanel::FromWindow(pHost ? pHost->GetRegisteredWindow(REGISTER_KIND_DLG_MEASURE_DIAGRAM)
                                          : nullptr);
}

bool CDlgMeasureAdjust::IsInitPending() const
{
    CPageHost* pHost = PageHost();
    return pHost == nullptr || pHost->IsInitPending();
}

bool CDlgMeasureAdjust::IsSensorConnected() const
{
    return Panel().IsSensorConnected();
}

// The pipeline's clock, against which it evaluates the start time.
__time64_t CDlgMeasureAdjust::Now()
{
    CValuePipeline* pPipeline = Pipeline();
    return (pPipeline ? pPipeline->GetClock() : CPipelineClock::System()).Now();
}

// ---- Record and page ------------------------------------------------------------------------------------

int CDlgMeasureAdjust::InitPage()
{
    if (!m_bFirstInit)
        return 1;
    m_pAdjustHost = dynamic_cast<CAdjustHost*>(GetPageHost());
    if (m_pAdjustHost)
        m_pMeasureHost = &m_pAdjustHost->GetMeasureTextHost();
    if (!IsInitPending())
        LayoutPage();
    if (CPageHost* pHost = PageHost())
        m_iLanguageOffsetCopy = pHost->GetLanguageOffset();
    for (CMyEdit& edit : m_edSerial)
    {
        edit.SetMaxLength(SERIAL_LENGTH);
        edit.Configure(SERIAL_CHARS, 0, 1000, 2000, 3000, this, false);
    }
    LoadStoredSettings();
    m_iLastAxisX = m_psMeasureAdjust->iAxisX;
    m_edStartValue.SetLimitText(12);
    m_edStopValue.SetLimitText(12);
    m_edDuration.SetLimitText(15);
    m_edCount.SetLimitText(11);
    m_edAveraging.SetLimitText(4);
    for (CEdit& edit : m_edLimit)
        edit.SetLimitText(12);
    const UINT anNotify[2] = {NOTIFY_START_PROGRAM, NOTIFY_STOP_PROGRAM};
    for (int i = 0; i < 2; ++i)
    {
        m_browseProgram[i].SetFileFilter(PROGRAM_FILTER);
        m_browseProgram[i].SetNotifyCode(anNotify[i]);
    }
    m_bFirstInit = false;
    return 1;
}

// A stored record is taken only with exactly its size and from this program version; the programs,
// measurands and limits stored with it come along. The limit texts reach the record through their
// fields' change handlers.
void CDlgMeasureAdjust::LoadStoredSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && CStoredRecord::Load(GetPageHost(), "MeasureAdjustStruct", m_psMeasureAdjust.get(),
                                    sizeof(MeasureAdjustStruct)))
    {
        SetTriggerThresholds();
        m_strStartProgram = pApp->GetProfileString(SECTION, "PartOfMeasureStartAddProg", "n.a.");
        m_strStopProgram = pApp->GetProfileString(SECTION, "PartOfMeasureStopAddProg", "n.a.");
        m_iLimitMeasurandIndex[0] = CLimitRules::ReadMeasurandIndex(
            pApp->GetProfileString(SECTION, "IndexOfLimitedMeasurand_1", "n.a."));
        m_iLimitMeasurandIndex[1] = CLimitRules::ReadMeasurandIndex(
            pApp->GetProfileString(SECTION, "IndexOfLimitedMeasurand_2", "n.a."));
        const char* const apszLimit[4] = {"IOLowerLimitOfMeasurand_1", "IOUpperLimitOfMeasurand_1",
                                          "IOLowerLimitOfMeasurand_2", "IOUpperLimitOfMeasurand_2"};
        for (int i = 0; i < 4; ++i)
            m_edLimit[i].SetWindowText(pApp->GetProfileString(SECTION, apszLimit[i], ""));
    }
    else
    {
        SetDefaultMeasureAdjustStruct();
        SetTriggerThresholds();
    }
}

void CDlgMeasureAdjust::SetTriggerThresholds()
{
    if (CValuePipeline* pPipeline = Pipeline())
    {
        pPipeline->m_dTrgStartValue = m_psMeasureAdjust->dStartValue;
        pPipeline->m_dTrgStopValue = m_psMeasureAdjust->dStopValue;
    }
}

int CDlgMeasureAdjust::SetDefaultMeasureAdjustStruct()
{
    m_psMeasureAdjust->SetDefaults();
    if (GetSafeHwnd() == nullptr)
        return 1;
    ShowStartValue();
    ShowStopValue();
    ShowDuration();
    ShowCount();
    ReadDuration();
    return 1;
}

BOOL CDlgMeasureAdjust::UpdateLanguageTexts()
{
    const int iLanguage = m_iLanguageOffsetCopy;
    BOOL bAll = TRUE;
    for (const Caption& caption : CAPTIONS)
        bAll &= SetText(caption.iCtrlId, caption.iStringId, iLanguage, caption.pszAfter);
    const CString strTip = Text(IDS_BROWSE_TIP, iLanguage);
    const CString strPrompt = Text(IDS_BROWSE_PROMPT, iLanguage);
    const CString strTitle = Text(IDS_BROWSE_TITLE, iLanguage);
    bAll &= !strTip.IsEmpty() && !strPrompt.IsEmpty() && !strTitle.IsEmpty();
    SetupProgramBrowser(m_browseProgram[0], strTip, strPrompt, strTitle, m_abUpdateFlag[FLAG_START_PROGRAM]);
    SetupProgramBrowser(m_browseProgram[1], strTip, strPrompt, strTitle, m_abUpdateFlag[FLAG_STOP_PROGRAM]);
    bAll &= UpdateControls(iLanguage);
    UpdateLimitConditions(0);
    ApplyProgramPaths();
    return bAll;
}

BOOL CDlgMeasureAdjust::UpdateControls(int iLanguage)
{
    if (IsInitPending() || GetSafeHwnd() == nullptr)
        return TRUE;
    ApplyXAxisRule(CDiagramAxisRules::MODE_KEEP);
    ResetTriggerSettings(1);
    BOOL bAll = FillDiagramGroup(iLanguage);
    if (m_pAdjustHost)
        SetSamplePeriodFromRate(*m_psMeasureAdjust, m_pAdjustHost->GetPipeline().m_iMeasuringRate);
    bAll &= FillChannelTable(iLanguage);
    bAll &= FillChannelChecks(iLanguage);
    bAll &= FillLowPassGroup(iLanguage);
    bAll &= FillRateCombo(iLanguage);
    bAll &= FillDiagramGroup(iLanguage);
    bAll &= FillTriggerGroup();
    ShowAveragingCount();
    UpdateLimitUnits(0);
    UpdateLimitUnits(1);
    if (m_pAdjustHost && m_pAdjustHost->GetActiveMode() == MODE_PAGE_MEASURE_DIAGRAM)
        m_pAdjustHost->SetMeasureLayout(LAYOUT_PANEL_SHOWN);
    return bAll;
}

// The page fills its view; the outer group keeps a least size.
void CDlgMeasureAdjust::LayoutPage()
{
    CSize sizeView;
    if (FillView(sizeView))
        PlaceControl(IDC_ADJ_GROUP, OuterGroupRect(sizeView.cx, sizeView.cy));
}

CRect CDlgMeasureAdjust::OuterGroupRect(int cx, int cy)
{
    const int iWidth = cx < MIN_CLIENT_WIDTH ? SMALL_GROUP_WIDTH : cx - 19;
    const int iHeight = cy < MIN_CLIENT_HEIGHT ? SMALL_GROUP_HEIGHT : cy - 15;
    return CRect(10, 5, 10 + iWidth, 5 + iHeight);
}

void CDlgMeasureAdjust::OnPaint()
{
    if (m_pAdjustHost && !IsInitPending() && IsWindowVisible())
        LayoutPage();
    CPaintDC dc(this);
}

void CDlgMeasureAdjust::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (!bShow)
    {
        CValuePipeline* pPipeline = Pipeline();
        if (pPipeline && CDiagramAxisRules::LimitAveragingCount(pPipeline->m_iAveragingCount) !=
                             pPipeline->m_iAveragingCount)
        {
            pPipeline->m_iAveragingCount = 1;
            m_bRefreshOnShow = 1;
        }
        return;
    }
    if (IsInitPending())
        return;
    Panel().StopMeasurement();
    if (m_bRefreshOnShow)
    {
        UpdateLanguageTexts();
        m_bRefreshOnShow = 0;
    }
}

// ---- Texts and fields -----------------------------------------------------------------------------------

CString CDlgMeasureAdjust::Text(int iStringId, int iLanguage) const
{
    CString strText;
    if (!strText.LoadString(static_cast<UINT>(iStringId + iLanguage)))
        strText.Empty();
    return strText;
}

BOOL CDlgMeasureAdjust::SetText(int iCtrlId, int iStringId, int iLanguage, const char* pszAfter)
{
    CString strText;
    CWnd* pCtrl = GetDlgItem(iCtrlId);
    if (pCtrl == nullptr || !strText.LoadString(static_cast<UINT>(iStringId + iLanguage)))
        return FALSE;
    pCtrl->SetWindowText(strText + pszAfter);
    return TRUE;
}

// A label with text is shown, an empty one hidden.
void CDlgMeasureAdjust::SetLabelText(int iCtrlId, const CString& strText)
{
    CWnd* pLabel = GetDlgItem(iCtrlId);
    if (pLabel == nullptr)
        return;
    pLabel->SetWindowText(strText);
    pLabel->ShowWindow(strText.IsEmpty() ? SW_HIDE : SW_SHOW);
}

void CDlgMeasureAdjust::WriteField(CEdit& edit, int iFlag, const CString& strText)
{
    if (edit.GetSafeHwnd() == nullptr)
        return;
    m_abUpdateFlag[iFlag] = 1;
    edit.SetWindowText(strText);
    m_abUpdateFlag[iFlag] = 0;
}

double CDlgMeasureAdjust::ReadField(CEdit& edit, int iFlag, const char* pszAllowed)
{
    CEditInputAdapter input(edit);
    return GetEditValue(input, m_abUpdateFlag[iFlag], pszAllowed);
}

// A control of a channel that is not available is disabled (m_bViewUseShowWindow 1) or hidden (0); one
// of an available channel is shown and enabled.
void CDlgMeasureAdjust::ApplyChannelVisibility(CWnd& wnd, bool bAvailable)
{
    if (wnd.GetSafeHwnd() == nullptr)
        return;
    if (!bAvailable)
    {
        if (m_bViewUseShowWindow == 1)
            wnd.EnableWindow(FALSE);
        else
            wnd.ShowWindow(SW_HIDE);
        return;
    }
    if (m_bViewUseShowWindow == 0 && !wnd.IsWindowVisible())
        wnd.ShowWindow(SW_SHOW);
    if (!wnd.IsWindowEnabled())
        wnd.EnableWindow(TRUE);
}

// The display settings go into the sensor's software configuration, which is written now.
void CDlgMeasureAdjust::WriteSensorDisplaySettings()
{
    if (CValuePipeline* pPipeline = Pipeline())
        pPipeline->StoreDisplaySettings();
    if (CComPort* pEngine = Engine())
        pEngine->COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS);
}

// ---- What the sensor engine asks of the page
// ----------------------------------------------------------------

void CDlgMeasureAdjust::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachAdjust(bAttach ? this : nullptr);
}

void CDlgMeasureAdjust::Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB)
{
    bChannelA = m_psMeasureAdjust->bCheckedA != 0;
    bChannelB = m_psMeasureAdjust->bCheckedB != 0;
}

// Cut-offs the page has not taken from the sensor yet leave the engine's own.
void CDlgMeasureAdjust::Adjust_GetLowPassHz(int& iHzA, int& iHzB)
{
    if (m_iLowPassHz[0] > 0)
        iHzA = m_iLowPassHz[0];
    if (m_iLowPassHz[1] > 0)
        iHzB = m_iLowPassHz[1];
}

bool CDlgMeasureAdjust::Adjust_IsSoftwareScalingChanged(int iChannel)
{
    return (iChannel == 0 || iChannel == 1) && m_bUnitResetPending[iChannel] != 0;
}

void CDlgMeasureAdjust::Adjust_UpdateControls(int iLanguageOffset)
{
    UpdateControls(iLanguageOffset);
}

void CDlgMeasureAdjust::Adjust_ShowCurrentValue(int iValueA, int iValueB)
{
    if (m_pDlgSoftwareConfig)
        m_pDlgSoftwareConfig->ShowCurrentValue(iValueA, iValueB);
}
