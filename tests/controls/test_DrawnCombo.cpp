// The drawn combo box in windows: its items and combo-box messages, the notification sequences of the
// keyboard, the mouse and the wheel, the closed box's moves, the drop-down window's geometry and grip,
// the drop-down style's edit part, creation by class name and by subclassing, and its picture.
#include "DrawnComboTestSupport.h"

#include "controls/CDrawnComboEdit.h"
#include "controls/CDropListBox.h"
#include "controls/CDropScrollBar.h"
#include "controls/CDropWnd.h"
#include "controls/CThemeHelper.h"
#include "framework/CFont.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
constexpr UINT ID_COMBO = 1701;

class DrawnCombo : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Create(CRect(100, 100, 500, 400))); }
    void TearDown() override
    {
        m_combo.DestroyWindow();
        m_parent.DestroyWindow();
    }

    // The box as a drop-list child of the parent at (20, 20), 200 x 22, with the items given.
    void CreateBox(std::initializer_list<const char*> items, DWORD dwStyle = CBS_DROPDOWNLIST)
    {
        ASSERT_TRUE(
            m_combo.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(20, 20, 220, 42), &m_parent, ID_COMBO));
        for (const char* psz : items)
            m_combo.AddString(psz);
        m_combo.SetFocus();
        PumpPosted();
        m_log.clear();
    }
    void AddNumberedItems(int nCount)
    {
        for (int i = 0; i < nCount; ++i)
            m_combo.AddString(("Item " + std::to_string(i)).c_str());
    }
    CDropListBox* List() const { return m_combo.GetDropWnd()->GetListBox(); }
    CString Shown() const
    {
        CString str;
        m_combo.GetLBText(m_combo.GetCurSel(), str);
        return str;
    }
    void Press(UINT nVirtKey, bool bAlt = false) { PressKey(m_combo.m_hWnd, nVirtKey, bAlt); }
    CRect DropRect() const
    {
        CRect rc;
        m_combo.GetDropWnd()->GetWindowRect(rc);
        return rc;
    }

    EventLog m_log;
    CRecordingParent m_parent{m_log};
    CTestCombo m_combo{m_log};
};

using Log = EventLog;
} // namespace

// --- items and messages -----------------------------------------------------------------------------

TEST_F(DrawnCombo, ItemsAndComboBoxMessages)
{
    CreateBox({"abc", "Zwei", "abc"});
    EXPECT_EQ(m_combo.SendMessage(CB_GETCOUNT), 3);
    EXPECT_EQ(m_combo.SendMessage(CB_ADDSTRING, 0, (LPARAM) "Vier"), 3);
    char sz[8];
    std::memset(sz, 'x', sizeof(sz));
    EXPECT_EQ(m_combo.SendMessage(CB_GETLBTEXT, 0, (LPARAM)sz), 4); // the text and its zero
    EXPECT_EQ(std::string(sz, 5), std::string("abc\0x", 5));
    EXPECT_EQ(m_combo.SendMessage(CB_GETLBTEXTLEN, 1), 5);
    EXPECT_EQ(m_combo.SendMessage(CB_GETLBTEXTLEN, 4), CB_ERR);
    EXPECT_EQ(m_combo.SendMessage(CB_GETLBTEXT, (WPARAM)-1, (LPARAM)sz), CB_ERR);
    CString str = "stale";
    m_combo.GetLBText(9, str);
    EXPECT_EQ(str, "");

    // Exact, case-sensitive, from the start index on.
    EXPECT_EQ(m_combo.FindStringExact(-1, "abc"), 0);
    EXPECT_EQ(m_combo.FindStringExact(1, "abc"), 2);
    EXPECT_EQ(m_combo.FindStringExact(-1, "ABC"), -1);
    EXPECT_EQ(m_combo.FindStringExact(7, "abc"), -1);

    // Two items with one text: the shown text finds the first.
    EXPECT_EQ(m_combo.SendMessage(CB_SETCURSEL, 2), 2);
    EXPECT_EQ(m_combo.SendMessage(CB_GETCURSEL), 0);
    EXPECT_EQ(m_combo.SetCurSel(4), -1); // outside: nothing changes
    EXPECT_EQ(m_combo.m_iCurSel, 2);
    EXPECT_EQ(m_combo.SendMessage(CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "Zwei"), 1);
    EXPECT_EQ(m_combo.SendMessage(CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "Zw"), -1); // not exact: cleared
    EXPECT_EQ(m_combo.m_iCurSel, -1);
    EXPECT_EQ(m_combo.m_strCurText, "");
    EXPECT_EQ(m_combo.SendMessage(CB_GETTOPINDEX), CB_ERR); // only while the list is open
    EXPECT_EQ(m_combo.SendMessage(CB_SETTOPINDEX, 1), CB_ERR);

    m_combo.SetCurSel(1);
    EXPECT_EQ(m_combo.SendMessage(CB_RESETCONTENT), 0);
    EXPECT_EQ(m_combo.GetCount(), 0);
    EXPECT_EQ(m_combo.m_iCurSel, -1);
    EXPECT_EQ(m_combo.m_strCurText, "");
    EXPECT_EQ(m_log, Log{}); // none of it notifies
}

