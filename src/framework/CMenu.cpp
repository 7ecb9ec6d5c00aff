#include "framework/CMenu.h"

#include "framework/AfxHandleMap.h"
#include "framework/CBitmap.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace
{
using MenuMap = CHandleMap<HMENU, CMenu>;

thread_local HMENU t_hTrackingMenu = nullptr;

CMenu* NewTempMenu(HMENU hMenu)
{
    auto* p = new CMenu;
    p->m_hMenu = hMenu;
    return p;
}

LPCSTR BitmapItem(const CBitmap* pBmp)
{
    return reinterpret_cast<LPCSTR>(pBmp != nullptr ? pBmp->m_hObject : nullptr);
}

bool ItemHasID(HMENU hMenu, int nPos, UINT nID)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!::GetMenuItemInfoA(hMenu, (UINT)nPos, TRUE, &mii))
        return false;
    // A popup item is identified by its popup's handle.
    return mii.wID == nID || (mii.hSubMenu != nullptr && (UINT)(UINT_PTR)mii.hSubMenu == nID);
}

HMENU FindHoldingMenu(HMENU hMenu, UINT nID)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        if (ItemHasID(hMenu, i, nID))
            return hMenu;
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
        {
            if (HMENU hFound = FindHoldingMenu(hSub, nID))
                return hFound;
        }
    }
    return nullptr;
}
} // namespace

CMenu::~CMenu()
{
    if (m_hMenu != nullptr)
        ::DestroyMenu(Detach());
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return MenuMap::ForThisThread().FromHandle(hMenu, &NewTempMenu);
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    return MenuMap::ForThisThread().LookupPermanent(hMenu);
}

void CMenu::DeleteTempMap()
{
    MenuMap::ForThisThread().DeleteTemp([](CMenu* p) { p->m_hMenu = nullptr; });
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    MenuMap::ForThisThread().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr)
        MenuMap::ForThisThread().RemovePermanent(hMenu, this);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    return Attach(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

UINT CMenu::GetMenuItemCount() const
{
    return (UINT)::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    char* p = rString.GetBuffer(nLen + 1);
    const int nGot = nLen > 0 ? ::GetMenuStringA(m_hMenu, nIDItem, p, nLen + 1, nFlags) : 0;
    rString.ReleaseBuffer(nGot);
    return nGot;
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) const
{
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return ::InsertMenuItemA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return (UINT)::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    const HMENU hPrevious = t_hTrackingMenu;
    t_hTrackingMenu = m_hMenu;
    const BOOL bResult =
        ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->m_hWnd : nullptr, lpRect);
    t_hTrackingMenu = hPrevious;
    return bResult;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

CMenu* CMenu::FindPopupMenuFromID(HMENU hMenuRoot, UINT nID)
{
    return hMenuRoot != nullptr ? FromHandle(FindHoldingMenu(hMenuRoot, nID)) : nullptr;
}

HMENU CMenu::GetTrackingMenu()
{
    return t_hTrackingMenu;
}
