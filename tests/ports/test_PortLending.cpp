// Lending COM5 to a second instance of the program, which asks for it by the lending messages.
#include "PortTestSupport.h"

#include "ports/CInterProcCommPortBorrow.h"
#include "ports/CPortManGui.h"
#include "support/PumpUntil.h"
#include "support/SimClient.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace
{
constexpr LPARAM QUERY_VALUE = 4711;
constexpr DWORD INSTANCE_TIMEOUT_MS = 60000;

struct CReplyWindow
{
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam)
    {
        if (uiMessage == s_uiReply)
        {
            s_lReplyValue = lParam;
            s_hReplier = reinterpret_cast<HWND>(wParam);
            return 0;
        }
        return DefWindowProcA(hWnd, uiMessage, wParam, lParam);
    }

    // A top-level window, so that broadcasts reach it as they reach the lender's receiver.
    static HWND Create(UINT uiReply)
    {
        s_uiReply = uiReply;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TQ5BorrowerWindow";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }

    static inline UINT s_uiReply = 0;
    static inline LPARAM s_lReplyValue = 0;
    static inline HWND s_hReplier = nullptr;
};

std::string ReadFile(const char* pszPath)
{
    std::ifstream file(pszPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool AskStatus(CPortManGui& manager, CPortOwnerWindow& owner)
{
    std::vector<unsigned char> abFrame = RequestFrame(0x42);
    owner.Clear();
    return manager.WriteBuffer(abFrame.data(), static_cast<unsigned int>(abFrame.size())) &&
           PumpUntil([&owner] { return Unstuffed(owner.m_abData).size() >= 21; });
}
} // namespace

// Runs only as the second instance started by LendsComFiveAndTakesItBack.
TEST(PortLending, DISABLED_BorrowerInstance)
{
    CInterProcCommPortBorrow borrow;
    HWND hWnd = CReplyWindow::Create(borrow.m_uiReplyMessage);
    ASSERT_NE(nullptr, hWnd);
    borrow.SetReceiverWindow(hWnd);
    borrow.WritePortName("COM5");
    PostMessageA(HWND_BROADCAST, borrow.m_uiQueryMessage, reinterpret_cast<WPARAM>(hWnd), QUERY_VALUE);
    ASSERT_TRUE(PumpUntil([] { return CReplyWindow::s_lReplyValue == QUERY_VALUE; }, 20000));
    EXPECT_NE(nullptr, CReplyWindow::s_hReplier);

    CPortOwnerWindow owner;
    {
        CPortManGui manager(owner.GetHwnd(), WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
        manager.m_dcb.BaudRate = 115200;
        ASSERT_TRUE(manager.OpenConnection("COM5", nullptr, 256));
        EXPECT_TRUE(AskStatus(manager, owner));
        manager.ClosePort(false);
    }
    borrow.SetBorrowedName("COM5");
    borrow.ReturnPort();
    DestroyWindow(hWnd);
}

TEST(PortLending, LendsComFiveAndTakesItBack)
{
    CSimClient sim;
    ASSERT_TRUE(sim.Connect());
    ASSERT_TRUE(sim.Reset());
    CPortOwnerWindow owner;
    CPortManGui manager(owner.GetHwnd(), WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
    manager.SetEventCallback(nullptr, EV_STATUS | EV_PNP_ARRIVE | EV_PNP_REMOVE);
    manager.m_dcb.BaudRate = 115200;
    ASSERT_TRUE(manager.OpenConnection("COM5", nullptr, 256));

    char achPath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, achPath, MAX_PATH);
    std::string strCommand =
        std::string("\"") + achPath +
        "\" --gtest_also_run_disabled_tests --gtest_filter=PortLending.DISABLED_BorrowerInstance";
    // The second instance reports into a file of its own, shown when it fails.
    char achLog[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, achLog);
    lstrcatA(achLog, "tq5_borrower.log");
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE hLog = CreateFileA(achLog, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = hLog;
    startup.hStdError = hLog;
    PROCESS_INFORMATION process = {};
    // The second instance keeps its profile apart from this one's.
    SetEnvironmentVariableA("TQ5_TEST_PROFILE", "borrower");
    BOOL bStarted = CreateProcessA(nullptr, strCommand.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                   &startup, &process);
    SetEnvironmentVariableA("TQ5_TEST_PROFILE", nullptr);
    CloseHandle(hLog);
    ASSERT_TRUE(bStarted);
    bool bEnded = PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; },
                            INSTANCE_TIMEOUT_MS);
    DWORD dwExitCode = 1;
    GetExitCodeProcess(process.hProcess, &dwExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_TRUE(bEnded);
    EXPECT_EQ(0u, dwExitCode) << "the second instance could not borrow and use the port:\n"
                              << ReadFile(achLog);

    ASSERT_TRUE(
        PumpUntil([&] { return owner.CountEvents(EV_STATUS) == 2 && manager.m_iState == PORT_OPEN; }));
    EXPECT_EQ(CString("COM5   \\Device\\Serial4"), manager.GetCurrentDisplayName());
    EXPECT_TRUE(AskStatus(manager, owner));
}

TEST(PortLending, QueryForOwnPortGrantsItAndReturnReopensIt)
{
    CSimClient sim;
    ASSERT_TRUE(sim.Connect());
    ASSERT_TRUE(sim.Reset());
    CPortOwnerWindow owner;
    CPortManGui manager(owner.GetHwnd(), WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
    manager.SetEventCallback(nullptr, EV_PNP_ARRIVE | EV_PNP_REMOVE); // the protocol's mask
    manager.m_dcb.BaudRate = 115200;
    ASSERT_TRUE(manager.OpenConnection("COM5", nullptr, 256));
    CInterProcCommPortBorrow borrow;
    HWND hAsker = CReplyWindow::Create(borrow.m_uiReplyMessage);
    CReplyWindow::s_lReplyValue = 0;

    borrow.WritePortName("COM12345678901234567890");
    borrow.WritePortName("COM6"); // the longer name's tail is gone
    EXPECT_EQ(CString("COM6"), borrow.ReadPortName());
    manager.OnLendQuery(hAsker, 7);
    EXPECT_EQ(PORT_OPEN, static_cast<int>(manager.m_iState)) << "a query for another port changes nothing";

    borrow.WritePortName("com5");
    manager.OnLendQuery(hAsker, 7);
    EXPECT_EQ(CString("Granted"), manager.GetCurrentDisplayName());
    ASSERT_TRUE(PumpUntil([] { return CReplyWindow::s_lReplyValue == 7; }));
    EXPECT_EQ(manager.GetDeviceChangeWindow(), CReplyWindow::s_hReplier);
    EXPECT_FALSE(manager.WriteByte(0x02));
    CPortNotification removal("COM5");
    EXPECT_EQ(0, manager.HandleDeviceChange(DBT_DEVICEREMOVECOMPLETE, removal.AsLParam()));

    // The receiver ignores a return broadcast by itself, and takes one from another window.
    HWND hReceiver = manager.GetDeviceChangeWindow();
    SendMessageA(hReceiver, borrow.m_uiReturnMessage, reinterpret_cast<WPARAM>(hReceiver), 0);
    EXPECT_EQ(PORT_GRANTED, static_cast<int>(manager.m_iState));
    SendMessageA(hReceiver, borrow.m_uiReturnMessage, reinterpret_cast<WPARAM>(hAsker), 0);
    EXPECT_EQ(PORT_OPEN, static_cast<int>(manager.m_iState));
    ASSERT_TRUE(owner.HandlePosted());
    EXPECT_TRUE(owner.m_aulEvents.empty()) << "the protocol's mask lets no EV_STATUS through";
    EXPECT_TRUE(AskStatus(manager, owner));
    DestroyWindow(hAsker);
}
