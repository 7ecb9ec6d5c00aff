// The cell list's in-place editors: how an edit ends (Enter, Escape, focus loss, a click on the frame),
// and that opening one while another is open leaves exactly one.
#include "CellListFixture.h"
#include "controls/CCellEdit.h"

namespace
{
// The list's in-place edit fields that exist as windows.
int CountEditWindows(const CCellListCtrl& list)
{
    int n = 0;
    for (HWND h = ::GetWindow(list.m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        n += ::GetDlgCtrlID(h) == CCellListCtrl::EDITOR_ID;
    return n;
}

enum class Ending
{
    EnterKey,
    EscapeKey,
    EnterChar,
    EscapeChar,
    FocusLoss,
    FrameClick
};
} // namespace

class CellEditors : public CellList
{
protected:
    void SetUp() override
    {
        CellList::SetUp();
        AddSensorRow(0, "COM5");
        AddSensorRow(1, "COM6");
        for (int iRow : {0, 1})
            for (int iCol : {2, 3})
                m_list.GetCell(iRow, iCol)->editOn = TRUE;
    }
    // Ends the open edit; keys go through the message queue as typed.
    void End(Ending how)
    {
        CCellEdit* pEditor = m_list.GetEditor();
        ASSERT_NE(pEditor, nullptr);
        HWND hEdit = pEditor->m_hWnd;
        switch (how)
        {
            case Ending::EnterKey:
            case Ending::EscapeKey:
                ::PostMessageA(hEdit, WM_KEYDOWN, how == Ending::EnterKey ? VK_RETURN : VK_ESCAPE, 0);
                ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hEdit); }, 2000));
                break;
            case Ending::EnterChar:
            case Ending::EscapeChar:
                ::SendMessageA(hEdit, WM_CHAR, how == Ending::EnterChar ? 13 : 27, 0);
                break;
            case Ending::FocusLoss:
                m_parent.SetFocus();
                break;
            case Ending::FrameClick:
                m_list.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, 0);
                break;
        }
        EXPECT_FALSE(::IsWindow(hEdit));
        EXPECT_EQ(m_list.GetEditor(), nullptr);
    }
};

TEST_F(CellEditors, AnEditEndsAsItsKeyOrTheFocusSays)
{
    const struct
    {
        Ending how;
        LPCSTR lpszTyped;
        LPCSTR lpszCell; // the cell's text afterwards
        bool bModified;
        bool bSent;
    } cases[] = {
        {Ending::EnterKey, "7", "7", true, true},
        {Ending::EscapeKey, "7", "1", false, false},
        {Ending::EnterChar, "8", "8", true, true},
        {Ending::EscapeChar, "8", "1", false, false},
        {Ending::FocusLoss, "9", "9", true, true},
        {Ending::FrameClick, "6", "6", true, true},
        // An emptied field keeps the old text, and the parent is still told.
        {Ending::EnterKey, "", "1", false, true},
        // The same text again: not a change.
        {Ending::EnterKey, "1", "1", false, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        m_list.SetCellText(0, 2, "1");
        m_list.SetCellModified(0, 2, FALSE);
        m_list.m_bListModified = FALSE;
        m_parent.m_messages.clear();

        ClickCell(0, 2);
        ASSERT_NE(m_list.GetEditor(), nullptr);
        CString strShown;
        m_list.GetEditor()->GetWindowText(strShown);
        EXPECT_EQ(strShown, "1");
        EXPECT_EQ(CWnd::GetFocus(), m_list.GetEditor());
        m_list.GetEditor()->SetWindowText(c.lpszTyped);
        End(c.how);

        EXPECT_EQ(m_list.GetItemText(0, 2), c.lpszCell);
        EXPECT_EQ(m_list.IsCellModified(0, 2), c.bModified);
        EXPECT_EQ(m_list.m_bListModified, c.bModified);
        std::vector<CellMessage> expected;
        if (c.bSent)
            expected.push_back({WM_CELLLIST_EDIT_END, 0, 2});
        EXPECT_EQ(m_parent.m_messages, expected);
    }
}

TEST_F(CellEditors, TheEditFieldLiesInItsCell)
{
    ClickCell(1, 3);
    ASSERT_NE(m_list.GetEditor(), nullptr);
    CRect rcEdit;
    m_list.GetEditor()->GetWindowRect(&rcEdit);
    m_list.ScreenToClient(&rcEdit);
    CRect rcRow;
    m_list.GetItemRect(1, &rcRow, LVIR_BOUNDS);
    EXPECT_EQ(rcEdit, CRect(rcRow.left + 110 + 80 + 60 + 2, rcRow.top, rcRow.left + 110 + 80 + 60 + 2 + 86,
                            rcRow.bottom + 1));
    EXPECT_EQ(m_list.GetEditor()->GetDlgCtrlID(), 99);
    EXPECT_EQ(m_list.GetEditor()->GetStyle() & (ES_CENTER | ES_RIGHT), (DWORD)ES_LEFT);
}

TEST_F(CellEditors, OpeningASecondEditorLeavesExactlyOne)
{
    ClickCell(0, 2);
    m_list.GetEditor()->SetWindowText("5");
    ClickCell(1, 3);
    EXPECT_EQ(CountEditWindows(m_list), 1);
    ASSERT_NE(m_list.GetEditor(), nullptr);
    CString strShown;
    m_list.GetEditor()->GetWindowText(strShown);
    EXPECT_EQ(strShown, "123456");
    // The first edit ended as a loss of the focus ends it.
    EXPECT_EQ(m_list.GetItemText(0, 2), "5");
    EXPECT_EQ(m_parent.m_messages, (std::vector<CellMessage>{{WM_CELLLIST_EDIT_END, 0, 2}}));

    // Opened by code while one is open: still one, the first one's text taken.
    m_list.GetEditor()->SetWindowText("42");
    m_list.OpenCellEditor(0, 3);
    EXPECT_EQ(CountEditWindows(m_list), 1);
    EXPECT_EQ(m_list.GetItemText(1, 3), "42");
    EXPECT_EQ(m_parent.m_messages.back(), (CellMessage{WM_CELLLIST_EDIT_END, 1, 3}));
    m_list.DeleteAllRows();
    EXPECT_EQ(CountEditWindows(m_list), 0);
    EXPECT_EQ(m_parent.m_messages.size(), 2u) << "deleting the rows drops the edit silently";
}

TEST_F(CellEditors, ANarrowColumnOpensNoEditor)
{
    m_list.SetColumnWidth(2, 4);
    m_list.OpenCellEditor(0, 2);
    EXPECT_EQ(m_list.GetEditor(), nullptr);
    m_list.GetCell(1, 0)->enabled = FALSE;
    m_list.OpenCellEditor(1, 3);
    EXPECT_EQ(m_list.GetEditor(), nullptr);
}