TEST_F(DrawnCombo, SelectionSetOnAnEmptyBoxIsShownOnceItemsCome)
{
    CreateBox({});
    EXPECT_EQ(m_combo.SetCurSel(2), -1);
    EXPECT_EQ(m_combo.m_iCurSel, 2);
    m_combo.UpdateWindow();
    EXPECT_EQ(m_combo.m_strCurText, ""); // nothing to show yet
    AddNumberedItems(3);
    m_combo.RedrawWindow();
    EXPECT_EQ(m_combo.m_strCurText, "Item 2");
    EXPECT_EQ(m_combo.GetCurSel(), 2);
}

TEST_F(DrawnCombo, ItemsComeFromTheStringResourceOfTheControlId)
{
    CTestCombo combo(m_log);
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(20, 60, 220, 82), &m_parent, 64170));
    ASSERT_EQ(combo.GetCount(), 3);
    CString str;
    combo.GetLBText(2, str);
    EXPECT_EQ(str, "115200 Bd");
    combo.LoadItemsFromResource(64171); // no such string: the items stay
    EXPECT_EQ(combo.GetCount(), 3);
}

// --- keyboard ---------------------------------------------------------------------------------------

TEST_F(DrawnCombo, OpenWithF4ChooseWithEnter)
{
    CreateBox({"Eins", "Zwei", "Drei"});
    m_combo.SetCurSel(0);
    Press(VK_F4);
    EXPECT_EQ(m_log, Log{"DROPDOWN"});
    ASSERT_TRUE(m_combo.IsDropped());
    EXPECT_TRUE(m_combo.GetDropWnd()->IsWindowVisible());
    EXPECT_EQ(List()->GetCount(), 3);
    EXPECT_EQ(List()->GetCurSel(), 0);
    EXPECT_EQ(m_combo.SendMessage(CB_GETTOPINDEX), 0);

    Press(VK_DOWN); // moves in the list only
    EXPECT_EQ(List()->GetCurSel(), 1);
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    EXPECT_EQ(m_log, Log{"DROPDOWN"});

    Press(VK_RETURN);
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDOK", "CLOSEUP", "SELCHANGE", "return hook"}));
    EXPECT_FALSE(m_combo.IsDropped());
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(Shown(), "Zwei");
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DrawnCombo, OpenWithAltDownCancelWithEscape)
{
    CreateBox({"Eins", "Zwei", "Drei"});
    m_combo.SetCurSel(2);
    Press(VK_DOWN, true);
    ASSERT_TRUE(m_combo.IsDropped());
    Press(VK_UP);
    EXPECT_EQ(List()->GetCurSel(), 1);
    Press(VK_ESCAPE);
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDCANCEL", "CLOSEUP"})); // no hook
    EXPECT_FALSE(m_combo.IsDropped());
    EXPECT_EQ(m_combo.GetCurSel(), 2);
}

TEST_F(DrawnCombo, EnterWithoutASelectedRowClosesLikeEscape)
{
    CreateBox({"Eins", "Zwei"});
    Press(VK_F4);
    ASSERT_EQ(List()->GetCurSel(), -1);
    Press(VK_RETURN);
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDCANCEL", "CLOSEUP"}));
    EXPECT_EQ(m_combo.GetCurSel(), -1);
}

TEST_F(DrawnCombo, KeysOfTheClosedBox)
{
    CreateBox({"Eins", "Zwei", "Drei"});
    Press(VK_UP); // no selection: nothing
    EXPECT_EQ(m_log, Log{});
    Press(VK_DOWN);
    EXPECT_EQ(m_log, (Log{"SELENDOK", "SELCHANGE"}));
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    m_log.clear();
    Press(VK_UP); // at the first item
    EXPECT_EQ(m_log, Log{});
    m_combo.SetCurSel(2);
    Press(VK_DOWN); // at the last item
    EXPECT_EQ(m_log, Log{});
    Press(VK_UP);
    EXPECT_EQ(m_log, (Log{"SELENDOK", "SELCHANGE"}));
    EXPECT_EQ(Shown(), "Zwei");

    // Escape reaches the hook from the key and again as a character; Enter as a character.
    m_log.clear();
    Press(VK_ESCAPE);
    EXPECT_EQ(m_log, (Log{"escape hook", "escape hook"}));
    m_log.clear();
    Press(VK_RETURN);
    EXPECT_EQ(m_log, Log{"return hook"});
}

TEST_F(DrawnCombo, UpAndDownOfTheClosedBoxStepOverDisabledItems)
{
    CreateBox({"Eins", "Zwei", "Drei", "Vier"});
    m_combo.m_items[1].bDisabled = TRUE;
    m_combo.m_items[3].bDisabled = TRUE;
    m_combo.SetCurSel(0);
    Press(VK_DOWN);
    EXPECT_EQ(m_combo.GetCurSel(), 2);
    Press(VK_DOWN); // only a disabled item follows
    EXPECT_EQ(m_combo.GetCurSel(), 2);
    Press(VK_UP);
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    EXPECT_EQ(m_log, (Log{"SELENDOK", "SELCHANGE", "SELENDOK", "SELCHANGE"}));
}

