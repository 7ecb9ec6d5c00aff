// The axis page: a time step in its largest unit, the decimals and the number format by range, the
// enabled states of a time axis, a date format with line feeds, Apply, the limits of the time step,
// and fonts that act at once.
#include "ChartPropertyFixture.h"

#include "charting/CPlotAxis.h"
#include "framework/CFontDialog.h"
#include "support/ScriptedMessageBoxes.h"

#include <cstring>

namespace
{
constexpr double kSecondsPerDay = 86400.0;

// A time axis from 2024-03-01 08:00 to 2024-03-02 08:00 with a step of the given seconds.
void MakeTimeAxis(CPlotAxis& axis, double dStepSeconds)
{
    axis.m_bTime = true;
    axis.m_bAutoScale = false;
    const COleDateTime dtMin(2024, 3, 1, 8, 0, 0), dtMax(2024, 3, 2, 8, 0, 0);
    ASSERT_TRUE(axis.SetCurrentRange(dtMin, dtMax, dStepSeconds / kSecondsPerDay));
}
} // namespace

TEST(AxisPageRules, TimeStepLoadsInTheLargestUnitThatDividesIt)
{
    const struct
    {
        double dSeconds;
        int iStep, iUnit;
    } cases[] = {{90, 90, CAxisDlg::UNIT_SECONDS}, {60, 60, CAxisDlg::UNIT_SECONDS},
                 {120, 2, CAxisDlg::UNIT_MINUTES}, {3600, 60, CAxisDlg::UNIT_MINUTES},
                 {7200, 2, CAxisDlg::UNIT_HOURS},  {86400, 24, CAxisDlg::UNIT_HOURS},
                 {172800, 2, CAxisDlg::UNIT_DAYS}, {90000, 25, CAxisDlg::UNIT_HOURS},
                 {0.6, 1, CAxisDlg::UNIT_SECONDS}, {7199.9999, 2, CAxisDlg::UNIT_HOURS}};
    for (const auto& c : cases)
    {
        int iStep = -1, iUnit = -1;
        CAxisDlg::SplitTimeStep(c.dSeconds / kSecondsPerDay, iStep, iUnit);
        EXPECT_EQ(iStep, c.iStep) << c.dSeconds;
        EXPECT_EQ(iUnit, c.iUnit) << c.dSeconds;
    }
    // A step beyond the field's numbers loads as the largest number.
    int iStep = 0, iUnit = -1;
    CAxisDlg::SplitTimeStep(1e30, iStep, iUnit);
    EXPECT_EQ(iStep, INT_MAX);
    // The time step's limit per unit: the field's 22118400, or the table's largest step.
    EXPECT_EQ(CAxisDlg::MaxTimeStep(CAxisDlg::UNIT_SECONDS), 22118400);
    EXPECT_EQ(CAxisDlg::MaxTimeStep(CAxisDlg::UNIT_MINUTES), 22118400);
    EXPECT_EQ(CAxisDlg::MaxTimeStep(CAxisDlg::UNIT_HOURS), 1572480000 / 3600);
    EXPECT_EQ(CAxisDlg::MaxTimeStep(CAxisDlg::UNIT_DAYS), 1572480000 / 86400);
}

TEST(AxisPageRules, NumberFormatTurnsToExponentsForLargeAndTinyRanges)
{
    const struct
    {
        double dMin, dMax;
        const char* pszFormat;
    } cases[] = {{0, 2000000, "%5.2e"},   {0, 1000000, "%5.2f"},  {-1000001, 0, "%5.2e"},  {0, 10, "%5.2f"},
                 {0.0000005, 1, "%5.2e"}, {0.000001, 1, "%5.2f"}, {-0.0000005, 0, "%5.2e"}};
    for (const auto& c : cases)
        EXPECT_EQ(CAxisDlg::NumberFormatFor(c.dMin, c.dMax, 2), c.pszFormat) << c.dMin << " " << c.dMax;
    EXPECT_EQ(CAxisDlg::DecimalsOf("%5.3f", 1), 3);
    EXPECT_EQ(CAxisDlg::DecimalsOf("%g", 4), 4);
    EXPECT_EQ(CAxisDlg::DecimalsOf("%.f", 4), 0);
    EXPECT_EQ(CAxisDlg::FormatToField("%d.%m.\n%H:%M"), "%d.%m.\\n%H:%M");
    EXPECT_EQ(CAxisDlg::FieldToFormat("%d.%m.\\n%H:%M"), "%d.%m.\n%H:%M");
}

