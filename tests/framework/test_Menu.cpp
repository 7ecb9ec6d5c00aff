#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT ID_ITEM_OWNERDRAWN = 61501;
constexpr COLORREF kItemColour = RGB(0, 128, 0);

// A popup whose owner-drawn items are measured and painted by the object itself.
class CTestOwnerMenu : public CMenu
{
public:
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        m_nMeasuredID = lpMIS->itemID;
        lpMIS->itemWidth = 77;
        lpMIS->itemHeight = 19;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        m_nDrawnID = lpDIS->itemID;
        CDC::FromHandle(lpDIS->hDC)->FillSolidRect(&lpDIS->rcItem, kItemColour);
    }
    UINT m_nMeasuredID = 0;
    UINT m_nDrawnID = 0;
};

// One window without a map entry for owner draw, one whose handlers call the base handlers.
class CPlainWnd : public CWnd
{
};

class CHandlingWnd : public CWnd
{
public:
    int m_nMeasureCalls = 0;

protected:
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
    {
        ++m_nMeasureCalls;
        CWnd::OnMeasureItem(nIDCtl, lpMIS);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHandlingWnd, CWnd)
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

void RunOwnerDrawRoundTrip(CWnd& wnd)
{
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    CTestOwnerMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, ID_ITEM_OWNERDRAWN));
    ASSERT_TRUE(bar.AppendMenu(MF_POPUP | MF_STRING, (UINT_PTR)popup.m_hMenu, "&File"));
    ASSERT_TRUE(wnd.SetMenu(&bar));

    MEASUREITEMSTRUCT mis = {ODT_MENU, 0, ID_ITEM_OWNERDRAWN, 0, 0, 0};
    wnd.SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis);
    EXPECT_EQ(popup.m_nMeasuredID, ID_ITEM_OWNERDRAWN);
    EXPECT_EQ(mis.itemWidth, 77u);
    EXPECT_EQ(mis.itemHeight, 19u);

    CClientDC screen(nullptr);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 100, 40));
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, 100, 40, RGB(255, 255, 255));
    DRAWITEMSTRUCT dis = {ODT_MENU,
                          0,
                          ID_ITEM_OWNERDRAWN,
                          ODA_DRAWENTIRE,
                          0,
                          reinterpret_cast<HWND>(popup.m_hMenu),
                          memDC.m_hDC,
                          {10, 5, 87, 24},
                          0};
    EXPECT_EQ(wnd.SendMessage(WM_DRAWITEM, 0, (LPARAM)&dis), TRUE);
    EXPECT_EQ(popup.m_nDrawnID, ID_ITEM_OWNERDRAWN);
    EXPECT_EQ(memDC.GetPixel(10, 5), kItemColour);
    EXPECT_EQ(memDC.GetPixel(86, 23), kItemColour);
    EXPECT_EQ(memDC.GetPixel(9, 5), RGB(255, 255, 255));
    memDC.SelectObject(pOld);

    wnd.SetMenu(nullptr);
    bar.RemoveMenu(0, MF_BYPOSITION); // the popup object destroys its own menu
}
} // namespace

TEST(OwnerDrawnMenu, ItemIsMeasuredAndDrawnByItsMenuObjectWithoutAMapEntry)
{
    CPlainWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "menu", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    RunOwnerDrawRoundTrip(wnd);
    wnd.DestroyWindow();
}

TEST(OwnerDrawnMenu, BaseHandlerOfAMapEntryDispatchesToTheMenuObject)
{
    CHandlingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "menu", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    RunOwnerDrawRoundTrip(wnd);
    EXPECT_EQ(wnd.m_nMeasureCalls, 1);
    wnd.DestroyWindow();
}

namespace
{
// Ends the popup menu that TrackPopupMenu runs as soon as the popup has been drawn.
class CTrackingWnd : public CWnd
{
protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        ::EndMenu();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTrackingWnd, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()
} // namespace

TEST(OwnerDrawnMenu, TrackedPopupIsMeasuredAndDrawnByItsMenuObject)
{
    CTrackingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "track", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    CTestOwnerMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, ID_ITEM_OWNERDRAWN));
    wnd.SetTimer(1, 200);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 10, 10, &wnd);
    EXPECT_EQ(popup.m_nMeasuredID, ID_ITEM_OWNERDRAWN);
    EXPECT_EQ(popup.m_nDrawnID, ID_ITEM_OWNERDRAWN);
    EXPECT_EQ(CMenu::GetTrackingMenu(), nullptr);
    wnd.DestroyWindow();
}

TEST(Menu, HandleMapKeepsAttachedObjectsAndWrapsOthers)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "Eins");
    HMENU hSub = ::CreatePopupMenu();
    menu.AppendMenu(MF_POPUP, (UINT_PTR)hSub, "Zwei");
    EXPECT_EQ(CMenu::FromHandle(menu.m_hMenu), &menu);
    CMenu* pSub = menu.GetSubMenu(1);
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(pSub->m_hMenu, hSub);
    EXPECT_EQ(CMenu::FromHandlePermanent(hSub), nullptr);
    CString strText;
    menu.GetMenuString(1, strText, MF_BYPOSITION);
    EXPECT_EQ(strText, "Zwei");
    EXPECT_EQ(menu.GetMenuItemCount(), 2u);
    EXPECT_EQ(menu.GetMenuItemID(0), 1u);
    EXPECT_EQ(menu.GetMenuItemID(1), (UINT)-1);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hSub)); // the temporary wrapper did not destroy it
    HMENU hMenu = menu.Detach();
    EXPECT_EQ(CMenu::FromHandlePermanent(hMenu), nullptr);
    ::DestroyMenu(hMenu);
}
