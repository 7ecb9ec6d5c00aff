#include "TestDocViewIds.h"

#include "framework/CCommandLineInfo.h"
#include "framework/CDataExchange.h"
#include "framework/CDocument.h"
#include "framework/CEditView.h"
#include "framework/CFormView.h"
#include "framework/CFrameWnd.h"
#include "framework/CPrintDialog.h"
#include "framework/CPrintInfo.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CStatusBar.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
std::vector<CString> g_log;
bool g_bDocDeleted = false;

// The frame's end posts WM_QUIT when it was the main window; the test thread's queue drops it.
void DrainQuit()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {
    }
}

CString StatusPaneShown(CStatusBar& bar, int nIndex)
{
    char szText[256] = {};
    bar.SendMessage(SB_GETTEXTA, (WPARAM)nIndex, (LPARAM)szText);
    return szText;
}

// Routing: each level handles its own command and those of the levels after it.
class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)

public:
    ~CTestDoc() override { g_bDocDeleted = true; }
    BOOL OnNewDocument() override
    {
        ++m_nNewDocuments;
        return CDocument::OnNewDocument();
    }
    int m_nNewDocuments = 0;

protected:
    afx_msg void OnRoute(UINT) { g_log.push_back("doc"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND_RANGE(ID_ROUTE_VIEW, ID_ROUTE_DOC, OnRoute)
END_MESSAGE_MAP()

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)

public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CView::OnInitialUpdate();
    }
    int m_nInitialUpdates = 0;

protected:
    afx_msg void OnRoute() { g_log.push_back("view"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND(ID_ROUTE_VIEW, OnRoute)
END_MESSAGE_MAP()

// A form from a child dialog template; it lies in a plain child window of the frame, as a pane in a bar.
class CTestForm : public CFormView
{
public:
    CTestForm() : CFormView(IDD_TEST_FORM) {}
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_TEST_FORM_EDIT, m_strValue); }
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CFormView::OnInitialUpdate();
    }
    CString m_strValue = "Anfangswert";
    int m_nInitialUpdates = 0;
};

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)

