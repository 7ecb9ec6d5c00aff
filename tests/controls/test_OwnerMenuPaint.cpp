// Measuring and painting the owner-drawn menu's items, on a memory canvas: the flat style's strip,
// selection, image copies, check cell and texts, the classic style, and the off-screen context.
#include "OwnerMenuTestSupport.h"

#include "controls/COwnerMenuData.h"
#include "controls/COwnerMenuMemDC.h"
#include "framework/CFont.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF kSentinel = RGB(1, 2, 3);
// The item's rectangle on the canvas: 180 x 23, away from the canvas' corner.
const CRect kItem(10, 4, 190, 27);

class OwnerMenuPaintTest : public OwnerMenuTest
{
protected:
    void SetUp() override
    {
        OwnerMenuTest::SetUp();
        ASSERT_TRUE(m_menu.LoadMenu(IDR_OWNER_MENU_TEST));
        ASSERT_TRUE(m_menu.ModifyItemA(nullptr, ID_OM_SAVE_DIAGRAM, &m_images, 0));
        m_pFile = DYNAMIC_DOWNCAST(COwnerMenu, CMenu::FromHandlePermanent(::GetSubMenu(m_menu.m_hMenu, 0)));
        ASSERT_NE(m_pFile, nullptr);
    }
    // Paints File item nPos in nState on the canvas.
    void Draw(CTestCanvas& canvas, int nPos, UINT nState, bool bClassic = false, const CRect& rcItem = kItem)
    {
        DRAWITEMSTRUCT dis = {ODT_MENU,           0,      m_pFile->GetMenuItemID(nPos),
                              ODA_DRAWENTIRE,     nState, reinterpret_cast<HWND>(m_pFile->m_hMenu),
                              canvas.DC()->m_hDC, rcItem, (ULONG_PTR)m_pFile->GetRecord(nPos)};
        // The system draws menu items with the menu font selected.
        CFont font;
        CFont* pOldFont = COwnerMenu::CreateMenuFont(font) ? canvas.DC()->SelectObject(&font) : nullptr;
        if (bClassic)
            m_pFile->DrawItemClassic(&dis);
        else
            m_pFile->DrawItem(&dis);
        if (pOldFont != nullptr)
            canvas.DC()->SelectObject(pOldFont);
    }
    // Whether any pixel of the rectangle (canvas coordinates) differs from cr.
    static bool HasOtherThan(const CTestCanvas& canvas, const CRect& rc, COLORREF cr)
    {
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (canvas.Pixel(x, y) != cr)
                    return true;
        return false;
    }

    COwnerMenu m_menu;
    COwnerMenu* m_pFile = nullptr;
    const COLORREF m_crBack = COwnerMenu::MixWithBlack(::GetSysColor(COLOR_WINDOW), 0.02);
    const COLORREF m_crStrip = COwnerMenu::MixWithWhite(::GetSysColor(COLOR_BTNFACE), 0.25);
    const COLORREF m_crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF m_crMenuText = ::GetSysColor(COLOR_MENUTEXT);
    const COLORREF m_crShadow = ::GetSysColor(COLOR_BTNSHADOW);
};

constexpr int kImageX = 10 + 4; // the image's place in kItem: (left + 4, top + 4)
constexpr int kImageY = 4 + 4;
} // namespace

TEST_F(OwnerMenuPaintTest, MeasuresSeparatorsAndTextItems)
{
    auto measure = [this](int nPos)
    {
        MEASUREITEMSTRUCT mis = {ODT_MENU, 0, m_pFile->GetMenuItemID(nPos),
                                 0,        0, (ULONG_PTR)m_pFile->GetRecord(nPos)};
        m_pFile->MeasureItem(&mis);
        return CSize((int)mis.itemWidth, (int)mis.itemHeight);
    };
    EXPECT_EQ(measure(3), CSize(0, 3));
    const int cyItem = std::max(::GetSystemMetrics(SM_CYMENU), 23);
    for (int nClass : {1, 7})
    {
        // The menu font on a modern shell, else the context's own font.
        COwnerMenu::s_osClass = nClass;
        CClientDC dc(nullptr);
        CFont font;
        CFont* pOld = nClass == 7 && COwnerMenu::CreateMenuFont(font) ? dc.SelectObject(&font) : nullptr;
        RECT rc = {0, 0, 0, 0};
        ::DrawTextW(dc.m_hDC, m_pFile->GetRecord(2)->GetWideText(), -1, &rc, DT_SINGLELINE | DT_CALCRECT);
        if (pOld != nullptr)
            dc.SelectObject(pOld);
        EXPECT_EQ(measure(2), CSize(rc.right + 31, cyItem)) << nClass;
    }
}

