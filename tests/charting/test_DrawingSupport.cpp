#include "ChartCanvas.h"

#include "charting/CBrushSelector.h"
#include "charting/CFontSelector.h"
#include "charting/CMemDC_Tervane.h"
#include "charting/CPenSelector.h"
#include "charting/CQuickFont.h"
#include "charting/PlotPainters.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CPen.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

LOGPEN CurrentPen(CDC& dc)
{
    LOGPEN lp = {};
    ::GetObjectA(::GetCurrentObject(dc, OBJ_PEN), sizeof(lp), &lp);
    return lp;
}

LOGFONTA CurrentFont(CDC& dc)
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf);
    return lf;
}

// A canvas whose context scales by 6.25 in both directions, as for a 600 dpi printer.
void SetPrinterScale(CDCEx& dc)
{
    dc.m_bScaleComputed = true;
    dc.m_bScaling = true;
    dc.m_fScaleX = dc.m_fScaleY = 6.25f;
}
} // namespace

TEST(DCEx, ScaleFactorIsTheLargerResolutionOverTheSmaller)
{
    struct Case
    {
        int nScreen, nTarget;
        float fFactor;
    };
    for (const Case& c : {Case{96, 600, 6.25f}, Case{96, 96, 1.0f}, Case{96, 48, 2.0f}, Case{96, 0, 1.0f}})
        EXPECT_FLOAT_EQ(CDCEx::ScaleFactor(c.nScreen, c.nTarget), c.fFactor) << c.nScreen << " " << c.nTarget;
    for (int n : {2, 16, 0})
        EXPECT_TRUE(CDCEx::IsMonochromeColorCount(n)) << n;
    for (int n : {-1, 256})
        EXPECT_FALSE(CDCEx::IsMonochromeColorCount(n)) << n;
}

TEST(DCEx, FactorsOfAScreenContextAreOne)
{
    ChartCanvas canvas(10, 10);
    canvas.m_dc.m_bScaleComputed = false;
    CRect rect(10, 10, 20, 20);
    canvas.m_dc.ScaleRect(rect); // computes the factors on first need
    EXPECT_TRUE(canvas.m_dc.m_bScaleComputed);
    EXPECT_FLOAT_EQ(canvas.m_dc.m_fScaleX, 1.0f);
    EXPECT_FLOAT_EQ(canvas.m_dc.m_fScaleY, 1.0f);
    EXPECT_FALSE(canvas.m_dc.m_bMonochrome);
    EXPECT_EQ(rect, CRect(10, 10, 20, 20));
}

TEST(DCEx, ScaledOperationsMultiplyOnlyWhileScaling)
{
    ChartCanvas canvas(160, 160);
    CDCEx& dc = canvas.m_dc;
    CRect rect(10, 10, 20, 20);
    dc.m_fScaleX = dc.m_fScaleY = 6.25f;
    dc.ScaleRect(rect); // unconditional
    EXPECT_EQ(rect, CRect(62, 62, 125, 125));

    dc.FillSolidRect(CRect(1, 1, 3, 3), kRed); // not scaling yet
    EXPECT_EQ(canvas.Count(CRect(0, 0, 160, 160), kRed), 4);
    dc.m_bScaling = true;
    dc.FillSolidRect(2, 2, 2, 2, kGreen); // origin and size scaled apart: (12, 12), 12 x 12
    EXPECT_EQ(canvas.Count(CRect(0, 0, 160, 160), kGreen), 12 * 12);
    EXPECT_EQ(canvas.Pixel(12, 12), kGreen);

    // DT_CALCRECT scales the caller's rectangle and hands back the computed one.
    CRect rcCalc(2, 2, 3, 3);
    dc.DrawText(CString("W"), rcCalc, DT_CALCRECT);
    EXPECT_EQ(rcCalc.left, 12);
    EXPECT_EQ(rcCalc.top, 12);
    EXPECT_GT(rcCalc.Width(), 1);
}

