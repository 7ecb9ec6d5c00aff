// The trace window: appending, scrolling, clearing, hiding, layout, hex dumps, system information and
// a picture of it.
#include "shell/CDlgTrace.h"

#include "FakeEnvironmentSource.h"
#include "framework/CWnd.h"
#include "resources/resource.h"
#include "shell/CEnvironment.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
class Trace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_frame.CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW, 30, 40, 1000, 700, nullptr, nullptr));
        ASSERT_TRUE(m_dlg.Create(IDD_DLG_TRACE, &m_frame));
    }
    void TearDown() override
    {
        m_dlg.DestroyWindow();
        m_frame.DestroyWindow();
    }

    CString Text() const
    {
        CString str;
        m_dlg.m_richEdit.GetWindowText(str);
        return str;
    }
    CRect RichEditRect() const
    {
        CRect rc;
        m_dlg.m_richEdit.GetWindowRect(&rc);
        m_dlg.ScreenToClient(&rc);
        return rc;
    }
    // The line holding the character is between the first visible line and the client's bottom.
    bool IsCharVisible(long nChar) const
    {
        POINTL pt{};
        m_dlg.m_richEdit.SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), nChar);
        CRect rcClient;
        m_dlg.m_richEdit.GetClientRect(&rcClient);
        return pt.y >= 0 && pt.y + 8 <= rcClient.bottom;
    }

    CWnd m_frame;
    CDlgTrace m_dlg{&m_frame};
};

// Paints the window's client area and its child controls into the bitmap's context, each control at
// its place (Wine's PrintWindow leaves the children out).
void RenderClientWithChildren(HWND hWnd, HDC hdc)
{
    RECT rcClient;
    ::GetClientRect(hWnd, &rcClient);
    ::FillRect(hdc, &rcClient, ::GetSysColorBrush(COLOR_3DFACE));
    ::SendMessageA(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT);
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hChild))
            continue;
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&rc), 2);
        POINT ptOld;
        ::SetViewportOrgEx(hdc, rc.left, rc.top, &ptOld);
        ::SendMessageA(hChild, WM_PRINT, reinterpret_cast<WPARAM>(hdc),
                       PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        ::SetViewportOrgEx(hdc, ptOld.x, ptOld.y, nullptr);
    }
}

CString PicturePath(const char* pszName)
{
    // The build tree, seen through Wine's drive for the Unix root.
    const char* pszBuild = std::getenv("TQ5_BUILD_DIR");
    if (pszBuild && *pszBuild == '/')
        return CString("Z:") + pszBuild + "/tests/" + pszName;
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    return CString(szTemp) + pszName;
}
} // namespace

TEST_F(Trace, CreatedHiddenAndEmpty)
{
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_EQ(m_dlg.m_bShown, 0);
    EXPECT_EQ(m_dlg.m_pEnvironment, nullptr);
    CString strCaption;
    m_dlg.GetWindowText(strCaption);
    EXPECT_EQ(strCaption, "Ausgabefenster");
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(m_dlg.m_richEdit.GetNewLineCount(FALSE), 0);
}

TEST_F(Trace, LinesAreAppendedAsTheyAreAndCounted)
{
    EXPECT_EQ(m_dlg.AddTraceLine("void CComPort::COM_CheckConnectionIfQbxUsbTyp \tBEGIN"), 1);
    EXPECT_EQ(m_dlg.AddTraceLinePtr("iWhatToDo = 3"), 2);
    // A caller's text is never a format: percent signs stay.
    EXPECT_EQ(m_dlg.AddTraceLine("100 %s %n %d"), 3);
    m_dlg.m_strTraceLine.Format("\t\t\t m_iZMCOMConfgFlow = %d", 17);
    EXPECT_EQ(m_dlg.AddTraceLinePtr(nullptr), 4);
    m_dlg.m_strTraceLine.Empty();
    EXPECT_EQ(m_dlg.AddTraceLinePtr(), 5); // an empty line still gets its break
    EXPECT_EQ(m_dlg.AddTraceLine("ENDE"), 6);
    EXPECT_EQ(Text(),
              "void CComPort::COM_CheckConnectionIfQbxUsbTyp \tBEGIN\r\niWhatToDo = 3\r\n100 %s %n %d\r\n"
              "\t\t\t m_iZMCOMConfgFlow = 17\r\n\r\nENDE\r\n");
}

