#include "TestDialogIds.h"

#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CHeaderCtrl.h"
#include "framework/CListBox.h"
#include "framework/CListCtrl.h"
#include "framework/CRichEditCtrl.h"
#include "framework/CSpinButtonCtrl.h"
#include "framework/CTabCtrl.h"
#include "framework/CTreeCtrl.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

namespace
{
// A list view that draws through its own reflected custom-draw notification.
class CDrawingList : public CListCtrl
{
public:
    int m_nPrePaints = 0;
    int m_nItemPrePaints = 0;

protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
    {
        auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
        if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT)
        {
            ++m_nPrePaints;
            *pResult = CDRF_NOTIFYITEMDRAW;
            return;
        }
        if (pDraw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
            ++m_nItemPrePaints;
        *pResult = CDRF_DODEFAULT;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDrawingList, CListCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

class COwnerDrawButton : public CButton
{
public:
    int m_nDraws = 0;
    HWND m_hWndDrawn = nullptr;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_nDraws;
        m_hWndDrawn = lpDrawItemStruct->hwndItem;
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

class CControlsDlg : public CDialog
{
public:
    CDrawingList m_list;
    COwnerDrawButton m_button;
    CRichEditCtrl m_richEdit;
    int m_nParentCustomDraws = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_LISTVIEW, m_list);
        DDX_Control(pDX, IDC_TEST_OWNERDRAW, m_button);
        DDX_Control(pDX, IDC_TEST_RICHEDIT, m_richEdit);
    }
    afx_msg void OnListCustomDraw(NMHDR*, LRESULT*) { ++m_nParentCustomDraws; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CControlsDlg, CDialog)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_TEST_LISTVIEW, OnListCustomDraw)
END_MESSAGE_MAP()

class DialogControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxInitRichEdit2());
        ASSERT_TRUE(m_dlg.Create(IDD_TEST_CONTROLS));
        m_dlg.ShowWindow(SW_SHOW);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    CControlsDlg m_dlg;
};
} // namespace

TEST_F(DialogControlsTest, SubclassedListViewGetsItsReflectedCustomDraw)
{
    CListCtrl& list = m_dlg.m_list;
    ASSERT_EQ(list.InsertColumn(0, "Schnittstelle", LVCFMT_LEFT, 80), 0);
    ASSERT_EQ(list.InsertColumn(1, "Status", LVCFMT_CENTER, 60), 1);
    ASSERT_EQ(list.InsertItem(0, "COM5"), 0);
    EXPECT_TRUE(list.SetItemText(0, 1, "verfügbar"));
    EXPECT_EQ(list.GetItemText(0, 1), "verf\xFCgbar");
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);

    list.Invalidate();
    list.UpdateWindow();
    ASSERT_TRUE(PumpUntil([&] { return m_dlg.m_list.m_nItemPrePaints > 0; }, 3000));
    EXPECT_GT(m_dlg.m_list.m_nPrePaints, 0);
    EXPECT_EQ(m_dlg.m_nParentCustomDraws, 0);
}

TEST_F(DialogControlsTest, OwnerDrawButtonDrawsThroughReflection)
{
    m_dlg.m_button.Invalidate();
    m_dlg.m_button.UpdateWindow();
    ASSERT_TRUE(PumpUntil([&] { return m_dlg.m_button.m_nDraws > 0; }, 3000));
    EXPECT_EQ(m_dlg.m_button.m_hWndDrawn, m_dlg.m_button.m_hWnd);
}

