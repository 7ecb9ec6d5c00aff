// Unit, rate and choice tables, the fixed-decimals formatter and the filter of typed numbers.
#include "MeasureFakes.h"

#include "framework/CEdit.h"
#include "measurement/CEditInput.h"
#include "measurement/CEditInputAdapter.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/CUnitTable.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "controls/ControlTexts.h"
#include "protocol/Language.h"

#include <gtest/gtest.h>

#include <vector>

using Helpers = CMeasureAdjustHelpers;

namespace
{
constexpr const char* NUMBER_CHARS = "0123456789.,-+";
constexpr const char* DIGITS = "0123456789";

// Text and caret of an input field; a replacement notes the update flag as the change handler sees it.
class CTextInput : public CEditInput
{
public:
    CString m_strText;
    int m_iStart = 0;
    int m_iEnd = 0;
    const BYTE* m_pbFlag = nullptr;
    std::vector<BYTE> m_flagsSeen;

    CString GetText() const override { return m_strText; }
    void GetSel(int& iStart, int& iEnd) const override
    {
        iStart = m_iStart;
        iEnd = m_iEnd;
    }
    void ReplaceRange(int iStart, int iEnd, const CString& strText) override
    {
        m_strText = m_strText.Left(iStart) + strText + m_strText.Mid(iEnd);
        m_iStart = m_iEnd = iStart + strText.GetLength();
        if (m_pbFlag)
            m_flagsSeen.push_back(*m_pbFlag);
    }
};

// Types each character at the caret and lets the filter see it, as the field's change handler does.
CString Type(const char* pszStart, const char* pszTyped, int iLanguage, const char* pszAllowed = NUMBER_CHARS)
{
    CTextInput input;
    input.m_strText = pszStart;
    input.m_iStart = input.m_iEnd = input.m_strText.GetLength();
    BYTE bUpdate = 0;
    for (const char* p = pszTyped; *p; ++p)
    {
        input.ReplaceRange(input.m_iStart, input.m_iEnd, CString(*p, 1));
        Helpers::FilterEditText(input, bUpdate, pszAllowed, iLanguage);
    }
    return input.m_strText;
}
} // namespace

TEST(UnitTables, CodesAndStringIdsMapBothWays)
{
    const struct
    {
        char cTypeClass;
        int iCode;
        int iId;
        double dFactor;
    } cases[] = {{'D', 0, 5091, 0.00001},
                 {'D', 4, 5096, 0.11800994},
                 {'D', 5, 5095, 1.4161193},
                 {'D', 6, 5098, 0.007375621},
                 {'D', 8, 5319, 1.0},
                 {'K', 4, 5363, 3.596942998},
                 {'W', 5, 5366, 0.002204623001},
                 {'d', 0, 5334, 1.0},
                 {'A', 1, 5319, 1.0},
                 {'S', 0, 5336, 1.0},
                 {'X', 0, 5361, 1.0},
                 {'Q', 0, 5361, 1.0}};
    for (const auto& c : cases)
    {
        const CUnitTable& table = CUnitTable::ForTypeClass(c.cTypeClass);
        double dFactor = 0.0;
        EXPECT_EQ(c.iId, table.CodeToId(c.iCode, &dFactor)) << c.cTypeClass << c.iCode;
        EXPECT_EQ(c.dFactor, dFactor);
        EXPECT_EQ(c.iCode, table.IdToCode(c.iId, nullptr));
        EXPECT_EQ(c.dFactor, table.IdToFactor(c.iId));
        EXPECT_EQ(c.dFactor, table.CodeToFactor(c.iCode));
    }
    double dFactor = 0.0;
    EXPECT_EQ(-1, CUnitTable::ForTypeClass('D').CodeToId(9, &dFactor));
    EXPECT_EQ(1.0, dFactor);
    EXPECT_EQ(-1, CUnitTable::ForTypeClass('D').IdToCode(5367, &dFactor));
    EXPECT_EQ(1.0, CUnitTable::ForTypeClass('K').IdToFactor(5093));
    EXPECT_EQ(9, CUnitTable::ForTypeClass('D').GetCount());
    EXPECT_EQ(2, CUnitTable::ForTypeClass('Z').GetCount());
}

TEST(UnitTables, OneCentinewtonMetreInTheOtherTorqueUnits)
{
    const CUnitTable& torque = CUnitTable::ForTypeClass('D');
    EXPECT_EQ(0.01, 1.0 * torque.CodeToFactor(1));
    EXPECT_EQ(10.0, 1.0 * torque.CodeToFactor(3));
    EXPECT_EQ(0.088507458, 1.0 * torque.CodeToFactor(7));
    EXPECT_EQ("0.0885075", Helpers::FormatNumber(torque.CodeToFactor(7), 7, LANGUAGE_ENGLISH));
}

