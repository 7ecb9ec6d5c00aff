// The cell list's in-place combo: choosing a baud rate with the mouse, what Enter, Escape, a focus loss
// and a click beside the cells do with the choice, and that one combo at most is open.
#include "CellListFixture.h"
#include "DrawnComboTestSupport.h"
#include "controls/CCellCombo.h"
#include "controls/CDropListBox.h"

namespace
{
// Other test programs share the display and take the focus at any moment; the combos of these tests
// do not see a focus that leaves the thread.
LRESULT CALLBACK CellComboProcShielded(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    const HWND hNewFocus = (HWND)wParam;
    if (nMsg == WM_KILLFOCUS &&
        (hNewFocus == nullptr || ::GetWindowThreadProcessId(hNewFocus, nullptr) != ::GetCurrentThreadId()))
        return 0;
    return AfxWndProc(hWnd, nMsg, wParam, lParam);
}

BOOL CALLBACK CountCombo(HWND hWnd, LPARAM lParam)
{
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    *reinterpret_cast<int*>(lParam) +=
        lstrcmpA(szClass, DRAWNCOMBO_CLASSNAME) == 0 && ::IsWindowVisible(hWnd);
    return TRUE;
}

int CountComboWindows()
{
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountCombo, (LPARAM)&n);
    return n;
}
} // namespace

class CellCombos : public CellList
{
protected:
    void SetUp() override
    {
        CellList::SetUp();
        AddSensorRow(0, "COM5", 0);
        AddSensorRow(1, "COM6", 1);
        AddSilentRow(2, "COM1");
    }
    // Clicks the row's baud-rate cell; the combo that opens.
    CCellCombo* Open(int iRow, int iCol = 1)
    {
        ClickCell(iRow, iCol);
        CCellCombo* pCombo = m_list.GetCombo();
        if (pCombo != nullptr && pCombo->m_hWnd != nullptr)
            ::SetWindowLongPtrA(pCombo->m_hWnd, GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(&CellComboProcShielded));
        return pCombo;
    }
    bool WaitClosed()
    {
        return PumpUntil([&] { return m_list.GetCombo() == nullptr; }, 3000);
    }
    // Opens the drop-down list with a click on the box, points at the row and lets the button go.
    void PickWithTheMouse(CCellCombo* pCombo, int iRow)
    {
        pCombo->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 5));
        pCombo->SendMessage(WM_LBUTTONUP, 0, PointParam(10, 5));
        CDropWnd* pDrop = pCombo->GetDropWnd();
        ASSERT_NE(pDrop, nullptr);
        ::SetWindowLongPtrA(pDrop->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DropWndProcShielded));
        CDropListBox* pRows = pDrop->GetListBox();
        CRect rcRows;
        pRows->GetWindowRect(rcRows);
        pDrop->ScreenToClient(rcRows);
        pDrop->SendMessage(WM_MOUSEMOVE, 0, PointParam(rcRows.left + 5, rcRows.top + 5));
        const int y = iRow * pRows->GetItemHeight(0) + 3;
        pRows->SendMessage(WM_MOUSEMOVE, 0, PointParam(5, y));
        pRows->SendMessage(WM_LBUTTONUP, 0, PointParam(5, y));
    }
    std::vector<CellMessage> Selection(int iRow) { return {{WM_CELLLIST_COMBO_SELECTION, iRow, 1}}; }
};

TEST_F(CellCombos, ChoosingABaudRateTellsTheParentWithRowAndColumn)
{
    CCellCombo* pCombo = Open(0);
    ASSERT_NE(pCombo, nullptr);
    // Over the cell: one pixel higher, one further right.
    CRect rcCell = CellRect(0, 1);
    m_list.ClientToScreen(&rcCell);
    CRect rcCombo;
    pCombo->GetWindowRect(&rcCombo);
    EXPECT_EQ(rcCombo, CRect(rcCell.left + 1, rcCell.top - 1, rcCell.right, rcCell.bottom));
    EXPECT_EQ(pCombo->GetCount(), 2);
    EXPECT_EQ(pCombo->GetCurSel(), 0);
    EXPECT_EQ(pCombo->GetMaxDropRows(), 2);
    EXPECT_EQ(CWnd::GetFocus(), pCombo);

    PickWithTheMouse(pCombo, 1);
    ASSERT_TRUE(WaitClosed());
    EXPECT_EQ(m_list.GetItemText(0, 1), "230,4k");
    EXPECT_TRUE(m_list.IsCellModified(0, 1));
    EXPECT_TRUE(m_list.m_bListModified);
    EXPECT_EQ(m_parent.m_messages, Selection(0));
    EXPECT_EQ(CountComboWindows(), 0);
}

TEST_F(CellCombos, ATextNotAmongTheChoicesShowsTheFirstAndTakingItIsNoChange)
{
    m_list.GetCell(0, 1)->comboInitialIndex = -1;
    m_list.SetCellText(0, 1, "n.a.");
    for (int i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        CCellCombo* pCombo = Open(0);
        ASSERT_NE(pCombo, nullptr);
        EXPECT_EQ(pCombo->GetCurSel(), 0);
        PressKey(pCombo->m_hWnd, VK_RETURN);
        ASSERT_TRUE(WaitClosed());
        EXPECT_EQ(m_list.GetItemText(0, 1), "115,2k");
        EXPECT_FALSE(m_list.IsCellModified(0, 1));
        EXPECT_FALSE(m_list.m_bListModified);
    }
    // The parent hears of each choice all the same.
    EXPECT_EQ(m_parent.m_messages.size(), 2u);
    EXPECT_EQ(m_parent.m_messages.back(), Selection(0).front());
}

