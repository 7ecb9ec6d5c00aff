#include "app/CMainFrame.h"

#include "app/AppTexts.h"
#include "controls/CPictureBitmap.h"
#include "controls/CResizableMiniDockFrameWnd.h"
#include "controls/ControlTexts.h"
#include "framework/CBitmap.h"
#include "framework/CDockState.h"
#include "framework/CWinApp.h"
#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CAFormLight.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasureDgrmStruct.h"
#include "measurement/MeasurementTexts.h"
#include "measurement/StoredRecord.h"
#include "ports/PortTypes.h"
#include "resources/resource.h"
#include "sensorpages/CDlgDiagnostic.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "sensorpages/CDlgSensorInformationQbx.h"
#include "shell/CDlgLMBk.h"
#include "shell/CModePage.h"
#include "app/CQbxUsbTq5View.h"
#include "shell/ShellMessages.h"
#include "app/TreeCtrlStruct.h"
#include "storage/CBmpFileReader.h"
#include "storage/CDlgDocumentation.h"
#include "storage/DocumentationStruct.h"

#include <ctime>
#include <type_traits>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_TIMER()
ON_WM_CLOSE()
ON_WM_DEVICECHANGE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_GETMINMAXINFO()
ON_WM_SETCURSOR()
ON_WM_MENUSELECT()
ON_WM_MEASUREITEM()
ON_WM_MENUCHAR()
ON_WM_INITMENUPOPUP()
ON_MESSAGE(WM_PORTMAN_DATA, OnPortManData)
ON_MESSAGE(WM_PORTMAN_EVENT, OnPortManEvent)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_REGISTER_VIEW, OnRegisterView)
ON_MESSAGE(WM_REGISTER_DLG_LMBK, OnRegisterDlgLMBk)
ON_MESSAGE(WM_REGISTER_DLG_SENSOR_CONNECTION, OnRegisterDlgSensorConnection)
ON_MESSAGE(WM_REGISTER_DLG_SENSOR_INFORMATION, OnRegisterDlgSensorInformation)
ON_MESSAGE(WM_REGISTER_DLG_MEASURE_ADJUST, OnRegisterDlgMeasureAdjust)
ON_MESSAGE(WM_REGISTER_DLG_DOCUMENTATION, OnRegisterDlgDocumentation)
ON_MESSAGE(WM_REGISTER_DLG_SENSOR_CALIBRATION, OnRegisterDlgSensorCalibration)
ON_MESSAGE(WM_REGISTER_DLG_MEASURE_DIAGRAM, OnRegisterDlgMeasureDiagram)
ON_MESSAGE(WM_REGISTER_DLG_DIAGNOSTIC, OnRegisterDlgDiagnostic)
ON_MESSAGE(WM_REGISTER_CHANNEL_A, OnRegisterChannelA)
ON_MESSAGE(WM_REGISTER_CHANNEL_B, OnRegisterChannelB)
ON_MESSAGE(WM_REGISTER_LIGHT, OnRegisterLight)
ON_MESSAGE(WM_REGISTER_DIAGRAM, OnRegisterDiagram)
ON_MESSAGE(WM_REGISTER_DLG_CALIB_DO_CALIB, OnRegisterCalibDoCalib)
ON_MESSAGE(WM_REGISTER_DLG_CALIB_VALUE_ZERO, OnRegisterCalibValueZero)
ON_MESSAGE(WM_REGISTER_DLG_CALIB_VALUE_END, OnRegisterCalibValueEnd)
ON_MESSAGE(WM_REGISTER_DLG_CALIB_WRONG_SCALE, OnRegisterCalibWrongScale)
ON_MESSAGE(WM_REGISTER_DLG_CALIB_DELETE, OnRegisterCalibDelete)
ON_MESSAGE(WM_REGISTER_DLG_STARTUP, OnRegisterStartUp)
ON_COMMAND_RANGE(ID_MODE_SENSOR_CONNECTION, ID_MODE_DIAGNOSTIC, OnModeCommand)
ON_COMMAND(ID_FILE_EXIT, OnFileExit)
ON_COMMAND(ID_FILE_SAVE_DIAGRAM, OnFileSaveDiagram)
ON_COMMAND(ID_FILE_PRINT_REPORT, PrintCommand)
ON_COMMAND(ID_FILE_SAVE_MEASURED_VALUES, SaveMeasuredValues)
ON_MESSAGE(WM_CONVERT_FILE_NOTIFY, OnConvertFileNotify)
ON_COMMAND(ID_VIEW_NAVIGATION_BAR, OnViewNavigationBar)
ON_COMMAND(ID_VIEW_STATUS_BAR, OnViewStatusBar)
ON_COMMAND(ID_VIEW_DIAGRAM_BAR, OnViewDiagramBar)
ON_COMMAND_RANGE(ID_VIEW_CHANNEL_A, ID_VIEW_CHANNEL_B, OnViewChannelCommand)
ON_COMMAND(ID_VIEW_RESET, OnViewReset)
ON_COMMAND_RANGE(ID_LANGUAGE_GERMAN, ID_LANGUAGE_SPANISH, OnLanguageCommand)
ON_COMMAND(ID_HELP_INFO, OnHelpInfo)
ON_COMMAND(ID_HELP_ADVICE, OnHelpAdvice)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_TIME, OnUpdateTime)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_DATE, OnUpdateDate)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_WEEKDAY, OnUpdateWeekday)
ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_SAVE_MEASURED_VALUES, ID_FILE_SAVE_DIAGRAM, OnUpdateSave)
ON_UPDATE_COMMAND_UI_RANGE(ID_MODE_SENSOR_CONNECTION, ID_MODE_DIAGNOSTIC, OnUpdateModeCommand)
ON_UPDATE_COMMAND_UI(ID_VIEW_NAVIGATION_BAR, OnUpdateViewNavigationBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateViewStatusBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_DIAGRAM_BAR, OnUpdateViewDiagramBar)
ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_CHANNEL_A, ID_VIEW_CHANNEL_B, OnUpdateViewChannelBar)
ON_UPDATE_COMMAND_UI_RANGE(ID_LANGUAGE_GERMAN, ID_LANGUAGE_SPANISH, OnUpdateLanguage)
END_MESSAGE_MAP()

