// The main frame as a window of the test program, without view and pages: its menu in each language,
// the navigation tree, the status texts, the update handlers, the hot keys of the log, the copy of a
// selection, the baud-change wait, its bars, and the engine roles of the windows it registers.
#include "MenuTexts.h"
#include "framework/AfxRes.h"
#include "framework/CStatusBar.h"
#include "framework/CString.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"
#include "app/CMainFrame.h"
#include "app/TreeCtrlStruct.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "ports/CPortManGui.h"
#include "measurement/MeasureAdjustStruct.h"
#include "protocol/CComPortAdjustRole.h"
#include "sensorpages/CDlgDiagnostic.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "shell/ShellMessages.h"
#include "storage/CBmpFileReader.h"
#include "storage/CDlgDocumentation.h"
#include "storage/DocumentationStruct.h"
#include "support/PumpUntil.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace
{
std::string Text(UINT nId, int iLanguageOffset = 0)
{
    CString str;
    str.LoadString(nId + static_cast<UINT>(iLanguageOffset));
    return str.GetString();
}

std::vector<BYTE> ReadBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteBytes(const std::string& strPath, const std::vector<BYTE>& bytes)
{
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.good();
}

// Holds Ctrl and Shift down for the keyboard state of this thread.
class HeldKeys
{
public:
    HeldKeys(bool bCtrl, bool bShift)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), state);
        state[VK_CONTROL] = bCtrl ? 0x80 : 0;
        state[VK_SHIFT] = bShift ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256] = {};
};
} // namespace

class MainFrameWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The frame deletes itself with its window.
        m_pFrame = new CMainFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
        m_hFrame = m_pFrame->GetSafeHwnd();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
    }

    HTREEITEM FindTreeItem(DWORD_PTR dwId)
    {
        for (HTREEITEM hItem : m_pFrame->m_hNaviItem)
        {
            if (hItem != nullptr && m_pFrame->m_wndNaviTree.GetItemData(hItem) == dwId)
                return hItem;
        }
        return nullptr;
    }
    int ItemImage(DWORD_PTR dwId)
    {
        TVITEMA item = {};
        item.mask = TVIF_IMAGE;
        item.hItem = FindTreeItem(dwId);
        m_pFrame->m_wndNaviTree.GetItem(&item);
        return item.iImage;
    }
    COLORREF ItemTextColor(DWORD_PTR dwId)
    {
        Color_Font colorFont = {};
        m_pFrame->m_wndNaviTree.m_mapColorFont.Lookup(FindTreeItem(dwId), colorFont);
        return colorFont.color;
    }
    std::string StatusText() { return m_pFrame->m_wndStatusBar.GetPaneText(0).GetString(); }
    UINT MenuStateAfterUpdate(int iBarPopup, HMENU hPopup, UINT nId)
    {
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                              MAKELPARAM(iBarPopup, FALSE));
        return ::GetMenuState(hPopup, nId, MF_BYCOMMAND);
    }

    CMainFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

TEST_F(MainFrameWindow, LanguageSwitchRenewsTheMenuAndTheSameLanguageRenewsNothing)
{
    HMENU hMenu = ::GetMenu(m_hFrame);
    for (int iLanguage : {1000, 2000, 0})
    {
        SCOPED_TRACE(iLanguage);
        m_pFrame->SendMessage(WM_COMMAND, ID_LANGUAGE_GERMAN + iLanguage / 1000);
        EXPECT_EQ(iLanguage, m_pFrame->GetLanguageOffset());
        EXPECT_EQ(
            (std::vector<std::string>{Text(5045, iLanguage), Text(5050, iLanguage), Text(5059, iLanguage),
                                      Text(5068, iLanguage), Text(5073, iLanguage)}),
            MenuItemTexts(hMenu));
        EXPECT_EQ((std::vector<std::string>{Text(5046, iLanguage), Text(5047, iLanguage),
                                            Text(5048, iLanguage), "", Text(5049, iLanguage)}),
                  MenuItemTexts(::GetSubMenu(hMenu, 0)));
        EXPECT_EQ(
            (std::vector<std::string>{Text(5069, iLanguage), Text(5070, iLanguage), Text(5071, iLanguage)}),
            MenuItemTexts(::GetSubMenu(hMenu, 3)))
            << "no Spanish item";
        EXPECT_EQ((std::vector<std::string>{Text(5074, iLanguage), Text(5075, iLanguage)}),
                  MenuItemTexts(::GetSubMenu(hMenu, 4)));
    }
    // The language set already: the bar captions are not set again.
    m_pFrame->m_wndViewBar[0].SetWindowText("mine");
    EXPECT_FALSE(m_pFrame->ApplyLanguage(0));
    CString strCaption;
    m_pFrame->m_wndViewBar[0].GetWindowText(strCaption);
    EXPECT_STREQ("mine", strCaption);
    // Spanish is never taken: it gives English.
    m_pFrame->ApplyLanguage(3000);
    EXPECT_EQ(1000, m_pFrame->GetLanguageOffset());
    EXPECT_EQ(Text(5045, 1000), MenuItemTexts(hMenu)[0]);
}

