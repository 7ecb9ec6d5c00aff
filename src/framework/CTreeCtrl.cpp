#include "framework/CTreeCtrl.h"

#include "framework/AfxInitControls.h"
#include "framework/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

CTreeCtrl::CTreeCtrl() = default;

CTreeCtrl::~CTreeCtrl()
{
    // The wrapper never owned the tool tip window.
    if (m_pToolTipWrapper != nullptr)
        m_pToolTipWrapper->m_hWnd = nullptr;
}

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPSTR>(lpszItem);
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPSTR>(lpszItem);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    return InsertItem(&insert);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    // The control copies at most the buffer size less one; grow until the text fits.
    CString str;
    for (int nLen = 256;; nLen *= 2)
    {
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = hItem;
        item.pszText = str.GetBuffer(nLen);
        item.cchTextMax = nLen;
        item.pszText[0] = '\0';
        GetItem(&item);
        str.ReleaseBuffer();
        if (str.GetLength() < nLen - 1 || nLen >= 0x100000)
            return str;
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem)
{
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    return SetItem(&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    TVITEMA item = {};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = hItem;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    return SetItem(&item);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEMA item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    item.lParam = (LPARAM)dwData;
    return SetItem(&item);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    TVITEMA item = {};
    item.mask = TVIF_STATE;
    item.hItem = hItem;
    item.state = nState;
    item.stateMask = nStateMask;
    return SetItem(&item);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.mask = TVIF_CHILDREN;
    item.hItem = hItem;
    return GetItem(&item) && item.cChildren != 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    // TVM_GETITEMRECT takes the item handle in the rectangle's first bytes.
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    return (BOOL)SendMessage(TVM_GETITEMRECT, (WPARAM)bTextOnly, (LPARAM)lpRect);
}

HTREEITEM CTreeCtrl::HitTest(POINT pt, UINT* pFlags) const
{
    TVHITTESTINFO info = {};
    info.pt = pt;
    HTREEITEM hItem = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return hItem;
}

CToolTipCtrl* CTreeCtrl::GetToolTips() const
{
    HWND hWndTips = (HWND)SendMessage(TVM_GETTOOLTIPS);
    if (hWndTips == nullptr)
        return nullptr;
    if (CToolTipCtrl* pOwn = DYNAMIC_DOWNCAST(CToolTipCtrl, FromHandlePermanent(hWndTips)))
        return pOwn;
    if (m_pToolTipWrapper == nullptr)
        m_pToolTipWrapper = std::make_unique<CToolTipCtrl>();
    m_pToolTipWrapper->m_hWnd = hWndTips;
    return m_pToolTipWrapper.get();
}