public:
    CStatusBar m_wndStatusBar;
    CWnd m_wndContainer;
    CTestForm* m_pForm = nullptr;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        static const UINT s_indicators[] = {ID_SEPARATOR, ID_TEST_INDICATOR_A, ID_TEST_INDICATOR_B};
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(s_indicators, 3))
            return -1;
        if (!m_wndContainer.Create(nullptr, "Leiste", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 60), this,
                                   0xE820))
            return -1;
        m_pForm = new CTestForm;
        if (!m_pForm->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 60), &m_wndContainer,
                             1))
            return -1;
        return 0;
    }
    afx_msg void OnRoute(UINT) { g_log.push_back("frame"); }
    afx_msg void OnHandled() {}
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateIndicatorB(CCmdUI* pCmdUI) { pCmdUI->SetText("12:34:56"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND_RANGE(ID_ROUTE_VIEW, ID_ROUTE_FRAME, OnRoute)
ON_COMMAND(ID_TEST_HANDLED, OnHandled)
ON_COMMAND(ID_TEST_DISABLED, OnHandled)
ON_COMMAND(ID_TEST_CHECKED, OnHandled)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
ON_UPDATE_COMMAND_UI(ID_TEST_INDICATOR_B, OnUpdateIndicatorB)
END_MESSAGE_MAP()

// Records the printing steps a print command runs.
class CPrintingView : public CView
{
    DECLARE_DYNCREATE(CPrintingView)

public:
    void OnDraw(CDC*) override { g_log.push_back("draw"); }
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        g_log.push_back("prepare");
        return CView::OnPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo*) override
    {
        g_log.push_back(pDC->IsPrinting() ? "begin printing" : "begin");
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { g_log.push_back("end"); }
};
IMPLEMENT_DYNCREATE(CPrintingView, CView)

// The program's main view: a read-only edit surface without scroll bars.
class CTestEditView : public CEditView
{
    DECLARE_DYNCREATE(CTestEditView)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        if (!CEditView::PreCreateWindow(cs))
            return FALSE;
        cs.style &= ~(WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL);
        cs.style |= ES_READONLY | ES_NOHIDESEL;
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(CTestEditView, CEditView)

class CRoutingApp : public CWinApp
{
public:
    CRoutingApp() : CWinApp("Routing") {}

protected:
    afx_msg void OnRoute(UINT) { g_log.push_back("app"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRoutingApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
ON_COMMAND_RANGE(ID_ROUTE_VIEW, ID_ROUTE_APP, OnRoute)
END_MESSAGE_MAP()

// One document, frame and view from the template, the frame hidden as the program starts it.
class DocViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_bDocDeleted = false;
        AfxGetApp()->m_nCmdShow = SW_HIDE;
        m_template = std::make_unique<CSingleDocTemplate>(
            IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView));
        m_pDoc = m_template->OpenDocumentFile(nullptr);
        ASSERT_NE(m_pDoc, nullptr);
        m_pFrame = DYNAMIC_DOWNCAST(CTestFrame, AfxGetApp()->m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
    }
    void TearDown() override
    {
        if (AfxGetApp()->m_pMainWnd != nullptr)
            AfxGetApp()->m_pMainWnd->SendMessage(WM_CLOSE);
        DrainQuit();
        AfxGetApp()->m_nCmdShow = SW_SHOWNORMAL;
    }

    std::unique_ptr<CSingleDocTemplate> m_template;
    CDocument* m_pDoc = nullptr;
    CTestFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(DocViewTest, TemplateMakesFrameDocumentAndViewAndTheInitialUpdateReachesAFormInAChildWindow)
{
    EXPECT_TRUE(m_pDoc->IsKindOf(RUNTIME_CLASS(CTestDoc)));
    auto* pView = DYNAMIC_DOWNCAST(CTestView, m_pFrame->GetActiveView());
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(pView->GetDocument(), m_pDoc);
    EXPECT_EQ(pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(pView->m_nInitialUpdates, 1);
    ASSERT_NE(m_pFrame->m_pForm, nullptr);
    EXPECT_EQ(m_pFrame->m_pForm->m_nInitialUpdates, 1);
    CString strEdit;
    m_pFrame->m_pForm->GetDlgItemText(IDC_TEST_FORM_EDIT, strEdit);
    EXPECT_EQ(strEdit, "Anfangswert");
    // The main window stays hidden with the start-up show command SW_HIDE, which is used once.
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    EXPECT_EQ(AfxGetApp()->m_nCmdShow, -1);
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "Messung - Testrahmen");

    // A second new document reuses the document and its frame.
    EXPECT_EQ(m_template->OpenDocumentFile(nullptr), m_pDoc);
    EXPECT_EQ(static_cast<CTestDoc*>(m_pDoc)->m_nNewDocuments, 2);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, m_pFrame);

    // Closing the frame ends view and document.
    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(g_bDocDeleted);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
    POSITION pos = m_template->GetFirstDocPosition();
    EXPECT_EQ(pos, nullptr);
}

TEST_F(DocViewTest, OpeningPopupUpdatesItsItemsThroughTheRouting)
{
    CMenu* pPopup = m_pFrame->GetMenu()->GetSubMenu(0);
    ASSERT_NE(pPopup, nullptr);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->m_hMenu, MAKELPARAM(0, FALSE));
    const struct
    {
        UINT nID;
        bool bGrayed;
        bool bChecked;
    } cases[] = {{ID_TEST_HANDLED, false, false},
                 {ID_TEST_DISABLED, true, false},
                 {ID_TEST_CHECKED, false, true},
                 {ID_TEST_NOHANDLER, true, false}};
    for (const auto& c : cases)
    {
        const UINT nState = pPopup->GetMenuState(c.nID, MF_BYCOMMAND);
        EXPECT_EQ((nState & MF_GRAYED) != 0, c.bGrayed) << c.nID;
        EXPECT_EQ((nState & MF_CHECKED) != 0, c.bChecked) << c.nID;
    }
    // A disabled item's command does not run; the menu bar's own resource menu is the default menu.
    EXPECT_EQ(m_pFrame->m_hMenuDefault, m_pFrame->GetMenu()->m_hMenu);
}

TEST_F(DocViewTest, StatusBarShowsPaneTextsPromptsAndIdleUpdatesAndSitsBelowTheView)
{
    CStatusBar& bar = m_pFrame->m_wndStatusBar;
    EXPECT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.CommandToIndex(ID_TEST_INDICATOR_B), 2);
    EXPECT_EQ(bar.GetPaneText(1), "WOCHENTAG");
    EXPECT_TRUE(bar.SetPaneText(1, "Montag"));
    EXPECT_EQ(StatusPaneShown(bar, 1), "Montag");

    // Menu prompts: the command's string up to "\n"; the closed menu brings the idle prompt back.
    m_pFrame->SetMessageText("Bereit");
    EXPECT_EQ(StatusPaneShown(bar, 0), "Bereit");
    CMenu* pPopup = m_pFrame->GetMenu()->GetSubMenu(0);
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_HANDLED, MF_STRING), (LPARAM)pPopup->m_hMenu);
    EXPECT_EQ(StatusPaneShown(bar, 0), "F\xFChrt den Befehl aus");
    CString strText;
    bar.GetWindowText(strText);
    EXPECT_EQ(strText, "F\xFChrt den Befehl aus");
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    CString strIdle;
    CFrameWnd().GetMessageString(AFX_IDS_IDLEMESSAGE, strIdle);
    EXPECT_EQ(StatusPaneShown(bar, 0), strIdle);

    // Idle update: a pane with an update handler takes its text, one without keeps it; a disabled pane
    // shows nothing but keeps its text.
    m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ(StatusPaneShown(bar, 2), "12:34:56");
    EXPECT_EQ(StatusPaneShown(bar, 1), "Montag");
    bar.SetPaneStyle(1, bar.GetPaneStyle(1) | SBPS_DISABLED);
    EXPECT_EQ(StatusPaneShown(bar, 1), "");
    EXPECT_EQ(bar.GetPaneText(1), "Montag");

    // Layout: the bar at the bottom, the view above it; a hidden bar gives its place back at idle time.
    m_pFrame->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectClient, rectBar, rectView;
    m_pFrame->GetClientRect(&rectClient);
    bar.GetWindowRect(&rectBar);
    m_pFrame->ScreenToClient(&rectBar);
    m_pFrame->GetActiveView()->GetWindowRect(&rectView);
    m_pFrame->ScreenToClient(&rectView);
    EXPECT_EQ(rectBar.bottom, rectClient.bottom);
    EXPECT_EQ(rectBar.Width(), rectClient.Width());
    EXPECT_GT(rectBar.Height(), 0);
    EXPECT_EQ(rectView.bottom, rectBar.top);
    EXPECT_EQ(rectView.top, 0);
    bar.ShowWindow(SW_HIDE);
    m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    m_pFrame->GetActiveView()->GetWindowRect(&rectView);
    m_pFrame->ScreenToClient(&rectView);
    EXPECT_EQ(rectView.bottom, rectClient.bottom);
}