TEST_F(DrawnCombo, PageKeysOfTheClosedBox)
{
    CreateBox({});
    Press(VK_NEXT); // no items: nothing
    Press(VK_PRIOR);
    EXPECT_EQ(m_log, Log{});
    AddNumberedItems(20);
    struct Case
    {
        int iFrom;
        UINT nKey;
        int iTo;
    } cases[] = {{15, VK_NEXT, 19}, {3, VK_PRIOR, 0}, {2, VK_NEXT, 12}, {14, VK_PRIOR, 4}, {-1, VK_NEXT, 10}};
    for (const Case& c : cases)
    {
        m_combo.SetCurSel(c.iFrom);
        m_log.clear();
        Press(c.nKey);
        EXPECT_EQ(m_combo.GetCurSel(), c.iTo) << c.iFrom;
        EXPECT_EQ(m_log, (Log{"SELENDOK", "SELCHANGE"})) << c.iFrom;
    }
    m_log.clear();
    Press(VK_NEXT); // from 10 to 19 ... and at 19 nothing more
    Press(VK_NEXT);
    EXPECT_EQ(m_combo.GetCurSel(), 19);
    EXPECT_EQ(m_log, (Log{"SELENDOK", "SELCHANGE"}));
}

TEST_F(DrawnCombo, PageKeysInTheOpenListFollowTheVisibleRows)
{
    CreateBox({});
    AddNumberedItems(30);
    m_combo.SetMaxDropRows(5);
    m_combo.SetCurSel(0);
    Press(VK_F4);
    ASSERT_EQ(List()->GetVisibleRows(), 5);
    Press(VK_NEXT);
    EXPECT_EQ(List()->GetCurSel(), 4);
    Press(VK_NEXT);
    EXPECT_EQ(List()->GetCurSel(), 8);
    CString strText;
    m_combo.GetWindowText(strText);
    EXPECT_EQ(strText, "Item 8");
    Press(VK_PRIOR);
    EXPECT_EQ(List()->GetCurSel(), List()->GetTopIndex());
    EXPECT_EQ(m_combo.m_iCurSel, 0); // the box's selection waits for a pick
    EXPECT_EQ(m_log, Log{"DROPDOWN"});
}

// --- wheel ------------------------------------------------------------------------------------------

TEST_F(DrawnCombo, WheelStepsOncePerNotch)
{
    CreateBox({"Eins", "Zwei", "Drei"});
    m_combo.SetCurSel(1);
    auto wheel = [&](short zDelta) { m_combo.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)zDelta)); };
    wheel(60);
    EXPECT_EQ(m_log, Log{});
    wheel(60); // away from the user: the previous item
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    EXPECT_EQ(m_log, (Log{"SELENDOK", "SELCHANGE"}));
    wheel(120); // at the first item nothing changes
    EXPECT_EQ(m_log.size(), 2u);
    wheel(-240); // one step however large the delta
    EXPECT_EQ(m_combo.GetCurSel(), 1);
}

TEST_F(DrawnCombo, WheelOverTheOpenListScrollsThreeRows)
{
    CreateBox({});
    AddNumberedItems(30);
    m_combo.SetMaxDropRows(5);
    m_combo.SetCurSel(0);
    Press(VK_F4);
    m_combo.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120));
    EXPECT_EQ(List()->GetTopIndex(), 3);
    EXPECT_EQ(m_combo.GetDropWnd()->GetScrollBar()->GetScrollPos(), 3);
    m_combo.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)120));
    m_combo.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)120));
    EXPECT_EQ(List()->GetTopIndex(), 0);
    EXPECT_EQ(List()->GetCurSel(), 0);
    EXPECT_EQ(m_log, Log{"DROPDOWN"});
}

// --- mouse ------------------------------------------------------------------------------------------