TEST_F(OwnerMenuPaintTest, SeparatorIsAnEtchedLineRightOfTheStrip)
{
    CTestCanvas canvas(200, 32, kSentinel);
    const CRect rcSeparator(10, 4, 190, 11);
    Draw(canvas, 3, 0, false, rcSeparator);
    EXPECT_EQ(canvas.Pixel(12, 7), m_crStrip);
    EXPECT_EQ(canvas.Pixel(10 + 22, 7), m_crStrip);
    EXPECT_EQ(canvas.Pixel(10 + 29, 7), m_crBack);
    EXPECT_NE(canvas.Pixel(10 + 30, 7), m_crBack);
    EXPECT_NE(canvas.Pixel(189, 7), m_crBack);
    EXPECT_EQ(canvas.Pixel(40, 5), m_crBack);
    EXPECT_EQ(canvas.Pixel(9, 7), kSentinel);
    EXPECT_EQ(canvas.Pixel(190, 7), kSentinel);

    // The classic style draws it across the whole item.
    CTestCanvas classic(200, 32, kSentinel);
    Draw(classic, 3, 0, true, rcSeparator);
    EXPECT_NE(classic.Pixel(10, 7), ::GetSysColor(COLOR_MENU));
    EXPECT_EQ(classic.Pixel(10, 5), ::GetSysColor(COLOR_MENU));
}

TEST_F(OwnerMenuPaintTest, PlainItemShowsThePaleImageAndItsTextsInTheirColumns)
{
    CTestCanvas canvas(200, 32, kSentinel);
    Draw(canvas, 1, 0);
    EXPECT_EQ(canvas.Pixel(10, 4), m_crStrip);
    EXPECT_EQ(canvas.Pixel(10 + 22, 26), m_crStrip);
    EXPECT_EQ(canvas.Pixel(10 + 23, 4), m_crBack);
    EXPECT_EQ(canvas.Pixel(kImageX + 3, kImageY + 3), COwnerMenu::MixWithWhite(kImageRed, 0.3));
    EXPECT_EQ(canvas.Pixel(kImageX + 1, kImageY + 1), m_crStrip);
    // Main text from left + 31, accelerator ending 16 pixels before the right edge.
    EXPECT_FALSE(HasOtherThan(canvas, CRect(10 + 23, 4, 10 + 31, 27), m_crBack));
    EXPECT_TRUE(HasOtherThan(canvas, CRect(10 + 31, 4, 10 + 60, 27), m_crBack));
    EXPECT_TRUE(HasOtherThan(canvas, CRect(190 - 40, 4, 190 - 16, 27), m_crBack));
    EXPECT_FALSE(HasOtherThan(canvas, CRect(190 - 16, 4, 190, 27), m_crBack));
}

TEST_F(OwnerMenuPaintTest, SelectedItemFloatsItsImageOverTheSilhouette)
{
    CTestCanvas canvas(200, 32, kSentinel);
    Draw(canvas, 1, ODS_SELECTED);
    const COLORREF crSelection = COwnerMenu::MixWithWhite(m_crHighlight, 0.85);
    EXPECT_EQ(canvas.Pixel(10, 4), m_crHighlight);
    EXPECT_EQ(canvas.Pixel(189, 26), m_crHighlight);
    EXPECT_EQ(canvas.Pixel(11, 5), crSelection);
    EXPECT_EQ(canvas.Pixel(150, 6), crSelection);
    // Image one pixel up and left, silhouette one down and right (its corner shows below the image).
    EXPECT_EQ(canvas.Pixel(kImageX - 1 + 2, kImageY - 1 + 2), kImageRed);
    EXPECT_EQ(canvas.Pixel(kImageX + 1 + 13, kImageY + 1 + 13), COwnerMenu::MixWithWhite(m_crShadow, 0.49));
    EXPECT_EQ(canvas.Pixel(kImageX - 1 + 1, kImageY - 1 + 1), crSelection);
}

