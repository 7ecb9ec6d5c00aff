// Date and time picker control.
#pragma once

#include "framework/CWnd.h"

class COleDateTime;

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)

public:
    CDateTimeCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // GDT_VALID with the shown time, GDT_NONE when a DTS_SHOWNONE picker is unchecked, GDT_ERROR.
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
    // A null time unchecks a DTS_SHOWNONE picker.
    BOOL SetTime(const SYSTEMTIME* pTimeNew);
    // An unchecked picker gives the status null; FALSE (status invalid) when the control fails.
    BOOL GetTime(COleDateTime& timeDest) const;
    // The status null unchecks a DTS_SHOWNONE picker; FALSE for an invalid time or one the picker refuses.
    BOOL SetTime(const COleDateTime& timeNew);
};
