// The append-style rich edit: coloured and bold appends read back with their attributes, the caret and
// the view follow the text, the line-break counter, long texts kept whole, and a picture of it.
#include "controls/CRichEditCtrlExtended.h"

#include "ClientShot.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
constexpr COLORREF RED = RGB(220, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 230);

using Range = std::pair<long, long>;

class RichEditExtended : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "rich edit", WS_POPUP | WS_VISIBLE, 20, 20, 420, 200,
                                      nullptr, nullptr));
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                                  CRect(0, 0, 400, 180), &m_parent, 1320));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CString Text() const
    {
        CString str;
        m_edit.GetWindowText(str);
        return str;
    }
    Range Sel() const
    {
        long nStart = 0, nEnd = 0;
        m_edit.GetSel(nStart, nEnd);
        return {nStart, nEnd};
    }
    // The format of the characters [nStart, nEnd); its mask tells which attributes they share.
    CHARFORMATA Format(long nStart, long nEnd)
    {
        m_edit.SetSel(nStart, nEnd);
        CHARFORMATA cf{};
        cf.dwMask = m_edit.GetSelectionCharFormat(cf);
        return cf;
    }
    void ExpectFormat(long nStart, long nEnd, COLORREF color, bool bBold)
    {
        const CHARFORMATA cf = Format(nStart, nEnd);
        EXPECT_TRUE((cf.dwMask & (CFM_COLOR | CFM_BOLD)) == (CFM_COLOR | CFM_BOLD)) << nStart << "-" << nEnd;
        EXPECT_FALSE(cf.dwEffects & CFE_AUTOCOLOR) << nStart;
        EXPECT_EQ(cf.crTextColor, color) << nStart;
        EXPECT_EQ((cf.dwEffects & CFE_BOLD) != 0, bBold) << nStart;
    }
    // The character's line lies inside the client area.
    bool IsCharVisible(long nChar) const
    {
        POINTL pt{};
        m_edit.SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), nChar);
        CRect rc;
        m_edit.GetClientRect(&rc);
        return pt.y >= 0 && pt.y + 8 <= rc.bottom;
    }

    CWnd m_parent;
    CRichEditCtrlExtended m_edit;
};
} // namespace

TEST_F(RichEditExtended, AppendsKeepTheirColourAndWeightAndTheCaretFollows)
{
    m_edit.AppendFormattedText("red ", RED, FALSE);
    EXPECT_EQ(Sel(), Range(4, 4));
    m_edit.AppendFormattedText("bold blue ", BLUE, TRUE);
    m_edit.AppendText("plain ", RED);
    m_edit.AppendText("black bold", 1, 0);
    m_edit.AppendText(" black", 0, 0);
    EXPECT_EQ(Sel(), Range(36, 36));
    EXPECT_EQ(Text(), "red bold blue plain black bold black");

    ExpectFormat(0, 4, RED, false);
    ExpectFormat(4, 14, BLUE, true);
    ExpectFormat(14, 20, RED, false);
    ExpectFormat(20, 30, RGB(0, 0, 0), true);
    ExpectFormat(30, 36, RGB(0, 0, 0), false);
}

TEST_F(RichEditExtended, EmptyTextChangesNothing)
{
    m_edit.AppendText("abc", BLUE);
    m_edit.SetSel(1, 2);
    m_edit.AppendFormattedText("", RED, TRUE);
    m_edit.AppendFormattedText(nullptr, RED, TRUE);
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(Sel(), Range(1, 2));
    ExpectFormat(0, 3, BLUE, false);
}

TEST_F(RichEditExtended, SelectedRangeIsReplacedAndFormattedAsAWhole)
{
    m_edit.AppendText("one two three", BLUE);
    m_edit.SetSel(4, 7);
    m_edit.AppendFormattedText("2 and 2", RED, TRUE);
    EXPECT_EQ(Text(), "one 2 and 2 three");
    EXPECT_EQ(Sel(), Range(11, 11));
    ExpectFormat(4, 11, RED, true);
    ExpectFormat(11, 17, BLUE, false);
}