TEST_F(MainFrameWindow, MenuItemsFollowTheLayoutTheBarsAndTheLanguage)
{
    HMENU hMenu = ::GetMenu(m_hFrame);
    HMENU hView = ::GetSubMenu(hMenu, 2);
    HMENU hDigital = ::GetSubMenu(hView, 0);
    m_pFrame->ApplyLanguage(0);
    m_pFrame->SetMeasureLayout(0);
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED),
              MenuStateAfterUpdate(0, hDigital, ID_VIEW_CHANNEL_A) & (MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED),
              MenuStateAfterUpdate(2, hView, ID_VIEW_DIAGRAM_BAR) & (MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED),
              MenuStateAfterUpdate(2, hView, ID_VIEW_NAVIGATION_BAR) & (MF_GRAYED | MF_CHECKED));
    m_pFrame->SetMeasureLayout(1);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED),
              MenuStateAfterUpdate(0, hDigital, ID_VIEW_CHANNEL_A) & (MF_GRAYED | MF_CHECKED));
    m_pFrame->m_psTreeCtrlStruct->iCheckState[CHECK_STATE_CHANNEL_B] = 2;
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED),
              MenuStateAfterUpdate(0, hDigital, ID_VIEW_CHANNEL_B) & (MF_GRAYED | MF_CHECKED))
        << "not available: disabled and unchecked";
    HMENU hLanguage = ::GetSubMenu(hMenu, 3);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED),
              MenuStateAfterUpdate(3, hLanguage, ID_LANGUAGE_GERMAN) & (MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(0u, MenuStateAfterUpdate(3, hLanguage, ID_LANGUAGE_ENGLISH) & (MF_GRAYED | MF_CHECKED));
    // The resource menu's Spanish item is disabled; setting the menu texts removes it.
    const UINT nSpanish = MenuStateAfterUpdate(3, hLanguage, ID_LANGUAGE_SPANISH);
    ASSERT_NE(static_cast<UINT>(-1), nSpanish);
    EXPECT_TRUE(nSpanish & MF_GRAYED);
    EXPECT_TRUE(m_pFrame->UpdateMenuTexts(true));
    EXPECT_EQ(static_cast<UINT>(-1), ::GetMenuState(hLanguage, ID_LANGUAGE_SPANISH, MF_BYCOMMAND));
    HMENU hFile = ::GetSubMenu(hMenu, 0);
    EXPECT_TRUE(MenuStateAfterUpdate(0, hFile, ID_FILE_SAVE_MEASURED_VALUES) & MF_GRAYED) << "no values held";
    m_pFrame->m_bValuesAvailable = 1;
    EXPECT_FALSE(MenuStateAfterUpdate(0, hFile, ID_FILE_SAVE_MEASURED_VALUES) & MF_GRAYED);
}

