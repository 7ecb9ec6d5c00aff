// Exceptions that reach the window procedure, a message pump, a thread entry or AfxWinMain are
// reported once, on the application's thread, and the program carries on.
#include "framework/AfxExceptionReport.h"
#include "framework/CInvalidArgException.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace
{
constexpr UINT WM_APP_THROW = WM_APP + 1; // wParam 0: a framework exception, 1: a standard one
constexpr UINT WM_APP_PING = WM_APP + 2;
constexpr UINT WM_APP_QUIT = WM_APP + 3;
constexpr UINT WM_APP_THROW_PRE = WM_APP + 4;

class CThrowingWnd : public CWnd
{
public:
    static inline bool s_bThrowOnCreate = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (s_bThrowOnCreate)
            AfxThrowInvalidArgException();
        return CWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnThrow(WPARAM wParam, LPARAM)
    {
        if (wParam == 0)
            AfxThrowInvalidArgException();
        throw std::runtime_error("standard failure");
    }
    afx_msg LRESULT OnPing(WPARAM, LPARAM) { return 7; }
    afx_msg LRESULT OnQuit(WPARAM wParam, LPARAM)
    {
        ::PostQuitMessage(static_cast<int>(wParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_APP_THROW, OnThrow)
ON_MESSAGE(WM_APP_PING, OnPing)
ON_MESSAGE(WM_APP_QUIT, OnQuit)
END_MESSAGE_MAP()

bool CreateHidden(CWnd& wnd)
{
    return wnd.CreateEx(0, nullptr, "barrier", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr) != FALSE;
}

struct Report
{
    CString strText;
    DWORD dwThread;
};

// A user-interface thread with a window whose handler throws, and a pre-translation that throws.
class CThrowingThread : public CWinThread
{
    DECLARE_DYNCREATE(CThrowingThread)

public:
    static inline HANDLE s_hReady = nullptr;
    static inline HWND s_hWnd = nullptr;

    BOOL InitInstance() override
    {
        if (!CreateHidden(m_wnd))
            return FALSE;
        m_pMainWnd = &m_wnd;
        s_hWnd = m_wnd.m_hWnd;
        ::SetEvent(s_hReady);
        return TRUE;
    }
    int ExitInstance() override
    {
        m_wnd.DestroyWindow();
        return CWinThread::ExitInstance();
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP_THROW_PRE)
            throw std::runtime_error("failure before dispatch");
        return CWinThread::PreTranslateMessage(pMsg);
    }

private:
    CThrowingWnd m_wnd;
};
IMPLEMENT_DYNCREATE(CThrowingThread, CWinThread)

// Applications run through AfxWinMain; the test's own application is back in place afterwards.
class CFailingStartApp : public CWinApp
{
public:
    CFailingStartApp() : CWinApp("FailingStart") {}
    BOOL InitInstance() override { AfxThrowInvalidArgException(); }
};

class CThrowingLoopApp : public CWinApp
{
public:
    CThrowingLoopApp() : CWinApp("ThrowingLoop") {}
    BOOL InitInstance() override
    {
        if (!CreateHidden(m_wnd))
            return FALSE;
        m_pMainWnd = &m_wnd;
        m_wnd.PostMessage(WM_APP_THROW, 1);
        m_wnd.PostMessage(WM_APP_QUIT, 5);
        return TRUE;
    }
    int ExitInstance() override
    {
        m_wnd.DestroyWindow();
        m_pMainWnd = nullptr;
        return CWinApp::ExitInstance();
    }

private:
    CThrowingWnd m_wnd;
};
} // namespace

class ExceptionBarrier : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previousHook = AfxSetExceptionReportHook(
            [this](const CString& strText) {
                m_reports.push_back({strText, ::GetCurrentThreadId()});
            });
        ASSERT_TRUE(CreateHidden(m_mainWnd));
        m_pPreviousMain = AfxGetApp()->m_pMainWnd;
        AfxGetApp()->m_pMainWnd = &m_mainWnd;
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = m_pPreviousMain;
        m_mainWnd.DestroyWindow();
        AfxSetExceptionReportHook(m_previousHook);
    }

    std::vector<Report> m_reports;
    AFX_EXCEPTION_REPORT_HOOK m_previousHook;
    CThrowingWnd m_mainWnd;
    CWnd* m_pPreviousMain = nullptr;
};