TEST_F(OwnerMenuPaintTest, CheckedItemWithImageShowsItInAFramedCell)
{
    for (UINT nSelected : {0u, (UINT)ODS_SELECTED})
    {
        CTestCanvas canvas(200, 32, kSentinel);
        Draw(canvas, 1, ODS_CHECKED | nSelected);
        const COLORREF crCell = COwnerMenu::MixWithWhite(m_crHighlight, nSelected ? 0.55 : 0.85);
        EXPECT_EQ(canvas.Pixel(11, 5), m_crHighlight) << nSelected; // the cell's frame
        EXPECT_EQ(canvas.Pixel(10 + 20, 25), m_crHighlight) << nSelected;
        EXPECT_EQ(canvas.Pixel(12, 6), crCell) << nSelected;
        EXPECT_EQ(canvas.Pixel(kImageX - 1 + 3, kImageY - 1 + 3), kImageRed) << nSelected;
        EXPECT_EQ(canvas.Pixel(kImageX + 1 + 13, kImageY + 1 + 13), crCell) << nSelected; // no silhouette
    }
}

TEST_F(OwnerMenuPaintTest, GreyItemIsDrawnUnselectedWithItsGreyCopyAndGreyText)
{
    CTestCanvas canvas(200, 32, kSentinel);
    Draw(canvas, 1, ODS_GRAYED | ODS_SELECTED);
    EXPECT_EQ(canvas.Pixel(10, 4), m_crStrip);
    EXPECT_EQ(canvas.Pixel(150, 6), m_crBack);
    const int v = (255 + 0 + 0) / 3;
    EXPECT_EQ(canvas.Pixel(kImageX + 3, kImageY + 3), COwnerMenu::MixWithWhite(m_crShadow, v / 255.0));
    const CRect rcText(10 + 31, 4, 190, 27);
    EXPECT_TRUE(HasOtherThan(canvas, rcText, m_crBack));
    EXPECT_FALSE(canvas.Contains(rcText, m_crMenuText));
    EXPECT_EQ(canvas.Pixel(9, 4), kSentinel); // the off-screen copy lands on the item only
    EXPECT_EQ(canvas.Pixel(190, 26), kSentinel);
}

TEST_F(OwnerMenuPaintTest, CheckedItemWithoutImageShowsATickOrADot)
{
    // Cell (11, 5, 31, 26): the mark at (11 + 7, 5 + 7).
    const COLORREF crCell = COwnerMenu::MixWithWhite(m_crHighlight, 0.85);
    CTestCanvas tick(200, 32, kSentinel);
    Draw(tick, 4, ODS_CHECKED);
    EXPECT_EQ(tick.Pixel(11, 5), m_crHighlight);
    EXPECT_EQ(tick.Pixel(12, 6), crCell);
    struct Stroke
    {
        int x, yTop, yBelow; // painted from yTop, cell colour from yBelow
    } strokes[] = {{18, 14, 16}, {20, 16, 18}, {21, 15, 17}, {24, 12, 14}};
    for (const Stroke& s : strokes)
    {
        EXPECT_EQ(tick.Pixel(s.x, s.yTop - 1), crCell) << s.x;
        EXPECT_EQ(tick.Pixel(s.x, s.yTop), m_crMenuText) << s.x;
        EXPECT_EQ(tick.Pixel(s.x, s.yBelow - 1), m_crMenuText) << s.x;
        EXPECT_EQ(tick.Pixel(s.x, s.yBelow), crCell) << s.x;
    }
    EXPECT_EQ(tick.Pixel(25, 12), crCell);

    // With a checked-state bitmap the mark is a dot.
    CBitmap mark;
    ASSERT_TRUE(mark.CreateBitmap(13, 13, 1, 1, nullptr));
    ASSERT_TRUE(::SetMenuItemBitmaps(m_pFile->m_hMenu, ID_OM_EXIT, MF_BYCOMMAND, nullptr, mark));
    CTestCanvas dot(200, 32, kSentinel);
    Draw(dot, 4, ODS_CHECKED);
    EXPECT_EQ(dot.Pixel(21, 15), m_crMenuText);
    EXPECT_EQ(dot.Pixel(18, 12), crCell);
    EXPECT_EQ(dot.Pixel(24, 12), crCell);
    ::SetMenuItemBitmaps(m_pFile->m_hMenu, ID_OM_EXIT, MF_BYCOMMAND, nullptr, nullptr);
}