namespace
{
const char* const BAR_STATE_SECTION = "AllViewState\\BarState\\ViewBar";
const char* const MAKER_FOLDER = "Tervane";
const char* const CUSTOM_LOGO_PATH = "\\AppData\\Local\\Tervane\\Custom_Print_Logo.bmp";
constexpr UINT STATUS_PANE_TIMER_MS = 1000;

const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_WEEKDAY, ID_INDICATOR_DATE, ID_INDICATOR_TIME};

// The docking bars: control id, title string, docking sides.
struct BarSpec
{
    UINT nId;
    UINT nTitleId;
    DWORD dwDocking;
};
const BarSpec VIEW_BARS[3] = {{123, IDS_CHANNEL_A, CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT},
                              {125, IDS_CHANNEL_B, CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT},
                              {122, IDS_BAR_LIGHT, CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT}};
const BarSpec DIAGRAM_BAR = {185, IDS_DIAGRAM, CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM};
const BarSpec NAVI_BAR = {127, IDS_BAR_NAVIGATION, CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT};
constexpr DWORD BAR_CREATE_STYLE = WS_CHILD | WS_VISIBLE | CBRS_TOP;

// Calls f with the window-table slot of iKind; false for a kind without a slot.
template <class F> bool VisitSlot(CMainFrame::PointerTable& table, int iKind, F f)
{
    switch (iKind)
    {
        case REGISTER_KIND_VIEW:
            f(table.pView);
            return true;
        case REGISTER_KIND_CHANNEL_A:
            f(table.pChannelA);
            return true;
        case REGISTER_KIND_CHANNEL_B:
            f(table.pChannelB);
            return true;
        case REGISTER_KIND_DIAGRAM:
            f(table.pDiagram);
            return true;
        case REGISTER_KIND_DLG_LMBK:
            f(table.pDlgLMBk);
            return true;
        case REGISTER_KIND_DLG_SENSOR_CONNECTION:
            f(table.pDlgSensorConnection);
            return true;
        case REGISTER_KIND_DLG_SENSOR_INFORMATION:
            f(table.pDlgSensorInformationQbx);
            return true;
        case REGISTER_KIND_DLG_MEASURE_ADJUST:
            f(table.pDlgMeasureAdjust);
            return true;
        case REGISTER_KIND_DLG_DOCUMENTATION:
            f(table.pDlgDocumentation);
            return true;
        case REGISTER_KIND_DLG_SENSOR_CALIBRATION:
            f(table.pDlgSensorCalibration);
            return true;
        case REGISTER_KIND_DLG_MEASURE_DIAGRAM:
            f(table.pDlgMeasureDiagram);
            return true;
        case REGISTER_KIND_DLG_DIAGNOSTIC:
            f(table.pDlgDiagnostic);
            return true;
        case REGISTER_KIND_DLG_CALIB_DO_CALIB:
            f(table.pDlgCalibMsgDoCalib);
            return true;
        case REGISTER_KIND_DLG_CALIB_VALUE_ZERO:
            f(table.pDlgCalibMsgGetValueZero);
            return true;
        case REGISTER_KIND_DLG_CALIB_VALUE_END:
            f(table.pDlgCalibMsgGetValueEnd);
            return true;
        case REGISTER_KIND_DLG_CALIB_WRONG_SCALE:
            f(table.pDlgCalibMsgWrongScaleValue);
            return true;
        case REGISTER_KIND_DLG_CALIB_DELETE:
            f(table.pDlgCalibMsgDeleteCalib);
            return true;
        case REGISTER_KIND_DLG_STARTUP:
            f(table.pDlgStartUp);
            return true;
        case REGISTER_KIND_LIGHT:
            f(table.pLight);
            return true;
        default:
            return false;
    }
}