TEST_F(DialogControlsTest, RichEditLimitAndCharacterFormat)
{
    CRichEditCtrl& edit = m_dlg.m_richEdit;
    EXPECT_EQ(edit.GetLimitText(), 32767);
    edit.LimitText(1 << 20);
    EXPECT_EQ(edit.GetLimitText(), 1 << 20);
    edit.SetSel(0, -1);
    edit.ReplaceSel("Zeile mit Drehmoment");
    EXPECT_EQ(edit.GetTextLength(), 20);

    CHARFORMATA cf = {};
    cf.dwMask = CFM_BOLD;
    cf.dwEffects = CFE_BOLD;
    edit.SetSel(0, 10);
    ASSERT_TRUE(edit.SetSelectionCharFormat(cf));
    CHARFORMATA cfRead = {};
    EXPECT_TRUE(edit.GetSelectionCharFormat(cfRead) & CFM_BOLD);
    EXPECT_TRUE(cfRead.dwEffects & CFE_BOLD);
    long nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 10);
}

TEST(DialogControls, CreatedControlsAnswerThroughTheirWrappers)
{
    CDialog host;
    ASSERT_TRUE(host.Create(IDD_TEST_HOST));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 0, 100, 100), &host, 2001));
    combo.AddString("115,2k");
    combo.AddString("230,4k");
    combo.SetItemData(1, 16);
    EXPECT_EQ(combo.SelectString(-1, "230"), 1);
    CString str;
    EXPECT_EQ(combo.GetLBText(1, str), 6);
    EXPECT_EQ(str, "230,4k");
    EXPECT_EQ(combo.GetItemData(1), 16u);
    EXPECT_EQ(combo.GetLBText(5, str), CB_ERR);
    EXPECT_EQ(str, "");

    CListBox list;
    ASSERT_TRUE(list.Create(LBS_NOTIFY, CRect(0, 0, 100, 100), &host, 2002));
    int iData = 5;
    EXPECT_EQ(list.AddString("Zeile"), 0);
    list.SetItemDataPtr(0, &iData);
    EXPECT_EQ(list.GetItemDataPtr(0), &iData);
    EXPECT_EQ(list.GetText(0, str), 5);

    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(TVS_HASLINES | TVS_HASBUTTONS, CRect(0, 0, 100, 100), &host, 2003));
    HTREEITEM hRoot = tree.InsertItem("Betriebsart");
    HTREEITEM hChild = tree.InsertItem("Messen", hRoot);
    tree.SetItemData(hChild, 5057);
    EXPECT_EQ(tree.GetChildItem(hRoot), hChild);
    EXPECT_EQ(tree.GetParentItem(hChild), hRoot);
    EXPECT_EQ(tree.GetItemText(hChild), "Messen");
    EXPECT_EQ(tree.GetItemData(hChild), 5057u);
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));
    EXPECT_TRUE(tree.SetItemState(hChild, TVIS_BOLD, TVIS_BOLD));
    EXPECT_EQ(tree.GetItemState(hChild, TVIS_BOLD), (UINT)TVIS_BOLD);
    host.DestroyWindow();
    EXPECT_EQ(combo.m_hWnd, nullptr);
}

TEST(DialogControls, UpDownRangesAndTabItemData)
{
    CDialog host;
    ASSERT_TRUE(host.Create(IDD_TEST_HOST));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(UDS_ARROWKEYS, CRect(0, 0, 12, 20), &host, 2004));
    int nLower = -1, nUpper = -1;
    spin.SetRange(2, 20);
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(nLower, 2);
    EXPECT_EQ(nUpper, 20);
    spin.SetRange32(0, 100000000);
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(nUpper, 100000000);
    spin.SetPos32(70000);
    EXPECT_EQ(spin.GetPos32(), 70000);

    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(0, CRect(0, 0, 200, 100), &host, 2005));
    EXPECT_EQ(tab.InsertItem(0, "Diagramm"), 0);
    EXPECT_EQ(tab.InsertItem(TCIF_TEXT | TCIF_PARAM, 1, "Achse", 0, 4711), 1);
    char sz[32] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = sz;
    item.cchTextMax = sizeof(sz);
    ASSERT_TRUE(tab.GetItem(1, &item));
    EXPECT_STREQ(sz, "Achse");
    EXPECT_EQ(item.lParam, 4711);
    EXPECT_FALSE(tab.GetItem(2, &item));
    host.DestroyWindow();
}
