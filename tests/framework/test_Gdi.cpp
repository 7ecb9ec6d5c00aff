#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CFont.h"
#include "framework/CPen.h"
#include "framework/CRectTracker.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A memory context with a 64 x 32 screen-compatible bitmap, filled white.
class MemoryDCTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CClientDC screen(nullptr);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, 64, 32));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, 64, 32, kWhite);
    }
    void TearDown() override { m_dc.SelectObject(m_pOldBitmap); }

    int CountPixels(const CRect& rect, COLORREF cr)
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += m_dc.GetPixel(x, y) == cr;
        return n;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};
} // namespace

TEST_F(MemoryDCTest, LinesFillsAndTextLandInTheBitmap)
{
    CPen pen(PS_SOLID, 1, kRed);
    CPen* pOldPen = m_dc.SelectObject(&pen);
    m_dc.MoveTo(0, 5);
    m_dc.LineTo(40, 5);
    m_dc.SelectObject(pOldPen);
    EXPECT_EQ(m_dc.GetPixel(0, 5), kRed);
    EXPECT_EQ(m_dc.GetPixel(39, 5), kRed);
    EXPECT_EQ(m_dc.GetPixel(40, 5), kWhite); // the end point is not drawn
    EXPECT_EQ(m_dc.GetPixel(10, 6), kWhite);

    CBrush brush(kBlue);
    m_dc.FillRect(CRect(50, 10, 60, 20), &brush);
    EXPECT_EQ(CountPixels(CRect(50, 10, 60, 20), kBlue), 100);
    EXPECT_EQ(m_dc.GetPixel(60, 20), kWhite);

    m_dc.SetTextColor(RGB(0, 0, 0));
    m_dc.SetBkMode(TRANSPARENT);
    CRect rectText(0, 10, 48, 32);
    m_dc.DrawText(CString("Wg"), &rectText, DT_LEFT | DT_TOP | DT_SINGLELINE);
    EXPECT_GT(CountPixels(rectText, RGB(0, 0, 0)), 5);
    EXPECT_EQ(CountPixels(CRect(0, 0, 48, 5), RGB(0, 0, 0)), 0);
}

TEST_F(MemoryDCTest, SelectObjectHandsBackThePreviousObjectOfItsOwnClass)
{
    CPen pen1(PS_SOLID, 1, kRed);
    CPen pen2(PS_DOT, 1, kBlue);
    CPen* pStock = m_dc.SelectObject(&pen1);
    ASSERT_NE(pStock, nullptr);
    EXPECT_TRUE(pStock->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(pStock->m_hObject, ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(m_dc.SelectObject(&pen2), &pen1); // an attached object comes back as itself
    EXPECT_EQ(m_dc.GetCurrentPen(), &pen2);
    m_dc.SelectObject(pStock);

    // Temporary wrappers let go of their handle when the temporary maps are cleared.
    HBRUSH hBrush = ::CreateSolidBrush(kRed);
    CGdiObject* pTemp = CGdiObject::FromHandle(hBrush);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CBrush)));
    CWnd::DeleteTempMap();
    LOGBRUSH lb = {};
    EXPECT_EQ(::GetObjectA(hBrush, sizeof(lb), &lb), (int)sizeof(lb));
    EXPECT_EQ(lb.lbColor, kRed);
    ::DeleteObject(hBrush);
}