TEST_F(OwnerMenuPaintTest, ClassicStyleRaisesSinksAndEmbossesTheImageCell)
{
    // A modern shell without the themed look: the menu colour is COLOR_MENU.
    COwnerMenu::s_osClass = 6;
    const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
    const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // dy = (23 - 20) / 2 = 1: the frame square (10, 5, 30, 25), the image at (12, 7).
    CTestCanvas selected(200, 32, kSentinel);
    Draw(selected, 1, ODS_SELECTED, true);
    EXPECT_EQ(selected.Pixel(10 + 21, 14), m_crHighlight);
    EXPECT_EQ(selected.Pixel(10, 5), crLight);
    EXPECT_EQ(selected.Pixel(29, 24), m_crShadow);
    EXPECT_EQ(selected.Pixel(12 + 3, 7 + 3), kImageRed);

    CTestCanvas checked(200, 32, kSentinel);
    Draw(checked, 1, ODS_CHECKED, true);
    EXPECT_EQ(checked.Pixel(10, 5), m_crShadow);
    EXPECT_EQ(checked.Pixel(29, 24), crLight);
    EXPECT_EQ(checked.Pixel(11, 6), COwnerMenu::MixWithWhite(crMenu, 0.6));
    EXPECT_EQ(checked.Pixel(150, 6), crMenu);

    // Grey: the image embossed, shape in shadow with a highlight one pixel right and down.
    CTestCanvas grey(200, 32, kSentinel);
    Draw(grey, 1, ODS_GRAYED, true);
    EXPECT_EQ(grey.Pixel(12 + 3, 7 + 3), m_crShadow);
    EXPECT_EQ(grey.Pixel(12 + 14, 7 + 14), crLight);
    EXPECT_EQ(grey.Pixel(12 + 1, 7 + 1), crMenu);

    // No image, checked: a sunken cell (11, 7, 27, 23) with a three-pixel tick at (15, 11).
    CTestCanvas tick(200, 32, kSentinel);
    Draw(tick, 4, ODS_CHECKED, true);
    EXPECT_EQ(tick.Pixel(11, 7), m_crShadow);
    EXPECT_EQ(tick.Pixel(13, 9), COwnerMenu::MixWithWhite(crMenu, 0.6));
    EXPECT_EQ(tick.Pixel(15, 12), COwnerMenu::MixWithWhite(crMenu, 0.6));
    for (int y = 13; y <= 15; ++y)
        EXPECT_EQ(tick.Pixel(15, y), m_crMenuText) << y;
    EXPECT_EQ(tick.Pixel(15, 16), COwnerMenu::MixWithWhite(crMenu, 0.6));

    // Without a modern shell there are no frames.
    COwnerMenu::s_osClass = 1;
    CTestCanvas flat(200, 32, kSentinel);
    Draw(flat, 1, ODS_SELECTED, true);
    EXPECT_EQ(flat.Pixel(10, 5), kSentinel);
}

TEST(OwnerMenuMemDC, DrawsOffScreenAndCopiesTheAreaWhenItGoes)
{
    CTestCanvas canvas(80, 40, kSentinel);
    const CRect rcArea(20, 5, 60, 25);
    {
        COwnerMenuMemDC memDC(canvas.DC(), rcArea);
        EXPECT_TRUE(memDC.m_bOffscreen);
        memDC.FillSolidRect(rcArea, kImageRed);
        memDC.FillSolidRect(CRect(30, 10, 32, 12), kImageBlue);
        EXPECT_EQ(canvas.Pixel(25, 8), kSentinel);
    }
    EXPECT_EQ(canvas.Pixel(20, 5), kImageRed);
    EXPECT_EQ(canvas.Pixel(59, 24), kImageRed);
    EXPECT_EQ(canvas.Pixel(31, 11), kImageBlue);
    EXPECT_EQ(canvas.Pixel(19, 5), kSentinel);
    EXPECT_EQ(canvas.Pixel(60, 25), kSentinel);

    // A printing target is drawn on directly and keeps its handle.
    CDC printDC;
    ASSERT_TRUE(printDC.Attach(::CreateCompatibleDC(canvas.DC()->m_hDC)));
    printDC.m_bPrinting = TRUE;
    {
        COwnerMenuMemDC memDC(&printDC, rcArea);
        EXPECT_FALSE(memDC.m_bOffscreen);
        EXPECT_EQ(memDC.m_hDC, printDC.m_hDC);
    }
    EXPECT_EQ(::GetObjectType(printDC.m_hDC), (DWORD)OBJ_MEMDC);
}
