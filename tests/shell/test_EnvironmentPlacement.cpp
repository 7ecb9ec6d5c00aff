// Monitors, spanning rectangles and the main window's placement on one and two monitors.
#include "shell/CEnvironment.h"

#include "FakeEnvironmentSource.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

namespace
{
const CRect FULL_HD(0, 0, 1920, 1080);
const CRect WORK_AREA(0, 0, 1920, 1040);

CRect DefaultRect(const CRect& area)
{
    int x, y, cx, cy;
    CEnvironment::CalcDefaultWindowRect(area.left, area.top, area.right, area.bottom, x, y, cx, cy);
    return CRect(x, y, x + cx, y + cy);
}

// A frame-like window, an environment that has collected the faked machine, and the profile values.
class Placement : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pApp = AfxGetApp();
        m_pApp->WriteProfileString("AllViewState", nullptr, nullptr);
        m_pApp->WriteProfileString("DespiteReset", nullptr, nullptr);
        ASSERT_TRUE(
            m_wnd.CreateEx(0, nullptr, "placement", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }

    void Machine(std::vector<CRect> monitors, CRect rectWorkArea)
    {
        m_fake.SetMonitors(std::move(monitors), rectWorkArea);
        m_env.CollectSystemInfo(nullptr, nullptr);
    }
    void Stored(int x, int y, int cx, int cy, int iReset)
    {
        const char* const s = "AllViewState\\Configs\\WindowPos";
        m_pApp->WriteProfileInt(s, "X", x);
        m_pApp->WriteProfileInt(s, "Y", y);
        m_pApp->WriteProfileInt(s, "CX", cx);
        m_pApp->WriteProfileInt(s, "CY", cy);
        m_pApp->WriteProfileInt("DespiteReset", "IsRegResetedFromView", iReset);
    }
    CRect Restored()
    {
        EXPECT_EQ(m_env.RestoreWindowPlacement(&m_wnd, m_pApp), 1);
        CRect rect;
        m_wnd.GetWindowRect(&rect);
        return rect;
    }

    FakeEnvironmentSource m_fake;
    CEnvironment m_env;
    CWinApp* m_pApp = nullptr;
    CWnd m_wnd;
};
} // namespace

TEST(Monitors, EnumerationKeepsPrimaryInSlot0AndTheLastOtherInSlot1)
{
    FakeEnvironmentSource fake;
    CEnvironment env;
    fake.m_monitors = std::vector<EnvMonitor>{{CRect(1920, 0, 3200, 1024), false},
                                              {CRect(0, 0, 1920, 1080), true},
                                              {CRect(-800, 0, 0, 600), false},
                                              {CRect(5000, 0, 6000, 800), false}};
    EXPECT_EQ(env.GetMonitorRect(0), FULL_HD);
    // The third monitor ends the walk after it was stored; the fourth is never seen.
    EXPECT_EQ(env.GetMonitorRect(1), CRect(-800, 0, 0, 600));
    EXPECT_EQ(env.GetMonitorRect(7), FULL_HD);
    EXPECT_EQ(env.GetStoredMonitorRect(1), CRect(-800, 0, 0, 600));
    EXPECT_EQ(env.GetStoredMonitorRect(2), CRect());

    fake.SetMonitors({FULL_HD}, WORK_AREA);
    EXPECT_EQ(env.GetMonitorRect(1), CRect());
}

