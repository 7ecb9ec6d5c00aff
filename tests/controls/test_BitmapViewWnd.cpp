// The bitmap window: the layout table of fit modes and alignments, the setters, ownership of the
// bitmap, loading a resource, taking a static control's place, the click message, and pictures of it.
#include "controls/CBitmapViewWnd.h"

#include "ClientShot.h"
#include "PictureTestIds.h"
#include "QuadrantPicture.h"
#include "framework/CBrush.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr COLORREF MARGIN = RGB(0, 128, 128);

bool IsGdiObject(HGDIOBJ h)
{
    return ::GetObjectType(h) != 0;
}

// The parent: records the click messages of its children.
class CClickRecorder : public CWnd
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> m_clicks;

protected:
    afx_msg LRESULT OnImageClick(WPARAM wParam, LPARAM lParam)
    {
        m_clicks.emplace_back(wParam, lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickRecorder, CWnd)
ON_MESSAGE(WM_WNDIMAGE_CLICK, OnImageClick)
END_MESSAGE_MAP()

class BitmapView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "pictures", WS_POPUP | WS_VISIBLE, 60, 60, 340, 340,
                                      nullptr, nullptr));
        ASSERT_TRUE(
            m_view.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &m_parent, 1023));
    }
    void TearDown() override
    {
        m_view.DestroyWindow();
        m_parent.DestroyWindow();
    }

    CClickRecorder m_parent;
    CBitmapViewWnd m_view;
};

CRect Rect(int l, int t, int r, int b)
{
    return CRect(l, t, r, b);
}
} // namespace