TEST_F(Trace, ClearingEmptiesTheTextAndRestartsTheCount)
{
    for (int i = 0; i < 5; ++i)
        m_dlg.AddTraceLine("line");
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_CLEAR_TRACE, BN_CLICKED),
                      reinterpret_cast<LPARAM>(m_dlg.GetDlgItem(IDC_BTN_CLEAR_TRACE)->GetSafeHwnd()));
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(m_dlg.AddTraceLine("first again"), 1);
}

TEST_F(Trace, OkCancelAndCloseOnlyHide)
{
    for (UINT nCmd : {(UINT)IDOK, (UINT)IDCANCEL, 0u})
    {
        m_dlg.ShowWindow(SW_SHOW);
        EXPECT_EQ(m_dlg.m_bShown, 1);
        m_dlg.AddTraceLine("kept");
        if (nCmd)
            m_dlg.SendMessage(WM_COMMAND, nCmd);
        else
            m_dlg.SendMessage(WM_CLOSE);
        PumpFor(20);
        EXPECT_TRUE(m_dlg.IsWindow());
        EXPECT_FALSE(m_dlg.IsWindowVisible()) << nCmd;
        EXPECT_EQ(m_dlg.m_bShown, 0);
    }
    EXPECT_EQ(Text(), "kept\r\nkept\r\nkept\r\n");
}

