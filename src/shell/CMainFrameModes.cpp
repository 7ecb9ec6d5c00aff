// The main frame's interface language and menu texts, the switching of the operating-mode pages, the
// view commands of the bars and the status-bar messages.
#include "shell/CMainFrame.h"

#include "framework/AfxRes.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "resources/resource.h"
#include "sensorpages/CDlgDiagnostic.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "sensorpages/CDlgSensorInformationQbx.h"
#include "shell/AppRestart.h"
#include "shell/CDlgLMBk.h"
#include "shell/ShellMessages.h"
#include "shell/TreeCtrlStruct.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "storage/CDlgDocumentation.h"

namespace
{
constexpr int LANGUAGE_GERMAN = 0;
constexpr int LANGUAGE_ENGLISH = 1000;
constexpr int LANGUAGE_FRENCH = 2000;
constexpr UINT MODE_SWITCH_ENABLE_MS = 50;
constexpr UINT IDS_RESET_VIEWS_QUESTION = 5109;
constexpr UINT IDS_TARE_ON = 5087;
constexpr UINT IDS_TARE_OFF = 5088;
constexpr UINT IDS_MIN_RESET = 5089;
constexpr UINT IDS_MAX_RESET = 5090;
constexpr int STATUS_FIRST_PLAIN = 5270;
constexpr int STATUS_LAST_PLAIN = 5274;
constexpr int STATUS_STORAGE_PROGRESS = 5291;
const char* const STATUS_UNKNOWN = "n.a. unbekannte Status Nachricht";
constexpr int STATUS_TEXT_MAX = 255;

// A menu item by its position: the popup of the menu bar, the positions below it (-1: none), its text.
struct MenuText
{
    int iBar;
    int iSub;
    int iSubSub;
    UINT nStringId;
};
const MenuText MENU_TEXTS[] = {{0, -1, -1, 5045}, {0, 0, -1, 5046},  {0, 1, -1, 5047}, {0, 2, -1, 5048},
                               {0, 4, -1, 5049},  {1, -1, -1, 5050}, {1, 0, -1, 5051}, {1, 0, 0, 5052},
                               {1, 0, 1, 5053},   {1, 0, 2, 5054},   {1, 0, 3, 5055},  {1, 0, 4, 5056},
                               {1, 1, -1, 5057},  {2, -1, -1, 5059}, {2, 0, -1, 5060}, {2, 0, 0, 5323},
                               {2, 0, 1, 5324},   {2, 1, -1, 5286},  {2, 2, -1, 5065}, {2, 3, -1, 5066},
                               {2, 5, -1, 5067},  {3, -1, -1, 5068}, {3, 0, -1, 5069}, {3, 1, -1, 5070},
                               {3, 2, -1, 5071},  {4, -1, -1, 5073}, {4, 0, -1, 5074}, {4, 1, -1, 5075}};

// The mode pages and their menu commands, in the order of the commands 10005 to 10011.
constexpr int MODE_COMMAND_PAGES[] = {MODE_PAGE_SENSOR_CONNECTION,  MODE_PAGE_SENSOR_INFORMATION,
                                      MODE_PAGE_MEASURE_ADJUST,     MODE_PAGE_DOCUMENTATION,
                                      MODE_PAGE_SENSOR_CALIBRATION, MODE_PAGE_MEASURE_DIAGRAM,
                                      MODE_PAGE_DIAGNOSTIC};

// A string item with the text, keeping its command or popup; an owner-drawn menu draws it again
// from its text when the popup next opens.
bool SetMenuItemText(HMENU hMenu, int iPos, const CString& strText)
{
    if (hMenu == nullptr)
        return false;
    const UINT nPos = static_cast<UINT>(iPos);
    if (HMENU hPopup = ::GetSubMenu(hMenu, iPos))
        return ::ModifyMenuA(hMenu, nPos, MF_BYPOSITION | MF_STRING | MF_POPUP,
                             reinterpret_cast<UINT_PTR>(hPopup), strText) != FALSE;
    const UINT nId = ::GetMenuItemID(hMenu, iPos);
    return nId != static_cast<UINT>(-1) &&
           ::ModifyMenuA(hMenu, nPos, MF_BYPOSITION | MF_STRING, nId, strText) != FALSE;
}
} // namespace