TEST_F(MainFrameWindow, NaviTreeShowsTheBarsByLayoutAndRemembersItsFolders)
{
    m_pFrame->ApplyLanguage(0);
    EXPECT_EQ(nullptr, FindTreeItem(5027)) << "no diagnostic item";
    EXPECT_EQ(nullptr, FindTreeItem(5041)) << "no Spanish item";
    m_pFrame->SetMeasureLayout(0);
    for (DWORD_PTR dwId : {5323, 5324, 5431, 5139})
    {
        EXPECT_EQ(12, ItemImage(dwId)) << dwId;
        EXPECT_EQ(RGB(128, 128, 128), ItemTextColor(dwId)) << dwId;
    }
    EXPECT_EQ(10, ItemImage(5034)) << "the navigation bar shows its state on every page";
    EXPECT_EQ(RGB(128, 128, 128), ItemTextColor(5015)) << "no values held";
    // Activating Kanal A does nothing outside the measure layout; there it hides the bar.
    m_pFrame->OnNaviTreeItem("Kanal A", "Kanal A", 5323);
    EXPECT_EQ(1, m_pFrame->m_psTreeCtrlStruct->iCheckState[CHECK_STATE_CHANNEL_A]);
    m_pFrame->SetMeasureLayout(1);
    EXPECT_EQ(10, ItemImage(5323));
    EXPECT_EQ(0u, ItemTextColor(5323));
    m_pFrame->OnNaviTreeItem("Kanal A", "Kanal A", 5323);
    EXPECT_EQ(0, m_pFrame->m_psTreeCtrlStruct->iCheckState[CHECK_STATE_CHANNEL_A]);
    EXPECT_EQ(11, ItemImage(5323));
    EXPECT_FALSE(m_pFrame->m_wndViewBar[0].IsVisible());

    // The configuration-mode folder: expanding and collapsing it is stored.
    HTREEITEM hFolder = FindTreeItem(5020);
    ASSERT_EQ(1, m_pFrame->m_psTreeCtrlStruct->iFolderState[2]);
    EXPECT_TRUE(m_pFrame->m_wndNaviTree.GetItemState(hFolder, TVIS_EXPANDED) & TVIS_EXPANDED);
    m_pFrame->OnNaviTreeItem("TXT_ON_TVN_ITEMEXPANDED", "Konfigurationsmodus", 5020);
    EXPECT_EQ(0, m_pFrame->m_psTreeCtrlStruct->iFolderState[2]);
    EXPECT_FALSE(m_pFrame->m_wndNaviTree.GetItemState(hFolder, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(0, ItemImage(5020));
    // A language change rebuilds the tree with the folders as they were.
    m_pFrame->ApplyLanguage(1000);
    hFolder = FindTreeItem(5020);
    EXPECT_STREQ("Adjust. Mode", m_pFrame->m_wndNaviTree.GetItemText(hFolder));
    EXPECT_FALSE(m_pFrame->m_wndNaviTree.GetItemState(hFolder, TVIS_EXPANDED) & TVIS_EXPANDED);
}

// With the documentation page in front and its automatic storage incomplete, only the Language folder
// and its items act.
TEST_F(MainFrameWindow, NaviTreeRefusesAllButTheLanguagesWhileTheDocumentationPageHoldsOn)
{
    CDlgDocumentation page;
    page.m_psDocumentation->sAutoStorageMW.iSelected = 1;
    page.m_strMwPrefix = "mw";
    m_pFrame->m_sPointer.pDlgDocumentation = &page;
    m_pFrame->m_iActiveMode = 136;
    ScriptedMessageBoxes boxes;
    MSG msg;
    while (::PeekMessageA(&msg, m_hFrame, WM_COMMAND, WM_COMMAND, PM_REMOVE))
    {
    }
    EXPECT_TRUE(m_pFrame->OnNaviTreeItem("Beenden", "Beenden", 5018));
    EXPECT_TRUE(m_pFrame->OnNaviTreeItem("TXT_ON_TVN_ITEMEXPANDED", "Datei", 5014));
    EXPECT_EQ(1, m_pFrame->m_psTreeCtrlStruct->iFolderState[0]);
    ASSERT_EQ(2u, boxes.Calls().size());
    EXPECT_STREQ(Text(5490, 1000).c_str(), boxes.Calls()[0].strText);
    EXPECT_FALSE(::PeekMessageA(&msg, m_hFrame, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));

    EXPECT_FALSE(m_pFrame->OnNaviTreeItem("English", "English", 5039));
    ASSERT_TRUE(::PeekMessageA(&msg, m_hFrame, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>(ID_LANGUAGE_ENGLISH), msg.wParam);
    EXPECT_EQ(2u, boxes.Calls().size());
    m_pFrame->m_sPointer.pDlgDocumentation = nullptr;
}

TEST_F(MainFrameWindow, StatusMessagesAreKeptWhileTheBarIsHiddenAndShownAsTheyAre)
{
    m_pFrame->ApplyLanguage(0);
    m_pFrame->ShowStatusMessage(4711);
    EXPECT_EQ("n.a. unbekannte Status Nachricht", StatusText());
    m_pFrame->ShowStatusMessage(5272);
    EXPECT_EQ(Text(5272), StatusText());
    m_pFrame->OnViewStatusBar();
    ASSERT_EQ(0, m_pFrame->m_psTreeCtrlStruct->iCheckState[CHECK_STATE_STATUS_BAR]);
    m_pFrame->ShowStatusMessage(5271);
    EXPECT_EQ(Text(5272), StatusText()) << "nothing shown while the bar is hidden";
    m_pFrame->OnViewStatusBar();
    m_pFrame->ShowStatusMessage(0);
    EXPECT_EQ(Text(5271), StatusText()) << "the last message comes back";
    // A text is shown as it is, never taken as a format.
    m_pFrame->SetStatusText("100 % done %s %d");
    EXPECT_EQ("100 % done %s %d", StatusText());
    m_pFrame->ApplyLanguage(1000);
    m_pFrame->m_dStorageProgress = 42;
    m_pFrame->m_dStorageRate = 499;
    m_pFrame->m_swStorage.bValid = 1;
    m_pFrame->ShowStatusMessage(5291);
    EXPECT_EQ("Please wait... (storage progress: 42 %  memory speed: 499 KB/sec)", StatusText());
    m_pFrame->ShowStatusMessage(0);
    EXPECT_EQ(Text(5271, 1000), StatusText()) << "the progress is not remembered";
    // A mouse move outside the tree puts the last message back, once a second.
    MSG msg = {m_hFrame, WM_MOUSEMOVE, 0, 0, 0, {}};
    m_pFrame->SetStatusText("a prompt");
    EXPECT_FALSE(m_pFrame->TranslateHotKeys(&msg));
    EXPECT_EQ(Text(5271, 1000), StatusText());
    m_pFrame->SetStatusText("a prompt");
    m_pFrame->TranslateHotKeys(&msg);
    EXPECT_EQ("a prompt", StatusText()) << "not before the re-arm timer";
    m_pFrame->SendMessage(WM_TIMER, TIMER_STATUS_REARM);
    msg.hwnd = m_pFrame->m_wndNaviTree.GetSafeHwnd();
    m_pFrame->TranslateHotKeys(&msg);
    EXPECT_EQ("a prompt", StatusText()) << "the tree keeps its prompt";
    msg.hwnd = m_hFrame;
    m_pFrame->TranslateHotKeys(&msg);
    EXPECT_EQ(Text(5271, 1000), StatusText());
}

// A language switch renews the date and weekday panes with the next update, as the time pane; each pane
// is wide enough for its text.
TEST_F(MainFrameWindow, DateAndWeekdayPanesFollowALanguageSwitchAtOnceAndFitTheirTexts)
{
    CStatusBar& bar = m_pFrame->m_wndStatusBar;
    const auto update = [&]
    {
        // The date's update marks the weekday, whose pane comes first: two rounds show both.
        bar.OnUpdateCmdUI(m_pFrame, FALSE);
        bar.OnUpdateCmdUI(m_pFrame, FALSE);
    };
    update();
    for (int iLanguage : {1000, 2000, 0})
    {
        SCOPED_TRACE(iLanguage);
        m_pFrame->ApplyLanguage(iLanguage);
        update();
        const __time64_t tNow = m_pFrame->m_tStatusTime;
        const struct
        {
            UINT nId;
            CString strText;
        } panes[] = {{ID_INDICATOR_DATE, CFrameDateTime::FormatPaneDate(iLanguage, tNow)},
                     {ID_INDICATOR_WEEKDAY, CFrameDateTime::FormatPaneWeekday(iLanguage, tNow)}};
        for (const auto& pane : panes)
        {
            const int nIndex = bar.CommandToIndex(pane.nId);
            EXPECT_EQ(pane.strText, bar.GetPaneText(nIndex));
            UINT nId = 0, nStyle = 0;
            int cxWidth = 0;
            bar.GetPaneInfo(nIndex, nId, nStyle, cxWidth);
            EXPECT_GE(cxWidth, bar.GetTextWidth(pane.strText)) << pane.strText.GetString();
        }
    }
}

// The time pane's timer refreshes the status bar itself, so that no idle update needs to follow it; the
// page-switch timer allows the next switch and stops.
TEST_F(MainFrameWindow, PaneTimersRefreshTheStatusBarAndThePageSwitchTimerStopsAfterItsStep)
{
    CStatusBar& bar = m_pFrame->m_wndStatusBar;
    const int nTime = bar.CommandToIndex(ID_INDICATOR_TIME);
    bar.SetPaneText(nTime, "");
    m_pFrame->SendMessage(WM_TIMER, ID_INDICATOR_TIME);
    EXPECT_EQ(CFrameDateTime::FormatPaneTime(m_pFrame->GetLanguageOffset(), m_pFrame->m_tStatusTime),
              bar.GetPaneText(nTime));
    for (UINT_PTR nId : {ID_INDICATOR_TIME, ID_INDICATOR_DATE, ID_INDICATOR_WEEKDAY})
        EXPECT_TRUE(CMainFrame::IsStatusPaneTimer(nId));
    EXPECT_FALSE(CMainFrame::IsStatusPaneTimer(TIMER_MODE_SWITCH_ENABLE));

    m_pFrame->m_bModeSwitchAllowed = FALSE;
    m_pFrame->SetTimer(TIMER_MODE_SWITCH_ENABLE, 50);
    EXPECT_TRUE(PumpUntil([&] { return m_pFrame->m_bModeSwitchAllowed != FALSE; }));
    EXPECT_FALSE(::KillTimer(m_hFrame, TIMER_MODE_SWITCH_ENABLE));
}

// The baud-change wait leaves the receive buffer to the configuration read until it has ended.
TEST_F(MainFrameWindow, BaudChangeWaitKeepsTheReceiveBufferWhileTheConfigurationIsRead)
{
    ScriptedMessageBoxes boxes;
    m_pFrame->m_strReceiveCOM = "\x02\x44\x01";
    m_pFrame->m_bSensorConfigRead = false;
    m_pFrame->COM_SetZMCOMConfgFlow(ZM_START_INIT);
    m_pFrame->SetTimer(36, 100000);
    m_pFrame->SendMessage(WM_TIMER, 36);
    EXPECT_EQ(3, m_pFrame->m_strReceiveCOM.GetLength());
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_TRUE(::KillTimer(m_hFrame, 36)) << "the wait goes on while the configuration is read";
    // A read that ended without the configuration ends the wait; nothing is written.
    m_pFrame->COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    m_pFrame->SetTimer(36, 100000);
    m_pFrame->SendMessage(WM_TIMER, 36);
    EXPECT_FALSE(::KillTimer(m_hFrame, 36));
    EXPECT_TRUE(boxes.Calls().empty());
    m_pFrame->m_bSensorConfigRead = true;
    m_pFrame->SendMessage(WM_TIMER, 36);
    EXPECT_TRUE(m_pFrame->m_strReceiveCOM.IsEmpty());
    // Without a connection list the row's rate is unknown, and reported.
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(0, boxes.Calls()[0].strText.Find("Fehler 321KLM4354"));
}

// The sensor on the open port stopped answering: the port's entry, found through its row in the connection
// list, is marked as not answering. Before a first search has found a sensor no new search follows, so the
// mark stays to be seen.
TEST_F(MainFrameWindow, ALostSensorsPortIsMarkedAsNotAnswering)
{
    CDlgSensorConnection page;
    page.SetPageHost(m_pFrame);
    ASSERT_TRUE(page.Create(IDD_DLG_SENSOR_CONNECTION, m_pFrame));
    m_pFrame->RegisterPointerDirect(&page, 0, REGISTER_KIND_DLG_SENSOR_CONNECTION);
    m_pFrame->COM_Init(m_pFrame);
    ASSERT_TRUE(m_pFrame->m_pPort->OpenConnection("COM5", nullptr, 256));
    std::vector<ComPortStruct>& ports = m_pFrame->m_sComPort;
    for (ComPortStruct& entry : ports)
        entry.strComPort.Empty();
    ports[0].strComPort = "COM1   \\Device\\Serial0";
    ports[0].iTervaneState = ID_PORT_AVAILABLE;
    ports[1].strComPort = m_pFrame->m_pPort->GetCurrentDisplayName();
    ports[1].iTervaneState = ID_PORT_ACTIVE;
    ASSERT_TRUE(page.FillPortList(0));
    ASSERT_EQ(2, page.GetList().GetItemCount());
    m_pFrame->HandleSensorLost(false);
    EXPECT_EQ(ID_PORT_AVAILABLE, ports[0].iTervaneState);
    EXPECT_EQ(ID_PORT_NO_ANSWER, ports[1].iTervaneState);
    m_pFrame->m_pPort->ClosePort(false);
    page.DestroyWindow();
    m_pFrame->m_sPointer.pDlgSensorConnection = nullptr;
}

TEST_F(MainFrameWindow, CopyTakesExactlyTheSelectionOfSeveralTraceLines)
{
    m_pFrame->m_dlgTrace.m_richEdit.SetWindowText("");
    for (const char* pszLine : {"first line", "second line", "third line"})
        m_pFrame->m_dlgTrace.AddTraceLine(pszLine);
    // From "line" of the first to "th" of the third; the rich edit counts a line break as one.
    CHARRANGE range = {6, 25};
    m_pFrame->m_dlgTrace.m_richEdit.SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    MSG msg = {};
    msg.hwnd = m_pFrame->m_dlgTrace.m_richEdit.GetSafeHwnd();
    m_pFrame->CopySelectionToClipboard(&msg);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    const std::string strCopied = hData ? static_cast<const char*>(::GlobalLock(hData)) : "";
    if (hData)
        ::GlobalUnlock(hData);
    ::CloseClipboard();
    EXPECT_EQ("line\r\nsecond line\r\nth", strCopied);
}

TEST_F(MainFrameWindow, CtrlShiftLSwitchesTheLogAndCtrlLAloneIsOnlyTaken)
{
    ScriptedMessageBoxes boxes;
    m_pFrame->m_iWriteLogFile = 0;
    MSG msg = {m_hFrame, WM_KEYDOWN, 'L', 0, 0, {}};
    {
        HeldKeys keys(true, true);
        EXPECT_TRUE(m_pFrame->TranslateHotKeys(&msg));
        EXPECT_EQ(1, m_pFrame->m_iWriteLogFile);
        EXPECT_TRUE(m_pFrame->TranslateHotKeys(&msg));
        EXPECT_EQ(0, m_pFrame->m_iWriteLogFile);
    }
    {
        HeldKeys keys(true, false);
        EXPECT_TRUE(m_pFrame->TranslateHotKeys(&msg));
        EXPECT_EQ(0, m_pFrame->m_iWriteLogFile);
    }
    ASSERT_EQ(2u, boxes.Calls().size());
    EXPECT_STREQ("Log inactive", boxes.Calls()[0].strText);
    EXPECT_STREQ("Log active", boxes.Calls()[1].strText);
}

TEST_F(MainFrameWindow, ChannelBarsOfOneColumnGetEqualHeights)
{
    // Made without a creation context, each view bar still hosts its pane.
    for (CViewBar& bar : m_pFrame->m_wndViewBar)
        EXPECT_NE(nullptr, bar.GetPaneView());
    m_pFrame->SetWindowPos(nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->RecalcLayout();
    m_pFrame->m_wndViewBar[0].SetSizeForDockSide(2, 274, 400);
    CRect rc[3];
    for (int i = 0; i < 3; ++i)
        m_pFrame->m_wndViewBar[i].GetWindowRect(rc[i]);
    ASSERT_GT(std::abs(rc[0].Height() - rc[1].Height()), 1) << "the heights differ before";
    EXPECT_TRUE(m_pFrame->EqualizeChannelBars());
    for (int i = 0; i < 3; ++i)
        m_pFrame->m_wndViewBar[i].GetWindowRect(rc[i]);
    EXPECT_LE(std::abs(rc[0].Height() - rc[1].Height()), 1);
    EXPECT_LE(std::abs(rc[1].Height() - rc[2].Height()), 1);
    // A side the setter does not know changes no size.
    const CSize szVert = m_pFrame->m_wndViewBar[0].m_szVert;
    const CSize szHorz = m_pFrame->m_wndViewBar[0].m_szHorz;
    const CSize szFloat = m_pFrame->m_wndViewBar[0].m_szFloat;
    m_pFrame->m_wndViewBar[0].SetSizeForDockSide(3, 10, 10);
    EXPECT_EQ(szVert, m_pFrame->m_wndViewBar[0].m_szVert);
    EXPECT_EQ(szHorz, m_pFrame->m_wndViewBar[0].m_szHorz);
    EXPECT_EQ(szFloat, m_pFrame->m_wndViewBar[0].m_szFloat);
    // Hidden, a bar leaves the group.
    m_pFrame->OnViewChannelBar(ID_VIEW_CHANNEL_B);
    m_pFrame->OnViewChannelBar(ID_VIEW_CHANNEL_C);
    EXPECT_FALSE(m_pFrame->EqualizeChannelBars());
}

TEST_F(MainFrameWindow, DiagramBarFloatsAtARectangleAndDocksByMouseOnlyWhenAllowed)
{
    m_pFrame->SetWindowPos(nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->ShowWindow(SW_SHOWNA);
    CViewBarDiagram& bar = m_pFrame->m_wndViewBarDiagram;
    m_pFrame->ShowControlBar(&bar, TRUE, FALSE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM), bar.GetDockBarId());
    // With mouse docking off a double click in the bar changes nothing.
    bar.m_bMouseDockingAllowed = 0;
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM), bar.GetDockBarId());
    bar.m_bMouseDockingAllowed = 1;
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), bar.GetDockBarId());

    bar.SetFloatRect(CRect(100, 50, 500, 350));
    EXPECT_EQ(CSize(400, 300), bar.GetFloatSize());
    CRect rcFloating;
    bar.GetParentFrame()->GetWindowRect(rcFloating);
    EXPECT_EQ(CPoint(100, 50), rcFloating.TopLeft());
}