constexpr int CALIB_KINDS[] = {REGISTER_KIND_DLG_CALIB_DO_CALIB, REGISTER_KIND_DLG_CALIB_VALUE_ZERO,
                               REGISTER_KIND_DLG_CALIB_VALUE_END, REGISTER_KIND_DLG_CALIB_WRONG_SCALE,
                               REGISTER_KIND_DLG_CALIB_DELETE};
} // namespace

CMainFrame::CMainFrame()
    : m_dlgStartUp(nullptr, nullptr), m_psTreeCtrlStruct(std::make_unique<TreeCtrlStruct>()),
      m_dlgTrace(nullptr)
{
    m_dlgStartUp.SetPageHost(this);
    for (ChannelSettingsStruct& channel : m_pipeline.m_sChannel)
        channel.bTareOff = 1;
}

CMainFrame::~CMainFrame() = default;

CString CMainFrame::LoadText(UINT nId) const
{
    CString str;
    str.LoadString(nId + m_iLanguageOffset);
    return str;
}

// ---- Window creation ----------------------------------------------------------------------------------

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    const BOOL bResult = CFrameWnd::PreCreateWindow(cs);
    cs.style = WS_OVERLAPPEDWINDOW;
    return bResult;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_sPointer.pApp = AfxGetApp();
    COM_SetStreamGapInterpolation(true);
    CWinApp* pApp = AfxGetApp();
    m_bSameApplicationVersion =
        pApp->GetProfileString("DespiteReset", "ApplicationVersion", "") == APPLICATION_VERSION;
    LoadSettings();
    PrepareLogoFiles();
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(s_indicators, 4))
        return -1;
    CFrameDateTime::FitPaneWidths(m_wndStatusBar);
    if (!CreateBars(static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams)) || !CreateNaviTree())
        return -1;
    DockBars();
    m_tStatusTime = _time64(nullptr);
    for (UINT nPane : {ID_INDICATOR_TIME, ID_INDICATOR_DATE, ID_INDICATOR_WEEKDAY})
        SetTimer(nPane, STATUS_PANE_TIMER_MS);
    if (!m_dlgTrace.Create(IDD_DLG_TRACE, this))
        return -1;
    m_pConvertFile = std::make_unique<CThreadedConvertFile>(GetSafeHwnd(), WM_CONVERT_FILE_NOTIFY, this);
    return 0;
}