TEST_F(CellCombos, EnterAndAFocusLossTakeTheChoiceEscapeAndAClickBesideTheCellsDropIt)
{
    enum class Ending
    {
        Enter,
        FocusLoss,
        Escape,
        ClickBeside
    };
    const struct
    {
        Ending how;
        bool bTaken;
    } cases[] = {{Ending::Enter, true},
                 {Ending::FocusLoss, true},
                 {Ending::Escape, false},
                 {Ending::ClickBeside, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        m_list.GetCell(1, 1)->comboInitialIndex = -1;
        m_list.SetCellText(1, 1, "115,2k");
        m_list.SetCellModified(1, 1, FALSE);
        m_parent.m_messages.clear();
        CCellCombo* pCombo = Open(1);
        ASSERT_NE(pCombo, nullptr);
        PressKey(pCombo->m_hWnd, VK_DOWN);
        EXPECT_EQ(pCombo->GetCurSel(), 1);
        switch (c.how)
        {
            case Ending::Enter:
                PressKey(pCombo->m_hWnd, VK_RETURN);
                break;
            case Ending::Escape:
                PressKey(pCombo->m_hWnd, VK_ESCAPE);
                break;
            case Ending::FocusLoss:
                m_parent.SetFocus();
                break;
            case Ending::ClickBeside:
            {
                // Below the rows: the list takes the focus from the combo as well.
                const CPoint pt(20, CellRect(2, 0).bottom + 20);
                m_list.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
                m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
                break;
            }
        }
        ASSERT_TRUE(WaitClosed());
        EXPECT_EQ(m_list.GetItemText(1, 1), c.bTaken ? "230,4k" : "115,2k");
        EXPECT_EQ(m_list.IsCellModified(1, 1), c.bTaken);
        EXPECT_EQ(m_parent.m_messages, c.bTaken ? Selection(1) : std::vector<CellMessage>{});
        EXPECT_EQ(CountComboWindows(), 0);
    }
}

TEST_F(CellCombos, OpeningAnotherEditorLeavesExactlyOne)
{
    CCellCombo* pFirst = Open(0);
    ASSERT_NE(pFirst, nullptr);
    PressKey(pFirst->m_hWnd, VK_DOWN);
    // Another combo cell: the first combo closes at once, its choice taken as on a loss of the focus.
    CCellCombo* pSecond = Open(1);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(CountComboWindows(), 1);
    EXPECT_EQ(m_list.GetItemText(0, 1), "230,4k");
    EXPECT_EQ(m_parent.m_messages, Selection(0));
    // No closing timer of the first combo is left to act on the second.
    EXPECT_FALSE(::KillTimer(m_list.m_hWnd, CCellListCtrl::TIMER_COMBO_DROP));
    EXPECT_FALSE(::KillTimer(m_list.m_hWnd, CCellListCtrl::TIMER_COMBO_TAKE));
    EXPECT_EQ(m_list.GetCombo(), pSecond);

    // An edit cell: the combo closes, one edit field opens.
    m_list.GetCell(1, 3)->editOn = TRUE;
    ClickCell(1, 3);
    EXPECT_EQ(m_list.GetCombo(), nullptr);
    EXPECT_EQ(CountComboWindows(), 0);
    ASSERT_NE(m_list.GetEditor(), nullptr);
    EXPECT_EQ(m_parent.m_messages.size(), 2u);

    // Deleting the rows closes an open combo without a word to the parent.
    m_list.OpenCellCombo(0, 1);
    EXPECT_EQ(m_list.GetEditor(), nullptr);
    ASSERT_NE(m_list.GetCombo(), nullptr);
    m_list.DeleteAllRows();
    EXPECT_EQ(m_list.GetCombo(), nullptr);
    EXPECT_EQ(CountComboWindows(), 0);
    EXPECT_EQ(m_parent.m_messages.size(), 3u);
}

TEST_F(CellCombos, EmptyChoicesOpenAnEmptyComboThatChangesNothing)
{
    CStringArray empty;
    empty.Add("");
    empty.Add("");
    ASSERT_TRUE(m_list.SetCellCombo(0, 6, TRUE, &empty, 10, 0, FALSE));
    m_list.SetCellText(0, 6, "TK-USB");
    CCellCombo* pCombo = Open(0, 6);
    ASSERT_NE(pCombo, nullptr);
    EXPECT_EQ(pCombo->GetCount(), 0);
    PressKey(pCombo->m_hWnd, VK_RETURN);
    ASSERT_TRUE(WaitClosed());
    EXPECT_EQ(m_list.GetItemText(0, 6), "TK-USB");
    EXPECT_TRUE(m_parent.m_messages.empty());

    // Neither does a column narrower than 5 pixels open one.
    m_list.SetColumnWidth(1, 4);
    m_list.OpenCellCombo(0, 1);
    EXPECT_EQ(m_list.GetCombo(), nullptr);
}
