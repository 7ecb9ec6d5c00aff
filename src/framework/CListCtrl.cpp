#include "framework/CListCtrl.h"

#include "framework/AfxInitControls.h"
#include "framework/CHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CListCtrl::CListCtrl() = default;

CListCtrl::~CListCtrl()
{
    // The wrapper never owned the header window.
    if (m_pHeaderWrapper != nullptr)
        m_pHeaderWrapper->m_hWnd = nullptr;
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    HWND hWndHeader = (HWND)SendMessage(LVM_GETHEADER);
    if (hWndHeader == nullptr)
        return nullptr;
    if (CHeaderCtrl* pOwn = DYNAMIC_DOWNCAST(CHeaderCtrl, FromHandlePermanent(hWndHeader)))
        return pOwn;
    if (m_pHeaderWrapper == nullptr)
        m_pHeaderWrapper = std::make_unique<CHeaderCtrl>();
    m_pHeaderWrapper->m_hWnd = hWndHeader;
    return m_pHeaderWrapper.get();
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.fmt = nFormat;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    return InsertItem(&item);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return (BOOL)SendMessage(LVM_SETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    return (int)SendMessage(LVM_GETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most the buffer size less one; grow until the text fits.
    CString str;
    for (int nLen = 256;; nLen *= 2)
    {
        char* p = str.GetBuffer(nLen);
        const int nGot = GetItemText(nItem, nSubItem, p, nLen);
        str.ReleaseBuffer(nGot);
        if (nGot < nLen - 1 || nLen >= 0x100000)
            return str;
    }
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = (LPARAM)dwData;
    return SetItem(&item);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.state = nState;
    item.stateMask = nMask;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&item);
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    // Positions are item index + 1, so that item 0 is not a null position.
    return (POSITION)(INT_PTR)(GetNextItem(-1, LVNI_SELECTED) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    const int nItem = (int)(INT_PTR)pos - 1;
    pos = (POSITION)(INT_PTR)(GetNextItem(nItem, LVNI_SELECTED) + 1);
    return nItem;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = (LONG)nCode;
    return (BOOL)SendMessage(LVM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, RECT& ref) const
{
    ref.top = iSubItem;
    ref.left = nArea;
    return (BOOL)SendMessage(LVM_GETSUBITEMRECT, (WPARAM)iItem, (LPARAM)&ref);
}
