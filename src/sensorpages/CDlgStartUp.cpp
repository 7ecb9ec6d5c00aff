#include "sensorpages/CDlgStartUp.h"

#include "controls/ControlTexts.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "protocol/CComPort.h"
#include "protocol/ComPortTimers.h"
#include "ports/CPortManGui.h"
#include "resources/resource.h"
#include "sensorpages/CSearchProgressList.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/ProgramInfo.h"
#include "shell/CEnvironment.h"
#include "shell/CPageHost.h"
#include "shell/ShellMessages.h"
#include "shell/ShellTexts.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDlgStartUp, CDialog)

BEGIN_MESSAGE_MAP(CDlgStartUp, CDialog)
ON_WM_SHOWWINDOW()
ON_WM_CTLCOLOR()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_STARTUP_SEARCH_AGAIN, OnSearchAgain)
ON_BN_CLICKED(IDC_STARTUP_EXIT, OnExit)
ON_BN_CLICKED(IDC_STARTUP_INFO, OnInfo)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_STARTUP_PROGRESS, OnProgressCustomDraw)
END_MESSAGE_MAP()

namespace
{
const COLORREF STARTUP_BACKGROUND = RGB(190, 210, 250);
constexpr int SUB_STEPS_PER_PORT = 29;
constexpr double CELL_PERCENT_PER_SUB_STEP = 100.0 / SUB_STEPS_PER_PORT;
constexpr int FULL_PERCENT = 100;
constexpr UINT START_SEARCH_DELAY_MS = 200;
constexpr LPARAM STARTUP_REGISTER_VALUE = 456;
} // namespace

CDlgStartUp::CDlgStartUp(CWnd* pParent, void*)
    : CDialog(IDD_DLG_STARTUP, pParent), m_brDialog(STARTUP_BACKGROUND), m_brControls(STARTUP_BACKGROUND)
{
}

CDlgStartUp::~CDlgStartUp()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

void CDlgStartUp::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STARTUP_TEXT, m_wndText);
    DDX_Control(pDX, IDC_STARTUP_DEFAULT, m_btnDefault);
    DDX_Control(pDX, IDC_STARTUP_SEARCH_AGAIN, m_btnSearchAgain);
    DDX_Control(pDX, IDC_STARTUP_EXIT, m_btnExit);
    DDX_Control(pDX, IDC_STARTUP_INFO, m_btnInfo);
    DDX_Control(pDX, IDC_STARTUP_PROGRESS, m_ctlProgress);
    DDX_Control(pDX, IDC_STARTUP_SEARCH_ALL, m_chkSearchAll);
}

BOOL CDlgStartUp::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bFirstInit)
    {
        if (m_pMainFrame)
        {
            m_pMainFrame->RegisterPointerDirect(this, STARTUP_REGISTER_VALUE, REGISTER_KIND_DLG_STARTUP);
            m_pMainFrame->GetComPort().COM_AttachStartUp(this);
            m_bEngineAttached = true;
            m_iLanguageOffset = m_pMainFrame->GetLanguageOffset();
            if (m_pProgressList == nullptr)
                m_pProgressList = dynamic_cast<CSearchProgressList*>(
                    m_pMainFrame->GetRegisteredWindow(REGISTER_KIND_DLG_SENSOR_CONNECTION));
        }
        m_bFirstInit = false;
    }
    if (m_wndLogo.CreateFromStatic(GetDlgItem(IDC_STARTUP_LOGO)))
    {
        m_wndLogo.LoadBitmapResource(IDB_LOGO);
        m_wndLogo.SetFitMode(CBitmapViewWnd::FIT_STRETCH);
    }
    CString strTitle;
    strTitle.LoadString(IDR_MAINFRAME);
    SetWindowText(strTitle);
    if (m_pMainFrame)
        m_pMainFrame->GetFrameWindow()->SetWindowText(strTitle);
    return TRUE;
}

CString CDlgStartUp::LoadText(UINT nId) const
{
    CString str;
    str.LoadString(nId + m_iLanguageOffset);
    return str;
}

