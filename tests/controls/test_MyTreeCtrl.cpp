// The navigation tree: item attributes, the prompt table, the hit test, clicks and expansions reported
// to the callback, the status prompts of a hover sequence (a recording parent is the status window),
// and a picture of coloured items.
#include "controls/CMyTreeCtrl.h"

#include "ClientShot.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
// The status window: records every prompt message with the prompt the tree names at that moment.
class CPromptRecorder : public CWnd
{
public:
    CMyTreeCtrl* m_pTree = nullptr;
    std::vector<std::pair<WPARAM, int>> m_prompts;

protected:
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam)
    {
        EXPECT_EQ(lParam, 0);
        m_prompts.emplace_back(wParam, m_pTree->GetPromptId());
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPromptRecorder, CWnd)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

struct Event
{
    CString strEvent;
    CString strText;
    DWORD_PTR dwData;
    bool operator==(const Event&) const = default;
};

void PrintTo(const Event& e, std::ostream* os)
{
    *os << "{" << e.strEvent.GetString() << ", " << e.strText.GetString() << ", " << e.dwData << "}";
}

class Tree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "navigation", WS_POPUP | WS_VISIBLE, 40, 40, 240, 320,
                                      nullptr, nullptr));
        m_parent.m_pTree = &m_tree;
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
                                  CRect(0, 0, 240, 320), &m_parent, 10000));
        m_tree.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        m_tree.SetItemCallback(&Tree::OnItem, this);
        // Filled as the frame does: item data is the German string id of the label.
        m_hFile = Add("File", 5014);
        m_hSave = Add("Save Measvalue", 5015, m_hFile);
        m_hDiagram = Add("Save Diagram", 5016, m_hFile);
        m_hView = Add("View", 5028);
        m_hChannelA = Add("Channel A", 5323, m_hView);
        m_hValidation = Add("IO/NIO-validation", 5431, m_hView);
        m_hHelp = Add("Help", 5042);
        m_hInfo = Add("Info", 5043, m_hHelp);
        for (HTREEITEM h : {m_hFile, m_hView, m_hHelp})
            m_tree.Expand(h, TVE_EXPAND);
        m_tree.m_bNotifyExpand = 1;
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    HTREEITEM Add(LPCSTR lpszText, DWORD_PTR dwData, HTREEITEM hParent = TVI_ROOT)
    {
        HTREEITEM h = m_tree.InsertItem(lpszText, hParent);
        m_tree.SetItemData(h, dwData);
        return h;
    }
    CRect TextRect(HTREEITEM hItem) const
    {
        CRect rc;
        m_tree.GetItemRect(hItem, &rc, TRUE);
        return rc;
    }
    void HoverOver(CPoint point) { m_tree.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y)); }
    void HoverOver(HTREEITEM hItem) { HoverOver(TextRect(hItem).CenterPoint()); }
    CPoint BelowTheItems() const { return CPoint(40, TextRect(m_hInfo).bottom + 30); }

    static int OnItem(void* pContext, CString strEvent, CString strText, DWORD_PTR dwData)
    {
        Tree* pTest = static_cast<Tree*>(pContext);
        pTest->m_events.push_back({strEvent, strText, dwData});
        if (pTest->m_hExpandInCallback != nullptr)
            pTest->m_tree.Expand(pTest->m_hExpandInCallback, TVE_EXPAND);
        return 0;
    }

    CPromptRecorder m_parent;
    CMyTreeCtrl m_tree;
    HTREEITEM m_hFile{}, m_hSave{}, m_hDiagram{}, m_hView{}, m_hChannelA{}, m_hValidation{}, m_hHelp{},
        m_hInfo{};
    std::vector<Event> m_events;
    HTREEITEM m_hExpandInCallback = nullptr;
};
} // namespace

TEST(TreePrompts, TableOfKeys)
{
    const struct
    {
        DWORD dwKey;
        int nPromptId; // -1: no prompt of its own
    } cases[] = {{5014, 10000}, {5015, 10001}, {5018, 10004}, {5021, 10005}, {5027, 10011}, {5028, -1},
                 {5029, 10000}, {5030, -1},    {5034, 10016}, {5041, 10022}, {5044, 10024}, {5139, 10025},
                 {5323, 10026}, {5324, 10027}, {5431, 10028}, {10000, -1},   {0, -1}};
    for (const auto& c : cases)
    {
        CMyTreeCtrl tree;
        EXPECT_EQ(CMyTreeCtrl::HasPrompt(c.dwKey), c.nPromptId >= 0) << c.dwKey;
        EXPECT_EQ(tree.LookupPrompt(c.dwKey, FALSE), c.nPromptId >= 0) << c.dwKey;
        EXPECT_EQ(tree.GetPromptId(), CMyTreeCtrl::PROMPT_NONE_YET) << c.dwKey;
        tree.LookupPrompt(c.dwKey, TRUE);
        EXPECT_EQ(tree.GetPromptId(), c.nPromptId >= 0 ? c.nPromptId : CMyTreeCtrl::PROMPT_NONE_YET)
            << c.dwKey;
    }
}