TEST_F(DrawnCombo, PointerSelectsRowsAndTheButtonUpPicks)
{
    CreateBox({"Eins", "Zwei", "Drei", "Vier"});
    m_combo.SetCurSel(0);
    m_combo.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(50, 10)); // a click on the box opens it
    m_combo.SendMessage(WM_LBUTTONUP, 0, PointParam(50, 10));
    ASSERT_TRUE(m_combo.IsDropped());
    EXPECT_EQ(::GetCapture(), m_combo.GetDropWnd()->m_hWnd);

    // Into the rows: the capture goes to the list, which follows the pointer without a button.
    CRect rcList;
    List()->GetWindowRect(rcList);
    m_combo.GetDropWnd()->ScreenToClient(rcList);
    m_combo.GetDropWnd()->SendMessage(WM_MOUSEMOVE, 0, PointParam(rcList.left + 5, rcList.top + 5));
    EXPECT_EQ(::GetCapture(), List()->m_hWnd);
    EXPECT_EQ(::GetFocus(), m_combo.m_hWnd); // the keyboard stays with the box
    const int cyItem = List()->GetItemHeight(0);
    List()->SendMessage(WM_MOUSEMOVE, 0, PointParam(5, 2 * cyItem + 3));
    EXPECT_EQ(List()->GetCurSel(), 2);
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    EXPECT_EQ(m_log, Log{"DROPDOWN"});
    // Out of the rows and back: the capture goes to the window and back to the list.
    List()->SendMessage(WM_MOUSEMOVE, 0, PointParam(-5, -5));
    EXPECT_EQ(::GetCapture(), m_combo.GetDropWnd()->m_hWnd);
    EXPECT_EQ(List()->GetCurSel(), 2);
    m_combo.GetDropWnd()->SendMessage(WM_MOUSEMOVE, 0, PointParam(rcList.left + 5, rcList.top + 5));
    EXPECT_EQ(::GetCapture(), List()->m_hWnd);

    List()->SendMessage(WM_LBUTTONUP, 0, PointParam(5, 2 * cyItem + 3));
    PumpPosted();
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDOK", "CLOSEUP", "SELCHANGE", "return hook"}));
    EXPECT_EQ(m_combo.GetCurSel(), 2);
    EXPECT_FALSE(m_combo.IsDropped());
}

TEST_F(DrawnCombo, DisabledRowsAreSteppedOverAndNotPicked)
{
    CreateBox({"Eins", "Zwei", "Drei"});
    m_combo.m_items[1].bDisabled = TRUE;
    m_combo.SetCurSel(0);
    Press(VK_F4);
    Press(VK_DOWN);
    EXPECT_EQ(List()->GetCurSel(), 2);
    Press(VK_UP);
    EXPECT_EQ(List()->GetCurSel(), 0);
    EXPECT_EQ(List()->SetCurSel(1), 2); // from 0 down to 1 steps on to 2
    EXPECT_EQ(List()->GetCurSel(), 2);

    const int cyItem = List()->GetItemHeight(0);
    List()->SendMessage(WM_MOUSEMOVE, 0, PointParam(5, cyItem + 3)); // hot tracking leaves it out
    EXPECT_EQ(List()->GetCurSel(), 2);
    List()->SendMessage(WM_LBUTTONUP, 0, PointParam(5, cyItem + 3)); // a button-up on it does nothing
    PumpPosted();
    EXPECT_TRUE(m_combo.IsDropped());
    EXPECT_EQ(m_log, Log{"DROPDOWN"});
}

TEST_F(DrawnCombo, ClickOutsideAndLosingTheApplicationCloseWithoutAPick)
{
    CreateBox({"Eins", "Zwei"});
    m_combo.SetCurSel(1);
    Press(VK_F4);
    m_combo.GetDropWnd()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(-300, -200));
    PumpPosted();
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDCANCEL", "CLOSEUP"}));
    EXPECT_FALSE(m_combo.IsDropped());

    m_log.clear();
    Press(VK_F4);
    g_bLetActivateAppThrough = true;
    m_combo.GetDropWnd()->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    g_bLetActivateAppThrough = false;
    PumpPosted();
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDCANCEL", "CLOSEUP"}));
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DrawnCombo, ClickPassedOnToTheBoxMayCloseTheListInsideTheDropDownsOwnHandler)
{
    CreateBox({}); // one scroll-bar height: lower than the box
    Press(VK_F4);
    const int cyDrop = DropRect().Height();
    ASSERT_LT(cyDrop, 21);
    // Outside the drop-down, but in the box's own coordinates a click on the box: it closes the list and
    // with it the window that passed the click on.
    m_combo.GetDropWnd()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, cyDrop + 2));
    EXPECT_FALSE(m_combo.IsDropped());
    PumpPosted();
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDCANCEL", "CLOSEUP", "return hook"}));
}

TEST_F(DrawnCombo, EmptyListOpensOneScrollBarHighAndClosesWithoutAPick)
{
    CreateBox({});
    Press(VK_F4);
    ASSERT_TRUE(m_combo.IsDropped());
    CRect rcBox;
    m_combo.GetWindowRect(rcBox);
    EXPECT_EQ(DropRect(),
              CRect(rcBox.left, rcBox.bottom, rcBox.right, rcBox.bottom + ::GetSystemMetrics(SM_CYVSCROLL)));
    EXPECT_EQ(m_combo.SendMessage(CB_GETLBTEXTLEN, 0), CB_ERR);
    List()->SendMessage(WM_LBUTTONUP, 0, PointParam(5, 5));
    PumpPosted();
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDCANCEL", "CLOSEUP"}));
}

// --- drop-down window geometry ----------------------------------------------------------------------