TEST(BitmapViewConstruction, Defaults)
{
    CBitmapViewWnd view;
    EXPECT_EQ(view.m_bitmap.GetSafeHandle(), nullptr);
    EXPECT_EQ(view.m_hbrMargin, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(view.m_iFitMode, 2);
    EXPECT_EQ(view.m_iAlignX, 2);
    EXPECT_EQ(view.m_iAlignY, 2);
    EXPECT_EQ(view.m_dZoomX, 1.0);
    EXPECT_EQ(view.m_dZoomY, 1.0);
    EXPECT_TRUE(view.m_rcDest.IsRectEmpty());
    EXPECT_EQ(view.m_bOwnBitmap, 0);
}

TEST_F(BitmapView, LayoutTable)
{
    m_view.SetBitmap(MakeQuadrantBitmap(100, 50), TRUE);
    const struct
    {
        int nFit, nAlignX, nAlignY;
        CRect rcExpected;
        double dZoom; // 0: not checked
    } cases[] = {
        {6, 2, 2, Rect(0, 0, 300, 150), 3.0},    {6, 2, 3, Rect(0, 75, 300, 225), 3.0},
        {6, 3, 4, Rect(0, 150, 300, 300), 3.0},  {7, 2, 2, Rect(0, 0, 600, 300), 6.0},
        {7, 3, 3, Rect(-150, 0, 450, 300), 6.0}, {4, 2, 2, Rect(0, 0, 300, 150), 3.0},
        {5, 4, 2, Rect(-300, 0, 300, 300), 6.0}, {3, 3, 3, Rect(0, 0, 300, 300), 0},
        {2, 2, 2, Rect(0, 0, 100, 50), 0},       {2, 4, 4, Rect(200, 250, 300, 300), 0},
        {2, 3, 3, Rect(100, 125, 200, 175), 0},  {8, 2, 2, Rect(0, 0, 300, 300), 0},
        {-1, 2, 2, Rect(0, 0, 100, 50), 0}, // any other mode: natural size
    };
    for (const auto& c : cases)
    {
        m_view.m_iFitMode = c.nFit;
        m_view.m_iAlignX = c.nAlignX;
        m_view.m_iAlignY = c.nAlignY;
        m_view.UpdateLayout(FALSE);
        EXPECT_EQ(m_view.m_rcDest, c.rcExpected) << c.nFit << " " << c.nAlignX << " " << c.nAlignY;
        if (c.dZoom != 0)
        {
            EXPECT_DOUBLE_EQ(m_view.m_dZoomX, c.dZoom) << c.nFit;
            EXPECT_DOUBLE_EQ(m_view.m_dZoomY, c.dZoom) << c.nFit;
        }
    }

    // Explicit zoom and offsets; products are truncated.
    m_view.SetZoom(1.5, 2.01);
    EXPECT_EQ(m_view.m_iFitMode, 1);
    EXPECT_EQ(m_view.m_rcDest, Rect(0, 0, 150, 100));
    m_view.SetOrigin(-10, 20);
    EXPECT_EQ(m_view.m_iAlignX, 1);
    EXPECT_EQ(m_view.m_iAlignY, 1);
    EXPECT_EQ(m_view.m_rcDest, Rect(-10, 20, 140, 120));
    m_view.SetZoom(0.5);
    EXPECT_EQ(m_view.m_rcDest, Rect(-10, 20, 40, 45));

    // No room, no bitmap: nothing to place.
    m_view.SetWindowPos(nullptr, 0, 0, 0, 300, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    EXPECT_TRUE(m_view.m_rcDest.IsRectEmpty());
    m_view.SetWindowPos(nullptr, 0, 0, 300, 300, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    EXPECT_EQ(m_view.m_rcDest, Rect(-10, 20, 40, 45)); // laid out again on the size change
    m_view.SetBitmap(nullptr);
    EXPECT_EQ(m_view.m_cxBitmap, 0);
    EXPECT_TRUE(m_view.m_rcSource.IsRectEmpty());
    EXPECT_TRUE(m_view.m_rcDest.IsRectEmpty());
}

TEST_F(BitmapView, FitModeSetterRepaintsOnlyOnAChange)
{
    m_view.SetBitmap(MakeQuadrantBitmap(100, 50), TRUE);
    for (int nMode : {0, 9})
    {
        m_view.SetFitMode(6);
        m_view.SetFitMode(nMode);
        EXPECT_EQ(m_view.m_iFitMode, 2) << nMode;
    }
    ::ValidateRect(m_view, nullptr);
    m_view.SetFitMode(2);
    EXPECT_FALSE(::GetUpdateRect(m_view, nullptr, FALSE));
    m_view.SetFitMode(6);
    EXPECT_TRUE(::GetUpdateRect(m_view, nullptr, FALSE));
    EXPECT_EQ(m_view.m_rcDest, Rect(0, 0, 300, 150));
}

TEST_F(BitmapView, DeletesOnlyTheBitmapsItOwns)
{
    HBITMAP hOwned = MakeQuadrantBitmap(10, 10);
    HBITMAP hLent = MakeQuadrantBitmap(20, 10);
    m_view.SetBitmap(hOwned, TRUE);
    m_view.SetBitmap(hOwned, FALSE); // the one shown: nothing changes
    EXPECT_EQ(m_view.m_bOwnBitmap, 1);
    m_view.SetBitmap(hLent, FALSE);
    EXPECT_FALSE(IsGdiObject(hOwned));
    EXPECT_EQ(m_view.m_cxBitmap, 20);
    EXPECT_EQ(m_view.m_rcSource, Rect(0, 0, 20, 10));
    m_view.SetBitmap(nullptr);
    EXPECT_TRUE(IsGdiObject(hLent));

    // A loaded resource belongs to the window; a failed load removes the picture.
    ASSERT_TRUE(m_view.LoadBitmapResource(IDB_TEST_QUADRANTS));
    EXPECT_EQ(m_view.m_cxBitmap, 40);
    EXPECT_EQ(m_view.m_cyBitmap, 20);
    HBITMAP hLoaded = static_cast<HBITMAP>(m_view.m_bitmap);
    EXPECT_FALSE(m_view.LoadBitmapResource("NO_SUCH_BITMAP"));
    EXPECT_FALSE(IsGdiObject(hLoaded));
    EXPECT_EQ(m_view.m_cxBitmap, 0);
    {
        CBitmapViewWnd view;
        view.SetBitmap(hLent, TRUE);
    }
    EXPECT_FALSE(IsGdiObject(hLent));
}

TEST_F(BitmapView, TakesTheStaticControlsPlace)
{
    CWnd picture;
    ASSERT_TRUE(picture.CreateEx(WS_EX_STATICEDGE, "STATIC", "logo", WS_CHILD | WS_VISIBLE | SS_BITMAP,
                                 CRect(12, 14, 112, 64), &m_parent, 1253));
    HBITMAP hLogo = MakeQuadrantBitmap(100, 50);
    picture.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hLogo));
    CRect rcStatic;
    picture.GetWindowRect(&rcStatic);
    m_parent.ScreenToClient(&rcStatic);
    const DWORD dwStyle = picture.GetStyle();
    const HWND hStatic = picture.GetSafeHwnd();

    CBitmapViewWnd view;
    ASSERT_TRUE(view.CreateFromStatic(&picture));
    EXPECT_FALSE(::IsWindow(hStatic));
    EXPECT_EQ(view.GetDlgCtrlID(), 1253);
    EXPECT_EQ(view.GetParent(), &m_parent);
    EXPECT_EQ(view.GetStyle(), dwStyle);
    EXPECT_EQ(view.GetExStyle() & WS_EX_STATICEDGE, (DWORD)WS_EX_STATICEDGE);
    CString strText;
    view.GetWindowText(strText);
    EXPECT_EQ(strText, "logo");
    CRect rc;
    view.GetWindowRect(&rc);
    m_parent.ScreenToClient(&rc);
    EXPECT_EQ(rc, rcStatic);
    EXPECT_EQ(static_cast<HBITMAP>(view.m_bitmap), hLogo);
    EXPECT_EQ(view.m_bOwnBitmap, 0);
    EXPECT_EQ(view.m_iFitMode, 6);
    view.DestroyWindow();
    EXPECT_TRUE(IsGdiObject(hLogo));
    ::DeleteObject(hLogo);

    // Without a picture the fit mode stays.
    CWnd empty;
    ASSERT_TRUE(empty.CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &m_parent, 1254));
    CBitmapViewWnd view2;
    ASSERT_TRUE(view2.CreateFromStatic(&empty));
    EXPECT_EQ(view2.m_iFitMode, 2);
    view2.DestroyWindow();
}

