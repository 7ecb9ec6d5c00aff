// Rules the main frame acts on, checked without a window: which key messages are hot keys, and which
// channel bars share a column or a row and what size they are given.
#include "app/CChannelBarGroup.h"
#include "app/CHotKeys.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

TEST(HotKeys, KeysAreTakenAsTheFrameDefines)
{
    struct Case
    {
        UINT message;
        WPARAM wKey;
        bool bCtrl, bShift;
        CHotKeys::Action action;
        UINT nCommand;
        bool bConsumed;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_ESCAPE, false, false, CHotKeys::NONE, 0, true},
        {WM_KEYDOWN, VK_ESCAPE, true, true, CHotKeys::NONE, 0, true},
        {WM_KEYDOWN, VK_TAB, true, false, CHotKeys::NEXT_PAGE, 0, true},
        {WM_KEYDOWN, VK_TAB, true, true, CHotKeys::PREVIOUS_PAGE, 0, true},
        {WM_KEYDOWN, VK_TAB, false, false, CHotKeys::NONE, 0, false},
        {WM_KEYDOWN, 'C', true, false, CHotKeys::COPY, 0, true},
        {WM_KEYDOWN, 'X', true, false, CHotKeys::COPY, 0, true},
        {WM_KEYDOWN, 'D', true, false, CHotKeys::COMMAND, ID_FILE_SAVE_DIAGRAM, true},
        {WM_KEYDOWN, 'E', true, false, CHotKeys::COMMAND, ID_FILE_EXIT, true},
        {WM_KEYDOWN, 'M', true, false, CHotKeys::COMMAND, ID_FILE_SAVE_MEASURED_VALUES, true},
        {WM_KEYDOWN, 'P', true, false, CHotKeys::COMMAND, ID_FILE_PRINT_REPORT, true},
        {WM_KEYDOWN, 'R', true, false, CHotKeys::COMMAND, ID_VIEW_RESET, true},
        {WM_KEYDOWN, 'S', true, false, CHotKeys::NONE, 0, true},
        {WM_KEYDOWN, 'L', true, true, CHotKeys::TOGGLE_LOG, 0, true},
        {WM_KEYDOWN, 'L', true, false, CHotKeys::NONE, 0, true},
        {WM_KEYDOWN, 'T', true, true, CHotKeys::TOGGLE_TRACE, 0, true},
        {WM_KEYDOWN, 'T', true, false, CHotKeys::NONE, 0, true},
        {WM_KEYDOWN, 'T', false, true, CHotKeys::NONE, 0, false},
        {WM_KEYDOWN, 'A', true, false, CHotKeys::NONE, 0, false},
        {WM_KEYDOWN, 'C', false, false, CHotKeys::NONE, 0, false},
        {WM_KEYUP, 'T', true, true, CHotKeys::NONE, 0, false},
        {WM_KEYUP, VK_F5, false, false, CHotKeys::REFRESH_CONNECTIONS, 0, false},
        {WM_KEYDOWN, VK_F5, false, false, CHotKeys::NONE, 0, false},
        {WM_CHAR, 'c', true, false, CHotKeys::NONE, 0, false},
    };
    for (const Case& c : cases)
    {
        const CHotKeys::Key key = CHotKeys::Classify(c.message, c.wKey, c.bCtrl, c.bShift);
        SCOPED_TRACE(testing::Message() << "message " << c.message << " key " << c.wKey << " ctrl " << c.bCtrl
                                        << " shift " << c.bShift);
        EXPECT_EQ(c.action, key.action);
        EXPECT_EQ(c.nCommand, key.nCommand);
        EXPECT_EQ(c.bConsumed, key.bConsumed);
    }
}

namespace
{
CChannelBarGroup::Bar Column(int left, int top, int bottom, bool bVisible = true)
{
    return {bVisible, CChannelBarGroup::SIDE_COLUMN, CRect(left, top, left + 274, bottom)};
}
CChannelBarGroup::Bar Row(int left, int right, int top, bool bVisible = true)
{
    return {bVisible, CChannelBarGroup::SIDE_ROW, CRect(left, top, right, top + 95)};
}
} // namespace

TEST(ChannelBarGroup, BarsOfOneColumnOrRowShareItsSize)
{
    const CChannelBarGroup::Bar floating = {true, 0, CRect(0, 0, 100, 100)};
    struct Case
    {
        const char* pszWhat;
        CChannelBarGroup::Bar bars[3];
        int nMembers;
        int iSide;
        int iTarget;
    };
    const Case cases[] = {
        {"three in one column",
         {Column(900, 0, 100), Column(900, 100, 300), Column(900, 300, 330)},
         3,
         2,
         110},
        {"two in a column, the third elsewhere",
         {Column(900, 0, 100), Column(600, 0, 50), Column(900, 100, 301)},
         2,
         2,
         150},
        {"the hidden bar is no partner",
         {Column(900, 0, 100), Column(900, 100, 300, false), floating},
         0,
         0,
         0},
        {"two in a row", {Row(0, 200, 500), Row(200, 300, 500), floating}, 2, 1, 150},
        {"column and row never match", {Column(0, 0, 95), Row(0, 274, 0), floating}, 0, 0, 0},
        {"floating bars are no group", {floating, floating, floating}, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszWhat);
        const CChannelBarGroup group = CChannelBarGroup::Find(c.bars);
        EXPECT_EQ(c.nMembers, group.nMembers);
        EXPECT_EQ(c.iSide, group.iSide);
        EXPECT_EQ(c.iTarget, group.iTarget);
    }
    // The group of the second case starts with the first bar; it is reached when every member lies
    // within a pixel of the target.
    const CChannelBarGroup group = CChannelBarGroup::Find(cases[1].bars);
    EXPECT_EQ(0, group.aiMembers[0]);
    EXPECT_EQ(2, group.aiMembers[1]);
    EXPECT_FALSE(group.IsReached(cases[1].bars));
    const CChannelBarGroup::Bar nearly[3] = {Column(900, 0, 149), Column(600, 0, 50), Column(900, 149, 297)};
    EXPECT_FALSE(group.IsReached(nearly));
    const CChannelBarGroup::Bar sized[3] = {Column(900, 0, 149), Column(600, 0, 50), Column(900, 149, 300)};
    EXPECT_TRUE(group.IsReached(sized));
}