TEST_F(DrawnCombo, ListOpensBelowWithItsRowLimitAndAboveNearTheScreenBottom)
{
    CreateBox({});
    AddNumberedItems(10);
    m_combo.SetMaxDropRows(4);
    Press(VK_F4);
    const int cyItem = List()->GetItemHeight(0);
    CRect rcBox;
    m_combo.GetWindowRect(rcBox);
    EXPECT_EQ(DropRect(), CRect(rcBox.left, rcBox.bottom, rcBox.right, rcBox.bottom + 4 * cyItem + 2));
    Press(VK_ESCAPE);

    // Near the bottom of the screen: above the box, ending at its top edge.
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    m_parent.SetWindowPos(nullptr, 100, cyScreen - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_combo.GetWindowRect(rcBox);
    Press(VK_F4);
    EXPECT_EQ(DropRect(), CRect(rcBox.left, rcBox.top - 4 * cyItem - 2, rcBox.right, rcBox.top));
    EXPECT_TRUE(::GetWindowLongA(m_combo.GetDropWnd()->m_hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetParent(m_combo.GetDropWnd()->m_hWnd), ::GetDesktopWindow());
}

TEST_F(DrawnCombo, GripResizesWithinTheBoxWidthAndTheInitialSizePlus100)
{
    CreateBox({"Eins", "Zwei", "Drei"});
    Press(VK_F4);
    CDropWnd* pDrop = m_combo.GetDropWnd();
    const CRect rcStart = DropRect();
    EXPECT_EQ(pDrop->GetMaxWidth(), rcStart.Width() + 100);
    EXPECT_EQ(pDrop->GetMaxHeight(), rcStart.Height() + 100);
    const CPoint ptGrip(rcStart.Width() - 5, rcStart.Height() - 5);
    pDrop->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(ptGrip.x, ptGrip.y));
    pDrop->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptGrip.x + 40, ptGrip.y + 30));
    EXPECT_EQ(DropRect(), CRect(rcStart.TopLeft(), CSize(rcStart.Width() + 40, rcStart.Height() + 32)));
    pDrop->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptGrip.x + 500, ptGrip.y + 500));
    EXPECT_EQ(DropRect().Size(), CSize(rcStart.Width() + 100, rcStart.Height() + 100));
    pDrop->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(5, 5));
    EXPECT_EQ(DropRect().Width(), 200); // the box's width
    pDrop->SendMessage(WM_LBUTTONUP, 0, PointParam(5, 5));
    // The rows follow the new size.
    CRect rcList;
    pDrop->GetListBox()->GetWindowRect(rcList);
    EXPECT_EQ(rcList.Width(), 200 - ::GetSystemMetrics(SM_CXVSCROLL) - 2);
    EXPECT_TRUE(m_combo.IsDropped());
    EXPECT_EQ(m_log, Log{"DROPDOWN"});
}

TEST_F(DrawnCombo, ScrollBarMovesTheRows)
{
    CreateBox({});
    AddNumberedItems(30);
    m_combo.SetMaxDropRows(5);
    Press(VK_F4);
    CDropScrollBar* pBar = m_combo.GetDropWnd()->GetScrollBar();
    SCROLLINFO si = {};
    pBar->GetScrollInfo(&si);
    EXPECT_EQ(si.nMax, 29);
    EXPECT_EQ(si.nPage, 5u);
    auto scroll = [&](UINT nCode, UINT nPos = 0)
    { m_combo.GetDropWnd()->SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, nPos), (LPARAM)pBar->m_hWnd); };
    scroll(SB_LINEDOWN);
    EXPECT_EQ(List()->GetTopIndex(), 1);
    scroll(SB_PAGEDOWN);
    EXPECT_EQ(List()->GetTopIndex(), 6);
    scroll(SB_THUMBTRACK, 20);
    EXPECT_EQ(List()->GetTopIndex(), 20);
    EXPECT_EQ(pBar->GetScrollPos(), 20);
    scroll(SB_PAGEUP);
    scroll(SB_LINEUP);
    EXPECT_EQ(List()->GetTopIndex(), 14);
}

// --- drop-down style, creation by class name and subclassing -----------------------------------------

TEST_F(DrawnCombo, DropDownStyleKeepsItsEditPartInStep)
{
    CreateBox({"Eins", "Zwei", "Drei"}, CBS_DROPDOWN | CBS_AUTOHSCROLL);
    CDrawnComboEdit* pEdit = m_combo.GetEditPart();
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetDlgCtrlID(), ACB_ID_EDIT);
    EXPECT_TRUE(pEdit->GetStyle() & ES_AUTOHSCROLL);
    CRect rcEdit;
    pEdit->GetWindowRect(rcEdit);
    m_combo.ScreenToClient(rcEdit);
    EXPECT_EQ(rcEdit, CRect(3, 4, 200 - ::GetSystemMetrics(SM_CXHSCROLL) - 2, 20));

    // Setting the selection shows it in the edit part, quietly, so it reads back.
    m_combo.SetCurSel(1);
    CString strEdit;
    pEdit->GetWindowText(strEdit);
    EXPECT_EQ(strEdit, "Zwei");
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(m_log, Log{});

    // A pick writes the edit part before the list closes.
    PressKey(pEdit->m_hWnd, VK_F4);
    ASSERT_TRUE(m_combo.IsDropped());
    PressKey(pEdit->m_hWnd, VK_DOWN);
    PressKey(pEdit->m_hWnd, VK_RETURN);
    pEdit->GetWindowText(strEdit);
    EXPECT_EQ(strEdit, "Drei");
    EXPECT_EQ(m_combo.GetCurSel(), 2);
    EXPECT_EQ(m_log, (Log{"DROPDOWN", "SELENDOK", "CLOSEUP", "SELCHANGE", "return hook"}));

    // Typing reports the edit's update and change.
    m_log.clear();
    pEdit->SetWindowText("Dr");
    EXPECT_EQ(m_log, (Log{"EDITUPDATE", "EDITCHANGE"}));
}

