// ON_NOTIFY_EX_RANGE: a handler over a range of control ids that can decline, so the notification
// goes on to the next entry.
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class CRangeBase : public CWnd
{
public:
    std::vector<UINT> m_baseIds;

protected:
    afx_msg void OnBaseNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_baseIds.push_back((UINT)pNMHDR->idFrom);
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRangeBase, CWnd)
ON_NOTIFY(NM_CLICK, 150000, OnBaseNotify)
END_MESSAGE_MAP()

// Takes the ids 100000 to 200000 but declines the even ones.
class CRangeWnd : public CRangeBase
{
public:
    std::vector<UINT> m_ids;

protected:
    afx_msg BOOL OnRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        EXPECT_EQ(nID, (UINT)pNMHDR->idFrom);
        m_ids.push_back(nID);
        *pResult = 3;
        return nID % 2 != 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRangeWnd, CRangeBase)
ON_NOTIFY_EX_RANGE(NM_CLICK, 100000, 200000, OnRange)
END_MESSAGE_MAP()
} // namespace

TEST(NotifyExRange, TakesIdsInItsRangeAndPassesOnWhatItDeclines)
{
    CRangeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "range", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    const struct
    {
        UINT nId;
        LRESULT lResult;
    } cases[] = {{100001, 3}, {150000, 7}, {99999, 0}, {200001, 0}};
    for (const auto& c : cases)
    {
        NMHDR nm = {nullptr, c.nId, (UINT)NM_CLICK};
        EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, c.nId, (LPARAM)&nm), c.lResult) << c.nId;
    }
    EXPECT_EQ(wnd.m_ids, (std::vector<UINT>{100001, 150000}));
    EXPECT_EQ(wnd.m_baseIds, (std::vector<UINT>{150000}));
    wnd.DestroyWindow();
}