// The maker's folder keeps the temporary diagram bitmap and the logo of the printed report; a logo of
// the user's own replaces the built-in one. The built-in logo's file is written again when it is missing
// or cannot be read as the report reads it; the diagram's file is written anew for every printout.
void CMainFrame::PrepareLogoFiles()
{
    const CString strFolder = CreateLocalAppDataFolder(GetSafeHwnd(), MAKER_FOLDER);
    m_strTempDiagramBmp = strFolder + "\\TEMP_DIAGRAM.bmp";
    m_strLogoBmp = strFolder + "\\TEMP_TERVANE.bmp";
    if (!CBmpFileReader().Load(m_strLogoBmp))
    {
        CPictureBitmap logo(RGB(255, 255, 255));
        if (!logo.LoadBitmap(IDB_PRINT_LOGO) ||
            !SaveBitmapToFile(this, m_strLogoBmp, static_cast<HBITMAP>(logo.m_hObject)))
            Frame_Trace("--> CMainFrame: the logo file " + m_strLogoBmp + " cannot be written");
    }
    char szProfile[101] = {};
    const DWORD dwLength = ::GetEnvironmentVariableA("USERPROFILE", szProfile, sizeof(szProfile));
    if (dwLength == 0 || dwLength >= sizeof(szProfile))
        return;
    const CString strCustomLogo = CString(szProfile) + CUSTOM_LOGO_PATH;
    if (FileExists(strCustomLogo))
        m_strLogoBmp = strCustomLogo;
}

bool CMainFrame::CreateBars(CCreateContext* pContext)
{
    // The captioned bars lay out the frame's panes and keep its record of shown bars.
    for (CResizableBarCF* pBar :
         {static_cast<CResizableBarCF*>(&m_wndViewBar[0]), static_cast<CResizableBarCF*>(&m_wndViewBar[1]),
          static_cast<CResizableBarCF*>(&m_wndViewBar[2]),
          static_cast<CResizableBarCF*>(&m_wndViewBarDiagram),
          static_cast<CResizableBarCF*>(&m_wndViewBarNavi)})
        pBar->SetFrameLink(this);
    const CRuntimeClass* paneClasses[3] = {RUNTIME_CLASS(CAFormChannelA), RUNTIME_CLASS(CAFormChannelB),
                                           RUNTIME_CLASS(CAFormLight)};
    for (int i = 0; i < 3; ++i)
    {
        if (!m_wndViewBar[i].Create(this, paneClasses[i], pContext, LoadText(VIEW_BARS[i].nTitleId),
                                    VIEW_BARS[i].nId, BAR_CREATE_STYLE))
            return false;
    }
    if (!m_wndViewBarDiagram.Create(this, RUNTIME_CLASS(CAFormDiagram), pContext,
                                    LoadText(DIAGRAM_BAR.nTitleId), DIAGRAM_BAR.nId, BAR_CREATE_STYLE) ||
        !m_wndViewBarNavi.CreateBar(LoadText(NAVI_BAR.nTitleId), this, NAVI_BAR.nId, BAR_CREATE_STYLE))
        return false;
    for (CResizableBar* pBar :
         {static_cast<CResizableBar*>(&m_wndViewBarDiagram), static_cast<CResizableBar*>(&m_wndViewBarNavi)})
        pBar->m_dwSizingStyle = (pBar->m_dwSizingStyle | RBS_SHOWEDGES | RBS_SIZECHILD) & ~RBS_EDGEALL;
    return true;
}

// The navigation tree fills its bar.
bool CMainFrame::CreateNaviTree()
{
    if (!m_wndNaviTree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS, CRect(0, 0, 0, 0),
                              &m_wndViewBarNavi, IDC_NAVI_TREE))
        return false;
    m_wndNaviTree.ModifyStyle(0, TVS_TRACKSELECT);
    if (HWND hTips = reinterpret_cast<HWND>(m_wndNaviTree.SendMessage(TVM_GETTOOLTIPS)))
        ::SetWindowPos(hTips, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_wndNaviTree.SetItemCallback(NaviTreeCallback, this);
    if (!InitNaviTree())
        Frame_Trace("--> CMainFrame: the navigation tree lacks a text or a picture");
    return true;
}