TEST(RateTables, TextIdsAndSamplePeriods)
{
    const struct
    {
        int iCode;
        int iId;
        double dPeriod;
    } cases[] = {{0, IDS_RATE_5000_PER_SECOND, 0.0002},
                 {6, IDS_RATE_200_PER_SECOND, 0.005},
                 {7, IDS_RATE_185_PER_SECOND, 1.0 / 185},
                 {10, IDS_RATE_33_PER_SECOND, 1.0 / 33},
                 {14, IDS_RATE_1_PER_SECOND, 1.0},
                 {19, IDS_RATE_1_PER_HOUR, 3600.0},
                 {20, 0, 1.0},
                 {-1, 0, 1.0}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.iId, Helpers::GetRateStringId(c.iCode)) << c.iCode;
        EXPECT_EQ(c.dPeriod, Helpers::GetSamplePeriod(c.iCode)) << c.iCode;
    }
    MeasureAdjustStruct s{};
    Helpers::SetSamplePeriodFromRate(s, 7);
    EXPECT_EQ(1.0 / 185, s.dSamplePeriod);
}

TEST(ChoiceTables, MeanFactorsAndStringIds)
{
    const int aiMean[][2] = {{0, 1}, {1, 2}, {2, 4}, {9, 512}, {10, 1}, {-1, 1}};
    for (const auto& c : aiMean)
        EXPECT_EQ(c[1], Helpers::GetMeanFactor(c[0])) << c[0];
    EXPECT_EQ(IDS_SIGN_MINUS, Helpers::GetSignStringId(1));
    EXPECT_EQ(IDS_SIGN_PLUS, Helpers::GetSignStringId(7));
    EXPECT_EQ(IDS_OFF, Helpers::GetAxisQuantityStringId(0));
    EXPECT_EQ(IDS_NOT_AVAILABLE, Helpers::GetAxisQuantityStringId(4));
    EXPECT_EQ(IDS_SYSTEM_TIME, Helpers::GetStartSourceStringId(3));
    EXPECT_EQ(IDS_MEASURE_COUNT, Helpers::GetStopSourceStringId(4));
    EXPECT_EQ(IDS_NOT_AVAILABLE, Helpers::GetStopSourceStringId(5));
    EXPECT_EQ(IDS_UNDER_RUN, Helpers::GetDirectionStringId(1));
    EXPECT_EQ(IDS_NOT_AVAILABLE, Helpers::GetDirectionStringId(-1));
}

TEST(NumberFormat, FixedDecimalsInTheLanguageWithoutANegativeZero)
{
    const struct
    {
        double dValue;
        int iDecimals;
        int iLanguage;
        const char* pszText;
    } cases[] = {{-0.0004, 2, LANGUAGE_GERMAN, "0,00"},
                 {-0.0004, 2, LANGUAGE_ENGLISH, "0.00"},
                 {-0.0, 1, LANGUAGE_FRENCH, "0,0"},
                 {-1.5, 1, LANGUAGE_GERMAN, "-1,5"},
                 {1234.5, 9, LANGUAGE_ENGLISH, "1234.50000000"},
                 {2.25, -1, LANGUAGE_GERMAN, "2,25000000"},
                 {12.6, 0, LANGUAGE_GERMAN, "13"},
                 {1.5, 2, 7, "Language Fehler 34242334"},
                 {-0.004, 3, LANGUAGE_ENGLISH, "-0.004"}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszText, Helpers::FormatNumber(c.dValue, c.iDecimals, c.iLanguage)) << c.dValue;
}

TEST(NumberFormat, ChannelIdsTakeTheChannelsDecimalsAndFileModeTheFileLanguage)
{
    ChannelSettingsStruct channels[2];
    channels[0].iDecimals = 1;
    channels[1].iDecimals = 4;
    CFakeMeasureHost host;
    host.m_psChannel = channels;
    Helpers helpers;
    helpers.m_pMeasureHost = &host;
    EXPECT_EQ("2,5", helpers.FormatMeasuredValue(2.5, IDS_CHANNEL_A, LANGUAGE_GERMAN, 6));
    EXPECT_EQ("2.5000", helpers.FormatMeasuredValue(2.5, IDS_CHANNEL_B, LANGUAGE_ENGLISH, 6));
    EXPECT_EQ("2,500000", helpers.FormatMeasuredValue(2.5, 0, LANGUAGE_GERMAN, 6));
    helpers.SetFileLanguage(LANGUAGE_GERMAN);
    EXPECT_EQ("2,5000", helpers.FormatMeasuredValue(2.5, IDS_CHANNEL_B, Helpers::FILE_LANGUAGE, 0));

    int iDecimals = -1;
    EXPECT_EQ("%0.4f", helpers.GetValueFormat(IDS_CHANNEL_B, &iDecimals));
    EXPECT_EQ(4, iDecimals);
    const int iGiven = 12;
    EXPECT_EQ("%0.8f", helpers.GetValueFormat(IDS_CHANNEL_A, &iDecimals, &iGiven));
    EXPECT_EQ(8, iDecimals);
    EXPECT_EQ("%0.0f", helpers.GetValueFormat(5000));
}

