// Date, time, duration, weekday and decimal texts; the status panes' texts; the stopwatch.
#include "shell/CDateTimeText.h"
#include "shell/CFrameDateTime.h"
#include "shell/CStopwatch.h"

#include "FakeEnvironmentSource.h"
#include "framework/CTime.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
__time64_t Local(int y, int mo, int d, int h, int mi, int s)
{
    return CTime(y, mo, d, h, mi, s).GetTime();
}

// Status pane and diagnostic log use these slots; the printed report uses 0, 1000, 2000, 3000.
CDateTimeText PaneText(int iLanguage)
{
    return CDateTimeText(0, 1000, 2000, 1000, iLanguage, 0, true);
}
} // namespace

TEST(DateTimeText, DatesInTheFormOfTheSlot)
{
    struct Case
    {
        int iLanguage, iDay, iMonth, iYear, iOption;
        const char* pszText;
    };
    const Case cases[] = {
        {0, 5, 3, 2014, 0, "05.03.2014"},    {0, 5, 3, 2014, 1, "05.03.14"},
        {1000, 5, 3, 2014, 0, "03/05/2014"}, {1000, 5, 3, 2014, 1, "03/05/14"},
        {2000, 5, 3, 2014, 0, "05.03.2014"}, {3000, 5, 3, 2014, 0, "05.03.2014"},
        {0, 31, 2, 2014, 0, "31.02.2014"},   {0, 1, 1, 1970, 0, "01.01.1970"},
        {0, 31, 12, 3000, 1, "31.12.00"},    {0, 0, 3, 2014, 0, "F:DATE234"},
        {0, 32, 3, 2014, 0, "F:DATE234"},    {0, 5, 13, 2014, 0, "F:DATE234"},
        {0, 5, 3, 1969, 0, "F:DATE234"},     {0, 5, 3, 3001, 0, "F:DATE234"},
    };
    for (const Case& c : cases)
    {
        CDateTimeText text = PaneText(c.iLanguage);
        EXPECT_EQ(text.DateToText(c.iDay, c.iMonth, c.iYear, c.iOption), c.pszText) << c.pszText;
        EXPECT_EQ(text.m_iDateOption, c.iOption);
    }
}

TEST(DateTimeText, TimesInTheFormOfTheSlotAndTwelveHourClock)
{
    struct Case
    {
        int iLanguage, iHour, iMinute, iSecond;
        bool bOption;
        const char* pszText;
    };
    const Case cases[] = {
        {0, 14, 5, 9, true, "14:05:09 Uhr"},     {0, 14, 5, 9, false, "14:05:09"},
        {1000, 13, 5, 9, true, "01:05:09 PM"},   {1000, 13, 5, 9, false, "01:05:09 P"},
        {1000, 12, 30, 0, true, "12:30:00 PM"}, // past noon
        {1000, 12, 0, 0, false, "12:00:00 P"},   {1000, 0, 15, 0, true, "12:15:00 AM"},
        {1000, 0, 0, 0, false, "12:00:00 A"},    {1000, 11, 59, 59, true, "11:59:59 AM"},
        {1000, 23, 59, 59, true, "11:59:59 PM"}, {2000, 14, 5, 9, true, "14.05.09 h"},
        {2000, 14, 5, 9, false, "14.05.09"},     {3000, 14, 5, 9, true, "14:05:09 h"}, // no slot
        {3000, 14, 5, 9, false, "14:05:09"},     {0, 24, 0, 0, true, "F:TIME654"},
        {0, 23, 60, 0, true, "F:TIME654"},       {0, 23, 0, -1, true, "F:TIME654"},
    };
    for (const Case& c : cases)
    {
        CDateTimeText text = PaneText(c.iLanguage);
        EXPECT_EQ(text.TimeToText(c.iHour, c.iMinute, c.iSecond, c.bOption), c.pszText) << c.pszText;
    }
    CDateTimeText report(0, 1000, 2000, 3000, 3000, 0, true);
    EXPECT_EQ(report.TimeToText(7, 8, 9, true), "07:08:09 h");
}