TEST_F(Tree, ConstructedQuiet)
{
    CMyTreeCtrl tree;
    EXPECT_EQ(tree.m_pCallback, nullptr);
    EXPECT_EQ(tree.m_pStatusWnd, nullptr);
    EXPECT_EQ(tree.m_bNotifyExpand, 0);
    EXPECT_EQ(tree.m_dwHoverData, 0u);
    EXPECT_EQ(tree.m_dwLastHoverData, 0u);
    EXPECT_EQ(tree.GetPromptId(), -3);
    EXPECT_TRUE(tree.m_mapColorFont.IsEmpty());
}

TEST_F(Tree, ColourRecordsAndBoldState)
{
    m_tree.SetItemColor(m_hSave, RGB(1, 2, 3));
    m_tree.SetItemBkColor(m_hDiagram, RGB(4, 5, 6));
    m_tree.SetItemBkColor(m_hSave, RGB(7, 8, 9));
    Color_Font cf{};
    ASSERT_TRUE(m_tree.m_mapColorFont.Lookup(m_hSave, cf));
    EXPECT_EQ(cf.color, RGB(1, 2, 3));
    EXPECT_EQ(cf.bkcolor, RGB(7, 8, 9));
    EXPECT_EQ(cf.logfont.lfFaceName[0], '\0');
    ASSERT_TRUE(m_tree.m_mapColorFont.Lookup(m_hDiagram, cf));
    EXPECT_EQ(cf.color, CLR_INVALID);
    EXPECT_EQ(cf.bkcolor, RGB(4, 5, 6));

    EXPECT_TRUE(m_tree.SetItemBold(m_hView, TRUE));
    EXPECT_EQ(m_tree.GetItemBold(m_hView), (UINT)TVIS_BOLD);
    EXPECT_TRUE(m_tree.SetItemBold(m_hView, FALSE));
    EXPECT_EQ(m_tree.GetItemBold(m_hView), 0u);

    // A deleted item's record stays.
    m_tree.DeleteItem(m_hDiagram);
    EXPECT_EQ(m_tree.m_mapColorFont.GetCount(), 2);
}