TEST_F(MainFrameWindow, TheWindowIsNotMadeSmallerThan800By700)
{
    MINMAXINFO info = {};
    m_pFrame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const CRect rcWork = CEnvironment::GetWorkArea();
    EXPECT_EQ(std::min<LONG>(800, rcWork.Width()), info.ptMinTrackSize.x);
    EXPECT_EQ(std::min<LONG>(700, rcWork.Height()), info.ptMinTrackSize.y);
}

// The built-in logo's file in the maker's folder, cut short or with a broken header, is written again when
// the frame is created; the report reads it whole afterwards.
TEST_F(MainFrameWindow, ADamagedLogoFileIsWrittenAgainWhenTheFrameIsCreated)
{
    const CString strFolder =
        m_pFrame->m_strTempDiagramBmp.Left(m_pFrame->m_strTempDiagramBmp.ReverseFind('\\'));
    const std::string strLogo = (strFolder + "\\TEMP_TERVANE.bmp").GetString();
    const std::vector<BYTE> sound = ReadBytes(strLogo);
    ASSERT_GT(sound.size(), 54u);
    ASSERT_TRUE(CBmpFileReader().Load(strLogo.c_str()));
    auto withBytes = [&](size_t nAt, std::vector<BYTE> bytes)
    {
        std::vector<BYTE> damaged = sound;
        std::copy(bytes.begin(), bytes.end(), damaged.begin() + static_cast<std::ptrdiff_t>(nAt));
        return damaged;
    };
    const struct
    {
        const char* pszDamage;
        std::vector<BYTE> bytes;
    } cases[] = {{"cut to half", std::vector<BYTE>(sound.begin(), sound.begin() + sound.size() / 2)},
                 {"cut within the header", std::vector<BYTE>(sound.begin(), sound.begin() + 20)},
                 {"empty", {}},
                 {"no BM mark", withBytes(0, {'X', 'Y'})},
                 {"absurd header size", withBytes(14, {0xFF, 0xFF, 0xFF, 0x7F})},
                 {"bit count 7", withBytes(28, {7, 0})}};
    m_pFrame->DestroyWindow();
    for (const auto& damage : cases)
    {
        SCOPED_TRACE(damage.pszDamage);
        ASSERT_TRUE(WriteBytes(strLogo, damage.bytes));
        ASSERT_FALSE(CBmpFileReader().Load(strLogo.c_str()));
        m_pFrame = new CMainFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
        m_hFrame = m_pFrame->GetSafeHwnd();
        EXPECT_TRUE(CBmpFileReader().Load(strLogo.c_str()));
        EXPECT_EQ(sound.size(), ReadBytes(strLogo).size());
        m_pFrame->DestroyWindow();
    }
}