TEST(DateTimeText, WeekdaysInFourLanguages)
{
    const __time64_t wednesday = Local(2014, 3, 5, 10, 0, 0);
    const __time64_t saturday = Local(2014, 3, 8, 23, 59, 59);
    struct Case
    {
        int iLanguage;
        __time64_t t;
        bool bLong;
        const char* pszName;
    };
    const Case cases[] = {
        {0, wednesday, true, "Mittwoch"},     {0, wednesday, false, "Mi"},
        {1000, wednesday, true, "Wednesday"}, {1000, saturday, false, "Sat"},
        {2000, wednesday, true, "Mercredi"},  {2000, saturday, false, "Sa"},
        {3000, wednesday, true, "Miércoles"}, {3000, saturday, false, "Sá"},
        {3000, saturday, true, "Sábado"},
    };
    for (const Case& c : cases)
    {
        CDateTimeText report(0, 1000, 2000, 3000, c.iLanguage, 0, true);
        EXPECT_EQ(report.GetWeekdayText(c.t, c.bLong, nullptr), c.pszName);
        EXPECT_EQ(report.m_tTime, c.t);
    }
    EXPECT_EQ(CString("Sá").GetLength(), 2); // one code page 1252 byte for the accented letter
    EXPECT_EQ(PaneText(3000).GetWeekdayText(wednesday, true, nullptr), "F:WDAY987");
    EXPECT_EQ(CDateTimeText::WeekdayFrench(Local(2014, 3, 9, 12, 0, 0), false), "Di"); // Sunday
}

TEST(DateTimeText, BuiltWithTheTextsOfNow)
{
    FakeEnvironmentSource fake;
    fake.m_timeNow = Local(2014, 3, 5, 14, 5, 9);
    CDateTimeText text(0, 1000, 2000, 1000, 0, 0, true);
    EXPECT_TRUE(text.m_bValid);
    EXPECT_EQ(text.m_strDate, "05.03.2014");
    EXPECT_EQ(text.m_strTime, "14:05:09 Uhr");
    EXPECT_EQ(text.m_tTime, *fake.m_timeNow);
    EXPECT_TRUE(text.m_bTimeSuffix);

    fake.m_timeNow = Local(2014, 3, 6, 0, 30, 0);
    text.Update(1, false);
    EXPECT_EQ(text.m_strDate, "06.03.14");
    EXPECT_EQ(text.m_strTime, "00:30:00");
    EXPECT_FALSE(text.m_bTimeSuffix);
    EXPECT_EQ(text.m_iDateOption, 1);

    CDateTimeText english(0, 1000, 2000, 1000, 1000, 0, true);
    EXPECT_EQ(english.m_strDate, "03/06/2014");
    EXPECT_EQ(english.m_strTime, "12:30:00 AM");
    EXPECT_EQ(english.GetDateText(Local(2015, 12, 24, 12, 0, 0), 1), "12/24/15");
    EXPECT_EQ(english.GetTimeText(Local(2015, 12, 24, 12, 0, 1), true), "12:00:01 PM");
}

TEST(FrameDateTime, DatesAndTimesInTheInterfaceLanguage)
{
    EXPECT_EQ(CFrameDateTime::FormatDate(0, 5, 3, 2014), " 05.03.2014 ");
    EXPECT_EQ(CFrameDateTime::FormatDate(1000, 5, 3, 2014), " 03/05/2014 ");
    EXPECT_EQ(CFrameDateTime::FormatDate(2000, 5, 3, 2014), " 05.03.2014 ");
    EXPECT_EQ(CFrameDateTime::FormatDate(3000, 31, 2, 2014), " 31.02.2014 ");
    EXPECT_EQ(CFrameDateTime::FormatDate(0, 5, 3, 1969), "n.a.");
    EXPECT_EQ(CFrameDateTime::FormatDate(0, 5, 3, 3001), "n.a.");
    EXPECT_EQ(CFrameDateTime::FormatDate(1000, 0, 3, 2014), "n.a.");

    struct Case
    {
        int iLanguage, h, m, s;
        const char* pszTime;
        const char* pszPane;
    };
    const Case cases[] = {
        {0, 14, 5, 9, " 14:05:09 Uhr", " 14:05 Uhr"},    {1000, 13, 5, 9, " 01:05:09 PM", " 01:05 PM"},
        {1000, 12, 0, 0, " 12:00:00 PM", " 12:00 PM"},   {1000, 12, 30, 0, " 12:30:00 PM", " 12:30 PM"},
        {1000, 0, 0, 0, " 12:00:00 AM", " 12:00 AM"},    {1000, 0, 15, 0, " 12:15:00 AM", " 12:15 AM"},
        {1000, 11, 59, 59, " 11:59:59 AM", " 11:59 AM"}, {2000, 14, 5, 9, " 14.05.09 h", " 14.05 h"},
        {3000, 14, 5, 9, " 14:05:09 h", " 14:05 h"},     {500, 14, 5, 9, " 14:05:09 ", " 14:05 "},
    };
    for (const Case& c : cases)
    {
        const __time64_t t = Local(2014, 3, 5, c.h, c.m, c.s);
        EXPECT_EQ(CFrameDateTime::FormatTime(c.iLanguage, t), c.pszTime);
        EXPECT_EQ(CFrameDateTime::FormatPaneTime(c.iLanguage, t), c.pszPane);
    }
}