TEST(Monitors, SpanningRectangles)
{
    struct Case
    {
        const char* pszWhat;
        std::vector<CRect> monitors;
        CRect rectSpan;
        CRect rectWorkSpan;
    };
    const Case cases[] = {
        {"one monitor", {FULL_HD}, FULL_HD, WORK_AREA},
        {"side by side",
         {FULL_HD, CRect(1920, 0, 3200, 1024)},
         CRect(0, 0, 3200, 1024),
         CRect(0, 0, 3200, 1024)},
        {"side by side, other on the left",
         {FULL_HD, CRect(-1920, 0, 0, 1080)},
         CRect(-1920, 0, 1920, 1080),
         CRect(-1920, 0, 1920, 1040)},
        {"stacked", {FULL_HD, CRect(0, 1080, 1920, 2160)}, CRect(0, 0, 1920, 2160), CRect(0, 0, 1920, 2120)},
        {"stacked, other above and narrower",
         {FULL_HD, CRect(0, -768, 1024, 0)},
         CRect(0, -768, 1024, 1080),
         CRect(0, -768, 1024, 1040)},
        {"sharing no edge", {FULL_HD, CRect(1920, 200, 3200, 1224)}, CRect(), CRect()},
    };
    for (const Case& c : cases)
    {
        FakeEnvironmentSource fake;
        fake.SetMonitors(c.monitors, WORK_AREA);
        CEnvironment env;
        CRect r0, r1;
        EXPECT_EQ(env.GetVirtualScreen(r0, r1), c.rectSpan) << c.pszWhat;
        EXPECT_EQ(r0, FULL_HD) << c.pszWhat;
        EXPECT_EQ(r1, c.monitors.size() > 1 ? c.monitors[1] : CRect()) << c.pszWhat;
        EXPECT_EQ(env.GetVirtualWorkArea(), c.rectWorkSpan) << c.pszWhat;
    }
}

TEST(Monitors, MonitorOfARectangleByLargestShare)
{
    FakeEnvironmentSource fake;
    fake.SetMonitors({CRect(0, 0, 1000, 1000), CRect(1000, 0, 2000, 1000)}, CRect(0, 0, 1000, 960));
    CEnvironment env;
    env.GetMonitorRect(0);
    double dBest = -1, d0 = -1, d1 = -1;
    EXPECT_EQ(env.GetMonitorIndexOfRect(600, 0, 1600, 100, &dBest, &d0, &d1), 1); // 40 % / 60 %
    EXPECT_DOUBLE_EQ(d0, 40.0);
    EXPECT_DOUBLE_EQ(d1, 60.0);
    EXPECT_DOUBLE_EQ(dBest, 60.0);
    EXPECT_EQ(env.GetMonitorIndexOfRect(500, 0, 1500, 100), 0); // 50 % each
    EXPECT_EQ(env.GetMonitorIndexOfRect(3000, 0, 3100, 100, &dBest), 0);
    EXPECT_DOUBLE_EQ(dBest, 0.0);
    EXPECT_EQ(env.m_bMonitorPresent[1], 1);

    // No area: 0, and the presence flags stay.
    env.m_bMonitorPresent[1] = 7;
    EXPECT_EQ(env.GetMonitorIndexOfRect(1500, 0, 1500, 100), 0);
    EXPECT_EQ(env.m_bMonitorPresent[1], 7);

    fake.SetMonitors({CRect(0, 0, 1000, 1000)}, CRect(0, 0, 1000, 960));
    env.GetMonitorRect(0);
    EXPECT_EQ(env.GetMonitorIndexOfRect(600, 0, 1600, 100), 0);
    EXPECT_EQ(env.m_bMonitorPresent[1], 0);
}

TEST(PlacementRects, DefaultWindowRectangle)
{
    struct Case
    {
        CRect area;
        CRect expected;
        int iResult;
    };
    const Case cases[] = {
        {CRect(0, 0, 1920, 1040), CRect(25, 25, 25 + 1632, 25 + 1020), 1},
        {CRect(0, 0, 1280, 800), CRect(25, 25, 25 + 1088, 25 + 680), 1},
        {CRect(0, 0, 1024, 768), CRect(0, 0, 1024, 768), 1},
        {CRect(0, 0, 1279, 1024), CRect(0, 0, 1279, 1024), 1},
        {CRect(0, 0, 1080, 1920), CRect(25, 25, 25 + 918, 25 + 573), 1}, // upright
        {CRect(0, 0, 1024, 1200), CRect(0, 0, 1024, 1200), 1},           // upright, too low
        {CRect(-1920, 0, 0, 1080), CRect(-1895, 25, -1895 + 1632, 25 + 1020), 1},
        {CRect(0, 0, 1920, 0), CRect(0, 0, 1920, 0), 0},
    };
    for (const Case& c : cases)
    {
        int x, y, cx, cy;
        EXPECT_EQ(CEnvironment::CalcDefaultWindowRect(c.area.left, c.area.top, c.area.right, c.area.bottom, x,
                                                      y, cx, cy),
                  c.iResult);
        EXPECT_EQ(CRect(x, y, x + cx, y + cy), c.expected);
    }
}

