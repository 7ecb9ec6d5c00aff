// The main frame's date, time and duration texts in its interface language
// (LanguageOffset 0 German, 1000 English, 2000 French, 3000 Spanish), and the status panes' texts.
// Times are local times of the machine.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CString.h"

#include <ctime>

class CStatusBar;

class CFrameDateTime
{
public:
    // " 05.03.2014 " (" 03/05/2014 " in English); "n.a." for a day, month or year out of range.
    static CString FormatDate(int iLanguage, int iDay, int iMonth, int iYear);
    // " 14:05:09 Uhr", " 02:05:09 PM", " 14.05.09 h", ...
    static CString FormatTime(int iLanguage, __time64_t tTime);
    // " hh:mm:ss" (" hh.mm.ss" in French) with all hours, days included; negative durations with "-".
    static CString FormatDuration(int iLanguage, long long llSeconds);

    // Status panes: time of day as hours and minutes, the date, the short weekday.
    static CString FormatPaneTime(int iLanguage, __time64_t tTime);
    static CString FormatPaneDate(int iLanguage, __time64_t tTime);
    static CString FormatPaneWeekday(int iLanguage, __time64_t tTime);
    // Widens the date and weekday panes (ID_INDICATOR_DATE, ID_INDICATOR_WEEKDAY) of the bar to their
    // widest text in German, English and French: the blanks of their indicator strings are narrower than
    // digits and letters.
    static void FitPaneWidths(CStatusBar& bar);
    // True on the first call and whenever the local day of tTime is not the day last shown.
    bool IsDateDue(__time64_t tTime);
    // Makes the next IsDateDue true: the date is shown again (in another language).
    void ForgetShownDate() { m_iShownDay = 0; }

private:
    int m_iShownDay = 0; // year * 10000 + month * 100 + day of the date shown; 0: none yet
};