// ---- Language and menu ----------------------------------------------------------------------------------

bool CMainFrame::SetLanguage(int iLanguageOffset)
{
    if (iLanguageOffset == m_iLanguageOffset)
        return false;
    const bool bKnown = iLanguageOffset == LANGUAGE_GERMAN || iLanguageOffset == LANGUAGE_ENGLISH ||
                        iLanguageOffset == LANGUAGE_FRENCH;
    m_iLanguageOffset = bKnown ? iLanguageOffset : LANGUAGE_ENGLISH;
    return true;
}

bool CMainFrame::UpdateMenuTexts(bool bRemoveDiagnostic)
{
    const bool bAll = ApplyMenuTexts(GetMenuHandle(), m_iLanguageOffset, bRemoveDiagnostic);
    DrawMenuBar();
    return bAll;
}

bool CMainFrame::ApplyMenuTexts(HMENU hMenu, int iLanguageOffset, bool bRemoveDiagnostic)
{
    if (hMenu == nullptr)
        return false;
    if (bRemoveDiagnostic)
        ::DeleteMenu(hMenu, ID_MODE_DIAGNOSTIC, MF_BYCOMMAND);
    ::DeleteMenu(hMenu, ID_LANGUAGE_SPANISH, MF_BYCOMMAND);
    bool bAll = true;
    for (const MenuText& item : MENU_TEXTS)
    {
        HMENU hPopup = hMenu;
        int iPos = item.iBar;
        if (item.iSub >= 0)
        {
            hPopup = ::GetSubMenu(hMenu, item.iBar);
            iPos = item.iSub;
        }
        if (item.iSubSub >= 0)
        {
            hPopup = ::GetSubMenu(hPopup, item.iSub);
            iPos = item.iSubSub;
        }
        CString strText;
        strText.LoadString(item.nStringId + iLanguageOffset);
        bAll &= !strText.IsEmpty() && SetMenuItemText(hPopup, iPos, strText);
    }
    return bAll;
}

bool CMainFrame::UpdateChannelPaneTexts()
{
    CWnd* const panes[2] = {m_sPointer.pChannelA, m_sPointer.pChannelB};
    bool bAll = true;
    for (int i = 0; i < 2; ++i)
    {
        if (panes[i] == nullptr || !panes[i]->GetSafeHwnd())
            continue;
        const UINT nTareText = m_pipeline.m_sChannel[i].bTareOff ? IDS_TARE_ON : IDS_TARE_OFF;
        const UINT nIds[3][2] = {{IDC_CHANNEL_TARE, nTareText},
                                 {IDC_CHANNEL_MIN_RESET, IDS_MIN_RESET},
                                 {IDC_CHANNEL_MAX_RESET, IDS_MAX_RESET}};
        for (const auto& button : nIds)
        {
            const CString strText = LoadText(button[1]);
            CWnd* pButton = panes[i]->GetDlgItem(static_cast<int>(button[0]));
            bAll &= !strText.IsEmpty() && pButton != nullptr;
            if (!strText.IsEmpty() && pButton != nullptr)
                pButton->SetWindowText(strText);
        }
    }
    return bAll;
}

// ---- Mode pages -------------------------------------------------------------------------------------------

CWnd* CMainFrame::GetModePage(int iPage) const
{
    switch (iPage)
    {
        case MODE_PAGE_START:
            return m_sPointer.pDlgLMBk;
        case MODE_PAGE_SENSOR_CONNECTION:
            return m_sPointer.pDlgSensorConnection;
        case MODE_PAGE_SENSOR_INFORMATION:
            return m_sPointer.pDlgSensorInformationQbx;
        case MODE_PAGE_MEASURE_ADJUST:
            return m_sPointer.pDlgMeasureAdjust;
        case MODE_PAGE_DOCUMENTATION:
            return m_sPointer.pDlgDocumentation;
        case MODE_PAGE_SENSOR_CALIBRATION:
            return m_sPointer.pDlgSensorCalibration;
        case MODE_PAGE_MEASURE_DIAGRAM:
            return m_sPointer.pDlgMeasureDiagram;
        case MODE_PAGE_DIAGNOSTIC:
            return m_sPointer.pDlgDiagnostic;
        default:
            return nullptr;
    }
}