TEST_F(ExceptionBarrier, ThrowingHandlerIsReportedAndTheWindowGoesOn)
{
    EXPECT_EQ(0, m_mainWnd.SendMessage(WM_APP_THROW, 0));
    EXPECT_EQ(0, m_mainWnd.SendMessage(WM_APP_THROW, 1));
    EXPECT_EQ(7, m_mainWnd.SendMessage(WM_APP_PING));
    ASSERT_EQ(2u, m_reports.size());
    EXPECT_EQ(CString("Encountered an improper argument."), m_reports[0].strText);
    EXPECT_EQ(CString("standard failure"), m_reports[1].strText);
    EXPECT_EQ(::GetCurrentThreadId(), m_reports[1].dwThread);
}

TEST_F(ExceptionBarrier, CreateThatThrowsFailsTheWindow)
{
    CThrowingWnd wnd;
    CThrowingWnd::s_bThrowOnCreate = true;
    const bool bCreated = CreateHidden(wnd);
    CThrowingWnd::s_bThrowOnCreate = false;
    EXPECT_FALSE(bCreated);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(1u, m_reports.size());
}

// The thread's window and its pump throw; the reports are shown on the application's thread and the
// thread keeps handling messages.
TEST_F(ExceptionBarrier, UserInterfaceThreadReportsToTheMainWindowAndGoesOn)
{
    CThrowingThread::s_hReady = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    auto* pThread = static_cast<CThrowingThread*>(
        AfxBeginThread(RUNTIME_CLASS(CThrowingThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED));
    ASSERT_NE(nullptr, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(CThrowingThread::s_hReady, 10000));
    HWND hWnd = CThrowingThread::s_hWnd;

    ::PostMessageA(hWnd, WM_APP_THROW, 0, 0);
    pThread->PostThreadMessage(WM_APP_THROW_PRE, 0, 0);
    EXPECT_EQ(7, ::SendMessageA(hWnd, WM_APP_PING, 0, 0));
    EXPECT_TRUE(PumpUntil([this] { return m_reports.size() >= 2; }));
    pThread->PostThreadMessage(WM_QUIT, 3, 0);
    EXPECT_TRUE(PumpUntil([&] { return ::WaitForSingleObject(pThread->m_hThread, 0) == WAIT_OBJECT_0; }));
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(3u, dwExit);
    delete pThread;
    ::CloseHandle(CThrowingThread::s_hReady);

    ASSERT_EQ(2u, m_reports.size());
    EXPECT_EQ(CString("Encountered an improper argument."), m_reports[0].strText);
    EXPECT_EQ(CString("failure before dispatch"), m_reports[1].strText);
    for (const Report& report : m_reports)
        EXPECT_EQ(::GetCurrentThreadId(), report.dwThread);
}

TEST_F(ExceptionBarrier, WorkerThatThrowsEndsWithAnErrorAndIsReported)
{
    CWinThread* pThread = AfxBeginThread([](LPVOID) -> UINT { throw std::runtime_error("worker failure"); },
                                         nullptr, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_TRUE(PumpUntil([this] { return !m_reports.empty(); }));
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 10000));
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(static_cast<DWORD>(ERROR_INTERNAL_ERROR), dwExit);
    delete pThread;
    ASSERT_EQ(1u, m_reports.size());
    EXPECT_EQ(CString("worker failure"), m_reports[0].strText);
    EXPECT_EQ(::GetCurrentThreadId(), m_reports[0].dwThread);
}

TEST_F(ExceptionBarrier, WinMainReportsAFailedStartAndALoopThatThrows)
{
    {
        CFailingStartApp app;
        EXPECT_EQ(-1, AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE));
    }
    ASSERT_EQ(1u, m_reports.size());
    EXPECT_EQ(CString("Encountered an improper argument."), m_reports[0].strText);
    {
        CThrowingLoopApp app;
        EXPECT_EQ(5, AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE));
    }
    ASSERT_EQ(2u, m_reports.size());
    EXPECT_EQ(CString("standard failure"), m_reports[1].strText);
}
