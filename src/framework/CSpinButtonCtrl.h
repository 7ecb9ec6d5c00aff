// Up-down control.
#pragma once

#include "framework/CWnd.h"

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)

public:
    CSpinButtonCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    // 32-bit range and position.
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper); }
    void GetRange32(int& nLower, int& nUpper) const
    {
        SendMessage(UDM_GETRANGE32, (WPARAM)&nLower, (LPARAM)&nUpper);
    }
    int SetPos32(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, (LPARAM)nPos); }
    int GetPos32() const { return (int)SendMessage(UDM_GETPOS32); }
};
