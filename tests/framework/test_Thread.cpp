#include "framework/CCriticalSection.h"
#include "framework/CEvent.h"
#include "framework/CSingleLock.h"
#include "framework/CWinThread.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace
{
struct Shared
{
    CCriticalSection cs;
    CEvent done{FALSE, TRUE};
    int nCount = 0;
};

UINT __cdecl AddMany(LPVOID pParam)
{
    auto* p = static_cast<Shared*>(pParam);
    for (int i = 0; i < 10000; ++i)
    {
        CSingleLock lock(&p->cs, TRUE);
        ++p->nCount;
    }
    return 5;
}

// A user-interface thread with its own message loop, ended by WM_QUIT.
class CLoopThread : public CWinThread
{
    DECLARE_DYNCREATE(CLoopThread)

public:
    BOOL InitInstance() override { return TRUE; }
    int ExitInstance() override { return 9; }
};
IMPLEMENT_DYNCREATE(CLoopThread, CWinThread)
} // namespace

TEST(Thread, WorkerThreadsShareDataUnderACriticalSection)
{
    Shared shared;
    CWinThread* a = AfxBeginThread(AddMany, &shared, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    CWinThread* b = AfxBeginThread(AddMany, &shared, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    a->m_bAutoDelete = FALSE;
    b->m_bAutoDelete = FALSE;
    a->ResumeThread();
    b->ResumeThread();
    HANDLE h[] = {a->m_hThread, b->m_hThread};
    ASSERT_EQ(::WaitForMultipleObjects(2, h, TRUE, 10000), WAIT_OBJECT_0);
    DWORD dwExit = 0;
    ::GetExitCodeThread(a->m_hThread, &dwExit);
    EXPECT_EQ(dwExit, 5u);
    EXPECT_EQ(shared.nCount, 20000);
    delete a;
    delete b;
}

TEST(Thread, UserInterfaceThreadRunsItsLoopUntilQuit)
{
    auto* pThread = static_cast<CLoopThread*>(
        AfxBeginThread(RUNTIME_CLASS(CLoopThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED));
    ASSERT_NE(pThread, nullptr);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    // The thread's queue exists once it has called a message function; retry until the post lands.
    ASSERT_TRUE(WaitUntil([pThread] { return pThread->PostThreadMessage(WM_QUIT, 0, 0) != FALSE; }, 10000));
    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 10000), WAIT_OBJECT_0);
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(dwExit, 9u);
    delete pThread;
}

TEST(Thread, EventSignalsAcrossThreads)
{
    CEvent evt(FALSE, FALSE);
    CWinThread* p = AfxBeginThread(
        [](LPVOID pv) -> UINT
        {
            static_cast<CEvent*>(pv)->SetEvent();
            return 0;
        },
        &evt);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(evt.Lock(5000));
}