namespace
{
LRESULT CALLBACK RefuseCreation(int nCode, WPARAM wParam, LPARAM lParam)
{
    return nCode == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
} // namespace

TEST_F(BitmapView, CreateFromStaticFailures)
{
    CBitmapViewWnd view;
    EXPECT_FALSE(view.CreateFromStatic(nullptr));
    CWnd notAWindow;
    EXPECT_FALSE(view.CreateFromStatic(&notAWindow));

    // Its own window cannot be made.
    CWnd picture;
    ASSERT_TRUE(picture.CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &m_parent, 1255));
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, RefuseCreation, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    EXPECT_FALSE(view.CreateFromStatic(&picture));
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(view.GetSafeHwnd(), nullptr);
}

TEST_F(BitmapView, PressPostsTheClickToTheParent)
{
    m_view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 250));
    EXPECT_EQ(CWnd::GetCapture(), &m_view);
    EXPECT_EQ(CWnd::GetFocus(), &m_view);
    m_view.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(7, 250));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !m_parent.m_clicks.empty(); }, 2000));
    ASSERT_EQ(m_parent.m_clicks.size(), 1u);
    EXPECT_EQ(m_parent.m_clicks[0].first, 1023u);
    EXPECT_EQ(m_parent.m_clicks[0].second, 7 * 65535 + 250);
}

TEST_F(BitmapView, PictureFittedInsideAndCentredWithMargins)
{
    CBrush brush(MARGIN);
    m_view.SetBackgroundBrush(&brush);
    m_view.SetBitmap(MakeQuadrantBitmap(100, 50), TRUE);
    m_view.m_iAlignY = CBitmapViewWnd::ALIGN_CENTER;
    m_view.SetFitMode(CBitmapViewWnd::FIT_INSIDE);
    EXPECT_EQ(m_view.m_rcDest, Rect(0, 75, 300, 225));
    CClientShot shot(&m_view);
    EXPECT_EQ(shot.Count(Rect(0, 0, 300, 75), MARGIN), 300 * 75);
    EXPECT_EQ(shot.Count(Rect(0, 225, 300, 300), MARGIN), 300 * 75);
    EXPECT_EQ(shot.Pixel(5, 80), RED);
    EXPECT_EQ(shot.Pixel(294, 80), BLUE);
    EXPECT_EQ(shot.Pixel(5, 219), GREEN);
    EXPECT_EQ(shot.Pixel(294, 219), YELLOW);
    EXPECT_EQ(shot.Pixel(140, 140), RED);
    EXPECT_EQ(shot.Pixel(160, 160), YELLOW);
    EXPECT_TRUE(shot.Save("controls_bitmap_view_inside"));

    m_view.SetBitmap(nullptr);
    EXPECT_EQ(CClientShot(&m_view).Count(Rect(0, 0, 300, 300), MARGIN), 300 * 300);
}

TEST_F(BitmapView, PictureOfTilesFromTheOrigin)
{
    ASSERT_TRUE(m_view.LoadBitmapResource(IDB_TEST_QUADRANTS));
    m_view.SetFitMode(CBitmapViewWnd::FIT_TILE);
    CClientShot shot(&m_view);
    // Tiles of 40 x 20: columns 40 apart, rows 20 apart.
    for (int x0 : {0, 40, 200, 240})
        for (int y0 : {0, 20, 140, 280})
        {
            EXPECT_EQ(shot.Pixel(x0, y0), RED) << x0 << "," << y0;
            EXPECT_EQ(shot.Pixel(x0 + 39, y0), BLUE) << x0 << "," << y0;
            EXPECT_EQ(shot.Pixel(x0, y0 + 19), GREEN) << x0 << "," << y0;
            EXPECT_EQ(shot.Pixel(x0 + 39, y0 + 19), YELLOW) << x0 << "," << y0;
        }
    EXPECT_TRUE(shot.Save("controls_bitmap_view_tiles"));

    m_view.SetOrigin(-10, -5);
    CClientShot shifted(&m_view);
    EXPECT_EQ(shifted.Pixel(0, 0), RED);
    EXPECT_EQ(shifted.Pixel(10, 0), BLUE);
    EXPECT_EQ(shifted.Pixel(30, 15), RED);
    EXPECT_EQ(shifted.Pixel(29, 5), YELLOW);
}