void CMainFrame::DockBars()
{
    const struct
    {
        CControlBar* pBar;
        DWORD dwDocking;
    } bars[] = {{&m_wndViewBar[0], VIEW_BARS[0].dwDocking},
                {&m_wndViewBar[1], VIEW_BARS[1].dwDocking},
                {&m_wndViewBar[2], VIEW_BARS[2].dwDocking},
                {&m_wndViewBarDiagram, DIAGRAM_BAR.dwDocking},
                {&m_wndViewBarNavi, NAVI_BAR.dwDocking}};
    for (const auto& bar : bars)
    {
        bar.pBar->SetBarStyle(bar.pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        bar.pBar->EnableDocking(bar.dwDocking);
    }
    EnableDocking(CBRS_ALIGN_ANY);
    m_pFloatingFrameClass = RUNTIME_CLASS(CResizableMiniDockFrameWnd);
    RecalcLayout();
    // The bars not yet docked take room at the top: the column on the right is laid out after them.
    DockControlBar(&m_wndViewBarNavi, AFX_IDW_DOCKBAR_LEFT);
    DockControlBar(&m_wndViewBarDiagram, AFX_IDW_DOCKBAR_BOTTOM);
    ShowControlBar(&m_wndViewBarDiagram, FALSE, FALSE);
    DockControlBar(&m_wndViewBar[0], AFX_IDW_DOCKBAR_RIGHT);
    for (int i = 1; i < 3; ++i)
    {
        CRect rect;
        m_wndViewBar[i - 1].GetWindowRect(rect);
        rect.OffsetRect(0, 1);
        DockControlBar(&m_wndViewBar[i], AFX_IDW_DOCKBAR_RIGHT, rect);
    }
}

// ---- Registration ---------------------------------------------------------------------------------------

bool CMainFrame::EnterPointer(CWnd* pWnd, int iKind)
{
    // Only windows of this thread's framework objects are taken: a stray message cannot plant a pointer.
    if (pWnd == nullptr || !CWnd::IsPermanentObject(pWnd))
        return false;
    bool bEntered = false;
    VisitSlot(m_sPointer, iKind,
              [pWnd, &bEntered](auto*& slot)
              {
                  using T = std::remove_pointer_t<std::remove_reference_t<decltype(slot)>>;
                  if (slot == nullptr)
                  {
                      slot = dynamic_cast<T*>(pWnd);
                      bEntered = slot != nullptr;
                  }
              });
    return bEntered;
}

void CMainFrame::UnregisterPointer(CWnd* pWnd)
{
    for (int iKind : CALIB_KINDS)
        VisitSlot(m_sPointer, iKind,
                  [pWnd](auto*& slot)
                  {
                      if (slot == pWnd)
                          slot = nullptr;
                  });
}

CWnd* CMainFrame::GetRegisteredWindow(int iKind)
{
    CWnd* pWnd = nullptr;
    VisitSlot(m_sPointer, iKind, [&pWnd](auto*& slot) { pWnd = slot; });
    return pWnd;
}

bool CMainFrame::IsReadyForInit() const
{
    const PointerTable& p = m_sPointer;
    return m_bInitPending && p.pApp && p.pView && p.pChannelA && p.pChannelB && p.pDiagram && p.pDlgLMBk &&
           p.pDlgSensorConnection && p.pDlgSensorInformationQbx && p.pDlgMeasureAdjust &&
           p.pDlgDocumentation && p.pDlgSensorCalibration && p.pDlgMeasureDiagram && p.pDlgDiagnostic;
}

bool CMainFrame::RegisterPointer(CWnd* pWnd, LPARAM, int iKind)
{
    // A page takes up its roles for the sensor engine once it is in the table.
    if (EnterPointer(pWnd, iKind))
    {
        if (auto* pPage = dynamic_cast<CModePage*>(pWnd))
            pPage->OnRegistered();
        AttachMeasurementWindows(pWnd, iKind);
    }
    if (!IsReadyForInit())
        return false;
    return RunOneTimeInit();
}

bool CMainFrame::RegisterPointerDirect(CWnd* pWnd, LPARAM lValue, int iKind)
{
    return RegisterPointer(pWnd, lValue, iKind);
}

LRESULT CMainFrame::Register(WPARAM wParam, LPARAM lParam, int iKind)
{
    RegisterPointer(reinterpret_cast<CWnd*>(wParam), lParam, iKind);
    return 0;
}

LRESULT CMainFrame::OnRegisterView(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_VIEW);
}
LRESULT CMainFrame::OnRegisterDlgLMBk(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_LMBK);
}
LRESULT CMainFrame::OnRegisterDlgSensorConnection(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_SENSOR_CONNECTION);
}
LRESULT CMainFrame::OnRegisterDlgSensorInformation(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_SENSOR_INFORMATION);
}
LRESULT CMainFrame::OnRegisterDlgMeasureAdjust(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_MEASURE_ADJUST);
}
LRESULT CMainFrame::OnRegisterDlgDocumentation(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_DOCUMENTATION);
}
LRESULT CMainFrame::OnRegisterDlgSensorCalibration(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_SENSOR_CALIBRATION);
}
LRESULT CMainFrame::OnRegisterDlgMeasureDiagram(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_MEASURE_DIAGRAM);
}
LRESULT CMainFrame::OnRegisterDlgDiagnostic(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_DIAGNOSTIC);
}
LRESULT CMainFrame::OnRegisterChannelA(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_CHANNEL_A);
}
LRESULT CMainFrame::OnRegisterChannelB(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_CHANNEL_B);
}
LRESULT CMainFrame::OnRegisterLight(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_LIGHT);
}
LRESULT CMainFrame::OnRegisterDiagram(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DIAGRAM);
}
LRESULT CMainFrame::OnRegisterCalibDoCalib(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_CALIB_DO_CALIB);
}
LRESULT CMainFrame::OnRegisterCalibValueZero(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_CALIB_VALUE_ZERO);
}
LRESULT CMainFrame::OnRegisterCalibValueEnd(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_CALIB_VALUE_END);
}
LRESULT CMainFrame::OnRegisterCalibWrongScale(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_CALIB_WRONG_SCALE);
}
LRESULT CMainFrame::OnRegisterCalibDelete(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_CALIB_DELETE);
}
LRESULT CMainFrame::OnRegisterStartUp(WPARAM w, LPARAM l)
{
    return Register(w, l, REGISTER_KIND_DLG_STARTUP);
}