TEST(DCEx, PolygonIsScaledOnACopy)
{
    ChartCanvas canvas(80, 80);
    SetPrinterScale(canvas.m_dc);
    POINT pts[3] = {{0, 0}, {8, 0}, {0, 8}};
    CBrushSelector brush(kRed, &canvas.m_dc);
    canvas.m_dc.Polygon(pts, 3);
    EXPECT_EQ(pts[1].x, 8);
    EXPECT_EQ(canvas.Pixel(45, 3), kRed); // inside the triangle up to 50
    EXPECT_EQ(canvas.Pixel(3, 45), kRed);
    EXPECT_EQ(canvas.Pixel(45, 45), kWhite);
}

TEST(Selectors, RestoreThePreviousObjectsInReverseOrder)
{
    ChartCanvas canvas(20, 20);
    CDCEx& dc = canvas.m_dc;
    const HGDIOBJ hPen = ::GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ hBrush = ::GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ hFont = ::GetCurrentObject(dc, OBJ_FONT);
    CQuickFont font("Arial", 20, FW_BOLD, true);
    {
        CPenSelector pen(kRed, 3, &dc, PS_SOLID);
        CBrushSelector brush(kGreen, HS_CROSS, &dc);
        CFontSelector select(&font, &dc, true);
        EXPECT_EQ(CurrentPen(dc).lopnColor, kRed);
        EXPECT_EQ(CurrentPen(dc).lopnWidth.x, 3);
        LOGBRUSH lb = {};
        ::GetObjectA(::GetCurrentObject(dc, OBJ_BRUSH), sizeof(lb), &lb);
        EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
        EXPECT_EQ(lb.lbColor, kGreen);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font.m_hObject); // not scaling: the font itself
        EXPECT_EQ(CurrentFont(dc).lfUnderline, 1);
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), hPen);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), hBrush);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), hFont);
}

TEST(Selectors, PrintingWidensSolidPensAndScalesMarkedFonts)
{
    ChartCanvas canvas(20, 20);
    CDCEx& dc = canvas.m_dc;
    SetPrinterScale(dc);
    {
        CPenSelector pen(kRed, 1, &dc, PS_SOLID);
        EXPECT_EQ(CurrentPen(dc).lopnWidth.x, 6);
    }
    {
        CPenSelector pen(kRed, 1, &dc, PS_DASH);
        EXPECT_EQ(CurrentPen(dc).lopnWidth.x, 1);
    }
    CQuickFont font("Arial", 13, FW_NORMAL, false);
    {
        CFontSelector select(&font, &dc, true);
        EXPECT_EQ(CurrentFont(dc).lfHeight, 75); // (13 - 1) * 6.25
    }
    {
        CFontSelector select(&font, &dc, false);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font.m_hObject);
    }
}

TEST(QuickFont, CreatesTheFontAsAsked)
{
    CQuickFont font("Arial", -17, FW_BOLD, true);
    LOGFONTA lf = {};
    ASSERT_NE(font.GetLogFont(&lf), 0);
    EXPECT_EQ(lf.lfHeight, -17);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfQuality, ANTIALIASED_QUALITY);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    CQuickFont copy(lf);
    LOGFONTA lfCopy = {};
    copy.GetLogFont(&lfCopy);
    EXPECT_EQ(lfCopy.lfHeight, -17);
}

namespace
{
// The target of the memory context: a 100 x 60 bitmap in a context of its own.
class MemDCTest : public ::testing::Test
{
protected:
    void SetUp() override { m_target.Fill(kWhite); }
    ChartCanvas m_target{100, 60};
};
} // namespace