bool CMainFrame::SelectMode(int iPage)
{
    if (!m_bModeSwitchAllowed || Panel_IsRunning())
        return false;
    m_bModeSwitchAllowed = FALSE;
    SetTimer(TIMER_MODE_SWITCH_ENABLE, MODE_SWITCH_ENABLE_MS);
    if (iPage != 0 && m_bPageSwitchLocked)
        return false;
    if (iPage == 0)
    {
        if (m_iActiveMode == 0)
            m_iActiveMode = MODE_PAGE_MEASURE_DIAGRAM;
        CWnd* pPage = GetModePage(m_iActiveMode);
        if (pPage == nullptr)
        {
            pPage = m_sPointer.pDlgLMBk;
            m_iActiveMode = MODE_PAGE_START;
        }
        const bool bWasHidden = !pPage->IsWindowVisible();
        pPage->ShowWindow(SW_SHOW);
        if (m_iActiveMode == MODE_PAGE_MEASURE_DIAGRAM)
            ShowBar(m_wndViewBarDiagram, true);
        SetMeasureLayout(m_iActiveMode == MODE_PAGE_MEASURE_DIAGRAM ? 3 : 2);
        return bWasHidden;
    }
    if (iPage == m_iActiveMode)
        return true;
    CWnd* pNewPage = GetModePage(iPage);
    if (m_iActiveMode == 0 || pNewPage == nullptr)
        return false;
    CWnd* pOldPage = GetModePage(m_iActiveMode);
    const bool bWasVisible = pOldPage != nullptr && pOldPage->IsWindowVisible();
    if (pOldPage != nullptr)
        pOldPage->ShowWindow(SW_HIDE);
    if (m_iActiveMode == MODE_PAGE_MEASURE_DIAGRAM)
    {
        ShowBar(m_wndViewBarDiagram, false);
        SetMeasureLayout(0);
    }
    m_iActiveMode = iPage;
    pNewPage->ShowWindow(SW_SHOW);
    if (iPage == MODE_PAGE_MEASURE_DIAGRAM)
    {
        ShowBar(m_wndViewBarDiagram, true);
        SetMeasureLayout(1);
    }
    return bWasVisible;
}

void CMainFrame::SetMeasureLayout(int iReason)
{
    m_bMeasureLayout = (iReason == 1 || iReason == 3) ? 1 : 0;
    ApplyBarVisibility();
}

void CMainFrame::OnModeCommand(UINT nID)
{
    SelectMode(MODE_COMMAND_PAGES[nID - ID_MODE_SENSOR_CONNECTION]);
}

void CMainFrame::OnFileExit()
{
    PostMessage(WM_COMMAND, ID_APP_EXIT);
}

// ---- Bars -------------------------------------------------------------------------------------------------

UINT CMainFrame::GetChannelBarCommandId(int nIndex)
{
    if (nIndex >= 0 && nIndex <= 2)
        return ID_VIEW_CHANNEL_A + static_cast<UINT>(nIndex);
    return 123;
}

void CMainFrame::OnViewChannelCommand(UINT nID)
{
    OnViewChannelBar(nID);
}

void CMainFrame::OnViewChannelBar(UINT nID)
{
    const int iIndex = (nID >= ID_VIEW_CHANNEL_A && nID <= ID_VIEW_CHANNEL_C)
                           ? static_cast<int>(nID - ID_VIEW_CHANNEL_A)
                           : 0;
    int& iState = m_psTreeCtrlStruct->iCheckState[iIndex];
    if (iState == 0)
    {
        ShowBar(m_wndViewBar[iIndex], true);
        iState = 1;
    }
    else
    {
        ShowBar(m_wndViewBar[iIndex], false);
        if (iState == 1)
            iState = 0;
    }
    // Once the protocol is initialised the channel record follows the bar.
    if (iIndex < 2 && m_pMainFrame != nullptr)
        m_pipeline.m_sChannel[iIndex].byShown = static_cast<BYTE>(iState);
}