TEST_F(Trace, RichEditFollowsTheSizeOnceShown)
{
    const CRect rcTemplate = RichEditRect();
    m_dlg.SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    EXPECT_EQ(RichEditRect(), rcTemplate); // never shown yet: left alone

    m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
    m_dlg.SetWindowPos(nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    CRect rcClient;
    m_dlg.GetClientRect(&rcClient);
    EXPECT_EQ(RichEditRect(), CRect(10, 45, 10 + rcClient.Width() - 15, 45 + rcClient.Height() - 50));

    // Sized while hidden again: laid out when shown.
    m_dlg.ShowWindow(SW_HIDE);
    m_dlg.SetWindowPos(nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
    m_dlg.GetClientRect(&rcClient);
    EXPECT_EQ(RichEditRect(), CRect(10, 45, 10 + rcClient.Width() - 15, 45 + rcClient.Height() - 50));
}

TEST_F(Trace, HoldsMoreThan32KCharacters)
{
    const CString strLine('x', 999);
    for (int i = 0; i < 60; ++i)
        m_dlg.AddTraceLine(strLine);
    EXPECT_EQ(m_dlg.m_richEdit.GetTextLength(), 60 * 1001);
    EXPECT_EQ(Text().Right(1001), strLine + "\r\n");
}

TEST_F(Trace, UserSelectionSurvivesNewLinesAndIsCopiedAsSelected)
{
    for (int i = 0; i < 30; ++i)
    {
        CString str;
        str.Format("Zeile %02d", i);
        m_dlg.AddTraceLine(str);
    }
    // "Zeile 10" up to "Zeile 11" (rich edit positions count a line break as one).
    m_dlg.m_richEdit.SetSel(10 * 9, 11 * 9 + 8);
    m_dlg.AddTraceLine("arrives while the user selects");
    long nStart = 0, nEnd = 0;
    m_dlg.m_richEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 90);
    EXPECT_EQ(nEnd, 107);
    EXPECT_EQ(CEnvironment::GetSelectedText(m_dlg.m_richEdit), "Zeile 10\r\nZeile 11");
    EXPECT_EQ(Text().Right(32), "arrives while the user selects\r\n");
}

TEST(TraceFormat, HexDumpAndByte)
{
    EXPECT_EQ(CDlgTrace::FormatHexDump(CString("\x02\x41\xFF", 3), true), "\t\t\t  3:  2|41|ff|\n");
    EXPECT_EQ(CDlgTrace::FormatHexDump(CString("\x00\x10", 2), false), "\t\t\t  2:  0|10|");
    EXPECT_EQ(CDlgTrace::FormatHexDump(CString('\x7E', 40), false).GetLength(), 8 + 40 * 3);
    EXPECT_EQ(CDlgTrace::FormatHexByte(0xFF), "ff|");
    EXPECT_EQ(CDlgTrace::FormatHexByte(0x0A), " a|");
}

TEST_F(Trace, SystemInformationLines)
{
    const CString strDash = CString("\t\t") + CString('-', 216);
    const CString strFrame = "\r\n\r\n" + strDash + "\r\n\t\tSystem Informationen\r\n" + strDash + "\r\n";
    const CString strClosing = "\r\n" + strDash + "\r\n\r\n\r\n";
    m_dlg.DumpSystemInfo(nullptr);
    EXPECT_EQ(Text(), strFrame + strClosing);
    EXPECT_EQ(m_dlg.m_richEdit.GetNewLineCount(FALSE), 9);

    FakeEnvironmentSource fake;
    fake.SetMonitors({CRect(0, 0, 1920, 1080)}, CRect(0, 0, 1920, 1040));
    fake.m_env["USERNAME"] = CString("Tester");
    CEnvironment env;
    env.SetDecimalSeparatorIds(0, 1);
    env.SetColumnSeparatorIds(0, 1, 2, 3, 4);
    env.CollectSystemInfo(nullptr, nullptr);
    m_dlg.SendMessage(WM_COMMAND, IDC_BTN_CLEAR_TRACE);
    m_dlg.DumpSystemInfo(&env);
    EXPECT_EQ(m_dlg.m_pEnvironment, &env);
    m_dlg.DumpSystemInfo(nullptr); // keeps the environment it has
    EXPECT_EQ(m_dlg.m_pEnvironment, &env);

    const CString strText = Text();
    EXPECT_EQ(strText.Find(strFrame + "\t\tm_sEnvReg.iNumberOfProcessors\t\t= "), 0);
    CRect rcFrame;
    m_frame.GetWindowRect(&rcFrame);
    CRect rcClient;
    m_frame.GetClientRect(&rcClient);
    CString strWindow, strClient;
    strWindow.Format(
        "\t\tm_sEnvReg.rectVirtualScreen\t\t\t= (   0|   0|1920|1080)\r\n\t\trectWindow\t\t\t\t= "
        "(%4d|%4d|%4d|%4d)\r\n",
        (int)rcFrame.left, (int)rcFrame.top, rcFrame.Width(), rcFrame.Height());
    strClient.Format("\t\trectClient\t\t\t\t\t= (   0|   0|%4d|%4d)\r\n\t\tm_sEnvReg.strVersionOS",
                     rcClient.Width(), rcClient.Height());
    EXPECT_GE(strText.Find(strWindow), 0) << strWindow;
    EXPECT_GE(strText.Find(strClient), 0) << strClient;
    EXPECT_GE(strText.Find("\t\tm_sEnvReg.strUserName\t\t\t= tester\r\n"), 0);
    EXPECT_GE(strText.Find("\r\n\r\n\r\n\t\tm_sEnvReg.strLocaleDecimalSeparator\t\t= ','\r\n"), 0);
    EXPECT_GE(strText.Find("\r\n\r\n\r\n\t\tm_strPathApplicationWhereExecuted\t\t= "), 0);
    EXPECT_GE(strText.Find("\t\tm_strPathUserNameOwnFiles\t\t\t= "), 0);
}

TEST_F(Trace, PictureShowsTheNewestLines)
{
    m_dlg.SetWindowPos(nullptr, 50, 50, 720, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
    long nNewest = 0;
    for (int i = 1; i <= 80; ++i)
    {
        CString str;
        str.Format("%02d: --> BOOL CMainFrame::OnDeviceChange(UINT nID = %6i, DWORD lParam = %i)  BEGIN", i,
                   32768, i);
        nNewest = m_dlg.m_richEdit.GetTextLength() - (i - 1); // rich edit positions: one per line break
        m_dlg.AddTraceLine(str);
        EXPECT_TRUE(IsCharVisible(nNewest)) << "line " << i;
    }
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);

    // The client area's picture.
    CRect rcClient;
    m_dlg.GetClientRect(&rcClient);
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcScreen, rcClient.Width(), rcClient.Height());
    HGDIOBJ hOld = ::SelectObject(hdcMem, hBitmap);
    RenderClientWithChildren(m_dlg, hdcMem);

    // Dark text pixels on the newest line and on the lines above it, inside the rich edit.
    const CRect rcEdit = RichEditRect();
    POINTL ptNewest{};
    m_dlg.m_richEdit.SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&ptNewest), nNewest);
    const int yNewest = rcEdit.top + 2 + ptNewest.y;
    auto darkPixels = [&](int y0, int y1)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = rcEdit.left + 4; x < rcEdit.right - 30; ++x)
                if (GetRValue(::GetPixel(hdcMem, x, y)) < 100)
                    ++n;
        return n;
    };
    EXPECT_GT(darkPixels(yNewest, yNewest + 12), 50);
    EXPECT_GT(darkPixels(rcEdit.top + 4, yNewest), 500); // earlier lines above it
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
    ::ReleaseDC(nullptr, hdcScreen);

    const CString strPath = PicturePath("shell_trace_window.bmp");
    EXPECT_TRUE(CEnvironment::SaveBitmapToFile(&m_dlg, strPath, hBitmap)) << strPath;
    ::DeleteObject(hBitmap);
}
