// Tab control.
#pragma once

#include "framework/CWnd.h"

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

public:
    CTabCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Inserts a tab with this text before nItem; returns its index, -1 on failure.
    LONG InsertItem(int nItem, LPCSTR lpszItem);
    // With the fields nMask names (TCIF_TEXT, TCIF_IMAGE, TCIF_PARAM).
    LONG InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, int nImage, LPARAM lParam);
    // Fills the fields pItem->mask names; FALSE for an index out of range.
    BOOL GetItem(int nItem, TCITEMA* pItem) const
    {
        return (BOOL)SendMessage(TCM_GETITEMA, (WPARAM)nItem, (LPARAM)pItem);
    }
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)nItem); }
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, (WPARAM)nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
    }
    // bLarger FALSE: the display area of a window rectangle; TRUE: the window rectangle of a display area.
    void AdjustRect(BOOL bLarger, LPRECT lpRect)
    {
        SendMessage(TCM_ADJUSTRECT, (WPARAM)bLarger, (LPARAM)lpRect);
    }
};