TEST_F(MemDCTest, ShowsNothingUntilDestroyedThenCopiesTheDrawingRectangle)
{
    CDC& target = m_target.m_dc;
    target.SetBkColor(kGreen);
    {
        CMemDC_Tervane mem(&target, CRect(), CRect(10, 10, 60, 40));
        EXPECT_EQ(mem.GetPixel(10, 10), kGreen);        // filled with the target's background colour
        mem.FillSolidRect(CRect(20, 20, 30, 30), kRed); // same logical coordinates as the target
        EXPECT_EQ(m_target.Count(CRect(0, 0, 100, 60), kWhite), 100 * 60);
    }
    EXPECT_EQ(m_target.Count(CRect(10, 10, 60, 40), kGreen), 50 * 30 - 100);
    EXPECT_EQ(m_target.Count(CRect(20, 20, 30, 30), kRed), 100);
    EXPECT_EQ(m_target.Count(CRect(0, 0, 100, 60), kWhite), 100 * 60 - 50 * 30);
}

TEST_F(MemDCTest, ACopyRectangleLimitsWhatIsCopiedBack)
{
    CDC& target = m_target.m_dc;
    target.SetBkColor(kGreen);
    {
        CMemDC_Tervane mem(&target, CRect(10, 10, 20, 20), CRect(0, 0, 100, 60));
        mem.FillSolidRect(CRect(0, 0, 100, 60), kRed);
    }
    EXPECT_EQ(m_target.Count(CRect(0, 0, 100, 60), kRed), 100);
    EXPECT_EQ(m_target.Count(CRect(10, 10, 20, 20), kRed), 100);
}

TEST_F(MemDCTest, SecondFormDrawsOverTheClipBoxLessTheWidthReduction)
{
    CDC& target = m_target.m_dc;
    target.IntersectClipRect(30, 5, 90, 25);
    target.SetBkColor(kGreen);
    {
        CMemDC_Tervane mem(&target, 10);
        EXPECT_EQ(mem.m_rectDraw, CRect(30, 5, 90, 25));
        BITMAP bm = {};
        mem.m_bitmap.GetBitmap(&bm);
        EXPECT_EQ(bm.bmWidth, 50);
        EXPECT_EQ(bm.bmHeight, 20);
    }
    EXPECT_EQ(m_target.Count(CRect(30, 5, 80, 25), kGreen), 50 * 20);
}

TEST_F(MemDCTest, OnAPrintingContextDrawsDirectlyAndLeavesTheContextAlive)
{
    CDC& target = m_target.m_dc;
    target.m_bPrinting = TRUE;
    target.SetBkColor(kGreen);
    {
        CMemDC_Tervane mem(&target, CRect(), CRect(0, 0, 40, 40));
        EXPECT_FALSE(mem.m_bOffscreen);
        EXPECT_EQ(mem.m_hDC, target.m_hDC);
        EXPECT_EQ(m_target.Count(CRect(0, 0, 40, 40), kGreen), 1600); // filled at once
        mem.FillSolidRect(CRect(0, 0, 5, 5), kRed);
        EXPECT_EQ(m_target.Pixel(2, 2), kRed);
    }
    target.m_bPrinting = FALSE;
    EXPECT_NE(::GetDeviceCaps(target, HORZRES), 0); // still a live context
    target.FillSolidRect(CRect(50, 50, 51, 51), kRed);
    EXPECT_EQ(m_target.Pixel(50, 50), kRed);
}

namespace
{
class MarkerTest : public ::testing::Test
{
protected:
    void SetUp() override { m_canvas.Fill(kWhite); }
    CRect Bounds(const CRect& area) const
    {
        CRect rc(1000, 1000, -1, -1);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (m_canvas.Pixel(x, y) != kWhite)
                    rc.SetRect(std::min<LONG>(rc.left, x), std::min<LONG>(rc.top, y),
                               std::max<LONG>(rc.right, x + 1), std::max<LONG>(rc.bottom, y + 1));
        return rc;
    }
    ChartCanvas m_canvas{200, 40};
};
} // namespace

