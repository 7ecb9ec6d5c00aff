#include "framework/CDateTimeCtrl.h"

#include "framework/AfxInitControls.h"
#include "framework/COleDateTime.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    return CWnd::Create(DATETIMEPICK_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const
{
    return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest);
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* pTimeNew)
{
    const WPARAM wFlag = pTimeNew != nullptr ? GDT_VALID : GDT_NONE;
    return (BOOL)SendMessage(DTM_SETSYSTEMTIME, wFlag, (LPARAM)pTimeNew);
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    SYSTEMTIME st = {};
    switch (GetTime(&st))
    {
        case GDT_VALID:
            timeDest = COleDateTime(st);
            return timeDest.GetStatus() == COleDateTime::valid;
        case GDT_NONE:
            timeDest.SetStatus(COleDateTime::null);
            return TRUE;
        default:
            timeDest.SetStatus(COleDateTime::invalid);
            return FALSE;
    }
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    if (timeNew.GetStatus() == COleDateTime::null)
        return SetTime(nullptr);
    SYSTEMTIME st = {};
    if (timeNew.GetStatus() != COleDateTime::valid || !timeNew.GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}
