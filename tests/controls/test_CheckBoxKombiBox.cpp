// The pages' check box (boolean setters, indeterminate state kept) and combo box (entries found by their
// item data).
#include "controls/CCheckBox.h"
#include "controls/CKombiBox.h"

#include <gtest/gtest.h>

namespace
{
class SmallControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_parent.CreateEx(0, nullptr, "controls", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CWnd m_parent;
};

TEST_F(SmallControls, CheckBoxSetsCheckedAndLeavesAnIndeterminateBox)
{
    CCheckBox box;
    ASSERT_TRUE(
        box.Create("Kanal A", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(5, 5, 100, 25), &m_parent, 1291));
    struct Case
    {
        int nBefore;
        bool bRequest;
        int nAfter;
    } cases[] = {{BST_UNCHECKED, true, BST_CHECKED},           {BST_CHECKED, true, BST_CHECKED},
                 {BST_CHECKED, false, BST_UNCHECKED},          {BST_UNCHECKED, false, BST_UNCHECKED},
                 {BST_INDETERMINATE, true, BST_INDETERMINATE}, {BST_INDETERMINATE, false, BST_INDETERMINATE}};
    for (const Case& c : cases)
    {
        box.SetCheck(c.nBefore);
        EXPECT_EQ(box.SetChecked(c.bRequest), c.bRequest) << c.nBefore << " " << c.bRequest;
        EXPECT_EQ(box.GetCheck(), c.nAfter) << c.nBefore << " " << c.bRequest;
        EXPECT_EQ(box.IsChecked(), c.nAfter == BST_CHECKED);
    }

    EXPECT_FALSE(box.SetEnabled(false));
    EXPECT_FALSE(box.IsWindowEnabled());
    EXPECT_TRUE(box.SetEnabled(true));
    EXPECT_TRUE(box.IsWindowEnabled());
    m_parent.ShowWindow(SW_SHOW);
    EXPECT_FALSE(box.SetVisible(false));
    EXPECT_FALSE(box.IsWindowVisible());
    EXPECT_TRUE(box.SetVisible(true));
    EXPECT_TRUE(box.IsWindowVisible());
}

// A sorted list: the item data must go to the entry AddString placed, not to the last one.
TEST_F(SmallControls, KombiBoxFindsTheOneEntryWithTheData)
{
    CKombiBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(5, 5, 150, 120),
                             &m_parent, 1100));
    combo.AddItem("Punkt", 2);
    combo.AddItem("Komma", 1);
    combo.AddItem("Semikolon", 3);
    combo.AddItem("Anfang", 3);
    combo.AddString("Tabulator"); // not counted
    combo.SetItemData(combo.FindStringExact(-1, "Tabulator"), 7);
    EXPECT_EQ(combo.GetItemCounter(), 4);

    CString strText;
    combo.GetLBText(combo.FindItemData(1), strText);
    EXPECT_EQ(strText, "Komma");
    combo.GetLBText(combo.FindItemData(2), strText);
    EXPECT_EQ(strText, "Punkt");
    EXPECT_EQ(combo.FindItemData(3), -1); // two entries
    EXPECT_EQ(combo.FindItemData(9), -1); // none

    combo.ResetContent();
    EXPECT_EQ(combo.GetItemCounter(), 0);
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.FindItemData(2), -1);
    combo.AddItem("Punkt", 2);
    EXPECT_EQ(combo.FindItemData(2), 0);
}
} // namespace