// ---- One-time initialisation ----------------------------------------------------------------------------

bool CMainFrame::RunOneTimeInit()
{
    UpdateChannelPaneTexts();
    // A stored layout naming a bar this frame does not have is dropped; the default layout stays.
    if (!VerifyBarState(BAR_STATE_SECTION))
    {
        DeleteRegistryTree(HKEY_CURRENT_USER, GetAppRegistryPath("AllViewState\\BarState"));
        Frame_Trace("--> CMainFrame: stored bar layout names a missing bar; the default layout is used");
    }
    LoadLastConnection();
    UpdateMenuTexts(true);
    SelectMode(0);
    InitAllPages();
    m_wndNaviTree.m_pStatusWnd = this;
    m_bInitPending = FALSE;
    ShowStatusMessage(IDS_STATUS_DISCONNECTED);
    m_wndViewBarDiagram.m_bMouseDockingAllowed =
        (m_sEnvReg.iVersionOS == 1 || m_sEnvReg.iVersionOS == 3) ? 1 : 0;
    COM_AttachHost(this);
    COM_Init(this);
    if (!m_sEnvReg.bIsFirstTimeOfApp)
        CheckStoredRecords();
    if (m_bOneTimeInitCheckIfQbxUsbTyp && m_dlgStartUp.Create(IDD_DLG_STARTUP, nullptr))
        m_dlgStartUp.ShowWindow(SW_SHOW);
    m_dlgTrace.DumpSystemInfo(this);
    return true;
}

void CMainFrame::CheckStoredRecords()
{
    CDlgMeasureAdjust& adjustPage = *m_sPointer.pDlgMeasureAdjust;
    if (adjustPage.m_psMeasureAdjust->HasValidCheckSums())
        adjustPage.m_iStoredRecordState = 1;
    else
    {
        adjustPage.SetDefaultMeasureAdjustStruct();
        SetTriggerThresholds(adjustPage.m_psMeasureAdjust->dStartValue,
                             adjustPage.m_psMeasureAdjust->dStopValue);
        adjustPage.m_bRefreshOnShow = 1;
        adjustPage.m_iStoredRecordState = 2;
    }
    if (!m_sPointer.pDlgMeasureDiagram->m_psMeasureDgrmStruct->HasValidCheckSums())
    {
        m_sPointer.pDlgMeasureDiagram->SetDefaultMeasureDgrm();
        m_sPointer.pDlgMeasureDiagram->UpdateLanguageTexts();
    }
    if (!HasValidRecordCheckSums(*m_sPointer.pDlgDocumentation->m_psDocumentation))
    {
        m_sPointer.pDlgDocumentation->SetDefaultSettings();
        m_sPointer.pDlgDocumentation->SetDefaultTexts();
        m_sPointer.pDlgDocumentation->UpdateLanguageTexts();
    }
}