TEST_F(ChartPropertyTest, TimeAxisLoadsItsRangeStepAndFormatAndAppliesThemBack)
{
    CPlotAxis& axis = Chart().GetYAxis(0);
    MakeTimeAxis(axis, 7200);
    axis.m_strFormat = "%d.%m.%Y\n%H:%M";
    ShowTab(CChartPage::TAB_AXIS);
    EXPECT_EQ(Text(AxisDlg(), IDC_TIMESTEP), "2");
    EXPECT_EQ(Chosen(AxisDlg(), IDC_TIMESTEPUNIT), CAxisDlg::UNIT_HOURS);
    EXPECT_EQ(Text(AxisDlg(), IDC_TIMEFORMAT), "%d.%m.%Y\\n%H:%M");
    EXPECT_EQ(AxisDlg().m_dtMinDate, COleDateTime(2024, 3, 1, 8, 0, 0));
    for (int nID :
         {IDC_MINDATE, IDC_MINTIME, IDC_MAXDATE, IDC_MAXTIME, IDC_TIMESTEP, IDC_TIMESTEPUNIT, IDC_TIMEFORMAT})
        EXPECT_TRUE(IsEnabled(AxisDlg(), nID)) << nID;
    for (int nID : {IDC_AXMINVALUE, IDC_AXMAXVALUE, IDC_STEPVALUE, IDC_DECIMALS, IDC_AXSIDE})
        EXPECT_FALSE(IsEnabled(AxisDlg(), nID)) << nID;

    // 3 days and a new end: the step in days, the format with its line feed again.
    Type(AxisDlg(), IDC_TIMESTEP, "3");
    Choose(AxisDlg(), IDC_TIMESTEPUNIT, CAxisDlg::UNIT_DAYS);
    SYSTEMTIME st = {2024, 3, 0, 20, 18, 30, 15, 0};
    AxisDlg()
        .GetDlgItem(IDC_MAXDATE)
        ->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    AxisDlg()
        .GetDlgItem(IDC_MAXTIME)
        ->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    Apply(AxisDlg());
    double dMin, dMax, dStep;
    axis.GetRange(dMin, dMax, dStep);
    EXPECT_EQ(COleDateTime(dMin), COleDateTime(2024, 3, 1, 8, 0, 0));
    EXPECT_EQ(COleDateTime(dMax), COleDateTime(2024, 3, 20, 18, 30, 15));
    EXPECT_DOUBLE_EQ(dStep, 3.0);
    EXPECT_EQ(axis.m_strFormat, "%d.%m.%Y\n%H:%M");
    EXPECT_TRUE(axis.m_bTime);
}

TEST_F(ChartPropertyTest, TimeStepBeyondTheTimeTableIsRefusedWithTheRangeMessage)
{
    MakeTimeAxis(Chart().GetYAxis(0), 172800);
    ShowTab(CChartPage::TAB_AXIS);
    ScriptedMessageBoxes boxes;
    // 20000 days (1.728e9 s, beyond 32 bits) is more than the table's largest step.
    Type(AxisDlg(), IDC_TIMESTEP, "20000");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].strText, "Enter an integer between 1 and 18200.");
    // As seconds it is a step the table has room for; the unit is taken with it.
    Choose(AxisDlg(), IDC_TIMESTEPUNIT, CAxisDlg::UNIT_SECONDS);
    EXPECT_EQ(boxes.Calls().size(), 1u);
    Choose(AxisDlg(), IDC_TIMESTEPUNIT, CAxisDlg::UNIT_DAYS);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    Apply(AxisDlg());
    double dMin, dMax, dStep;
    Chart().GetYAxis(0).GetRange(dMin, dMax, dStep);
    EXPECT_DOUBLE_EQ(dStep, 20000.0 / kSecondsPerDay) << "the last valid pair: 20000 seconds";
}

