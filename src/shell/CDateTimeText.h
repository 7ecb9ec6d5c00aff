// Date, time and weekday texts in one language, chosen when the object is built: the language is
// compared with the codes of four slots (German, English, French, Spanish); a language in no slot
// gets the neutral form. Times are local times of the machine.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CString.h"

#include <ctime>

class CDateTimeText
{
public:
    // Sets the members, then Update(iDateOption, bTimeOption).
    CDateTimeText(int iSlotGerman, int iSlotEnglish, int iSlotFrench, int iSlotSpanish, int iLanguage,
                  int iDateOption, bool bTimeOption);
    ~CDateTimeText();

    // The texts of now. Date option 1: two-digit year. Time option true: the long unit word.
    void Update(int iDateOption, bool bTimeOption);
    CString GetDateText(__time64_t tTime, int iDateOption);
    CString GetTimeText(__time64_t tTime, bool bTimeOption);
    CString DateToText(int iDay, int iMonth, int iYear, int iDateOption);
    CString TimeToText(int iHour, int iMinute, int iSecond, bool bTimeOption);
    // The weekday in the object's language; piLanguage is not used.
    CString GetWeekdayText(__time64_t tTime, bool bLongName, const int* piLanguage);
    static CString WeekdayGerman(__time64_t tTime, bool bLongName);
    static CString WeekdayEnglish(__time64_t tTime, bool bLongName);
    static CString WeekdayFrench(__time64_t tTime, bool bLongName);
    static CString WeekdaySpanish(__time64_t tTime, bool bLongName);
    // The hour 0 to 23 on the 12-hour clock: 0 and 12 both read 12 (AM and PM).
    static int Hour12(int iHour) { return iHour % 12 == 0 ? 12 : iHour % 12; }

    CString m_strTime = "06:06:06";
    CString m_strDate = "06.06.06";
    __time64_t m_tTime = 0;
    bool m_bTimeSuffix = false;
    bool m_bValid = false;
    int m_iLanguageSlot[4];
    int m_iLanguage;
    int m_iDateOption;

private:
    enum Slot
    {
        SLOT_NONE = -1,
        SLOT_GERMAN,
        SLOT_ENGLISH,
        SLOT_FRENCH,
        SLOT_SPANISH
    };
    Slot GetSlot() const;
};