// A missing string leaves the control's text as it is.
void CDlgStartUp::SetControlText(CWnd& wnd, UINT nId)
{
    const CString str = LoadText(nId);
    if (!str.IsEmpty())
        wnd.SetWindowText(str);
}

void CDlgStartUp::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (!bShow)
    {
        HideSearchProgress();
        return;
    }
    if (!m_pMainFrame)
        return;
    m_btnDefault.SetFocus();
    SetControlText(m_btnExit, IDS_EXIT);
    m_btnExit.ShowWindow(SW_SHOW);
    SetControlText(m_wndText, IDS_STARTUP_SEARCHING);
    m_wndText.ShowWindow(SW_SHOW);
    SetControlText(m_chkSearchAll, IDS_STARTUP_SEARCH_ALL);
    m_chkSearchAll.SetCheck(BST_CHECKED);
    CComPort& port = m_pMainFrame->GetComPort();
    if (port.m_pPort)
        port.m_pPort->ClosePort(false);
    m_pMainFrame->GetFrameWindow()->SetTimer(TIMER_START_SEARCH, START_SEARCH_DELAY_MS);
}

HBRUSH CDlgStartUp::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd == nullptr)
        return hBrush;
    if (pWnd->GetSafeHwnd() == GetSafeHwnd())
    {
        pDC->SetBkColor(STARTUP_BACKGROUND);
        pDC->SetBkMode(TRANSPARENT);
        return m_brDialog;
    }
    switch (pWnd->GetDlgCtrlID())
    {
        case IDC_STARTUP_TEXT:
        case IDC_STARTUP_SEARCH_AGAIN:
        case IDC_STARTUP_EXIT:
        case IDC_STARTUP_PROGRESS:
        case IDC_STARTUP_SEARCH_ALL:
            pDC->SetBkColor(STARTUP_BACKGROUND);
            pDC->SetTextColor(RGB(0, 0, 0));
            pDC->SetBkMode(TRANSPARENT);
            return m_brControls;
        default:
            return hBrush;
    }
}

