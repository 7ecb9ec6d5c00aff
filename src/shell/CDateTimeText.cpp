#include "shell/CDateTimeText.h"

#include "shell/CEnvironmentSource.h"

namespace
{
constexpr const char* DATE_ERROR = "F:DATE234";
constexpr const char* TIME_ERROR = "F:TIME654";
constexpr const char* WEEKDAY_ERROR = "F:WDAY987";

// Sunday first; long names, then short ones.
const char* const WEEKDAYS_GERMAN[2][7] = {
    {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
    {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"}};
const char* const WEEKDAYS_ENGLISH[2][7] = {
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};
const char* const WEEKDAYS_FRENCH[2][7] = {
    {"Di", "Lu", "Ma", "Me", "Je", "Ve", "Sa"},
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"}};
const char* const WEEKDAYS_SPANISH[2][7] = {
    {"Do", "Lu", "Ma", "Mi", "Ju", "Vi", "Sá"},
    {"Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado"}};

bool LocalTime(__time64_t tTime, tm& t)
{
    return _localtime64_s(&t, &tTime) == 0;
}

// Number fields formatted with their widths, then every blank made a '0'.
CString ZeroFilled(const char* pszFormat, int a, int b, int c)
{
    CString str;
    str.Format(pszFormat, a, b, c);
    str.Replace(' ', '0');
    return str;
}

CString WeekdayName(const char* const (&names)[2][7], __time64_t tTime, bool bLongName)
{
    tm t{};
    if (!LocalTime(tTime, t) || t.tm_wday < 0 || t.tm_wday > 6)
        return WEEKDAY_ERROR;
    return names[bLongName ? 1 : 0][t.tm_wday];
}
} // namespace

CDateTimeText::CDateTimeText(int iSlotGerman, int iSlotEnglish, int iSlotFrench, int iSlotSpanish,
                             int iLanguage, int iDateOption, bool bTimeOption)
    : m_iLanguageSlot{iSlotGerman, iSlotEnglish, iSlotFrench, iSlotSpanish}, m_iLanguage(iLanguage),
      m_iDateOption(iDateOption)
{
    Update(iDateOption, bTimeOption);
}

CDateTimeText::~CDateTimeText() = default;

CDateTimeText::Slot CDateTimeText::GetSlot() const
{
    for (int i = 0; i < 4; ++i)
        if (m_iLanguage == m_iLanguageSlot[i])
            return static_cast<Slot>(i);
    return SLOT_NONE;
}

void CDateTimeText::Update(int iDateOption, bool bTimeOption)
{
    const __time64_t tNow = CEnvironmentSource::Current().GetTimeNow();
    m_iDateOption = iDateOption;
    m_strDate = GetDateText(tNow, iDateOption);
    m_strTime = GetTimeText(tNow, bTimeOption);
    m_tTime = tNow;
    m_bTimeSuffix = bTimeOption;
    m_bValid = true;
}

CString CDateTimeText::GetDateText(__time64_t tTime, int iDateOption)
{
    m_tTime = tTime;
    tm t{};
    if (!LocalTime(tTime, t))
        return DateToText(0, 0, 0, iDateOption);
    return DateToText(t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, iDateOption);
}

CString CDateTimeText::GetTimeText(__time64_t tTime, bool bTimeOption)
{
    m_tTime = tTime;
    tm t{};
    if (!LocalTime(tTime, t))
        return TimeToText(-1, 0, 0, bTimeOption);
    return TimeToText(t.tm_hour, t.tm_min, t.tm_sec, bTimeOption);
}

CString CDateTimeText::DateToText(int iDay, int iMonth, int iYear, int iDateOption)
{
    m_iDateOption = iDateOption;
    if (iDay < 1 || iDay > 31 || iMonth < 1 || iMonth > 12 || iYear < 1970 || iYear > 3000)
        return DATE_ERROR;
    CString strYear;
    strYear.Format("%4i", iYear);
    if (iDateOption == 1)
        strYear = strYear.Mid(2);
    CString strDate;
    if (GetSlot() == SLOT_ENGLISH)
        strDate.Format("%2i/%2i/%s", iMonth, iDay, (LPCSTR)strYear);
    else
        strDate.Format("%2i.%2i.%s", iDay, iMonth, (LPCSTR)strYear);
    strDate.Replace(' ', '0');
    return strDate;
}

CString CDateTimeText::TimeToText(int iHour, int iMinute, int iSecond, bool bTimeOption)
{
    if (iHour < 0 || iHour > 23 || iMinute < 0 || iMinute > 59 || iSecond < 0 || iSecond > 59)
        return TIME_ERROR;
    switch (GetSlot())
    {
        case SLOT_GERMAN:
            return ZeroFilled("%2i:%2i:%2i", iHour, iMinute, iSecond) + (bTimeOption ? " Uhr" : "");
        case SLOT_ENGLISH:
        {
            const bool bPm = iHour >= 12;
            const CString strTime = ZeroFilled("%2i:%2i:%2i", Hour12(iHour), iMinute, iSecond);
            if (bTimeOption)
                return strTime + (bPm ? " PM" : " AM");
            return strTime + (bPm ? " P" : " A");
        }
        case SLOT_FRENCH:
            return ZeroFilled("%2i.%2i.%2i", iHour, iMinute, iSecond) + (bTimeOption ? " h" : "");
        case SLOT_SPANISH:
        case SLOT_NONE:
            break;
    }
    return ZeroFilled("%2i:%2i:%2i", iHour, iMinute, iSecond) + (bTimeOption ? " h" : "");
}

CString CDateTimeText::GetWeekdayText(__time64_t tTime, bool bLongName, const int* /*piLanguage*/)
{
    m_tTime = tTime;
    switch (GetSlot())
    {
        case SLOT_GERMAN:
            return WeekdayGerman(tTime, bLongName);
        case SLOT_ENGLISH:
            return WeekdayEnglish(tTime, bLongName);
        case SLOT_FRENCH:
            return WeekdayFrench(tTime, bLongName);
        case SLOT_SPANISH:
            return WeekdaySpanish(tTime, bLongName);
        case SLOT_NONE:
            break;
    }
    return WEEKDAY_ERROR;
}

CString CDateTimeText::WeekdayGerman(__time64_t tTime, bool bLongName)
{
    return WeekdayName(WEEKDAYS_GERMAN, tTime, bLongName);
}

CString CDateTimeText::WeekdayEnglish(__time64_t tTime, bool bLongName)
{
    return WeekdayName(WEEKDAYS_ENGLISH, tTime, bLongName);
}

CString CDateTimeText::WeekdayFrench(__time64_t tTime, bool bLongName)
{
    return WeekdayName(WEEKDAYS_FRENCH, tTime, bLongName);
}

CString CDateTimeText::WeekdaySpanish(__time64_t tTime, bool bLongName)
{
    return WeekdayName(WEEKDAYS_SPANISH, tTime, bLongName);
}