TEST(PlacementRects, ClampIntoAreasAtAndAwayFromTheOrigin)
{
    struct Case
    {
        const char* pszWhat;
        CRect rect;
        CRect area;
        CRect expected;
    };
    const Case cases[] = {
        {"inside stays", CRect(100, 100, 900, 700), WORK_AREA, CRect(100, 100, 900, 700)},
        {"left and top edges moved in", CRect(-50, -20, 750, 580), WORK_AREA, CRect(0, 0, 750, 580)},
        {"wider than the area", CRect(100, 0, 2500, 500), WORK_AREA, CRect(100, 0, 1920, 500)},
        {"above 1600 wide", CRect(25, 25, 1657, 1045), WORK_AREA, CRect(25, 25, 1600, 1045)},
        {"higher than the area", CRect(0, 40, 800, 1540), WORK_AREA, CRect(0, 40, 800, 1040)},
        // The same cases on areas that do not start at (0,0) give the same shape.
        {"above 1600 wide, area on the left", CRect(-1895, 25, -263, 1045), CRect(-1920, 0, 0, 1040),
         CRect(-1895, 25, -320, 1045)},
        {"wider, area on the right", CRect(2000, 0, 4400, 500), CRect(1920, 0, 3840, 1040),
         CRect(2000, 0, 3840, 500)},
        {"higher, area below", CRect(0, 1120, 800, 2620), CRect(0, 1080, 1920, 2120),
         CRect(0, 1120, 800, 2120)},
        // Never a rectangle without size or outside the area.
        {"1600 rule on a far right rectangle", CRect(1700, 0, 3350, 500), CRect(0, 0, 3840, 1040),
         CRect(1700, 0, 3300, 500)},
        {"beyond the right edge", CRect(2500, 100, 3000, 500), WORK_AREA, CRect(1420, 100, 1920, 500)},
        {"beyond the bottom", CRect(100, 1500, 600, 1900), WORK_AREA, CRect(100, 640, 600, 1040)},
        {"left of the area", CRect(-900, 100, -100, 500), WORK_AREA, CRect(0, 100, 800, 500)},
        {"empty area leaves it", CRect(100, 100, 900, 700), CRect(), CRect(100, 100, 900, 700)},
    };
    for (const Case& c : cases)
    {
        CRect r = c.rect;
        EXPECT_TRUE(CEnvironment::ClampRectToArea(r, c.area.left, c.area.top, c.area.right, c.area.bottom));
        EXPECT_EQ(r, c.expected) << c.pszWhat << ": " << r.left << "," << r.top << "," << r.right << ","
                                 << r.bottom;
    }
}

TEST_F(Placement, OneMonitorStoredPositionKeptOrReplaced)
{
    Machine({FULL_HD}, WORK_AREA);
    struct Case
    {
        const char* pszWhat;
        int x, y, cx, cy;
        CRect expected;
    };
    const CRect dflt = DefaultRect(WORK_AREA);
    const Case cases[] = {
        {"on the monitor", 100, 120, 800, 600, CRect(100, 120, 900, 720)},
        {"slightly left and above", -50, -30, 800, 600, CRect(-50, -30, 750, 570)},
        {"at X = 5000", 5000, 100, 800, 600, dflt},
        {"below the screen", 100, 1075, 800, 600, dflt},
        {"no width", 100, 100, 0, 600, dflt},
        {"negative height", 100, 100, 800, -20, dflt},
    };
    for (const Case& c : cases)
    {
        Stored(c.x, c.y, c.cx, c.cy, 0);
        EXPECT_EQ(Restored(), c.expected) << c.pszWhat;
    }
}

TEST_F(Placement, OneMonitorAfterResetOrFirstStart)
{
    Machine({FULL_HD}, WORK_AREA);
    // Nothing stored: the default rectangle cut to the width limit.
    EXPECT_EQ(Restored(), CRect(25, 25, 1600, 1045));

    // Closed on a second monitor that is gone now: the default on the work area, never a zero-size window.
    Stored(2500, 100, 800, 600, 1);
    m_pApp->WriteProfileInt("DespiteReset", "ClosedScreen", 1);
    EXPECT_EQ(Restored(), DefaultRect(WORK_AREA));
}

