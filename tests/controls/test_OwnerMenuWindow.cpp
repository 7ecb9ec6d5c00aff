// The owner-drawn menu in a frame that routes the menu messages as the main frame does: the bar
// shows its texts, an opened popup draws its items with images and the framework's check and
// enable state, and a typed mnemonic runs its command. The opened menu is saved as a picture.
#include "OwnerMenuTestSupport.h"

#include "controls/COwnerMenuData.h"
#include "framework/CCmdUI.h"
#include "framework/CFrameWnd.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT_PTR TIMER_DRIVE_MENU = 1;
constexpr int kMaxTicks = 400; // 20 ms each: the menu is closed after eight seconds at the latest

class COwnerMenuTestFrame : public CFrameWnd
{
public:
    COwnerMenu m_menu;
    UINT m_nCommand = 0;
    int m_nDrawn = 0;         // items drawn since the popup opened or the selection moved
    UINT m_nLastSelected = 0; // the last item drawn selected
    int m_nStep = 0;
    int m_nTicks = 0;
    CRect m_rcStrip;          // the popup's image strip (and border), in the pictures' coordinates
    HBITMAP m_hShots[2] = {}; // the popup as opened from the keyboard, and one item further down

protected:
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
    {
        if (lpMIS->CtlType == ODT_MENU && COwnerMenu::IsOwnMenu((HMENU)(UINT_PTR)lpMIS->itemID))
        {
            m_menu.MeasureItem(lpMIS);
            return;
        }
        CFrameWnd::OnMeasureItem(nIDCtl, lpMIS);
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
    {
        if (lpDIS->CtlType == ODT_MENU)
        {
            ++m_nDrawn;
            if (lpDIS->itemState & ODS_SELECTED)
                m_nLastSelected = lpDIS->itemID;
        }
        CFrameWnd::OnDrawItem(nIDCtl, lpDIS);
    }
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
    {
        if (COwnerMenu::IsOwnMenu(pMenu))
            return COwnerMenu::FindMnemonic(nChar, nFlags, pMenu);
        return CFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
    }
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    {
        CFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
        if (!bSysMenu && COwnerMenu::IsOwnMenu(pPopupMenu))
            COwnerMenu::UpdatePopup(pPopupMenu);
        m_nDrawn = 0;
    }
    afx_msg void OnCommandRange(UINT nID) { m_nCommand = nID; }
    afx_msg void OnUpdatePrint(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateExit(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    HBITMAP Capture(HWND hPopup, const CRect& rcShot);
};

BEGIN_MESSAGE_MAP(COwnerMenuTestFrame, CFrameWnd)
ON_WM_MEASUREITEM()
ON_WM_DRAWITEM()
ON_WM_MENUCHAR()
ON_WM_INITMENUPOPUP()
ON_WM_TIMER()
ON_COMMAND_RANGE(ID_OM_SAVE_VALUES, ID_OM_INFO, OnCommandRange)
ON_UPDATE_COMMAND_UI(ID_OM_PRINT, OnUpdatePrint)
ON_UPDATE_COMMAND_UI(ID_OM_EXIT, OnUpdateExit)
END_MESSAGE_MAP()

// The frame and the popup over it, each copied from its own window context: what is drawn there is
// current, while the screen may not show it yet.
HBITMAP COwnerMenuTestFrame::Capture(HWND hPopup, const CRect& rcShot)
{
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rcShot.Width(), rcShot.Height());
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    for (HWND hWnd : {m_hWnd, hPopup})
    {
        CRect rcWnd;
        ::GetWindowRect(hWnd, rcWnd);
        HDC hWndDC = ::GetWindowDC(hWnd);
        ::BitBlt(hMem, rcWnd.left - rcShot.left, rcWnd.top - rcShot.top, rcWnd.Width(), rcWnd.Height(),
                 hWndDC, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hWndDC);
    }
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}

// Runs inside the menu's modal loop: photographs the popup once its items are drawn with the first
// one selected, moves the selection down, photographs again once it moved, then types "d".
void COwnerMenuTestFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_DRIVE_MENU)
    {
        CFrameWnd::OnTimer(nIDEvent);
        return;
    }
    HWND hPopup = ::FindWindowA("#32768", nullptr);
    if (++m_nTicks > kMaxTicks)
    {
        KillTimer(TIMER_DRIVE_MENU);
        ::EndMenu();
        return;
    }
    if (hPopup == nullptr || !::IsWindowVisible(hPopup))
        return;
    CRect rcFrame;
    GetWindowRect(rcFrame);
    CRect rcPopup;
    ::GetWindowRect(hPopup, rcPopup);
    CRect rcShot;
    rcShot.UnionRect(rcFrame, rcPopup);
    m_rcStrip.SetRect(rcPopup.left, rcPopup.top, rcPopup.left + 30, rcPopup.bottom);
    m_rcStrip.OffsetRect(-rcShot.left, -rcShot.top);
    if (m_nStep == 0 && m_nDrawn >= 5 && m_nLastSelected == ID_OM_SAVE_VALUES)
    {
        m_hShots[0] = Capture(hPopup, rcShot);
        m_nStep = 1;
        m_nDrawn = 0;
        PostMessage(WM_KEYDOWN, VK_DOWN, 0);
    }
    else if (m_nStep == 1 && m_nDrawn >= 2 && m_nLastSelected == ID_OM_SAVE_DIAGRAM)
    {
        m_hShots[1] = Capture(hPopup, rcShot);
        m_nStep = 2;
        KillTimer(TIMER_DRIVE_MENU);
        PostMessage(WM_CHAR, 'd', 0);
    }
}

