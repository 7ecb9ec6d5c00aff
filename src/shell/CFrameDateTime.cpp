#include "shell/CFrameDateTime.h"

#include "framework/CStatusBar.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "shell/CDateTimeText.h"

#include <algorithm>

namespace
{
bool LocalTime(__time64_t tTime, tm& t)
{
    return _localtime64_s(&t, &tTime) == 0;
}

// Hours, minutes and optionally seconds, each zero-filled to two places, joined by the separator.
CString ClockFields(char chSep, long long llHours, int iMinutes, int iSeconds, bool bSeconds)
{
    CString str;
    str.Format("%2lli%c%2i", llHours, chSep, iMinutes);
    if (bSeconds)
        str.AppendFormat("%c%2i", chSep, iSeconds);
    str.Replace(' ', '0');
    return str;
}

// One blank, the clock fields in the form of the language, and the language's end.
CString ClockText(int iLanguage, const tm& t, bool bSeconds)
{
    switch (iLanguage)
    {
        case LANGUAGE_GERMAN:
            return " " + ClockFields(':', t.tm_hour, t.tm_min, t.tm_sec, bSeconds) + " Uhr";
        case LANGUAGE_ENGLISH:
            return " " + ClockFields(':', CDateTimeText::Hour12(t.tm_hour), t.tm_min, t.tm_sec, bSeconds) +
                   (t.tm_hour >= 12 ? " PM" : " AM");
        case LANGUAGE_FRENCH:
            return " " + ClockFields('.', t.tm_hour, t.tm_min, t.tm_sec, bSeconds) + " h";
        case LANGUAGE_SPANISH:
            return " " + ClockFields(':', t.tm_hour, t.tm_min, t.tm_sec, bSeconds) + " h";
    }
    return " " + ClockFields(':', t.tm_hour, t.tm_min, t.tm_sec, bSeconds) + " ";
}
} // namespace

CString CFrameDateTime::FormatDate(int iLanguage, int iDay, int iMonth, int iYear)
{
    if (iDay < 1 || iDay > 31 || iMonth < 1 || iMonth > 12 || iYear < 1970 || iYear > 3000)
        return "n.a.";
    CString strDate;
    if (iLanguage == LANGUAGE_ENGLISH)
        strDate.Format("%2i/%2i/%4i", iMonth, iDay, iYear);
    else
        strDate.Format("%2i.%2i.%4i", iDay, iMonth, iYear);
    strDate.Replace(' ', '0');
    return " " + strDate + " ";
}

CString CFrameDateTime::FormatTime(int iLanguage, __time64_t tTime)
{
    tm t{};
    return LocalTime(tTime, t) ? ClockText(iLanguage, t, true) : CString("n.a.");
}

CString CFrameDateTime::FormatDuration(int iLanguage, long long llSeconds)
{
    const bool bNegative = llSeconds < 0;
    // Magnitude of the most negative value still fits once taken as unsigned.
    const unsigned long long ull = bNegative ? 0ull - static_cast<unsigned long long>(llSeconds) : llSeconds;
    const long long llHours = static_cast<long long>(ull / 3600);
    const int iMinutes = static_cast<int>(ull / 60 % 60);
    const int iSeconds = static_cast<int>(ull % 60);
    const char chSep = iLanguage == LANGUAGE_FRENCH ? '.' : ':';
    return CString(bNegative ? " -" : " ") + ClockFields(chSep, llHours, iMinutes, iSeconds, true);
}

CString CFrameDateTime::FormatPaneTime(int iLanguage, __time64_t tTime)
{
    tm t{};
    return LocalTime(tTime, t) ? ClockText(iLanguage, t, false) : CString("n.a.");
}

CString CFrameDateTime::FormatPaneDate(int iLanguage, __time64_t tTime)
{
    tm t{};
    if (!LocalTime(tTime, t))
        return "n.a.";
    return FormatDate(iLanguage, t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
}

CString CFrameDateTime::FormatPaneWeekday(int iLanguage, __time64_t tTime)
{
    CDateTimeText text(LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH, LANGUAGE_ENGLISH, iLanguage, 0,
                       true);
    return " " + text.GetWeekdayText(tTime, false, nullptr) + " ";
}

void CFrameDateTime::FitPaneWidths(CStatusBar& bar)
{
    const auto fit = [&bar](UINT nPaneId, auto text)
    {
        const int nIndex = bar.CommandToIndex(nPaneId);
        UINT nId = 0, nStyle = 0;
        int cxWidth = 0;
        bar.GetPaneInfo(nIndex, nId, nStyle, cxWidth);
        for (int iLanguage : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH})
            for (int iDay = 0; iDay < 7; ++iDay)
                cxWidth = std::max(cxWidth, bar.GetTextWidth(text(iLanguage, iDay)));
        bar.SetPaneInfo(nIndex, nId, nStyle, cxWidth);
    };
    fit(ID_INDICATOR_DATE, [](int iLanguage, int iDay) { return FormatDate(iLanguage, 28 - iDay, 8, 2088); });
    const __time64_t tNow = _time64(nullptr);
    fit(ID_INDICATOR_WEEKDAY,
        [tNow](int iLanguage, int iDay) { return FormatPaneWeekday(iLanguage, tNow + iDay * 86400); });
}

bool CFrameDateTime::IsDateDue(__time64_t tTime)
{
    tm t{};
    if (!LocalTime(tTime, t))
        return false;
    const int iDay = (t.tm_year + 1900) * 10000 + (t.tm_mon + 1) * 100 + t.tm_mday;
    if (iDay == m_iShownDay)
        return false;
    m_iShownDay = iDay;
    return true;
}
