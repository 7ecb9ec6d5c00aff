// The filtering edit field: typed characters accepted, replaced or removed by language and mode, each
// edit reported to the host, the number parsed, the change history, and texts set by the program.
#include "controls/CMyEdit.h"
#include "controls/CMyEditHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr char kNumeric[] = ".,0123456789-";
constexpr char kSerial[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ?";
constexpr int GERMAN = 0, ENGLISH = 1000, FRENCH = 2000;

class CRecordingHost : public CMyEditHost
{
public:
    struct Report
    {
        std::string strText;
        bool bChanged;
    };
    int m_iLanguage = GERMAN;
    std::vector<Report> m_reports;

    int GetLanguageOffset() override { return m_iLanguage; }
    void OnMyEditChange(CMyEdit* pEdit, bool bChanged) override
    {
        m_reports.push_back({(LPCSTR)pEdit->m_strCurrentText, bChanged});
    }
};

class MyEdit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_parent.CreateEx(0, nullptr, "edits", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(
            m_edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(5, 5, 200, 25), &m_parent, 1298));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    void Configure(bool bNumeric, LPCSTR lpszAllowed, bool bPlusMinus = false)
    {
        m_edit.Configure(lpszAllowed, 0, 1000, 2000, 3000, &m_host, bNumeric, '\0', bPlusMinus);
    }
    // Sets the text as the program does (not reported), then types at the caret position.
    void Type(LPCSTR lpszStart, LPCSTR lpszTyped, int iCaret = -1)
    {
        m_edit.SuppressChanges();
        m_edit.SetText(lpszStart);
        m_edit.AllowChanges();
        m_host.m_reports.clear();
        const int iAt = iCaret < 0 ? m_edit.GetWindowTextLength() : iCaret;
        m_edit.SetSel(iAt, iAt);
        for (const char* p = lpszTyped; *p; ++p)
            m_edit.SendMessage(WM_CHAR, (WPARAM)(unsigned char)*p, 1);
    }
    std::string Text() const
    {
        CString str;
        m_edit.GetWindowText(str);
        return (LPCSTR)str;
    }

    CWnd m_parent;
    CMyEdit m_edit;
    CRecordingHost m_host;
};

TEST_F(MyEdit, NumericModeFiltersTypedCharactersByLanguage)
{
    Configure(true, kNumeric);
    struct Case
    {
        int iLanguage;
        const char *pszStart, *pszTyped, *pszResult;
        int iCaret;
    } cases[] = {
        {ENGLISH, "12", ",", "12.", -1},  // the English separator
        {ENGLISH, "12", ".", "12.", -1},  //
        {GERMAN, "12", ".", "12,", -1},   // the German one
        {GERMAN, "12", ",", "12,", -1},   //
        {FRENCH, "12", ".", "12,", -1},   // the French one
        {GERMAN, "1,5", ".", "1,5", -1},  // a second separator
        {ENGLISH, "1.5", ",", "1.5", -1}, //
        {GERMAN, "", ",", "", -1},        // no leading separator
        {ENGLISH, "5", ".", "5", 0},      //
        {GERMAN, "5", "-", "5", -1},      // a sign only in front
        {GERMAN, "5", "-", "-5", 0},      //
        {GERMAN, "-5", "-", "-5", 0},     // one sign
        {GERMAN, "12", "a+ ", "12", -1},  // not allowed
        {GERMAN, "", "-3.25", "-3,25", -1}, {ENGLISH, "", "-3,25", "-3.25", -1},
        {FRENCH, "", "0.5.", "0,5", -1},
    };
    for (const Case& c : cases)
    {
        m_host.m_iLanguage = c.iLanguage;
        Type(c.pszStart, c.pszTyped, c.iCaret);
        EXPECT_EQ(Text(), c.pszResult) << c.iLanguage << " '" << c.pszStart << "' + '" << c.pszTyped << "'";
        EXPECT_EQ((LPCSTR)m_edit.m_strCurrentText, Text());
        // One report per typed character, none for the field's own corrections.
        EXPECT_EQ(m_host.m_reports.size(), std::strlen(c.pszTyped)) << c.pszTyped;
    }
}

TEST_F(MyEdit, NumericModeParsesAndReportsOnlyNewValues)
{
    Configure(true, kNumeric);
    m_host.m_iLanguage = GERMAN;
    Type("", "3,5");
    EXPECT_DOUBLE_EQ(m_edit.m_dValue, 3.5);
    ASSERT_EQ(m_host.m_reports.size(), 3u);
    // Each new number counts: "3", "3," (still 3) and "3,5".
    EXPECT_TRUE(m_host.m_reports[0].bChanged);
    EXPECT_FALSE(m_host.m_reports[1].bChanged);
    EXPECT_TRUE(m_host.m_reports[2].bChanged);
    Type("3,5", "0");
    ASSERT_EQ(m_host.m_reports.size(), 1u);
    EXPECT_EQ(m_host.m_reports[0].strText, "3,50");
    EXPECT_FALSE(m_host.m_reports[0].bChanged); // same value
    Type("3,50", "1");
    EXPECT_TRUE(m_host.m_reports[0].bChanged);
    EXPECT_DOUBLE_EQ(m_edit.m_dLastValue, 3.501);

    // Text that is no number parses as its leading numeric part.
    m_edit.SetText("-12abc");
    EXPECT_DOUBLE_EQ(m_edit.m_dValue, -12.0);
    m_edit.SetText("abc");
    EXPECT_DOUBLE_EQ(m_edit.m_dValue, 0.0);
}