class OwnerMenuWindowTest : public OwnerMenuTest
{
protected:
    void TearDown() override
    {
        if (m_pFrame != nullptr)
        {
            for (HBITMAP hShot : m_pFrame->m_hShots)
                ::DeleteObject(hShot);
            m_pFrame->DestroyWindow(); // the frame deletes itself
        }
        OwnerMenuTest::TearDown();
    }
    COwnerMenuTestFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(OwnerMenuWindowTest, OpenedPopupDrawsItsItemsAndAMnemonicRunsTheCommand)
{
    m_pFrame = new COwnerMenuTestFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Owner-drawn menu", WS_OVERLAPPEDWINDOW, CRect(40, 40, 460, 300)));
    COwnerMenu& menu = m_pFrame->m_menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
    ASSERT_TRUE(menu.ModifyItemA(nullptr, ID_OM_SAVE_DIAGRAM, &m_images, 0));
    ASSERT_TRUE(menu.ModifyItemA(nullptr, ID_OM_EXIT, &m_images, 1));
    ASSERT_TRUE(menu.ModifyItemA(nullptr, ID_OM_SAVE_VALUES, &m_images, 1));
    // As the application does: the window takes the handle and restores it as its default menu.
    const HMENU hMenu = menu.Detach();
    ASSERT_TRUE(::SetMenu(m_pFrame->m_hWnd, hMenu));
    m_pFrame->m_hMenuDefault = hMenu;
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->UpdateWindow();
    ::SetForegroundWindow(m_pFrame->m_hWnd);

    m_pFrame->SetTimer(TIMER_DRIVE_MENU, 20, nullptr);
    m_pFrame->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, 'f');
    ASSERT_TRUE(
        PumpUntil([this] { return m_pFrame->m_nCommand != 0 || m_pFrame->m_nTicks > kMaxTicks; }, 10000));
    EXPECT_EQ(m_pFrame->m_nStep, 2);
    EXPECT_EQ(m_pFrame->m_nCommand, (UINT)ID_OM_SAVE_DIAGRAM);

    // The framework's state reached the records when the popup opened.
    const COwnerMenu* pFile =
        DYNAMIC_DOWNCAST(COwnerMenu, CMenu::FromHandlePermanent(::GetSubMenu(hMenu, 0)));
    ASSERT_NE(pFile, nullptr);
    EXPECT_TRUE(pFile->GetRecord(2)->uFlags & MF_GRAYED);
    EXPECT_TRUE(pFile->GetRecord(4)->uFlags & MF_CHECKED);

    ASSERT_NE(m_pFrame->m_hShots[0], nullptr);
    ASSERT_NE(m_pFrame->m_hShots[1], nullptr);
    const char* names[] = {"controls_owner_menu_open.bmp", "controls_owner_menu_selected.bmp"};
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(SaveTestBitmap(m_pFrame->m_hShots[i], OwnerMenuPicturePath(names[i]))) << names[i];

    // The strip shows the selected item's own image over its silhouette on the selection fill, and
    // the pale copy of an unselected item's image.
    const CRect rcStrip = m_pFrame->m_rcStrip;
    auto contains = [&rcStrip](HBITMAP hShot, COLORREF cr)
    {
        CClientDC screen(nullptr);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hShot);
        bool bFound = false;
        for (int y = rcStrip.top; y < rcStrip.bottom && !bFound; ++y)
            for (int x = rcStrip.left; x < rcStrip.right && !bFound; ++x)
                bFound = dc.GetPixel(x, y) == cr;
        ::SelectObject(dc.m_hDC, hOld);
        return bFound;
    };
    const COLORREF crStrip = COwnerMenu::MixWithWhite(::GetSysColor(COLOR_BTNFACE), 0.25);
    const COLORREF crSelection = COwnerMenu::MixWithWhite(::GetSysColor(COLOR_HIGHLIGHT), 0.85);
    const COLORREF crSilhouette = COwnerMenu::MixWithWhite(::GetSysColor(COLOR_BTNSHADOW), 0.49);
    const COLORREF crPaleRed = COwnerMenu::MixWithWhite(kImageRed, 0.3);
    for (HBITMAP hShot : m_pFrame->m_hShots)
    {
        EXPECT_TRUE(contains(hShot, crStrip));
        EXPECT_TRUE(contains(hShot, crSelection));
        EXPECT_TRUE(contains(hShot, crSilhouette));
    }
    EXPECT_TRUE(contains(m_pFrame->m_hShots[0], crPaleRed));
    EXPECT_FALSE(contains(m_pFrame->m_hShots[0], kImageRed));
    EXPECT_TRUE(contains(m_pFrame->m_hShots[1], kImageRed));
    EXPECT_FALSE(contains(m_pFrame->m_hShots[1], crPaleRed));
}
