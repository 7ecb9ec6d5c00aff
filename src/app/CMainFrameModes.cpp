// The main frame's interface language and menu texts, the switching of the operating-mode pages, the
// view commands of the bars and the status-bar messages.
#include "app/CMainFrame.h"

#include "app/AppTexts.h"
#include "controls/ControlTexts.h"
#include "framework/AfxRes.h"
#include "framework/CCmdUI.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/MeasurementTexts.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "sensorpages/CDlgDiagnostic.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "sensorpages/CDlgSensorInformationQbx.h"
#include "sensorpages/SensorPageTexts.h"
#include "app/AppRestart.h"
#include "shell/CDlgAdvice.h"
#include "shell/CDlgInfo.h"
#include "shell/CDlgLMBk.h"
#include "shell/ShellMessages.h"
#include "app/TreeCtrlStruct.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/ZMState.h"
#include "storage/CDlgDocumentation.h"
#include "storage/StorageTexts.h"

#include <cstdarg>
#include <cstdio>
#include <iterator>

namespace
{
constexpr UINT MODE_SWITCH_ENABLE_MS = 50;
constexpr double STORAGE_RATE_MB_FROM = 500.0;
const char* const STATUS_UNKNOWN = "n.a. unbekannte Status Nachricht";
constexpr int STATUS_TEXT_MAX = 255;
constexpr int MAX_EQUALIZE_PASSES = 10;

// A menu item by its position: the popup of the menu bar, the positions below it (-1: none), its text.
struct MenuText
{
    int iBar;
    int iSub;
    int iSubSub;
    UINT nStringId;
};
const MenuText MENU_TEXTS[] = {{0, -1, -1, IDS_MENU_FILE},
                               {0, 0, -1, IDS_MENU_SAVE_MEASURED_VALUES},
                               {0, 1, -1, IDS_MENU_SAVE_DIAGRAM},
                               {0, 2, -1, IDS_MENU_PRINT},
                               {0, 4, -1, IDS_MENU_EXIT},
                               {1, -1, -1, IDS_MENU_OPERATING_MODE},
                               {1, 0, -1, IDS_MENU_CONFIGURATION_MODE},
                               {1, 0, 0, IDS_PAGE_SENSOR_CONNECTION},
                               {1, 0, 1, IDS_PAGE_SENSOR_INFORMATION},
                               {1, 0, 2, IDS_PAGE_MEASURE_ADJUST},
                               {1, 0, 3, IDS_PAGE_DOCUMENTATION},
                               {1, 0, 4, IDS_PAGE_SENSOR_CALIBRATION},
                               {1, 1, -1, IDS_PAGE_MEASURE_DIAGRAM},
                               {2, -1, -1, IDS_MENU_VIEW},
                               {2, 0, -1, IDS_MENU_DIGITAL_VIEWS},
                               {2, 0, 0, IDS_CHANNEL_A},
                               {2, 0, 1, IDS_CHANNEL_B},
                               {2, 1, -1, IDS_MENU_DIAGRAM},
                               {2, 2, -1, IDS_MENU_NAVIGATION_BAR},
                               {2, 3, -1, IDS_MENU_STATUS_BAR},
                               {2, 5, -1, IDS_MENU_RESET_VIEWS},
                               {3, -1, -1, IDS_MENU_LANGUAGE},
                               {3, 0, -1, IDS_MENU_GERMAN},
                               {3, 1, -1, IDS_MENU_ENGLISH},
                               {3, 2, -1, IDS_MENU_FRENCH},
                               {4, -1, -1, IDS_MENU_HELP},
                               {4, 0, -1, IDS_MENU_INFO},
                               {4, 1, -1, IDS_MENU_ADVICE}};

const int LANGUAGE_OF_COMMAND[] = {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH, LANGUAGE_SPANISH};
// The page cycle of the hot keys.
constexpr int PAGE_CYCLE[] = {MODE_PAGE_SENSOR_CONNECTION,  MODE_PAGE_SENSOR_INFORMATION,
                              MODE_PAGE_MEASURE_ADJUST,     MODE_PAGE_DOCUMENTATION,
                              MODE_PAGE_SENSOR_CALIBRATION, MODE_PAGE_MEASURE_DIAGRAM};

// The page iSteps on in the cycle from iPage; a page outside the cycle leads to its first page.
int StepPageCycle(int iPage, int iSteps)
{
    const int nPages = static_cast<int>(std::size(PAGE_CYCLE));
    for (int i = 0; i < nPages; ++i)
    {
        if (PAGE_CYCLE[i] == iPage)
            return PAGE_CYCLE[(i + iSteps) % nPages];
    }
    return MODE_PAGE_SENSOR_CONNECTION;
}

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

bool CMainFrame::ApplyLanguage(int iLanguageOffset)
{
    if (!SetLanguage(iLanguageOffset))
        return false;
    bool bAll = UpdateBarCaptions();
    bAll &= UpdateChannelPaneTexts();
    bAll &= UpdateMenuTexts(false);
    bAll &= RebuildNaviTree();
    // The settings page renews its texts in the language it holds a copy of.
    if (m_sPointer.pDlgMeasureAdjust != nullptr)
        m_sPointer.pDlgMeasureAdjust->m_iLanguageOffsetCopy = m_iLanguageOffset;
    bAll &= UpdatePageLanguages();
    if (m_sPointer.pDiagram != nullptr)
        m_sPointer.pDiagram->UpdateLanguageTexts();
    Frame_ProcessMeasuredValues(CValuePipeline::REASON_LANGUAGE);
    // The status message shown now, the date and weekday panes at the next update, in the new language.
    ShowStatusMessage(0);
    m_paneDates.ForgetShownDate();
    return bAll;
}

void CMainFrame::OnLanguageCommand(UINT nID)
{
    ApplyLanguage(LANGUAGE_OF_COMMAND[nID - ID_LANGUAGE_GERMAN]);
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

// The caption of a docking bar (CheckState index 0 to 4) in the interface language.
CString CMainFrame::GetBarCaption(int iBar) const
{
    switch (iBar)
    {
        case CHECK_STATE_CHANNEL_A:
            return LoadText(IDS_BAR_CHANNEL_A);
        case CHECK_STATE_CHANNEL_B:
            return LoadText(IDS_BAR_CHANNEL_B);
        case CHECK_STATE_LIGHT:
            return LoadText(IDS_BAR_LIGHT) + " (" + LoadText(IDS_FIRST_CONDITION) + ")";
        case CHECK_STATE_DIAGRAM:
            return LoadText(IDS_DIAGRAM);
        case CHECK_STATE_NAVIGATION:
            return LoadText(IDS_BAR_NAVIGATION);
        default:
            return CString();
    }
}

bool CMainFrame::UpdateBarCaptions()
{
    bool bAll = true;
    for (int i = CHECK_STATE_CHANNEL_A; i <= CHECK_STATE_NAVIGATION; ++i)
    {
        const CString strCaption = GetBarCaption(i);
        CControlBar* pBar = GetCheckStateBar(i);
        bAll &= !strCaption.IsEmpty() && pBar != nullptr && pBar->GetSafeHwnd() != nullptr;
        if (pBar != nullptr && pBar->GetSafeHwnd())
        {
            pBar->SetWindowText(strCaption);
            pBar->SendMessage(WM_NCPAINT);
        }
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

// The visible working pages renew their texts now, the hidden ones when they are shown next.
bool CMainFrame::UpdatePageLanguages()
{
    bool bAll = true;
    for (int iPage : MODE_COMMAND_PAGES)
    {
        CModePage* pPage = GetModePage(iPage);
        if (pPage == nullptr)
        {
            bAll = false;
            continue;
        }
        if (pPage->GetSafeHwnd() && pPage->IsWindowVisible())
            bAll &= pPage->RefreshTexts() != FALSE;
        else
            pPage->m_bRefreshOnShow = 1;
    }
    return bAll;
}

// ---- Mode pages -------------------------------------------------------------------------------------------

CModePage* CMainFrame::GetModePage(int iPage) const
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

bool CMainFrame::CanLeaveActivePage()
{
    return m_iActiveMode != MODE_PAGE_DOCUMENTATION || m_sPointer.pDlgDocumentation == nullptr ||
           m_sPointer.pDlgDocumentation->CheckAutoStorageSettings();
}

// At most one switch per 50 ms; none while a measurement runs, the protocol holds the page-switch lock
// or the documentation page refuses to be left.
bool CMainFrame::SelectMode(int iPage)
{
    if ((!m_bInitPending && !CanLeaveActivePage()) || COM_Panel().Panel_IsRunning() || !m_bModeSwitchAllowed)
        return false;
    m_bModeSwitchAllowed = FALSE;
    SetTimer(TIMER_MODE_SWITCH_ENABLE, MODE_SWITCH_ENABLE_MS);
    if (iPage != 0 && m_bPageSwitchLocked)
        return false;
    if (iPage == 0)
        return ShowActiveModeAgain();
    if (iPage == m_iActiveMode)
    {
        if (iPage == MODE_PAGE_MEASURE_DIAGRAM)
            EqualizeChannelBars();
        return true;
    }
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

// The page of m_iActiveMode shown again (the operator panel when none is active yet); an active mode
// that names no page shows the start page.
bool CMainFrame::ShowActiveModeAgain()
{
    if (m_iActiveMode == 0)
        m_iActiveMode = MODE_PAGE_MEASURE_DIAGRAM;
    CWnd* pPage = GetModePage(m_iActiveMode);
    if (pPage == nullptr)
    {
        pPage = m_sPointer.pDlgLMBk;
        if (pPage == nullptr)
            return false;
        const bool bStartWasHidden = !pPage->IsWindowVisible();
        pPage->ShowWindow(SW_SHOW);
        if (bStartWasHidden)
            m_iActiveMode = MODE_PAGE_START;
        SetMeasureLayout(2);
        return bStartWasHidden;
    }
    const bool bWasHidden = !pPage->IsWindowVisible();
    pPage->ShowWindow(SW_SHOW);
    if (m_iActiveMode == MODE_PAGE_MEASURE_DIAGRAM)
        ShowBar(m_wndViewBarDiagram, true);
    SetMeasureLayout(m_iActiveMode == MODE_PAGE_MEASURE_DIAGRAM ? 3 : 2);
    return bWasHidden;
}

int CMainFrame::GetNextModePage(int iPage)
{
    return StepPageCycle(iPage, 1);
}

int CMainFrame::GetPreviousModePage(int iPage)
{
    return StepPageCycle(iPage, static_cast<int>(std::size(PAGE_CYCLE)) - 1);
}

void CMainFrame::SelectAdjacentMode(bool bNext)
{
    SelectMode(bNext ? GetNextModePage(m_iActiveMode) : GetPreviousModePage(m_iActiveMode));
}

void CMainFrame::SetMeasureLayout(int iReason)
{
    m_bMeasureLayout = (iReason == 1 || iReason == 3) ? 1 : 0;
    ApplyBarVisibility();
    RefreshNaviTree();
    UpdateNaviTreeColors();
    if (m_iActiveMode == MODE_PAGE_MEASURE_DIAGRAM)
        EqualizeChannelBars();
}

void CMainFrame::OnModeCommand(UINT nID)
{
    SelectMode(MODE_COMMAND_PAGES[nID - ID_MODE_SENSOR_CONNECTION]);
}

void CMainFrame::OnFileExit()
{
    PostMessage(WM_COMMAND, ID_APP_EXIT);
}

void CMainFrame::FocusEditSelectAll(CWnd* pEdit)
{
    if (pEdit == nullptr || pEdit->GetSafeHwnd() == nullptr)
        return;
    pEdit->SetFocus();
    pEdit->SendMessage(EM_SETSEL, 0, pEdit->GetWindowTextLength());
    pEdit->SendMessage(EM_SCROLLCARET);
}

// ---- Help -------------------------------------------------------------------------------------------------

void CMainFrame::OnHelpInfo()
{
    CDlgInfo dlg;
    dlg.m_iLanguageOffset = m_iLanguageOffset;
    dlg.DoModal();
}

void CMainFrame::OnHelpAdvice()
{
    CDlgAdvice dlg;
    dlg.m_iLanguageOffset = m_iLanguageOffset;
    dlg.m_strCaption = LoadText(IDS_ADVICE);
    dlg.DoModal();
}

// ---- Update handlers of the menu commands ------------------------------------------------------------

void CMainFrame::OnUpdateSave(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bValuesAvailable != 0);
}

void CMainFrame::OnUpdateModeCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_iActiveMode == MODE_COMMAND_PAGES[pCmdUI->m_nID - ID_MODE_SENSOR_CONNECTION]);
}

// Enabled while the bar's CheckState is 0 or 1 (and, for the panes, in the measure layout); checked
// while it is enabled and the bar is visible.
void CMainFrame::UpdateBarCommand(CCmdUI* pCmdUI, int iIndex, bool bMeasureLayoutOnly)
{
    const int iState = m_psTreeCtrlStruct->iCheckState[iIndex];
    const bool bEnabled = (iState == 0 || iState == 1) && (!bMeasureLayoutOnly || m_bMeasureLayout);
    CControlBar* pBar = GetCheckStateBar(iIndex);
    pCmdUI->Enable(bEnabled);
    pCmdUI->SetCheck(bEnabled && pBar != nullptr && pBar->IsVisible());
}

void CMainFrame::OnUpdateViewNavigationBar(CCmdUI* pCmdUI)
{
    UpdateBarCommand(pCmdUI, CHECK_STATE_NAVIGATION, false);
}

void CMainFrame::OnUpdateViewStatusBar(CCmdUI* pCmdUI)
{
    UpdateBarCommand(pCmdUI, CHECK_STATE_STATUS_BAR, false);
}

void CMainFrame::OnUpdateViewDiagramBar(CCmdUI* pCmdUI)
{
    UpdateBarCommand(pCmdUI, CHECK_STATE_DIAGRAM, true);
}

void CMainFrame::OnUpdateViewChannelBar(CCmdUI* pCmdUI)
{
    UpdateBarCommand(pCmdUI, static_cast<int>(pCmdUI->m_nID - ID_VIEW_CHANNEL_A), true);
}

void CMainFrame::OnUpdateLanguage(CCmdUI* pCmdUI)
{
    const int iIndex = static_cast<int>(pCmdUI->m_nID - ID_LANGUAGE_GERMAN);
    pCmdUI->Enable(pCmdUI->m_nID != ID_LANGUAGE_SPANISH);
    pCmdUI->SetCheck(m_iLanguageOffset == LANGUAGE_OF_COMMAND[iIndex]);
}

// ---- Bars -------------------------------------------------------------------------------------------------

UINT CMainFrame::GetChannelBarCommandId(int nIndex)
{
    if (nIndex >= 0 && nIndex <= 2)
        return ID_VIEW_CHANNEL_A + static_cast<UINT>(nIndex);
    return 123;
}

CControlBar* CMainFrame::GetCheckStateBar(int iIndex)
{
    switch (iIndex)
    {
        case CHECK_STATE_CHANNEL_A:
        case CHECK_STATE_CHANNEL_B:
        case CHECK_STATE_LIGHT:
            return &m_wndViewBar[iIndex];
        case CHECK_STATE_DIAGRAM:
            return &m_wndViewBarDiagram;
        case CHECK_STATE_NAVIGATION:
            return &m_wndViewBarNavi;
        case CHECK_STATE_STATUS_BAR:
            return &m_wndStatusBar;
        default:
            return nullptr;
    }
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
    if (iState == 0 || iState == 1)
    {
        ShowBar(m_wndViewBar[iIndex], iState == 0);
        iState = iState == 0 ? 1 : 0;
        RefreshNaviTree();
    }
    else
        ShowBar(m_wndViewBar[iIndex], false);
    // Once the frame is initialised the channel record follows the bar, and the sensor keeps it.
    if (iIndex < 2 && !m_bInitPending)
    {
        m_pipeline.m_sChannel[iIndex].byShown = static_cast<BYTE>(iState);
        Frame_StoreDisplaySettings();
        COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS);
    }
    EqualizeChannelBars();
}

// The diagram, navigation and status bars: shown ones are hidden, others (hidden or not available) shown.
void CMainFrame::ToggleBar(int iIndex)
{
    int& iState = m_psTreeCtrlStruct->iCheckState[iIndex];
    iState = iState == 1 ? 0 : 1;
    if (CControlBar* pBar = GetCheckStateBar(iIndex))
        ShowBar(*pBar, iState == 1);
    RefreshNaviTree();
}

void CMainFrame::OnViewDiagramBar()
{
    ToggleBar(CHECK_STATE_DIAGRAM);
}

void CMainFrame::OnViewNavigationBar()
{
    ToggleBar(CHECK_STATE_NAVIGATION);
}

void CMainFrame::OnViewStatusBar()
{
    ToggleBar(CHECK_STATE_STATUS_BAR);
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

// ---- Equal sizes of the channel bars ---------------------------------------------------------------------

void CMainFrame::ReadChannelBars(CChannelBarGroup::Bar bars[3])
{
    for (int i = 0; i < 3; ++i)
    {
        CViewBar& bar = m_wndViewBar[i];
        bars[i].bVisible = bar.GetSafeHwnd() && bar.IsVisible();
        bars[i].iSide = bar.IsDockedHorizontally() ? CChannelBarGroup::SIDE_ROW
                        : bar.IsDockedVertically() ? CChannelBarGroup::SIDE_COLUMN
                                                   : 0;
        if (bar.GetSafeHwnd())
            bar.GetWindowRect(bars[i].rect);
    }
}

// Each bar's size is corrected by what its window still lacks of the target, so bars whose borders
// differ (the first in a column has no splitter above it) end equally high all the same.
void CMainFrame::SizeChannelBarGroup(const CChannelBarGroup& group, const CChannelBarGroup::Bar bars[3])
{
    for (int k = 0; k < group.nMembers; ++k)
    {
        const int i = group.aiMembers[k];
        CViewBar& bar = m_wndViewBar[i];
        const CRect& rc = bars[i].rect;
        if (group.iSide == CChannelBarGroup::SIDE_COLUMN)
            bar.SetSizeForDockSide(CChannelBarGroup::SIDE_COLUMN, bar.m_szVert.cx,
                                   bar.m_szVert.cy + group.iTarget - rc.Height());
        else
            bar.SetSizeForDockSide(CChannelBarGroup::SIDE_ROW, bar.m_szHorz.cx + group.iTarget - rc.Width(),
                                   bar.m_szHorz.cy);
    }
}

bool CMainFrame::EqualizeChannelBars()
{
    CChannelBarGroup::Bar bars[3];
    ReadChannelBars(bars);
    const CChannelBarGroup group = CChannelBarGroup::Find(bars);
    if (group.nMembers == 0)
        return false;
    for (int iPass = 0; iPass < MAX_EQUALIZE_PASSES && !group.IsReached(bars); ++iPass)
    {
        SizeChannelBarGroup(group, bars);
        ReadChannelBars(bars);
    }
    return true;
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
    if (iStatusId != 0 && iStatusId != IDS_STATUS_STORAGE_PROGRESS)
        m_iLastStatusId = iStatusId;
    if (m_psTreeCtrlStruct->iCheckState[CHECK_STATE_STATUS_BAR] != 1 || !m_wndStatusBar.GetSafeHwnd())
        return;
    const int iShown = iStatusId == 0 ? m_iLastStatusId : iStatusId;
    if (iShown >= IDS_STATUS_READY && iShown <= IDS_STATUS_WAIT_FOR_TRIGGER_STOP)
        SetStatusText(LoadText(static_cast<UINT>(iShown)));
    else if (iShown == IDS_STATUS_STORAGE_PROGRESS)
        SetStatusText(FormatStorageProgress(
            LoadText(IDS_STATUS_STORAGE_PROGRESS), LoadText(IDS_STORAGE_SPEED), LoadText(IDS_SECONDS),
            m_dStorageProgress, m_dStorageRate, m_swStorage.bValid != 0, m_iLanguageOffset));
    else
        SetStatusText(STATUS_UNKNOWN);
}

// "<wait> 42 %  <speed>: 730 KB/<sec>)"; from 500 KB/s on the rate is given in MB/s with one decimal.
CString CMainFrame::FormatStorageProgress(const CString& strPleaseWait, const CString& strSpeed,
                                          const CString& strSeconds, double dProgress, double dRate,
                                          bool bRateMeasured, int iLanguageOffset)
{
    CString strText;
    strText.Format("%s %2.0f %%", strPleaseWait.GetString(), dProgress);
    if (!bRateMeasured)
        return strText + ")";
    CString strRate;
    if (dRate < STORAGE_RATE_MB_FROM)
        strRate.Format("%0.0f KB/", dRate);
    else
    {
        strRate.Format("%0.1f", dRate / 1024.0);
        strRate = ::LocalizeDecimalSeparator(iLanguageOffset, strRate) + " MB/";
    }
    return strText + "  " + strSpeed + ": " + strRate + strSeconds + ")";
}

void CMainFrame::SetStatusText(const CString& strText)
{
    SetStatusTextF("%s", strText.GetString());
}

void CMainFrame::SetStatusTextF(LPCSTR lpszFormat, ...)
{
    char szText[STATUS_TEXT_MAX + 1] = {};
    va_list args;
    va_start(args, lpszFormat);
    std::vsnprintf(szText, sizeof(szText), lpszFormat, args);
    va_end(args);
    // OnSetMessageString keeps the text as m_strStatusText.
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(szText));
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
