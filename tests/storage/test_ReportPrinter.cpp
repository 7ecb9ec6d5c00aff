// The report drawn on an A4 bitmap at 100 pixels per inch: the frame and header cells at the pixels of
// their centimetres, the logo in its cell, the diagram turned a quarter turn and stretched into its area,
// and with an unreadable diagram the rest of the page without it. No text pixels are compared.
#include "storage/CPage.h"
#include "storage/CReportLayout.h"
#include "storage/CReportPrinter.h"

#include "BuildTreeFiles.h"
#include "PageCanvas.h"
#include "TwoColourPicture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF GREEN = RGB(0, 160, 0);
// A4 at 100 pixels per inch.
constexpr int A4_WIDTH = 827;
constexpr int A4_HEIGHT = 1169;

CString WritePicture(const char* lpszName, int cx, int cy, COLORREF crLeft, COLORREF crRight)
{
    const CString strPath = BuildTreePath(CString("tests/storage_report_") + lpszName + ".bmp");
    EXPECT_TRUE(WriteTwoColourPicture(strPath, cx, cy, crLeft, crRight));
    return strPath;
}

CSize BitmapSize(const CString& strPath)
{
    const std::vector<BYTE> bytes = ReadBytes(strPath);
    BITMAPINFOHEADER header = {};
    if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(header))
        return CSize(0, 0);
    std::memcpy(&header, bytes.data() + sizeof(BITMAPFILEHEADER), sizeof(header));
    return CSize(header.biWidth, std::abs(header.biHeight));
}

class ReportPrinterTest : public ::testing::Test
{
protected:
    // Draws the report at 100 pixels per inch over the whole canvas.
    void Draw(const ReportContent& content)
    {
        CPage page(0, 0, A4_WIDTH, A4_HEIGHT, &m_canvas.m_dc, CPage::MAP_TEXT);
        page.m_state.offsetX = 0;
        m_printer.DrawReport(page, m_layout, content, nullptr);
    }
    bool IsDark(int x, int y) const
    {
        const COLORREF cr = m_canvas.Pixel(x, y);
        return GetRValue(cr) + GetGValue(cr) + GetBValue(cr) < 200;
    }

    PageCanvas m_canvas{A4_WIDTH, A4_HEIGHT};
    // The whole sheet is printable: no margin to move by.
    CReportLayout m_layout{100, A4_WIDTH, A4_HEIGHT};
    CReportPrinter m_printer;
};
} // namespace

TEST_F(ReportPrinterTest, FrameCellsLogoAndTheTurnedDiagramLieWhereTheirCentimetresSay)
{
    ASSERT_EQ(0, m_layout.m_iOffsetX);
    ASSERT_EQ(0, m_layout.m_iOffsetY);
    ReportContent content;
    content.strHeadline = "Messung";
    content.strComment = "Kommentar";
    content.strAddress = "Adresse";
    content.strDate = "01.02.2026";
    content.strTime = "12:00:00 Uhr";
    content.strLogoFile = WritePicture("logo", 20, 20, GREEN, GREEN);
    content.strDiagramFile = WritePicture("diagram", 60, 40, RED, BLUE);
    Draw(content);
    m_canvas.Save("report_a4_100dpi");
    EXPECT_TRUE(m_printer.m_strError.IsEmpty()) << m_printer.m_strError.GetString();

    // Frame: 2.5 and 19.2 cm across, 1.7 and 27.7 cm down: (int)(100 * cm / 2.54 + 0.5).
    for (int y : {67, 600, 1091})
    {
        EXPECT_TRUE(IsDark(98, y)) << y;
        EXPECT_TRUE(IsDark(756, y)) << y;
    }
    for (int x : {98, 400, 756})
    {
        EXPECT_TRUE(IsDark(x, 67)) << x;
        EXPECT_TRUE(IsDark(x, 1091)) << x;
        EXPECT_TRUE(IsDark(x, 165)) << x; // the header's bottom, 4.2 cm
    }
    // The header cells' lines at 5.0 and 16.7 cm, from 1.7 to 4.2 cm, and not below.
    EXPECT_TRUE(IsDark(197, 120));
    EXPECT_TRUE(IsDark(657, 120));
    EXPECT_FALSE(IsDark(197, 300));
    EXPECT_FALSE(IsDark(657, 300));
    // Nothing outside the frame.
    EXPECT_EQ(0, m_canvas.CountOther(CRect(0, 0, 90, A4_HEIGHT), PAGE_WHITE));
    EXPECT_EQ(0, m_canvas.CountOther(CRect(0, 1100, A4_WIDTH, A4_HEIGHT), PAGE_WHITE));

    // The logo fills its cell: 2.65 to 4.85 cm across, 1.85 to 4.05 cm down.
    EXPECT_EQ(m_canvas.Pixel(130, 120), GREEN);
    EXPECT_EQ(70 * 70, m_canvas.Count(CRect(106, 75, 176, 145), GREEN));

    // The diagram area: centred at 10.85 cm, 632 pixels wide, from 4.45 cm 879 pixels down.
    const CRect rcDiagram = m_layout.GetDiagramRect();
    EXPECT_EQ(CRect(111, 175, 743, 1054), rcDiagram);
    // Turned counter-clockwise: the picture's left half (red) is now its bottom half.
    EXPECT_EQ(BLUE, m_canvas.Pixel(427, 210));
    EXPECT_EQ(RED, m_canvas.Pixel(427, 1020));
    EXPECT_EQ(BLUE, m_canvas.Pixel(250, 500));
    EXPECT_EQ(RED, m_canvas.Pixel(600, 700));
    EXPECT_EQ(PAGE_WHITE, m_canvas.Pixel(427, 1060));
    // The file now holds the turned picture, large enough for it.
    EXPECT_EQ(CSize(42, 62), BitmapSize(content.strDiagramFile));
}

TEST_F(ReportPrinterTest, AnUnreadableDiagramLeavesItsAreaEmptyAndTheRestIsDrawn)
{
    ReportContent content;
    content.strLogoFile = WritePicture("logo_only", 20, 20, GREEN, GREEN);
    content.strDiagramFile = BuildTreePath("tests/storage_report_missing.bmp");
    ::DeleteFileA(content.strDiagramFile);
    Draw(content);
    EXPECT_NE(-1, m_printer.m_strError.Find("cannot be read")) << m_printer.m_strError.GetString();
    EXPECT_EQ(0, m_canvas.CountOther(m_layout.GetDiagramRect(), PAGE_WHITE));
    EXPECT_TRUE(IsDark(98, 600));
    EXPECT_EQ(m_canvas.Pixel(130, 120), GREEN);
    // A truncated diagram file is not drawn either.
    WriteBytes(content.strDiagramFile, {'B', 'M', 0, 0});
    m_canvas.Fill(PAGE_WHITE);
    Draw(content);
    EXPECT_EQ(0, m_canvas.CountOther(m_layout.GetDiagramRect(), PAGE_WHITE));
    ::DeleteFileA(content.strDiagramFile);
}
