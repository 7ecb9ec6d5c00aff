// Tree view control.
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

#include <memory>

class CToolTipCtrl;

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)

public:
    CTreeCtrl();
    ~CTreeCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Items
    HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct)
    {
        return (HTREEITEM)SendMessage(TVM_INSERTITEMA, 0, (LPARAM)lpInsertStruct);
    }
    HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)hItem); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    UINT GetCount() const { return (UINT)SendMessage(TVM_GETCOUNT); }
    BOOL GetItem(TVITEMA* pItem) const { return (BOOL)SendMessage(TVM_GETITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(TVITEMA* pItem) { return (BOOL)SendMessage(TVM_SETITEMA, 0, (LPARAM)pItem); }
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return (UINT)SendMessage(TVM_GETITEMSTATE, (WPARAM)hItem, (LPARAM)nStateMask);
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    // Navigation
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return (HTREEITEM)SendMessage(TVM_GETNEXTITEM, nCode, (LPARAM)hItem);
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    UINT GetVisibleCount() const { return (UINT)SendMessage(TVM_GETVISIBLECOUNT); }
    BOOL SelectItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_SELECTITEM, TVGN_CARET, (LPARAM)hItem); }
    BOOL Expand(HTREEITEM hItem, UINT nCode) { return (BOOL)SendMessage(TVM_EXPAND, nCode, (LPARAM)hItem); }
    BOOL EnsureVisible(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_ENSUREVISIBLE, 0, (LPARAM)hItem); }

    // Geometry, hit testing, images and tips
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    HTREEITEM HitTest(POINT pt, UINT* pFlags = nullptr) const;
    HIMAGELIST GetImageList(int nImageList) const
    {
        return (HIMAGELIST)SendMessage(TVM_GETIMAGELIST, (WPARAM)nImageList);
    }
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)
    {
        return (HIMAGELIST)SendMessage(TVM_SETIMAGELIST, (WPARAM)nImageListType, (LPARAM)hImageList);
    }
    // The tree's tool tip window (a wrapper kept by the tree); null when it has none.
    CToolTipCtrl* GetToolTips() const;

private:
    mutable std::unique_ptr<CToolTipCtrl> m_pToolTipWrapper;
};