// The diagram, navigation and status bars: shown ones are hidden, others (hidden or not available) shown.
void CMainFrame::OnViewDiagramBar()
{
    int& iState = m_psTreeCtrlStruct->iCheckState[CHECK_STATE_DIAGRAM];
    iState = iState == 1 ? 0 : 1;
    ShowBar(m_wndViewBarDiagram, iState == 1);
}

void CMainFrame::OnViewNavigationBar()
{
    int& iState = m_psTreeCtrlStruct->iCheckState[CHECK_STATE_NAVIGATION];
    iState = iState == 1 ? 0 : 1;
    ShowBar(m_wndViewBarNavi, iState == 1);
}

void CMainFrame::OnViewStatusBar()
{
    int& iState = m_psTreeCtrlStruct->iCheckState[CHECK_STATE_STATUS_BAR];
    iState = iState == 1 ? 0 : 1;
    ShowBar(m_wndStatusBar, iState == 1);
}

int CMainFrame::OnViewBarHidden(WINDOWPOS* lpwndpos)
{
    if (lpwndpos == nullptr || m_bRestoringLayout)
        return 0;
    for (int i = 0; i < 3; ++i)
    {
        if (lpwndpos->hwnd == m_wndViewBar[i].GetSafeHwnd())
        {
            OnViewChannelBar(GetChannelBarCommandId(i));
            return 1;
        }
    }
    if (lpwndpos->hwnd == m_wndViewBarDiagram.GetSafeHwnd())
        OnViewDiagramBar();
    else if (lpwndpos->hwnd == m_wndViewBarNavi.GetSafeHwnd())
        OnViewNavigationBar();
    else
        return 0;
    return 1;
}

// ---- Reset Views -----------------------------------------------------------------------------------------

void CMainFrame::OnViewReset()
{
    const UINT nType = MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2;
    if (AfxShowMessageBox(GetSafeHwnd(), LoadText(IDS_RESET_VIEWS_QUESTION), AfxGetAppName(), nType) != IDOK)
        return;
    if (!RestartApplication(RESTART_WAIT_MS))
        return;
    ResetViewState("AllViewState");
    PostMessage(WM_COMMAND, ID_APP_EXIT);
}

// ---- Status bar ----------------------------------------------------------------------------------------

void CMainFrame::ShowStatusMessage(int iStatusId)
{
    if (iStatusId != 0 && iStatusId != STATUS_STORAGE_PROGRESS)
        m_iLastStatusId = iStatusId;
    if (m_psTreeCtrlStruct->iCheckState[CHECK_STATE_STATUS_BAR] != 1 || !m_wndStatusBar.GetSafeHwnd())
        return;
    const int iShown = iStatusId == 0 ? m_iLastStatusId : iStatusId;
    if (iShown >= STATUS_FIRST_PLAIN && iShown <= STATUS_LAST_PLAIN)
        SetStatusText(LoadText(static_cast<UINT>(iShown)));
    else
        SetStatusText(STATUS_UNKNOWN);
}

void CMainFrame::SetStatusText(const CString& strText)
{
    const CString strShown = strText.Left(STATUS_TEXT_MAX);
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(strShown.GetString()));
}

// The idle prompt shows the last status text, so the status bar returns to it after a menu prompt.
LRESULT CMainFrame::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
    {
        m_strStatusText = reinterpret_cast<LPCSTR>(lParam);
        return CFrameWnd::OnSetMessageString(0, reinterpret_cast<LPARAM>(m_strStatusText.GetString()));
    }
    if (wParam == AFX_IDS_IDLEMESSAGE)
    {
        const LRESULT lLast =
            CFrameWnd::OnSetMessageString(0, reinterpret_cast<LPARAM>(m_strStatusText.GetString()));
        m_nIDLastMessage = m_nIDTracking = AFX_IDS_IDLEMESSAGE;
        return lLast;
    }
    return CFrameWnd::OnSetMessageString(wParam, 0);
}