TEST_F(RichEditExtended, CountsTheLineBreaksItInserts)
{
    m_edit.AppendText("a", 0, 0);
    m_edit.AppendNewLines(0);
    EXPECT_EQ(m_edit.GetNewLineCount(FALSE), 0);
    EXPECT_EQ(Text(), "a");

    m_edit.AppendNewLines(3);
    m_edit.AppendText("b", 0, 0);
    m_edit.AppendNewLines(1);
    EXPECT_EQ(Text(), "a\r\n\r\n\r\nb\r\n");
    EXPECT_EQ(m_edit.GetNewLineCount(FALSE), 4);
    EXPECT_EQ(m_edit.GetNewLineCount(TRUE), 4);
    EXPECT_EQ(m_edit.GetNewLineCount(FALSE), 0);
    m_edit.AppendNewLines(2);
    m_edit.ResetNewLineCount();
    EXPECT_EQ(m_edit.m_iNewLineCount, 0);
}

TEST_F(RichEditExtended, ViewFollowsTheNewestLine)
{
    long nNewest = 0;
    for (int i = 0; i < 60; ++i)
    {
        CString str;
        str.Format("line %02d", i);
        nNewest = m_edit.GetTextLength() - i; // rich edit positions count a line break as one
        m_edit.AppendText(str, RED);
        m_edit.AppendNewLines(1);
        EXPECT_TRUE(IsCharVisible(nNewest)) << i;
    }
    EXPECT_GT(m_edit.GetFirstVisibleLine(), 40);
}

TEST_F(RichEditExtended, KeepsALongTraceWhole)
{
    const CString strLine('x', 998);
    for (int i = 0; i < 100; ++i)
    {
        m_edit.AppendText(strLine, 0, 0);
        m_edit.AppendNewLines(1);
    }
    EXPECT_EQ(m_edit.GetTextLength(), 100 * 1000);
    EXPECT_EQ(Text().Right(1000), strLine + "\r\n");
}

TEST_F(RichEditExtended, ItsFontIsTheMessageFontOneUnitTaller)
{
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof(ncm);
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    ASSERT_LT(ncm.lfMessageFont.lfHeight, 0); // a character height
    CHARFORMATA cf{};
    m_edit.GetDefaultCharFormat(cf);
    EXPECT_STREQ(cf.szFaceName, ncm.lfMessageFont.lfFaceName);
    EXPECT_EQ(cf.yHeight, (-ncm.lfMessageFont.lfHeight + 1) * 1440 / 96); // twips at 96 dpi
    EXPECT_FALSE(cf.dwEffects & CFE_BOLD);
}

TEST_F(RichEditExtended, ControlBoundByDataExchangeGetsTheRaisedLimit)
{
    // A control of a dialog template, made by the system.
    HWND hWnd = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_CHILD | ES_MULTILINE, 0, 0, 100, 100, m_parent,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(::SendMessageA(hWnd, EM_GETLIMITTEXT, 0, 0), 32767); // the control's own limit
    CRichEditCtrlExtended bound;
    ASSERT_TRUE(bound.SubclassWindow(hWnd));
    EXPECT_GT(bound.GetLimitText(), 100000);
    EXPECT_GT(m_edit.GetLimitText(), 100000);
    bound.DestroyWindow();
}

TEST_F(RichEditExtended, PictureShowsColouredLines)
{
    for (int i = 0; i < 3; ++i)
    {
        m_edit.AppendFormattedText("RED RED RED RED RED RED", RED, TRUE);
        m_edit.AppendNewLines(1);
        m_edit.AppendFormattedText("BLUE BLUE BLUE BLUE BLUE", BLUE, FALSE);
        m_edit.AppendNewLines(1);
    }
    m_edit.SetSel(0, 0);
    m_edit.SendMessage(WM_VSCROLL, SB_TOP);
    CClientShot shot(&m_edit);
    POINTL ptBlue{};
    m_edit.SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&ptBlue), m_edit.LineIndex(1));
    EXPECT_GT(shot.Count(CRect(0, 0, 300, ptBlue.y), RED), 30);
    EXPECT_EQ(shot.Count(CRect(0, 0, 300, ptBlue.y), BLUE), 0);
    EXPECT_GT(shot.Count(CRect(0, ptBlue.y, 300, ptBlue.y + 14), BLUE), 30);
    EXPECT_TRUE(shot.Save("controls_rich_edit"));
}