TEST_F(Tree, HitTestTakesTheTextAndTheImageLeftOfIt)
{
    const CRect rc = TextRect(m_hSave);
    const int yMid = rc.CenterPoint().y;
    const struct
    {
        CPoint point;
        HTREEITEM hExpected;
    } cases[] = {
        {CPoint(rc.left - 18, yMid), m_hSave}, // on the image
        {CPoint(rc.left - 19, yMid), nullptr}, // on the lines and buttons
        {CPoint(rc.right, rc.top), m_hSave},   // bounds inclusive
        {CPoint(rc.right + 1, yMid), nullptr},
        {TextRect(m_hFile).CenterPoint(), m_hFile},
        {CPoint(TextRect(m_hFile).left - 19, TextRect(m_hFile).CenterPoint().y), nullptr}, // expand button
        {BelowTheItems(), nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_tree.FindItemAt(c.point), c.hExpected) << c.point.x << "," << c.point.y;
}

TEST_F(Tree, HoverSequenceAnnouncesThePromptsInOrder)
{
    HoverOver(m_hSave);
    EXPECT_TRUE(m_parent.m_prompts.empty()); // no status window yet
    EXPECT_EQ(m_tree.GetPromptId(), -3);

    m_tree.m_pStatusWnd = &m_parent;
    HoverOver(m_hSave);
    HoverOver(TextRect(m_hSave).TopLeft()); // the same item
    HoverOver(m_hDiagram);
    m_tree.SetItemData(m_hChannelA, 5016);
    HoverOver(m_hChannelA); // another item with the same data
    HoverOver(m_hView);     // a folder with no prompt of its own
    EXPECT_EQ(m_tree.m_dwHoverData, 5028u);
    HoverOver(BelowTheItems());
    EXPECT_EQ(m_tree.GetPromptId(), -5);
    EXPECT_EQ(m_tree.m_dwHoverData, 0u);
    HoverOver(BelowTheItems() + CPoint(20, 5));
    HoverOver(m_hValidation);
    HoverOver(m_hSave);

    const std::vector<std::pair<WPARAM, int>> expected = {{10000, 10001}, {10000, 10002}, {10000, 10002},
                                                          {10000, 10000}, {10000, 10028}, {10000, 10001}};
    EXPECT_EQ(m_parent.m_prompts, expected);
}

TEST_F(Tree, LeavingBeforeAnyPromptSendsNothing)
{
    m_tree.m_pStatusWnd = &m_parent;
    HoverOver(m_hView); // no prompt of its own: the prompt stays -3
    HoverOver(BelowTheItems());
    ASSERT_EQ(m_parent.m_prompts.size(), 1u);
    EXPECT_EQ(m_parent.m_prompts[0].second, -3);
    EXPECT_EQ(m_tree.GetPromptId(), -5);
}

TEST_F(Tree, ClickReportsTheItemUnderTheCursor)
{
    const struct
    {
        CPoint point;
        std::vector<Event> expected;
    } cases[] = {
        {TextRect(m_hDiagram).CenterPoint(), {{"Save Diagram", "Save Diagram", 5016}}},
        {CPoint(TextRect(m_hInfo).left - 10, TextRect(m_hInfo).CenterPoint().y), {{"Info", "Info", 5043}}},
        {CPoint(TextRect(m_hFile).left - 22, TextRect(m_hFile).CenterPoint().y), {}}, // expand button
        {BelowTheItems(), {}},
    };
    for (const auto& c : cases)
    {
        m_events.clear();
        CPoint ptScreen = c.point;
        m_tree.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        const LPARAM lParam = MAKELPARAM(c.point.x, c.point.y);
        m_tree.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        m_tree.PostMessage(WM_LBUTTONUP, 0, lParam);
        if (c.expected.empty())
            PumpFor(50);
        else
            EXPECT_TRUE(PumpUntil([&] { return !m_events.empty(); }, 2000));
        EXPECT_EQ(m_events, c.expected) << c.point.x << "," << c.point.y;
    }
}

TEST_F(Tree, ExpansionsReportedOnlyWhileTheFlagIsSet)
{
    HTREEITEM hPrograms = Add("Operating Mode", 5019);
    Add("Sensor Connection", 5021, hPrograms);
    HTREEITEM hAdjust = Add("Adjust. Mode", 5020);
    Add("Sensor Adjustment", 5025, hAdjust);

    m_tree.m_bNotifyExpand = 0; // as while the frame rebuilds the items
    m_tree.Expand(hPrograms, TVE_EXPAND);
    EXPECT_TRUE(m_events.empty());

    // The user clicks the expand button; the callback's own expansion is not reported.
    m_tree.m_bNotifyExpand = 1;
    m_hExpandInCallback = hAdjust;
    const int yButton = TextRect(hPrograms).CenterPoint().y;
    int xButton = 0;
    for (TVHITTESTINFO hit{}; xButton < TextRect(hPrograms).left; ++xButton)
    {
        hit.pt = CPoint(xButton, yButton);
        m_tree.SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.flags & TVHT_ONITEMBUTTON)
            break;
    }
    ASSERT_LT(xButton, TextRect(hPrograms).left);
    CPoint ptScreen(xButton, yButton);
    m_tree.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    m_tree.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xButton, yButton));
    m_tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(xButton, yButton));
    EXPECT_TRUE(PumpUntil([&] { return !m_events.empty(); }, 2000));
    PumpFor(20); // the release: a click on the button reports no item
    EXPECT_EQ(m_tree.GetItemState(hPrograms, TVIS_EXPANDED) & TVIS_EXPANDED, 0u);
    EXPECT_EQ(m_tree.GetItemState(hAdjust, TVIS_EXPANDED) & TVIS_EXPANDED, (UINT)TVIS_EXPANDED);
    EXPECT_EQ(m_tree.m_bNotifyExpand, 1);
    const std::vector<Event> expected = {{"TXT_ON_TVN_ITEMEXPANDED", "Operating Mode", 5019}};
    EXPECT_EQ(m_events, expected);
}

TEST_F(Tree, PictureShowsItemsInTheirColoursExceptTheSelectedOne)
{
    constexpr COLORREF YELLOW = RGB(255, 255, 0);
    constexpr COLORREF GREEN = RGB(0, 255, 0);
    constexpr COLORREF RED = RGB(255, 0, 0);
    m_tree.SetItemBkColor(m_hSave, YELLOW);
    m_tree.SetItemColor(m_hSave, RED);
    m_tree.SetItemBold(m_hSave, TRUE);
    m_tree.SetItemBkColor(m_hDiagram, GREEN);
    m_tree.SetItemBkColor(m_hInfo, CLR_INVALID); // a record that keeps the tree's colours
    m_tree.SelectItem(m_hDiagram);

    auto area = [&](HTREEITEM hItem)
    {
        CRect rc = TextRect(hItem);
        rc.right += 40; // the bold text is wider than the tree's own
        return rc;
    };
    {
        CClientShot shot(&m_tree);
        EXPECT_GT(shot.Count(area(m_hSave), YELLOW), 100);
        EXPECT_GT(shot.Count(area(m_hSave), RED), 20);
        EXPECT_EQ(shot.Count(area(m_hDiagram), GREEN), 0); // selected: the tree's own colours
        EXPECT_EQ(shot.Count(area(m_hInfo), ::GetSysColor(COLOR_WINDOWTEXT)) > 0,
                  shot.Count(area(m_hChannelA), ::GetSysColor(COLOR_WINDOWTEXT)) > 0);
        EXPECT_TRUE(shot.Save("controls_navigation_tree"));
    }
    m_tree.SelectItem(m_hInfo);
    CClientShot shot(&m_tree);
    EXPECT_GT(shot.Count(area(m_hDiagram), GREEN), 100);
}