TEST_F(DrawnCombo, CreatedByClassNameWithTheRegisteredClass)
{
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), DRAWNCOMBO_CLASSNAME, &wc));
    EXPECT_EQ(wc.style, (UINT)(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
    EXPECT_EQ(wc.cbWndExtra, 0);

    CTestCombo combo(m_log);
    ASSERT_TRUE(combo.CreateEx(0, DRAWNCOMBO_CLASSNAME, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN,
                               CRect(20, 60, 220, 82), &m_parent, 1702));
    EXPECT_EQ(combo.m_hWndNotify, m_parent.m_hWnd);
    ASSERT_NE(combo.GetEditPart(), nullptr);
    CRect rcEdit;
    combo.GetEditPart()->GetWindowRect(rcEdit);
    EXPECT_EQ(rcEdit.Height(), 16); // laid out in the box's own client area
    ASSERT_NE(combo.GetFont(), nullptr);
    LOGFONTA lfBox = {}, lfGui = {};
    combo.GetFont()->GetLogFont(&lfBox);
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lfGui), &lfGui);
    EXPECT_EQ(lfBox.lfHeight, lfGui.lfHeight); // the parent has no font: the GUI font's copy
}

TEST_F(DrawnCombo, SubclassingAWindowOfTheClassTakesItsItemsAndNotifiesTheGivenWindow)
{
    CTestCombo combo(m_log, &m_parent);
    HWND hWnd = ::CreateWindowExA(0, DRAWNCOMBO_CLASSNAME, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 20,
                                  60, 200, 22, m_parent.m_hWnd, reinterpret_cast<HMENU>(64170),
                                  AfxGetInstanceHandle(), nullptr);
    ASSERT_NE(hWnd, nullptr);
    ASSERT_TRUE(combo.SubclassWindow(hWnd));
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetEditPart(), nullptr); // drop-list style
    PressKey(hWnd, VK_DOWN);
    EXPECT_EQ(m_log, (Log{"SELENDOK", "SELCHANGE"}));
}

TEST_F(DrawnCombo, FocusNotificationsOfBothStyles)
{
    m_parent.m_bLogFocus = true;
    CreateBox({"Eins", "Zwei"});
    CEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(20, 200, 120, 220), &m_parent, 1799));
    other.SetFocus();
    EXPECT_EQ(m_log, Log{"escape hook"}); // every focus loss
    EXPECT_FALSE(m_combo.m_bFocusHighlight);
    m_log.clear();
    m_combo.SetFocus();
    EXPECT_EQ(m_log, Log{"SETFOCUS"});
    EXPECT_TRUE(m_combo.m_bFocusHighlight);

    // Drop-down style: the edit part takes the focus and reports it once; leaving it ends the selection.
    EventLog logDown;
    CTestCombo comboDown(logDown);
    ASSERT_TRUE(
        comboDown.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 60, 220, 82), &m_parent, 1703));
    comboDown.SetFocus();
    EXPECT_EQ(::GetFocus(), comboDown.GetEditPart()->m_hWnd);
    EXPECT_EQ(logDown, (Log{"escape hook"}));
    EXPECT_EQ(m_log, (Log{"SETFOCUS", "escape hook", "SETFOCUS"}));
    m_log.clear();
    comboDown.SetFocus();
    EXPECT_EQ(m_log, Log{}); // already reported
    other.SetFocus();
    EXPECT_EQ(m_log, (Log{"SELENDCANCEL", "KILLFOCUS"}));
}