// The operator panel, the settings page, the diagnostic page and the start-up dialog play their roles
// for the sensor engine from their registration with the frame until they are destroyed.
TEST_F(MainFrameWindow, WindowsPlayTheirEngineRolesFromRegistrationUntilDestroyed)
{
    CDlgMeasureDiagram panel;
    CDlgMeasureAdjust adjust;
    CDlgDiagnostic diagnostic;
    CDlgSensorConnection connection;
    struct Page
    {
        CModePage* pPage;
        UINT nTemplate;
        int iKind;
        std::function<bool()> isAttached;
    };
    CComPort& engine = *m_pFrame;
    const Page pages[] = {
        {&panel, IDD_DLG_MEASURE_DIAGRAM, REGISTER_KIND_DLG_MEASURE_DIAGRAM,
         [&] { return &engine.COM_Panel() == static_cast<CComPortPanelRole*>(&panel); }},
        {&adjust, IDD_DLG_MEASURE_ADJUST, REGISTER_KIND_DLG_MEASURE_ADJUST,
         [&] { return &engine.COM_Adjust() == static_cast<CComPortAdjustRole*>(&adjust); }},
        {&diagnostic, IDD_DLG_DIAGNOSTIC, REGISTER_KIND_DLG_DIAGNOSTIC,
         [&] { return &engine.COM_Diagnostic() == static_cast<CComPortDiagnosticRole*>(&diagnostic); }},
        {&connection, IDD_DLG_SENSOR_CONNECTION, REGISTER_KIND_DLG_SENSOR_CONNECTION,
         [&] { return &engine.COM_Connection() == static_cast<CComPortConnectionRole*>(&connection); }},
    };
    for (const Page& page : pages)
    {
        SCOPED_TRACE(page.iKind);
        page.pPage->SetPageHost(m_pFrame);
        ASSERT_TRUE(page.pPage->Create(page.nTemplate, m_pFrame));
        EXPECT_FALSE(page.isAttached()) << "created, not registered";
        m_pFrame->RegisterPointerDirect(page.pPage, 0, page.iKind);
        EXPECT_TRUE(page.isAttached());
        page.pPage->DestroyWindow();
        EXPECT_FALSE(page.isAttached());
    }
    m_pFrame->m_sPointer.pDlgMeasureDiagram = nullptr;
    m_pFrame->m_sPointer.pDlgMeasureAdjust = nullptr;
    m_pFrame->m_sPointer.pDlgDiagnostic = nullptr;
    m_pFrame->m_sPointer.pDlgSensorConnection = nullptr;

    // The start-up dialog registers itself when it is made.
    CDlgStartUp& startUp = m_pFrame->m_dlgStartUp;
    ASSERT_TRUE(startUp.Create(IDD_DLG_STARTUP, nullptr));
    EXPECT_EQ(&engine.COM_StartUp(), static_cast<CComPortStartUpRole*>(&startUp));
    startUp.DestroyWindow();
    EXPECT_NE(&engine.COM_StartUp(), static_cast<CComPortStartUpRole*>(&startUp));
}