TEST(DocViewRouting, ACommandReachesTheViewThenTheDocumentThenTheFrameThenTheApplication)
{
    g_bDocDeleted = false;
    CRoutingApp app; // the application while it lives
    app.m_nCmdShow = SW_HIDE;
    app.AddDocTemplate(new CSingleDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc),
                                              RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView)));
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseParam("Restart", TRUE, TRUE); // an unknown flag changes nothing
    ASSERT_EQ(cmdInfo.m_nShellCommand, CCommandLineInfo::FileNew);
    ASSERT_TRUE(app.ProcessShellCommand(cmdInfo));
    CWnd* pFrame = app.m_pMainWnd;
    ASSERT_NE(pFrame, nullptr);

    g_log.clear();
    for (UINT nID : {ID_ROUTE_VIEW, ID_ROUTE_DOC, ID_ROUTE_FRAME, ID_ROUTE_APP})
        pFrame->SendMessage(WM_COMMAND, nID);
    EXPECT_EQ(g_log, (std::vector<CString>{"view", "doc", "frame", "app"}));

    // ID_APP_EXIT is the application's: it closes the main window, which ends the document.
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_TRUE(g_bDocDeleted);
    DrainQuit();
}

TEST(DocViewEdit, EditViewIsAnEditControlInTheFramesClientArea)
{
    AfxGetApp()->m_nCmdShow = SW_HIDE;
    CSingleDocTemplate docTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CFrameWnd),
                                   RUNTIME_CLASS(CTestEditView));
    CDocument* pDoc = docTemplate.OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    auto* pFrame = static_cast<CFrameWnd*>(AfxGetApp()->m_pMainWnd);
    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(pView, nullptr);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CEditView)));
    char szClass[32] = {};
    ::GetClassNameA(pView->m_hWnd, szClass, sizeof(szClass));
    EXPECT_EQ(::lstrcmpiA(szClass, "Edit"), 0);
    const DWORD dwStyle = pView->GetStyle();
    EXPECT_TRUE(dwStyle & ES_READONLY);
    EXPECT_TRUE(dwStyle & ES_MULTILINE);
    EXPECT_FALSE(dwStyle & WS_HSCROLL);
    pView->SetWindowText("Messen");
    pView->UpdateWindow();
    CString strText;
    pView->GetWindowText(strText);
    EXPECT_EQ(strText, "Messen");
    pFrame->SendMessage(WM_CLOSE);
    DrainQuit();
    AfxGetApp()->m_nCmdShow = SW_SHOWNORMAL;
}