BOOL CDlgStartUp::PreTranslateMessage(MSG* pMsg)
{
    // Escape never closes the dialog.
    if (pMsg->wParam == VK_ESCAPE)
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CDlgStartUp::PostCloseToFrame()
{
    if (m_pMainFrame)
        m_pMainFrame->GetFrameWindow()->PostMessage(WM_CLOSE);
}

void CDlgStartUp::OnDestroy()
{
    if (m_bEngineAttached)
    {
        m_pMainFrame->GetComPort().COM_AttachStartUp(nullptr);
        m_bEngineAttached = false;
    }
    CDialog::OnDestroy();
}

void CDlgStartUp::StartUp_Hide()
{
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
}

void CDlgStartUp::OnClose()
{
    Default();
    PostCloseToFrame();
}

void CDlgStartUp::OnExit()
{
    PostCloseToFrame();
}

void CDlgStartUp::OnSearchAgain()
{
    SetControlText(m_wndText, IDS_STARTUP_SEARCHING);
    m_btnSearchAgain.ShowWindow(SW_HIDE);
    m_btnInfo.ShowWindow(SW_HIDE);
    m_chkSearchAll.ShowWindow(SW_HIDE);
    const int iMode = m_chkSearchAll.GetCheck() == BST_CHECKED ? 4 : 0;
    if (m_pMainFrame)
        m_pMainFrame->GetComPort().COM_CheckConnectionIfQbxUsbTyp(iMode);
}

void CDlgStartUp::OnInfo()
{
    CString strText;
    strText.Format("TQ5 (%s %s)\n%s\n\n%s", LoadText(IDS_VERSION).GetString(), APPLICATION_VERSION,
                   NOTICE_LINE,
                   CEnvironment::ApplyOemModelNames(LoadText(IDS_SUPPORTED_SENSORS)).GetString());
    AfxMessageBox(strText, MB_OK | MB_ICONINFORMATION);
}

void CDlgStartUp::OnProgressCustomDraw(NMHDR*, LRESULT* pResult)
{
    *pResult = CDRF_DODEFAULT;
}

void CDlgStartUp::ApplyProgress()
{
    if (!m_ctlProgress.GetSafeHwnd())
        return;
    m_ctlProgress.SetRange32(0, m_iProgressRange);
    m_ctlProgress.SetPos(m_iProgressPos);
}

void CDlgStartUp::InitSearchProgress(int nPorts)
{
    m_iPortCount = nPorts > 0 ? nPorts : 1;
    m_iPortsDone = 0;
    m_iSubSteps = 0;
    m_iRowUnderTest = -1;
    if (m_ctlProgress.GetSafeHwnd())
        m_ctlProgress.ShowWindow(SW_SHOW);
    m_bSearching = true;
    m_iProgressPos = 0;
    m_dStepPerSubStep = 100.0 / (SUB_STEPS_PER_PORT * m_iPortCount);
    m_dStepPerPort = SUB_STEPS_PER_PORT * m_dStepPerSubStep;
    m_iProgressRange = 100;
    ApplyProgress();
}

void CDlgStartUp::AdvanceSearchProgress(int iKind)
{
    double dStep = 0.0;
    if (iKind == 0)
    {
        ++m_iSubSteps;
        dStep = m_dStepPerSubStep;
    }
    else if (iKind == 1)
        dStep = m_dStepPerPort;
    // The bar holds whole positions: the fraction is lost at every step.
    m_iProgressPos = static_cast<int>(m_iProgressPos + dStep);
    ApplyProgress();
    if (m_bMirrorToList && IsValidListRow(m_iRowUnderTest))
        m_pProgressList->SetRowProgress(
            m_iRowUnderTest,
            std::min(FULL_PERCENT, static_cast<int>(m_iSubSteps * CELL_PERCENT_PER_SUB_STEP)));
}

void CDlgStartUp::SetSearchedPort(int iRow)
{
    const int iPos = static_cast<int>((m_iPortCount - iRow) * m_dStepPerPort);
    if (iPos > 0)
        m_iProgressPos = iPos;
    ApplyProgress();
    if (m_bMirrorToList)
    {
        // The port just finished, then the port now under test.
        if (iRow + 1 < m_iPortCount && IsValidListRow(iRow + 1))
            m_pProgressList->SetRowProgress(iRow + 1, std::min(FULL_PERCENT, m_iProgressPos * m_iPortCount));
        if (iRow < m_iPortCount)
        {
            m_iRowUnderTest = iRow;
            if (IsValidListRow(iRow))
                m_pProgressList->BeginRowProgress(iRow);
        }
    }
    ++m_iPortsDone;
    m_iSubSteps = 0;
}

void CDlgStartUp::HideSearchProgress()
{
    if (m_ctlProgress.GetSafeHwnd())
        m_ctlProgress.ShowWindow(SW_HIDE);
    m_bSearching = false;
    if (!m_bMirrorToList)
        return;
    for (int iRow = 0; iRow < m_iPortCount; ++iRow)
    {
        if (IsValidListRow(iRow))
            m_pProgressList->EndRowProgress(iRow);
    }
    m_bMirrorToList = false;
}

bool CDlgStartUp::IsValidListRow(int iRow) const
{
    return m_pProgressList != nullptr && iRow >= 0 && iRow < m_pProgressList->GetProgressRowCount();
}

void CDlgStartUp::ShowSearchFailed()
{
    HideSearchProgress();
    SetControlText(m_wndText, IDS_STARTUP_NOT_FOUND);
    SetControlText(m_btnSearchAgain, IDS_STARTUP_SEARCH_AGAIN);
    m_btnSearchAgain.ShowWindow(SW_SHOW);
    m_btnInfo.ShowWindow(SW_SHOW);
    m_chkSearchAll.ShowWindow(SW_SHOW);
}