// Once the settings page, the panel and the panes of the bars have registered, the frame's value
// pipeline works: a sensor's channels are set up in the interface language, the channels it does not
// offer are unchecked in the settings record and the tree, and the value read at a sensor's
// initialisation starts fresh extremes.
TEST_F(MainFrameWindow, RegisteredWindowsAttachTheValuePipeline)
{
    CDlgMeasureDiagram panel;
    CDlgMeasureAdjust adjust;
    panel.SetPageHost(m_pFrame);
    panel.SetPanelHost(m_pFrame);
    adjust.SetPageHost(m_pFrame);
    ASSERT_TRUE(panel.Create(IDD_DLG_MEASURE_DIAGRAM, m_pFrame));
    ASSERT_TRUE(adjust.Create(IDD_DLG_MEASURE_ADJUST, m_pFrame));
    m_pFrame->RegisterPointerDirect(&panel, 0, REGISTER_KIND_DLG_MEASURE_DIAGRAM);
    m_pFrame->RegisterPointerDirect(&adjust, 0, REGISTER_KIND_DLG_MEASURE_ADJUST);
    // The panes post their registrations to the main window at their first update.
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = pApp->m_pMainWnd;
    pApp->m_pMainWnd = m_pFrame;
    m_pFrame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    pApp->m_pMainWnd = pMainWnd;
    const CMainFrame::PointerTable& p = m_pFrame->m_sPointer;
    ASSERT_TRUE(PumpUntil([&] { return p.pChannelA && p.pChannelB && p.pDiagram && p.pLight; }));

    m_pFrame->SetLanguage(LANGUAGE_FRENCH);
    SensorStruct& s = m_pFrame->m_sSensor;
    s.ucStatorType = 5;
    s.ucInterfaceKind = 1; // channel B is not offered on the QBX interface without a digital input
    s.ucNoDigitalInput = 1;
    s.ucTypeClassA = 'd';
    s.ucSwCfgRead = s.ucSwCfgValid = 1;
    s.ucDisplayA = s.ucDisplayB = 1;
    m_pFrame->Frame_SetupChannels(1, nullptr);
    EXPECT_EQ("mv/v", std::string(m_pFrame->m_pipeline.m_sChannel[0].strUnit[0])) << "the French unit text";
    const MeasureAdjustStruct& record = *adjust.m_psMeasureAdjust;
    EXPECT_EQ(1, record.bCheckedA);
    EXPECT_EQ(0, record.bCheckedB);
    EXPECT_EQ(2, m_pFrame->m_psTreeCtrlStruct->iCheckState[CHECK_STATE_CHANNEL_B]);
    bool bChannelA = false;
    bool bChannelB = true;
    m_pFrame->COM_Adjust().Adjust_GetChannelSelection(bChannelA, bChannelB);
    EXPECT_TRUE(bChannelA);
    EXPECT_FALSE(bChannelB) << "the stream asks for channel A alone";

    MeasuredValuesStruct& values = m_pFrame->m_sMeasuredValues;
    values.dMinA = -5.0;
    values.dMaxA = 5.0;
    values.iValueA = 0;
    m_pFrame->Frame_ProcessMeasuredValues(CValuePipeline::REASON_INIT);
    EXPECT_EQ(0.0, values.dMinA);
    EXPECT_EQ(0.0, values.dMaxA);
    panel.DestroyWindow();
    adjust.DestroyWindow();
    m_pFrame->m_sPointer.pDlgMeasureDiagram = nullptr;
    m_pFrame->m_sPointer.pDlgMeasureAdjust = nullptr;
}

