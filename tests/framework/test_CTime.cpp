#include "framework/CInvalidArgException.h"
#include "framework/CTime.h"
#include "RaisesFrameworkException.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(CTime, LocalDateRoundTrip)
{
    const CTime t(2014, 3, 5, 13, 5, 9);
    EXPECT_EQ(t.GetYear(), 2014);
    EXPECT_EQ(t.GetMonth(), 3);
    EXPECT_EQ(t.GetDay(), 5);
    EXPECT_EQ(t.GetHour(), 13);
    EXPECT_EQ(t.GetMinute(), 5);
    EXPECT_EQ(t.GetSecond(), 9);
    EXPECT_EQ(t.GetDayOfWeek(), 4); // a Wednesday; Sunday is 1
    EXPECT_EQ(t.Format("%d.%m.%Y %H:%M:%S"), "05.03.2014 13:05:09");

    const CTime copy(t.GetTime());
    EXPECT_EQ(copy, t);
    struct tm local;
    ASSERT_NE(copy.GetLocalTm(&local), nullptr);
    EXPECT_EQ(local.tm_mday, 5);

    const CTime nextDay(2014, 3, 6, 13, 5, 9);
    EXPECT_EQ((nextDay - t).GetTotalSeconds(), 86400);
    EXPECT_EQ(t + CTimeSpan(1, 0, 0, 0), nextDay);
    EXPECT_LT(t, nextDay);
    CTime moved(t);
    moved += CTimeSpan(0, 10, 54, 51);
    EXPECT_EQ(moved.GetDay(), 6);
    EXPECT_EQ(moved.GetHour(), 0);
    moved -= CTimeSpan(1);
    EXPECT_EQ(moved.Format("%H:%M:%S"), "23:59:59");
}

TEST(CTime, CurrentTimeAndInvalidDates)
{
    const __time64_t before = _time64(nullptr);
    const CTime now = CTime::GetCurrentTime();
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), _time64(nullptr));
    EXPECT_GE(now.GetYear(), 2024);

    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { (void)CTime(2014, 13, 1, 0, 0, 0); }));
    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { (void)CTime(2014, 1, 0, 0, 0, 0); }));
    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { (void)CTime(1899, 1, 1, 0, 0, 0); }));
    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { (void)CTime(2014, 1, 1, 24, 0, 0); }));
    EXPECT_EQ(CTime(-1).GetYear(), 0); // not convertible
    EXPECT_TRUE(CTime(-1).Format("%Y").IsEmpty());
}

TEST(CTimeSpan, PartsKeepTheDays)
{
    const CTimeSpan span(1, 1, 1, 1);
    EXPECT_EQ(span.GetTotalSeconds(), 90061);
    EXPECT_EQ(span.GetDays(), 1);
    EXPECT_EQ(span.GetHours(), 1);
    EXPECT_EQ(span.GetMinutes(), 1);
    EXPECT_EQ(span.GetSeconds(), 1);
    EXPECT_EQ(span.GetTotalHours(), 25);
    EXPECT_EQ(span.GetTotalMinutes(), 1501);

    const CTimeSpan longSpan(400, 23, 59, 59);
    EXPECT_EQ(longSpan.GetDays(), 400);
    EXPECT_EQ(longSpan.GetHours(), 23);
    EXPECT_EQ(CTimeSpan(86399).GetDays(), 0);

    const CTimeSpan negative(-90061);
    EXPECT_EQ(negative.GetDays(), -1);
    EXPECT_EQ(negative.GetHours(), -1);
    EXPECT_EQ(negative.GetSeconds(), -1);
    EXPECT_EQ((span + negative).GetTotalSeconds(), 0);
    EXPECT_EQ((span - CTimeSpan(61)).GetTotalSeconds(), 90000);
    EXPECT_GT(span, negative);
}