TEST_F(MarkerTest, EveryPainterDrawsWithinItsSquareInTheMarkerColour)
{
    for (int n = 0; n < MARKER_SYMBOL_COUNT; ++n)
    {
        const int x = 5 + n * 24;
        PLOT_MARKER_PAINTERS[n](x, 10, 16, kRed, 0, &m_canvas.m_dc);
        const CRect bounds = Bounds(CRect(x - 4, 0, x + 21, 40));
        // Rectangle and ellipse leave out their right and bottom edges; the outlines of the polygons
        // and the cross's wide pen reach the far corner (x + s, y + s).
        const int nSlack = n == MARKER_SQUARE || n == MARKER_CIRCLE ? 0 : 1;
        EXPECT_GE(bounds.left, x - nSlack) << n;
        EXPECT_GE(bounds.top, 10 - nSlack) << n;
        EXPECT_LE(bounds.right, x + 16 + nSlack) << n;
        EXPECT_LE(bounds.bottom, 26 + nSlack) << n;
        EXPECT_GT(m_canvas.Count(CRect(x, 10, x + 16, 26), kRed), 20) << n;
    }
    m_canvas.Save("markers");
    // The left triangle's right edge lies at x + s - 1, the right triangle's tip at x + s.
    EXPECT_EQ(Bounds(CRect(5 + 4 * 24 - 4, 0, 5 + 4 * 24 + 21, 40)).right, 5 + 4 * 24 + 16);
    EXPECT_EQ(Bounds(CRect(5 + 6 * 24 - 4, 0, 5 + 6 * 24 + 21, 40)).right, 5 + 6 * 24 + 17);
}

TEST_F(MarkerTest, MonochromeContextsPaintInBlack)
{
    m_canvas.m_dc.m_bMonochrome = true;
    DrawMarkerSquare(5, 10, 16, kRed, 0, &m_canvas.m_dc);
    DrawMarkerCross(40, 10, 16, kRed, 0, &m_canvas.m_dc);
    DrawMarkerTriangleUp(70, 10, 16, kRed, 0, &m_canvas.m_dc);
    EXPECT_EQ(m_canvas.Count(CRect(0, 0, 200, 40), kRed), 0);
    EXPECT_EQ(m_canvas.Count(CRect(5, 10, 21, 26), kBlack), 256);
    EXPECT_GT(m_canvas.Count(CRect(40, 10, 57, 27), kBlack), 20);
}

TEST_F(MarkerTest, ADiamondOfSizeOneDegenerates)
{
    DrawMarkerDiamond(20, 20, 1, kRed, 0, &m_canvas.m_dc);
    const CRect bounds = Bounds(CRect(0, 0, 200, 40));
    EXPECT_LE(bounds.Width(), 2);
    EXPECT_LE(bounds.Height(), 2);
    EXPECT_EQ(bounds.left, 20);
    EXPECT_EQ(bounds.top, 20);
}

TEST_F(MarkerTest, FramedBoxAndAlphaFill)
{
    DrawFramedBox(&m_canvas.m_dc, CRect(5, 5, 25, 25), kRed, kBlack, 6);
    EXPECT_EQ(m_canvas.Pixel(15, 15), kRed);
    EXPECT_EQ(m_canvas.Pixel(25, 25), kBlack); // the frame runs through the corners
    EXPECT_EQ(m_canvas.Pixel(5, 15), kBlack);
    DrawFramedBox(&m_canvas.m_dc, CRect(35, 5, 55, 25), kRed, kBlack, 0); // frame only
    EXPECT_EQ(m_canvas.Pixel(45, 15), kWhite);

    FillRectAlpha(&m_canvas.m_dc, CRect(100, 5, 120, 25), RGB(0, 0, 0), 128);
    const COLORREF cr = m_canvas.Pixel(110, 15);
    EXPECT_NEAR(GetRValue(cr), 127, 2);
    EXPECT_EQ(m_canvas.Pixel(121, 15), kWhite);
}