TEST(TypedNumbers, GermanFieldReplacesRemovesAndKeeps)
{
    const struct
    {
        const char* pszStart;
        const char* pszTyped;
        int iLanguage;
        const char* pszAllowed;
        const char* pszResult;
    } cases[] = {{"12", ".", LANGUAGE_GERMAN, NUMBER_CHARS, "12,"},
                 {"12,5", ",", LANGUAGE_GERMAN, NUMBER_CHARS, "12,5"},
                 {"12,5", ".", LANGUAGE_GERMAN, NUMBER_CHARS, "12,5"},
                 {"12", "-", LANGUAGE_GERMAN, NUMBER_CHARS, "12"},
                 {"", "-12", LANGUAGE_GERMAN, NUMBER_CHARS, "-12"},
                 {"-1", "+", LANGUAGE_GERMAN, NUMBER_CHARS, "-1"},
                 {"", ",", LANGUAGE_GERMAN, NUMBER_CHARS, ""},
                 {"12", "a", LANGUAGE_GERMAN, NUMBER_CHARS, "12"},
                 {"12", ",", LANGUAGE_ENGLISH, NUMBER_CHARS, "12."},
                 {"12", ".", LANGUAGE_FRENCH, NUMBER_CHARS, "12,"},
                 {"1", ".", LANGUAGE_GERMAN, DIGITS, "1"},
                 {"1", "5", LANGUAGE_GERMAN, DIGITS, "15"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.pszResult, Type(c.pszStart, c.pszTyped, c.iLanguage, c.pszAllowed))
            << "'" << c.pszTyped << "' into '" << c.pszStart << "'";
}

TEST(TypedNumbers, ChangesAreMadeWithTheUpdateFlagSetAndOnlyForATypedCharacter)
{
    CTextInput input;
    BYTE bUpdate = 0;
    input.m_pbFlag = &bUpdate;
    input.m_strText = "12.";
    input.m_iStart = input.m_iEnd = 3;
    EXPECT_EQ("12,", Helpers::FilterEditText(input, bUpdate, NUMBER_CHARS, LANGUAGE_GERMAN));
    EXPECT_EQ(std::vector<BYTE>{1}, input.m_flagsSeen);
    EXPECT_EQ(0, bUpdate);
    EXPECT_EQ(3, input.m_iStart);

    input.m_strText = "1x.";
    input.m_iStart = 1;
    input.m_iEnd = 3; // a selection: nothing typed
    EXPECT_EQ("1x.", Helpers::FilterEditText(input, bUpdate, NUMBER_CHARS, LANGUAGE_GERMAN));
    input.m_iStart = input.m_iEnd = 0;
    EXPECT_EQ("1x.", Helpers::FilterEditText(input, bUpdate, NUMBER_CHARS, LANGUAGE_GERMAN));
}

TEST(TypedNumbers, EditValueReadsCommasAsPoints)
{
    CFakeMeasureHost host;
    Helpers helpers;
    helpers.m_pMeasureHost = &host;
    BYTE bUpdate = 0;
    const struct
    {
        const char* pszText;
        double dValue;
    } cases[] = {{",5", 0.5}, {"-12,25", -12.25}, {"abc", 0.0}, {"", 0.0}};
    for (const auto& c : cases)
    {
        CTextInput input;
        input.m_strText = c.pszText;
        input.m_iStart = input.m_iEnd = input.m_strText.GetLength();
        EXPECT_EQ(c.dValue, helpers.GetEditValue(input, bUpdate, NUMBER_CHARS)) << c.pszText;
    }
}

namespace
{
// Notes the update flag at each change notification of its edit.
class CEditOwner : public CWnd
{
public:
    BYTE m_bUpdate = 0;
    std::vector<BYTE> m_flagsAtChange;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == EN_CHANGE)
            m_flagsAtChange.push_back(m_bUpdate);
        return CWnd::OnCommand(wParam, lParam);
    }
};
} // namespace

TEST(TypedNumbers, EditControlBehindTheAdapter)
{
    CEditOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(5, 5, 200, 30), &owner, 1033));
    edit.SetWindowText("12.");
    edit.SetSel(3, 3);
    owner.m_flagsAtChange.clear();

    CFakeMeasureHost host;
    Helpers helpers;
    helpers.m_pMeasureHost = &host;
    CEditInputAdapter adapter(edit);
    EXPECT_EQ("12,", helpers.FilterEditInput(adapter, owner.m_bUpdate, NUMBER_CHARS));

    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ("12,", strText);
    EXPECT_FALSE(owner.m_flagsAtChange.empty());
    for (const BYTE b : owner.m_flagsAtChange)
        EXPECT_EQ(1, b) << "the field's own change handler is told to ignore the filter's change";
    int iStart = -1;
    int iEnd = -1;
    edit.GetSel(iStart, iEnd);
    EXPECT_EQ(3, iStart);
    edit.DestroyWindow();
    owner.DestroyWindow();
}