TEST(DeviceContext, StateGoesToBothHandlesQueriesToTheAttributeAndDrawingToTheOutput)
{
    CClientDC screen(nullptr);
    CDC out;
    CDC attrib;
    ASSERT_TRUE(out.CreateCompatibleDC(&screen));
    ASSERT_TRUE(attrib.CreateCompatibleDC(&screen));
    CBitmap bmpOut, bmpAttrib;
    ASSERT_TRUE(bmpOut.CreateCompatibleBitmap(&screen, 16, 16));
    ASSERT_TRUE(bmpAttrib.CreateCompatibleBitmap(&screen, 16, 16));
    CBitmap* pOldOut = out.SelectObject(&bmpOut);
    CBitmap* pOldAttrib = attrib.SelectObject(&bmpAttrib);
    out.FillSolidRect(0, 0, 16, 16, kWhite);
    attrib.FillSolidRect(0, 0, 16, 16, kWhite);

    CDC dc;
    ASSERT_TRUE(dc.Attach(out.m_hDC));
    dc.SetAttribDC(attrib.m_hDC);
    dc.SetTextColor(kBlue);
    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(::GetTextColor(out.m_hDC), kBlue);
    EXPECT_EQ(::GetTextColor(attrib.m_hDC), kBlue);
    EXPECT_EQ(::GetMapMode(out.m_hDC), MM_LOMETRIC);
    dc.SetMapMode(MM_TEXT);

    // Only the attribute handle holds this font: the extent is measured with it.
    CFont big;
    ASSERT_TRUE(big.CreateFont(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    HGDIOBJ hOldFont = ::SelectObject(attrib.m_hDC, big.m_hObject);
    SIZE sizeAttrib = {};
    ::GetTextExtentPoint32A(attrib.m_hDC, "W", 1, &sizeAttrib);
    EXPECT_EQ(dc.GetTextExtent(CString("W")), CSize(sizeAttrib));
    ::SelectObject(attrib.m_hDC, hOldFont);

    CPen pen(PS_SOLID, 1, kRed);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.MoveTo(0, 3);
    dc.LineTo(10, 3);
    dc.SelectObject(pOldPen);
    EXPECT_EQ(out.GetPixel(5, 3), kRed);
    EXPECT_EQ(attrib.GetPixel(5, 3), kWhite);

    dc.Detach();
    out.SelectObject(pOldOut);
    attrib.SelectObject(pOldAttrib);
}

TEST_F(MemoryDCTest, TrackerHandlesAndHatchedBorderLieOutsideTheRectangle)
{
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    CRectTracker tracker(CRect(20, 8, 44, 24), CRectTracker::hatchedBorder | CRectTracker::resizeOutside);
    CRect rcTrue;
    tracker.GetTrueRect(&rcTrue);
    EXPECT_EQ(rcTrue, CRect(13, 1, 51, 31));
    EXPECT_EQ(tracker.GetHandleRect(0), CRect(13, 1, 20, 8));
    EXPECT_EQ(tracker.GetHandleRect(2), CRect(44, 24, 51, 31));
    EXPECT_EQ(tracker.GetHandleRect(5), CRect(44, 12, 51, 19));

    const COLORREF crText = m_dc.GetTextColor();
    tracker.Draw(&m_dc);
    EXPECT_EQ(CountPixels(CRect(20, 8, 44, 24), kBlack), 0);
    for (int i = 0; i < 8; ++i)
    {
        const CRect handle = tracker.GetHandleRect(i);
        EXPECT_EQ(CountPixels(handle, kBlack), handle.Width() * handle.Height()) << "handle " << i;
    }
    const int nHatch = CountPixels(CRect(21, 1, 27, 8), kBlack); // between two handles
    EXPECT_GT(nHatch, 0);
    EXPECT_LT(nHatch, 42);
    EXPECT_EQ(CountPixels(CRect(0, 0, 64, 1), kBlack), 0);
    EXPECT_EQ(m_dc.GetTextColor(), crText);
    EXPECT_EQ(m_dc.GetCurrentPen()->m_hObject, ::GetStockObject(BLACK_PEN));
}

TEST_F(MemoryDCTest, TrackerSolidFrameWithoutHandles)
{
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    CRectTracker tracker(CRect(44, 24, 20, 8), CRectTracker::solidLine); // drawn normalised
    EXPECT_TRUE(tracker.GetHandleRect(0).IsRectEmpty());
    tracker.Draw(&m_dc);
    EXPECT_EQ(m_dc.GetPixel(20, 8), kBlack);
    EXPECT_EQ(m_dc.GetPixel(43, 23), kBlack);
    EXPECT_EQ(m_dc.GetPixel(30, 15), kWhite);
    EXPECT_EQ(CountPixels(CRect(0, 0, 64, 8), kBlack), 0);
}

// The caption buttons (minimise, maximise, close) are drawn with the symbol font Marlett; without it
// they read "0", "1", "r".
TEST(Gdi, CaptionButtonSymbolFontIsInstalled)
{
    HDC hdc = ::GetDC(nullptr);
    HFONT hFont =
        ::CreateFontA(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Marlett");
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    char szFace[LF_FACESIZE] = {};
    ::GetTextFaceA(hdc, LF_FACESIZE, szFace);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(nullptr, hdc);
    EXPECT_STREQ("Marlett", szFace);
}