bool CMainFrame::InitAllPages()
{
    CRect rcView;
    m_sPointer.pView->GetClientRect(rcView);
    m_sPointer.pView->OnSize(0, rcView.Width(), rcView.Height());
    bool bAll = true;
    bAll &= m_sPointer.pDlgSensorConnection->UpdateLanguageTexts() != FALSE;
    bAll &= m_sPointer.pDlgSensorInformationQbx->UpdatePage() != FALSE;
    bAll &= m_sPointer.pDlgMeasureAdjust->UpdateLanguageTexts() != FALSE;
    bAll &= m_sPointer.pDlgDocumentation->UpdateLanguageTexts() != FALSE;
    bAll &= m_sPointer.pDlgSensorCalibration->UpdateLanguageTexts() != FALSE;
    bAll &= m_sPointer.pDlgMeasureDiagram->UpdateLanguageTexts() != FALSE;
    bAll &= m_sPointer.pDlgDiagnostic->UpdateLanguageTexts() != FALSE;
    m_sPointer.pDlgSensorConnection->UpdateLayout();
    return bAll;
}

bool CMainFrame::VerifyBarState(LPCSTR lpszSection)
{
    CDockState state;
    state.LoadState(lpszSection);
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i)
    {
        const CControlBarInfo* pInfo = state.GetBarInfo(i);
        for (int j = 0; j < pInfo->m_arrBarID.GetSize(); ++j)
        {
            UINT nId = pInfo->m_arrBarID[j];
            if (nId == 0)
                continue;
            if (nId > 0xFFFF)
                nId &= 0xFFFF;
            if (GetControlBar(nId) == nullptr)
                return false;
        }
        if (!pInfo->m_bFloating && GetControlBar(pInfo->m_nBarID) == nullptr)
            return false;
    }
    return true;
}

bool CMainFrame::ShowMainWindow()
{
    const bool bMaximized =
        AfxGetApp()->GetProfileInt("AllViewState\\Configs\\WindowPos", "IsMaximized", 0) != 0;
    ShowWindow(bMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
    m_bMainWindowShown = true;
    m_bRestoringLayout = true;
    CResizableBar::LoadAllSizes(this, BAR_STATE_SECTION);
    LoadBarState(BAR_STATE_SECTION);
    m_bRestoringLayout = false;
    if (!m_bSameApplicationVersion || m_sPointer.pDlgMeasureAdjust->m_iStoredRecordState == 2)
        SelectMode(MODE_PAGE_MEASURE_ADJUST);
    return true;
}

void CMainFrame::ApplyBarVisibility()
{
    const int* piCheck = m_psTreeCtrlStruct->iCheckState;
    for (int i = 0; i < 3; ++i)
    {
        CViewBar& bar = m_wndViewBar[i];
        if (bar.IsVisible())
        {
            if (piCheck[i] == 2)
                OnViewChannelBar(GetChannelBarCommandId(i));
            else if (!m_bMeasureLayout || piCheck[i] == 0)
                ShowBar(bar, false);
        }
        else if (m_bMeasureLayout && piCheck[i] == 1)
            ShowBar(bar, true);
    }
    const bool bDiagramVisible = m_wndViewBarDiagram.IsVisible() != FALSE;
    if (!bDiagramVisible && m_bMeasureLayout && piCheck[CHECK_STATE_DIAGRAM] == 1)
        ShowBar(m_wndViewBarDiagram, true);
    else if (bDiagramVisible && (!m_bMeasureLayout || piCheck[CHECK_STATE_DIAGRAM] == 0))
        ShowBar(m_wndViewBarDiagram, false);
    int* piState = m_psTreeCtrlStruct->iCheckState;
    const struct
    {
        CControlBar* pBar;
        int iIndex;
    } others[] = {{&m_wndViewBarNavi, CHECK_STATE_NAVIGATION}, {&m_wndStatusBar, CHECK_STATE_STATUS_BAR}};
    for (const auto& other : others)
    {
        if (!other.pBar->IsVisible())
            continue;
        if (piState[other.iIndex] == 0)
            ShowBar(*other.pBar, false);
        else if (piState[other.iIndex] != 1)
            piState[other.iIndex] = 1;
    }
}

void CMainFrame::ShowBar(CControlBar& bar, bool bShow)
{
    ShowControlBar(&bar, bShow ? TRUE : FALSE, FALSE);
}

// The prompts of the tree and of the commands 10001 to 10028 follow the interface language; the tree
// names the prompt of its item under the mouse.
void CMainFrame::GetMessageString(UINT nID, CString& rMessage) const
{
    if (nID == IDC_NAVI_TREE && m_wndNaviTree.GetPromptId() >= 0)
        nID = static_cast<UINT>(m_wndNaviTree.GetPromptId());
    if (nID >= IDC_NAVI_TREE && nID <= ID_VIEW_CHANNEL_C)
        nID += m_iLanguageOffset;
    CFrameWnd::GetMessageString(nID, rMessage);
}

void CMainFrame::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (CMyTreeCtrl::HasPrompt(nItemID) && m_iLanguageOffset > 0)
        nItemID += static_cast<UINT>(m_iLanguageOffset);
    CFrameWnd::OnMenuSelect(nItemID, nFlags, hSysMenu);
}