TEST_F(ChartPropertyTest, NumericAxisLoadsDecimalsAndAppliesRangeFormatAndSizes)
{
    CPlotAxis& axis = Chart().GetYAxis(0);
    axis.m_bAutoScale = false;
    axis.m_strFormat = "%5.2f";
    ShowTab(CChartPage::TAB_AXIS);
    EXPECT_EQ(Text(AxisDlg(), IDC_DECIMALS), "2");
    EXPECT_FALSE(IsEnabled(AxisDlg(), IDC_TIMEFORMAT));
    EXPECT_FALSE(IsEnabled(AxisDlg(), IDC_MINDATE));
    EXPECT_TRUE(IsEnabled(AxisDlg(), IDC_AXMINVALUE));

    const struct
    {
        const char *pszMin, *pszMax;
        const char* pszFormat;
    } cases[] = {{"0", "2000000", "%5.2e"}, {"0", "10", "%5.2f"}, {"0.0000005", "1", "%5.2e"}};
    for (const auto& c : cases)
    {
        Type(AxisDlg(), IDC_AXMINVALUE, c.pszMin);
        Type(AxisDlg(), IDC_AXMAXVALUE, c.pszMax);
        Apply(AxisDlg());
        EXPECT_EQ(axis.m_strFormat, c.pszFormat) << c.pszMax;
    }
    double dMin, dMax, dStep;
    axis.GetRange(dMin, dMax, dStep);
    EXPECT_DOUBLE_EQ(dMin, 0.0000005);
    EXPECT_DOUBLE_EQ(dMax, 1.0);

    Type(AxisDlg(), IDC_PROP_TITLE, "Drehmoment");
    Type(AxisDlg(), IDC_ARROWSIZE, "7");
    Type(AxisDlg(), IDC_TICKLENGTH, "3");
    Type(AxisDlg(), IDC_PROP_MARKERSIZE, "12");
    Choose(AxisDlg(), IDC_GRIDSTYLELIST, PS_DASHDOT);
    Choose(AxisDlg(), IDC_AXSIDE, 1);
    AxisDlg().m_btnAxisColor.SetColor(RGB(0, 128, 0));
    AxisDlg().m_btnGridColor.SetColor(RGB(200, 0, 0));
    // A maximum below the minimum leaves the displayed range, without a message.
    Type(AxisDlg(), IDC_AXMAXVALUE, "-5");
    ScriptedMessageBoxes boxes;
    Apply(AxisDlg());
    EXPECT_TRUE(boxes.Calls().empty());
    axis.GetRange(dMin, dMax, dStep);
    EXPECT_DOUBLE_EQ(dMax, 1.0);
    EXPECT_EQ(axis.GetTitle(), "Drehmoment");
    EXPECT_EQ(axis.m_iArrowSize, 7);
    EXPECT_EQ(axis.m_iTickLength, 3);
    EXPECT_EQ(axis.m_iLegendMarkerSize, 12);
    EXPECT_EQ(axis.m_iGridStyle, PS_DASHDOT);
    EXPECT_EQ(axis.m_iSide, 1);
    EXPECT_EQ(axis.m_crColor, RGB(0, 128, 0));
    EXPECT_EQ(axis.m_crGrid, RGB(200, 0, 0));
}

TEST_F(ChartPropertyTest, CheckingTimeAxisSwitchesTheEnabledControls)
{
    Chart().GetYAxis(0).m_bAutoScale = false;
    ShowTab(CChartPage::TAB_AXIS);
    const int range[] = {IDC_AXMINVALUE, IDC_AXMAXVALUE, IDC_STEPVALUE, IDC_DECIMALS, IDC_AXSIDE};
    const int time[] = {IDC_MINDATE,  IDC_MINTIME,      IDC_MAXDATE,   IDC_MAXTIME,
                        IDC_TIMESTEP, IDC_TIMESTEPUNIT, IDC_TIMEFORMAT};
    for (bool bTime : {true, false})
    {
        Click(AxisDlg(), IDC_CBTIMEAXIS);
        for (int nID : range)
            EXPECT_EQ(IsEnabled(AxisDlg(), nID), !bTime) << nID;
        for (int nID : time)
            EXPECT_EQ(IsEnabled(AxisDlg(), nID), bTime) << nID;
    }
    // Automatic scaling leaves only the time format of a time axis.
    Click(AxisDlg(), IDC_CBAUTOSCALE);
    Click(AxisDlg(), IDC_CBTIMEAXIS);
    for (int nID : time)
        EXPECT_EQ(IsEnabled(AxisDlg(), nID), nID == IDC_TIMEFORMAT) << nID;
    EXPECT_FALSE(IsEnabled(AxisDlg(), IDC_AXMINVALUE));
}

TEST_F(ChartPropertyTest, FontsActAtOnceAndStayWhenThePageIsCancelled)
{
    ShowTab(CChartPage::TAB_AXIS);
    int nCalls = 0;
    CFontDialog::SetModalHook(
        [&nCalls](CFontDialog& dlg)
        {
            ++nCalls;
            EXPECT_EQ(dlg.m_cf.Flags & CF_INITTOLOGFONTSTRUCT, 0u) << "no font preselected";
            EXPECT_TRUE(dlg.m_cf.Flags & CF_EFFECTS);
            dlg.m_lf = {};
            dlg.m_lf.lfHeight = nCalls == 1 ? -21 : -17;
            std::strcpy(dlg.m_lf.lfFaceName, "Courier New");
            dlg.m_cf.rgbColors = RGB(255, 0, 0);
            return (INT_PTR)IDOK;
        });
    Click(AxisDlg(), IDC_AXFONT);
    Click(AxisDlg(), IDC_AXSCFONT);
    CFontDialog::SetModalHook(nullptr);
    ASSERT_EQ(nCalls, 2);
    AxisDlg().SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(Window().IsWindowVisible());
    LOGFONTA lfTitle = {}, lfTicks = {};
    Chart().GetYAxis(0).m_TitleFont.GetLogFont(&lfTitle);
    Chart().GetYAxis(0).m_Font.GetLogFont(&lfTicks);
    EXPECT_EQ(lfTitle.lfHeight, -21);
    EXPECT_EQ(lfTicks.lfHeight, -17);
    EXPECT_STREQ(lfTicks.lfFaceName, "Courier New");
}
