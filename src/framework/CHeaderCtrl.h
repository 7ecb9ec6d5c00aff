// Header control (column headings of a list view); owner-drawn items draw in DrawItem.
#pragma once

#include "framework/CWnd.h"

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)

public:
    CHeaderCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const
    {
        return (BOOL)SendMessage(HDM_GETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem)
    {
        return (BOOL)SendMessage(HDM_SETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    int InsertItem(int nPos, HDITEMA* pHeaderItem)
    {
        return (int)SendMessage(HDM_INSERTITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    BOOL DeleteItem(int nPos) { return (BOOL)SendMessage(HDM_DELETEITEM, (WPARAM)nPos); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(HDM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    int OrderToIndex(int nOrder) const { return (int)SendMessage(HDM_ORDERTOINDEX, (WPARAM)nOrder); }
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(HDM_GETIMAGELIST); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList)
    {
        return (HIMAGELIST)SendMessage(HDM_SETIMAGELIST, 0, (LPARAM)hImageList);
    }

    // Draws an owner-drawn item (HDF_OWNERDRAW); the parent's WM_DRAWITEM for it is reflected here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