TEST_F(DrawnCombo, InlineCompletionAndSuggestionList)
{
    EventLog log;
    CTestCombo combo(log, nullptr, ACB_INSET_EDIT | ACB_COMPLETE_INLINE);
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 60, 220, 82), &m_parent, 1704));
    for (const char* psz : {"Eins", "Drei", "Dach"})
        combo.AddString(psz);
    CDrawnComboEdit* pEdit = combo.GetEditPart();
    ASSERT_TRUE(TakeFocus(pEdit)); // the completion runs with the focus in the edit part
    pEdit->SendMessage(WM_CHAR, 'D', 1);
    pEdit->SendMessage(WM_CHAR, 'r', 1);
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_EQ(strText, "Drei");
    int iStart = 0, iEnd = 0;
    pEdit->GetSel(iStart, iEnd);
    EXPECT_EQ(iStart, 2);
    EXPECT_EQ(iEnd, 4);
    PressKey(pEdit->m_hWnd, VK_BACK); // disarms: the completed part goes and stays gone
    pEdit->GetWindowText(strText);
    EXPECT_EQ(strText, "Dr");

    EventLog logSuggest;
    CTestCombo suggest(logSuggest, nullptr, ACB_INSET_EDIT | ACB_SUGGEST_LIST);
    ASSERT_TRUE(
        suggest.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 100, 220, 122), &m_parent, 1705));
    for (const char* psz : {"Eins", "Drei", "Dach"})
        suggest.AddString(psz);
    ASSERT_TRUE(TakeFocus(suggest.GetEditPart()));
    suggest.GetEditPart()->SendMessage(WM_CHAR, 'D', 1);
    ASSERT_TRUE(suggest.IsDropped());
    EXPECT_EQ(suggest.GetDropWnd()->GetListBox()->GetCount(), 2);
    suggest.GetEditPart()->SendMessage(WM_CHAR, 'a', 1); // one match left: no list
    EXPECT_FALSE(suggest.IsDropped());
}

TEST_F(DrawnCombo, HoverLightsTheButtonUntilThePointerLeaves)
{
    CreateBox({"Eins"});
    CRect rcBox;
    m_combo.GetWindowRect(rcBox);
    m_combo.m_ptPointer = rcBox.TopLeft() + CSize(10, 10);
    m_combo.SendMessage(WM_MOUSEMOVE, 0, PointParam(10, 10));
    EXPECT_TRUE(m_combo.m_bButtonHot);
    PumpFor(120); // the timer finds the pointer still inside
    EXPECT_TRUE(m_combo.m_bButtonHot);
    m_combo.m_ptPointer = CPoint(rcBox.left + 10, rcBox.bottom + 100);
    EXPECT_TRUE(PumpUntil([&] { return !m_combo.m_bButtonHot; }, 2000));
}

TEST_F(DrawnCombo, BoxDestroyedWithItsListOpenTakesTheListAlong)
{
    HWND hWndDrop = nullptr;
    {
        EventLog log;
        CTestCombo combo(log);
        ASSERT_TRUE(
            combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 60, 220, 82), &m_parent, 1706));
        combo.AddString("Eins");
        combo.SendMessage(WM_ACB_TOGGLE_LIST);
        ASSERT_TRUE(combo.IsDropped());
        hWndDrop = combo.GetDropWnd()->m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWndDrop));
    EXPECT_EQ(::GetCapture(), nullptr);
}

// --- painting ---------------------------------------------------------------------------------------

namespace
{
// Records the themed drawing calls the box makes.
struct ThemeCalls
{
    std::vector<std::pair<int, int>> drawn; // part, state
} g_themeCalls;

HTHEME WINAPI RecordOpenThemeData(HWND, LPCWSTR)
{
    return reinterpret_cast<HTHEME>(1);
}
HRESULT WINAPI RecordCloseThemeData(HTHEME)
{
    return S_OK;
}
HRESULT WINAPI RecordDrawThemeBackground(HTHEME, HDC hdc, int iPart, int iState, const RECT* pRect,
                                         const RECT*)
{
    g_themeCalls.drawn.emplace_back(iPart, iState);
    ::FillRect(hdc, pRect, (HBRUSH)::GetStockObject(GRAY_BRUSH));
    return S_OK;
}
HRESULT WINAPI RecordGetThemeColor(HTHEME, int, int, int iProp, COLORREF* pColor)
{
    if (iProp != 3801)
        return E_FAIL;
    *pColor = RGB(0, 0, 255);
    return S_OK;
}

// A helper that is themed and draws through the recording functions.
class CRecordingThemeHelper : public CThemeHelper
{
public:
    CRecordingThemeHelper() : CThemeHelper(NoLibrary{}) {}

protected:
    FARPROC LookUp(LPCSTR lpszName) override
    {
        const std::string strName = lpszName;
        if (strName == "OpenThemeData")
            return Cast(&RecordOpenThemeData);
        if (strName == "CloseThemeData")
            return Cast(&RecordCloseThemeData);
        if (strName == "DrawThemeBackground")
            return Cast(&RecordDrawThemeBackground);
        if (strName == "GetThemeColor")
            return Cast(&RecordGetThemeColor);
        return nullptr;
    }
    BOOL IsLibraryLoaded() const override { return TRUE; }

private:
    template <class PFN> static FARPROC Cast(PFN pfn)
    {
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(pfn));
    }
};

// Themed without asking the platform.
class CAlwaysThemedHelper : public CRecordingThemeHelper
{
protected:
    FARPROC LookUp(LPCSTR lpszName) override
    {
        if (std::string(lpszName) == "IsAppThemed")
            return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&AppThemed));
        if (std::string(lpszName) == "GetCurrentThemeName")
            return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&ThemeName));
        return CRecordingThemeHelper::LookUp(lpszName);
    }
    BOOL GetCommonControlsVersion(DWORD& dwMajor, DWORD& dwMinor) override
    {
        dwMajor = 6;
        dwMinor = 0;
        return TRUE;
    }