TEST_F(MyEdit, TextModeRemovesWhatIsNotAllowedAndStillReportsAChange)
{
    Configure(false, kSerial);
    m_edit.SetMaxLength(6);
    Type("AB12", "#");
    EXPECT_EQ(Text(), "AB12");
    ASSERT_EQ(m_host.m_reports.size(), 1u);
    EXPECT_TRUE(m_host.m_reports[0].bChanged);

    // The history: last and previous accepted texts; the program's restore is not reported as a change.
    Type("AB12", "3");
    EXPECT_EQ(m_edit.m_strLastText, "AB123");
    EXPECT_EQ(m_edit.m_strPreviousText, "AB12");
    m_host.m_reports.clear();
    m_edit.RestorePreviousText();
    EXPECT_EQ(Text(), "AB12");
    EXPECT_FALSE(m_edit.IsSuppressingChanges());
    ASSERT_EQ(m_host.m_reports.size(), 1u);
    EXPECT_FALSE(m_host.m_reports[0].bChanged);

    // Texts set later are cut to the limit.
    m_edit.SetText("1234567");
    EXPECT_EQ(Text(), "123456");
    EXPECT_EQ(m_edit.GetLimitText(), 6u);
}

TEST_F(MyEdit, PlusAndMinusComposeToPlusMinus)
{
    Configure(false, "0123456789+-", true);
    struct Case
    {
        const char *pszStart, *pszTyped, *pszResult;
        int iCaret;
    } cases[] = {{"5+", "-", "5\xB1", -1},
                 {"5-", "+", "5\xB1", -1},
                 {"-5", "+",
                  "\xB1"
                  "5",
                  0},
                 {"5", "-", "5-", -1},
                 {"5-", "-", "5--", -1}};
    for (const Case& c : cases)
    {
        Type(c.pszStart, c.pszTyped, c.iCaret);
        EXPECT_EQ(Text(), c.pszResult) << c.pszStart << " + " << c.pszTyped;
    }
}

TEST_F(MyEdit, SetTextWritesTheLanguagesSeparator)
{
    Configure(true, kNumeric);
    struct Case
    {
        int iLanguage;
        const char *pszSet, *pszShown;
    } cases[] = {{GERMAN, "3.5", "3,5"},
                 {ENGLISH, "3,5", "3.5"},
                 {FRENCH, "1.25", "1,25"},
                 {3000, "2.5", "2,5"},
                 {4711, "2.5", "2.5"}};
    for (const Case& c : cases)
    {
        m_host.m_iLanguage = c.iLanguage;
        m_edit.SetText(c.pszSet);
        EXPECT_EQ(Text(), c.pszShown) << c.iLanguage;
        EXPECT_EQ(m_edit.m_strLastText, c.pszShown);
        EXPECT_EQ(m_edit.m_strPreviousText, c.pszShown);
    }
    // A fixed separator serves every language.
    m_edit.Configure(kNumeric, 0, 1000, 2000, 3000, &m_host, true, '.');
    m_host.m_iLanguage = GERMAN;
    m_edit.SetText("7,5");
    EXPECT_EQ(Text(), "7.5");
    Type("7", ",");
    EXPECT_EQ(Text(), "7.");
}

// Without a host the page calls CheckChange from its own EN_CHANGE handler.
TEST_F(MyEdit, TheFirstCheckCountsEvenWhileSuppressed)
{
    m_edit.Configure(kNumeric, 0, 1000, 2000, 3000, nullptr, true);
    m_edit.SuppressChanges();
    m_edit.SetText("4.5");
    EXPECT_EQ(Text(), "4.5"); // no language to convert to
    EXPECT_TRUE(m_edit.CheckChange());
    EXPECT_DOUBLE_EQ(m_edit.m_dValue, 4.5);
    EXPECT_TRUE(m_edit.IsSuppressingChanges());
    EXPECT_FALSE(m_edit.CheckChange());
    m_edit.AllowChanges();
    EXPECT_TRUE(m_edit.CheckChange()); // 4.5 is not the last value yet
    EXPECT_FALSE(m_edit.CheckChange());
}

TEST_F(MyEdit, SetTextAndSelectSelectsOnlyWithFocusAndAFittingRange)
{
    Configure(false, kSerial);
    m_edit.SetTextAndSelect("ABCDEF", 1, 3);
    int iStart = -1, iEnd = -1;
    m_edit.GetSel(iStart, iEnd);
    EXPECT_EQ(iEnd - iStart, 0);

    m_parent.ShowWindow(SW_SHOW);
    m_parent.SetForegroundWindow();
    m_edit.SetFocus();
    ASSERT_TRUE(m_edit.HasFocus());
    m_edit.SetTextAndSelect("ABCDEF", 1, 3);
    m_edit.GetSel(iStart, iEnd);
    EXPECT_EQ(iStart, 1);
    EXPECT_EQ(iEnd, 3);
    m_edit.SetTextAndSelect("XYZ", 0, 4);
    m_edit.GetSel(iStart, iEnd);
    EXPECT_NE(iEnd, 4);
    m_edit.SendMessage(WM_KILLFOCUS);
    EXPECT_FALSE(m_edit.HasFocus());
}
} // namespace