TEST_F(Placement, TwoMonitorsSideBySide)
{
    Machine({FULL_HD, CRect(1920, 0, 3200, 1024)}, WORK_AREA);
    Stored(2000, 100, 900, 700, 0);
    EXPECT_EQ(Restored(), CRect(2000, 100, 2900, 800));

    // X matches the right monitor, Y only the left one: the corner would be on no monitor.
    Stored(2500, 1050, 600, 400, 0);
    EXPECT_EQ(Restored(), DefaultRect(WORK_AREA));

    // After a reset, closed on the right monitor: the default rectangle of that monitor.
    Stored(2000, 100, 900, 700, 1);
    m_pApp->WriteProfileInt("DespiteReset", "ClosedScreen", 1);
    EXPECT_EQ(Restored(), CRect(1945, 25, 1945 + 1088, 25 + 680));

    // Closed on the primary monitor.
    m_pApp->WriteProfileInt("DespiteReset", "ClosedScreen", 0);
    EXPECT_EQ(Restored(), CRect(25, 25, 1600, 1045));
}

TEST_F(Placement, TwoMonitorsOtherOneOnTheLeft)
{
    Machine({FULL_HD, CRect(-1920, 0, 0, 1080)}, WORK_AREA);
    Stored(-1500, 100, 900, 700, 0);
    EXPECT_EQ(Restored(), CRect(-1500, 100, -600, 800));

    // The default on the left monitor keeps to that monitor (the width limit counts from the area's edge).
    Stored(-1500, 100, 900, 700, 1);
    m_pApp->WriteProfileInt("DespiteReset", "ClosedScreen", 1);
    EXPECT_EQ(Restored(), CRect(-1895, 25, -320, 1045));
}

TEST_F(Placement, TwoMonitorsStacked)
{
    Machine({FULL_HD, CRect(0, 1080, 1920, 2160)}, WORK_AREA);
    Stored(300, 1200, 800, 600, 0);
    EXPECT_EQ(Restored(), CRect(300, 1200, 1100, 1800));
    // Off-screen below both: the default on the work area.
    Stored(300, 2300, 800, 600, 0);
    EXPECT_EQ(Restored(), DefaultRect(WORK_AREA));

    Stored(300, 1200, 800, 600, 1);
    m_pApp->WriteProfileInt("DespiteReset", "ClosedScreen", 1);
    EXPECT_EQ(Restored(), CRect(25, 1105, 1600, 2125));
}

TEST_F(Placement, SavedPositionSizeAndMaximisedState)
{
    Machine({FULL_HD}, WORK_AREA);
    const char* const s = "AllViewState\\Configs\\WindowPos";
    m_wnd.SetWindowPos(nullptr, 120, 80, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(m_env.SaveWindowPlacement(&m_wnd, m_pApp), 1);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "IsMaximized", -1), 0);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "X", -1), 120);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "Y", -1), 80);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "CX", -1), 700);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "CY", -1), 500);

    // Minimised: the place it is restored to, not the far-off icon position.
    m_wnd.ShowWindow(SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(m_wnd.IsIconic());
    m_env.SaveWindowPlacement(&m_wnd, m_pApp);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "X", -1), 120);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "CY", -1), 500);

    // Maximised: only the flag; the last normal placement stays.
    m_wnd.ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(m_wnd.IsZoomed());
    m_env.SaveWindowPlacement(&m_wnd, m_pApp);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "IsMaximized", -1), 1);
    EXPECT_EQ((int)m_pApp->GetProfileInt(s, "X", -1), 120);

    // At exit the monitor the window is on is stored for the next start.
    m_wnd.ShowWindow(SW_RESTORE);
    m_env.SaveSystemInfo(&m_wnd, m_pApp);
    EXPECT_EQ((int)m_pApp->GetProfileInt("DespiteReset", "ClosedScreen", -1), 0);
}

TEST_F(Placement, ClosedScreenIsTheMonitorHoldingTheWindow)
{
    Machine({FULL_HD, CRect(1920, 0, 3840, 1080)}, WORK_AREA);
    m_wnd.SetWindowPos(nullptr, 2200, 100, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    m_env.SaveSystemInfo(&m_wnd, m_pApp);
    EXPECT_EQ((int)m_pApp->GetProfileInt("DespiteReset", "ClosedScreen", -1), 1);
}
