// The report's geometry and texts, and the rectangles the diagram bar is given for its output.
#include "storage/CDiagramSizing.h"
#include "storage/CReportLayout.h"

#include <gtest/gtest.h>

#include <string>

TEST(ReportLayout, CentimetresBecomePixelsOfTheResolutionLessHalfTheUnprintableMargin)
{
    // A whole A4 sheet printable: no offset; the frame's left edge lies at 591 pixels at 600 dpi.
    const CReportLayout whole(600, 4961, 7016);
    EXPECT_EQ(0, whole.m_iOffsetX);
    EXPECT_EQ(0, whole.m_iOffsetY);
    EXPECT_EQ(591, whole.X(2.5));
    // 4760 x 6814 printable pixels: 20.15 x 28.85 cm, half margins of 100 and 101 pixels.
    const CReportLayout printer(600, 4760, 6814);
    EXPECT_EQ(100, printer.m_iOffsetX);
    EXPECT_EQ(101, printer.m_iOffsetY);
    EXPECT_EQ(491, printer.X(2.5));
    EXPECT_EQ(301, printer.Y(1.7));
    // At 600 dpi the diagram area is 3800 x 5275 pixels (16.09 x 22.33 cm) centred at 10.85 cm.
    EXPECT_EQ(CRect(563, 950, 4363, 6225), printer.GetDiagramRect());
    // At 300 dpi the same sheet gives half of each figure.
    const CReportLayout half(300, 2380, 3407);
    EXPECT_EQ(50, half.m_iOffsetX);
    EXPECT_EQ(CRect(281, 476, 2181, 3113), half.GetDiagramRect());
}

TEST(ReportLayout, FontsScaleWithTheResolution)
{
    const struct
    {
        int iResolution;
        int iHeights[3];
        int iWeights[3];
    } cases[] = {{600, {1700, 600, 500}, {700, 380, 315}}, {300, {850, 300, 250}, {350, 190, 157}}};
    for (const auto& c : cases)
    {
        const CReportLayout layout(c.iResolution, 2000, 3000);
        for (int i = 0; i < 3; ++i)
        {
            const auto font = static_cast<CReportLayout::ReportFont>(i);
            EXPECT_EQ(c.iHeights[i], layout.FontHeight(font)) << c.iResolution << " " << i;
            EXPECT_EQ(c.iWeights[i], layout.FontWeight(font)) << c.iResolution << " " << i;
        }
    }
}

TEST(ReportLayout, HeadlineLosesItsLineBreaksAndCommentAndAddressLinesAreJoinedAndCut)
{
    EXPECT_EQ("ABCD", std::string(CReportLayout::CleanHeadline("AB\r\nCD")));
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRST",
              std::string(CReportLayout::CleanHeadline("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234")));
    EXPECT_EQ("x y", std::string(CReportLayout::JoinLines({"x", "y"}, CReportLayout::COMMENT_LENGTH)));
    EXPECT_EQ(std::string(82, 'a'),
              std::string(CReportLayout::JoinLines({CString(std::string(100, 'a').c_str())},
                                                   CReportLayout::ADDRESS_LENGTH)));
    const CString strForty(std::string(40, 'b').c_str());
    EXPECT_EQ(std::string(40, 'b') + " " + std::string(16, 'b'),
              std::string(CReportLayout::JoinLines({strForty, strForty}, CReportLayout::COMMENT_LENGTH)));
    const std::vector<CString> lines = CReportLayout::SplitLines("one\r\ntwo\nthree");
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("two", std::string(lines[1]));
    EXPECT_TRUE(CReportLayout::SplitLines("").empty());
}

TEST(DiagramSizing, RectanglesOfTheSizeKindsBeforeAndAfterTheMargin)
{
    const CRect LANDSCAPE(0, 0, 1920, 1040);
    const CRect PORTRAIT(0, 0, 1040, 1920);
    const struct
    {
        int iKind;
        CRect rcWork;
        CRect rcVirtual;
        CRect rcSized;
        CRect rcCut;
    } cases[] = {
        {CDiagramSizing::SIZE_WORK_AREA, LANDSCAPE, LANDSCAPE, {0, 0, 1920, 1040}, {0, 0, 1872, 992}},
        {CDiagramSizing::SIZE_NORMAL, LANDSCAPE, LANDSCAPE, {0, 0, 800, 700}, {0, 0, 780, 680}},
        // Two monitors side by side: the margin's height share is divided by the quotient 3.
        {CDiagramSizing::SIZE_ALL_MONITORS,
         LANDSCAPE,
         {0, 0, 3840, 1040},
         {0, 0, 3840, 1040},
         {0, 0, 3744, 1008}},
        // A work area taller than wide: the quotient 0 counts as 1.
        {CDiagramSizing::SIZE_ALL_MONITORS, PORTRAIT, PORTRAIT, {0, 0, 1040, 1920}, {0, 0, 1014, 1894}},
        {CDiagramSizing::SIZE_WORK_AREA, PORTRAIT, PORTRAIT, {0, 0, 1040, 1920}, {0, 0, 1014, 1894}},
        {CDiagramSizing::SIZE_NORMAL, PORTRAIT, PORTRAIT, {0, 0, 700, 800}, {0, 0, 683, 783}},
        // The print size, 1920 x 1365, moved and shrunk into the start-up work area (widths cut to 1600).
        {CDiagramSizing::SIZE_PRINT, LANDSCAPE, LANDSCAPE, {0, 0, 1600, 1040}, {0, 0, 1560, 1000}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.iKind);
        CRect rc;
        ASSERT_TRUE(CDiagramSizing::OutputRect(c.iKind, c.rcWork, c.rcVirtual, c.rcWork, rc));
        EXPECT_EQ(c.rcSized, rc);
        CDiagramSizing::CutMargin(rc);
        EXPECT_EQ(c.rcCut, rc);
    }
    CRect rc(1, 2, 3, 4);
    EXPECT_FALSE(
        CDiagramSizing::OutputRect(CDiagramSizing::SIZE_WINDOW, LANDSCAPE, LANDSCAPE, LANDSCAPE, rc));
    EXPECT_FALSE(CDiagramSizing::OutputRect(7, LANDSCAPE, LANDSCAPE, LANDSCAPE, rc));
}