TEST(DocViewPrinting, PrintCommandAsksForThePrinterAndEndsEveryStartedJob)
{
    AfxGetApp()->m_nCmdShow = SW_HIDE;
    CSingleDocTemplate docTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CFrameWnd),
                                   RUNTIME_CLASS(CPrintingView));
    ASSERT_NE(docTemplate.OpenDocumentFile(nullptr), nullptr);
    CWnd* pFrame = AfxGetApp()->m_pMainWnd;

    // Cancelled: nothing is printed.
    INT_PTR nAnswer = IDCANCEL;
    AFX_PRINTDIALOG_HOOK previous = CPrintDialog::SetModalHook(
        [&](CPrintDialog& dlg)
        {
            if (nAnswer == IDOK)
                dlg.m_pd.hDC = ::CreateCompatibleDC(nullptr); // a context no document can start on
            return nAnswer;
        });
    g_log.clear();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(g_log, (std::vector<CString>{"prepare"}));

    // A job that cannot start is aborted, and its hooks still end.
    nAnswer = IDOK;
    g_log.clear();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(g_log, (std::vector<CString>{"prepare", "begin printing", "end"}));

    CPrintDialog::SetModalHook(previous);
    pFrame->SendMessage(WM_CLOSE);
    DrainQuit();
    AfxGetApp()->m_nCmdShow = SW_SHOWNORMAL;
}

TEST(DocViewPrinting, ApplicationKeepsThePrinterSettingsOfDefaultAndSetup)
{
    CRoutingApp app;
    int nDialogs = 0;
    AFX_PRINTDIALOG_HOOK previous = CPrintDialog::SetModalHook(
        [&](CPrintDialog& dlg)
        {
            ++nDialogs;
            EXPECT_TRUE(dlg.m_pd.Flags & PD_PRINTSETUP);
            dlg.m_pd.hDevNames = ::GlobalAlloc(GMEM_MOVEABLE, 64);
            dlg.m_pd.hDevMode = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DEVMODEA));
            return (INT_PTR)IDOK;
        });
    PRINTDLGA pd = {};
    ASSERT_TRUE(app.GetPrinterDeviceDefaults(&pd));
    const HGLOBAL hDefaultNames = pd.hDevNames;
    EXPECT_NE(hDefaultNames, nullptr);
    ASSERT_TRUE(app.GetPrinterDeviceDefaults(&pd)); // asked once only
    EXPECT_EQ(pd.hDevNames, hDefaultNames);
    EXPECT_EQ(nDialogs, 1);

    app.OnFilePrintSetup(); // the operator's choice replaces the default
    ASSERT_TRUE(app.GetPrinterDeviceDefaults(&pd));
    EXPECT_EQ(nDialogs, 2);
    EXPECT_NE(::GlobalSize(pd.hDevMode), 0u);
    CPrintDialog::SetModalHook(previous);
}

TEST(DocViewCommandLine, ArgumentsAfterTheProgramNameAreParsedAsFlagsOrAFileName)
{
    char szProgram[] = "TQ5.exe", szRestart[] = "--Restart", szFile[] = "C:\\daten\\messung.tq5",
         szLogo[] = "/nologo";
    char* args[] = {szProgram, szRestart, szFile, szLogo, nullptr};
    const int nOldArgc = __argc;
    char** pOldArgv = __argv;
    __argc = 4;
    __argv = args;
    CCommandLineInfo cmdInfo;
    AfxGetApp()->ParseCommandLine(cmdInfo);
    __argc = nOldArgc;
    __argv = pOldArgv;
    EXPECT_EQ(cmdInfo.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(cmdInfo.m_strFileName, szFile);
    EXPECT_FALSE(cmdInfo.m_bShowSplash);
}