TEST(FrameDateTime, DurationsKeepWholeDays)
{
    struct Case
    {
        int iLanguage;
        long long llSeconds;
        const char* pszText;
    };
    const Case cases[] = {
        {0, 0, " 00:00:00"},
        {0, 86399, " 23:59:59"},
        {0, 86400, " 24:00:00"},
        {1000, 90000, " 25:00:00"},
        {0, 90061, " 25:01:01"},
        {2000, 3723, " 01.02.03"},
        {3000, 400 * 86400LL, " 9600:00:00"},
        {0, 4102444800LL, " 1139568:00:00"},
        {0, -5, " -00:00:05"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFrameDateTime::FormatDuration(c.iLanguage, c.llSeconds), c.pszText) << c.llSeconds;
    EXPECT_EQ(CFrameDateTime::FormatDuration(0, LLONG_MIN).Left(2), " -");
}

TEST(FrameDateTime, DatePaneFollowsEveryDayChange)
{
    CFrameDateTime panes;
    EXPECT_TRUE(panes.IsDateDue(Local(2014, 3, 5, 14, 0, 0))); // first call
    EXPECT_FALSE(panes.IsDateDue(Local(2014, 3, 5, 14, 0, 1)));
    EXPECT_FALSE(panes.IsDateDue(Local(2014, 3, 5, 23, 59, 59)));
    // Midnight passed while no update ran in the first seconds of the day.
    EXPECT_TRUE(panes.IsDateDue(Local(2014, 3, 6, 0, 0, 7)));
    EXPECT_FALSE(panes.IsDateDue(Local(2014, 3, 6, 0, 0, 8)));
    // Days later (sleep, clock set forward), and back again.
    EXPECT_TRUE(panes.IsDateDue(Local(2014, 3, 9, 10, 0, 0)));
    EXPECT_TRUE(panes.IsDateDue(Local(2014, 3, 8, 10, 0, 0)));

    EXPECT_EQ(CFrameDateTime::FormatPaneDate(0, Local(2014, 3, 6, 0, 0, 7)), " 06.03.2014 ");
    EXPECT_EQ(CFrameDateTime::FormatPaneWeekday(0, Local(2014, 3, 6, 0, 0, 7)), " Do ");
    EXPECT_EQ(CFrameDateTime::FormatPaneWeekday(1000, Local(2014, 3, 6, 0, 0, 7)), " Thu ");
    EXPECT_EQ(CFrameDateTime::FormatPaneWeekday(2000, Local(2014, 3, 6, 0, 0, 7)), " Je ");
}

TEST(Stopwatch, SecondsBetweenTwoCalls)
{
    FakeEnvironmentSource fake;
    fake.m_llFrequency = 10'000'000;
    fake.m_llCounter = 123'456;
    CStopwatch sw;
    EXPECT_EQ(sw.bValid, 0);
    EXPECT_DOUBLE_EQ(sw.GetElapsedSeconds(), 0.0);
    EXPECT_EQ(sw.bValid, 1);
    fake.m_llCounter += 15'000'000;
    EXPECT_DOUBLE_EQ(sw.GetElapsedSeconds(), 1.5);
    // An hour is far more counts than 32 bits hold.
    fake.m_llCounter += 3600LL * 10'000'000;
    EXPECT_DOUBLE_EQ(sw.GetElapsedSeconds(), 3600.0);
    EXPECT_DOUBLE_EQ(sw.dLastElapsed, 3600.0);
    EXPECT_EQ(sw.llLastCount, fake.m_llCounter);

    fake.m_llFrequency = 0; // no performance counter
    EXPECT_DOUBLE_EQ(sw.GetElapsedSeconds(), 0.0);
    EXPECT_EQ(sw.bValid, 0);
    EXPECT_DOUBLE_EQ(sw.dLastElapsed, 0.0);
}

TEST(Stopwatch, RealCounterMovesForward)
{
    CStopwatch sw;
    EXPECT_DOUBLE_EQ(sw.GetElapsedSeconds(), 0.0);
    ::Sleep(5);
    EXPECT_GT(sw.GetElapsedSeconds(), 0.0);
    EXPECT_EQ(sw.bValid, 1);
}