private:
    static BOOL WINAPI AppThemed() { return TRUE; }
    static HRESULT WINAPI ThemeName(LPWSTR pszFile, int, LPWSTR pszColor, int, LPWSTR, int)
    {
        lstrcpyW(pszFile, L"luna.msstyles");
        lstrcpyW(pszColor, L"NormalColor");
        return S_OK;
    }
};
} // namespace

TEST_F(DrawnCombo, ThemedBoxDrawsItsButtonThroughTheHelper)
{
    CAlwaysThemedHelper helper;
    ASSERT_TRUE(helper.IsThemed());
    CThemeHelper* pPrevious = CThemeHelper::SetInstance(&helper);
    CreateBox({"Eins", "Zwei"});
    g_themeCalls = ThemeCalls();
    m_combo.RedrawWindow();
    EXPECT_EQ(g_themeCalls.drawn, (std::vector<std::pair<int, int>>{{1, 1}}));
    CRect rcBox;
    m_combo.GetWindowRect(rcBox);
    std::vector<DWORD> pixels = CaptureWindows(rcBox, {m_parent.m_hWnd});
    EXPECT_EQ(PixelAt(pixels, rcBox.Width(), 0, 10), RGB(0, 0, 255)); // the theme's border colour

    Press(VK_F4);
    g_themeCalls = ThemeCalls();
    m_combo.RedrawWindow();
    m_combo.GetDropWnd()->RedrawWindow();
    EXPECT_EQ(g_themeCalls.drawn,
              (std::vector<std::pair<int, int>>{{1, 3}, {6, 1}, {10, 1}})); // pressed; grip
    Press(VK_ESCAPE);

    g_themeCalls = ThemeCalls();
    m_combo.EnableWindow(FALSE);
    m_combo.RedrawWindow();
    EXPECT_EQ(g_themeCalls.drawn, (std::vector<std::pair<int, int>>{{1, 4}}));
    CThemeHelper::SetInstance(pPrevious);
}

TEST_F(DrawnCombo, PictureOfTheBoxAndItsOpenList)
{
    CThemeHelper* pPrevious = CThemeHelper::SetInstance(nullptr);
    CreateBox({"Drehmoment", "Kraft", "Masse", "Drehwinkel"});
    m_combo.SetCurSel(1);
    Press(VK_F4);
    Press(VK_DOWN);
    CRect rcParent, rcBox;
    m_parent.GetWindowRect(rcParent);
    m_combo.GetWindowRect(rcBox);
    const CRect rcDrop = DropRect();
    CRect rcShot = rcParent;
    rcShot.UnionRect(rcShot, rcDrop);
    const char* pszBuild = std::getenv("TQ5_BUILD_DIR");
    const std::string strPath = pszBuild != nullptr && *pszBuild == '/'
                                    ? std::string("Z:") + pszBuild + "/tests/controls_drawn_combo_open.bmp"
                                    : std::string("controls_drawn_combo_open.bmp");
    std::vector<DWORD> pixels =
        CaptureWindows(rcShot, {m_parent.m_hWnd, m_combo.GetDropWnd()->m_hWnd}, strPath.c_str());
    auto pixel = [&](CPoint ptScreen)
    { return PixelAt(pixels, rcShot.Width(), ptScreen.x - rcShot.left, ptScreen.y - rcShot.top); };

    // The box: its sunken edge, the text area, the drop button's face.
    EXPECT_EQ(pixel(rcBox.TopLeft()), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(CPoint(rcBox.left + 30, rcBox.top + 3)), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixel(CPoint(rcBox.right - 5, rcBox.top + 4)), ::GetSysColor(COLOR_BTNFACE));
    // The list below it: the dark frame, the selected row highlighted, the grip in the corner.
    EXPECT_EQ(rcDrop.top, rcBox.bottom);
    EXPECT_EQ(pixel(rcDrop.TopLeft()), ::GetSysColor(COLOR_3DDKSHADOW));
    const int cyItem = List()->GetItemHeight(0);
    int nHighlight = 0;
    for (int x = rcDrop.left + 2; x < rcDrop.left + 60; ++x)
        nHighlight +=
            pixel(CPoint(x, rcDrop.top + 1 + 2 * cyItem + cyItem / 2)) == ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_GT(nHighlight, 20);
    int nGrip = 0;
    const int cxGrip = ::GetSystemMetrics(SM_CXVSCROLL) - 2;
    for (int i = 2; i < cxGrip; ++i)
        nGrip +=
            pixel(CPoint(rcDrop.right - i, rcDrop.bottom - cxGrip + i - 1)) != ::GetSysColor(COLOR_WINDOW);
    EXPECT_GT(nGrip, 0);
    // The gap between the rows and the scroll bar is the window colour.
    CRect rcBar;
    m_combo.GetDropWnd()->GetScrollBar()->GetWindowRect(rcBar);
    EXPECT_EQ(pixel(CPoint(rcBar.left - 1, rcBar.top + 5)), ::GetSysColor(COLOR_WINDOW));
    CThemeHelper::SetInstance(pPrevious);
}