// The diagnostic log writes nothing while logging is off (the default) and the frame's entry otherwise,
// with the start banner only in its first entry.
TEST_F(MainFrameWindow, DiagnosticLogFollowsTheLoggingSwitch)
{
    CString strAppData;
    ASSERT_TRUE(m_pFrame->GetLocalAppDataPath(m_hFrame, strAppData));
    SensorStruct sSensor;
    sSensor.ulSerialNo = 987001;
    const CString strFile = CDiagnosticLog::FilePath(strAppData, sSensor.ulSerialNo);
    ::DeleteFileA(strFile);
    ASSERT_EQ(m_pFrame->m_iWriteLogFile, 1);
    m_pFrame->Frame_WriteDiagnosticLog(sSensor, "OnCloseApp()", CString());
    EXPECT_FALSE(CEnvironment::FileExists(strFile));
    m_pFrame->m_iWriteLogFile = 0;
    m_pFrame->Frame_WriteDiagnosticLog(sSensor, CString(), CString());
    m_pFrame->m_bLogEndBanner = 1;
    m_pFrame->Frame_WriteDiagnosticLog(sSensor, "OnCloseApp()", CString());
    CFile file;
    ASSERT_TRUE(file.Open(strFile, CFile::modeRead));
    std::string strText(static_cast<size_t>(file.GetLength()), '\0');
    file.Read(strText.data(), static_cast<UINT>(strText.size()));
    file.Close();
    ::DeleteFileA(strFile);
    EXPECT_NE(strText.find("\"Sensor Verbunden\""), std::string::npos);
    EXPECT_NE(strText.find("Anwendung wurde beendet"), std::string::npos);
    EXPECT_NE(strText.find("Stator Serien Nr.: 987001   \"OnCloseApp()\""), std::string::npos);
    EXPECT_EQ(strText.find("Anwendung wurde gestartet"), strText.rfind("Anwendung wurde gestartet"));
}