// ---- The owner-drawn menu -------------------------------------------------------------------------------

HMENU CMainFrame::CreateOwnerDrawnMenu()
{
    if (!m_menu.LoadMenu(IDR_MAINFRAME))
        return nullptr;
    // Command and the tree's picture.
    static const UINT MENU_PICTURES[][2] = {{ID_FILE_SAVE_MEASURED_VALUES, 15},
                                            {ID_FILE_SAVE_DIAGRAM, 16},
                                            {ID_FILE_PRINT_REPORT, 17},
                                            {ID_FILE_EXIT, 18},
                                            {ID_MODE_SENSOR_CONNECTION, 21},
                                            {ID_MODE_SENSOR_INFORMATION, 22},
                                            {ID_MODE_MEASURE_ADJUST, 23},
                                            {ID_MODE_DOCUMENTATION, 24},
                                            {ID_MODE_SENSOR_CALIBRATION, 25},
                                            {ID_MODE_MEASURE_DIAGRAM, 26},
                                            {ID_MODE_DIAGNOSTIC, 27},
                                            {ID_VIEW_RESET, 30},
                                            {ID_LANGUAGE_GERMAN, 3},
                                            {ID_LANGUAGE_ENGLISH, 4},
                                            {ID_LANGUAGE_FRENCH, 7},
                                            {ID_HELP_INFO, 33},
                                            {ID_HELP_ADVICE, 34}};
    if (m_ilNavi.GetSafeHandle() != nullptr)
    {
        for (const auto& picture : MENU_PICTURES)
            m_menu.ModifyItemA(nullptr, picture[0], &m_ilNavi, static_cast<int>(picture[1]));
    }
    return m_menu.Detach();
}

void CMainFrame::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU &&
        COwnerMenu::IsOwnMenu(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(lpMeasureItemStruct->itemID))))
    {
        m_menu.MeasureItem(lpMeasureItemStruct);
        return;
    }
    CFrameWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

LRESULT CMainFrame::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (COwnerMenu::IsOwnMenu(pMenu))
        return COwnerMenu::FindMnemonic(nChar, nFlags, pMenu);
    return CFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CMainFrame::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu && COwnerMenu::IsOwnMenu(pPopupMenu))
        COwnerMenu::UpdatePopup(pPopupMenu);
}

BOOL CMainFrame::DestroyWindow()
{
    SaveSettings();
    return CFrameWnd::DestroyWindow();
}

// ---- Messages of the port manager and timers -----------------------------------------------------------

LRESULT CMainFrame::OnPortManData(WPARAM wParam, LPARAM lParam)
{
    m_bDataReceived = true;
    return COM_OnReceiveData(static_cast<UINT>(wParam), reinterpret_cast<const BYTE*>(lParam));
}

LRESULT CMainFrame::OnPortManEvent(WPARAM wParam, LPARAM lParam)
{
    return COM_OnPortEvent(wParam, lParam);
}

void CMainFrame::BeginWaitCursorOnce()
{
    if (m_bWaitCursor)
        return;
    m_bWaitCursor = true;
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CMainFrame::EndWaitCursorOnce()
{
    if (!m_bWaitCursor)
        return;
    m_bWaitCursor = false;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

BOOL CMainFrame::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bWaitCursor)
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CFrameWnd::OnSetCursor(pWnd, nHitTest, message);
}
