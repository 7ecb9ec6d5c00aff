#include "controls/COwnerMenu.h"

#include "controls/COwnerMenuData.h"
#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CImageList.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(COwnerMenu, CMenu)

std::vector<HMENU> COwnerMenu::s_menuRegistry;
CImageList COwnerMenu::s_sharedImages;
std::vector<UINT> COwnerMenu::s_sharedImageIds;
int COwnerMenu::s_osClass = COwnerMenu::QueryOsClass();
BOOL COwnerMenu::s_classicScheme = FALSE;
BOOL COwnerMenu::s_bClassicSchemeKnown = FALSE;

namespace
{
constexpr LPCSTR THEME_KEY = "Software\\Microsoft\\Plus!\\Themes\\Current";
constexpr LPCSTR CLASSIC_THEME = "windows classic.theme";
constexpr int MAX_PAD_BLANKS = 256;

UINT MenuId(HMENU hMenu)
{
    return (UINT)(UINT_PTR)hMenu;
}

COwnerMenu* OwnerMenuOf(HMENU hMenu)
{
    return hMenu != nullptr ? DYNAMIC_DOWNCAST(COwnerMenu, CMenu::FromHandlePermanent(hMenu)) : nullptr;
}

void Unregister(HMENU hMenu)
{
    auto& reg = COwnerMenu::s_menuRegistry;
    reg.erase(std::remove(reg.begin(), reg.end(), hMenu), reg.end());
}

// The text of a string item; owner-drawn items carry their record instead of a text.
std::wstring ItemText(HMENU hMenu, int nPos)
{
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_STRING;
    if (!::GetMenuItemInfoW(hMenu, (UINT)nPos, TRUE, &mii) || (mii.fType & (MFT_OWNERDRAW | MFT_SEPARATOR)) ||
        mii.cch == 0)
        return std::wstring();
    std::wstring str(mii.cch + 1, L'\0');
    mii.dwTypeData = str.data();
    mii.cch = (UINT)str.size();
    if (!::GetMenuItemInfoW(hMenu, (UINT)nPos, TRUE, &mii))
        return std::wstring();
    str.resize(mii.cch);
    return str;
}

// GetMenuState cannot tell: for a popup its high byte is the item count.
bool IsOwnerDrawn(HMENU hMenu, int nPos)
{
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    return ::GetMenuItemInfoW(hMenu, (UINT)nPos, TRUE, &mii) && (mii.fType & MFT_OWNERDRAW);
}

// An owner-drawn item's record travels where a string item has its text.
LPCWSTR AsItemData(COwnerMenuData* pRecord)
{
    return reinterpret_cast<LPCWSTR>(pRecord);
}

LPCWSTR TextOf(const COwnerMenuData* pRecord)
{
    return pRecord->GetWideText() != nullptr ? pRecord->GetWideText() : L"";
}

// A device context of the main window (the screen when there is none).
class CMainWndDC
{
public:
    CMainWndDC()
    {
        CWnd* pMain = AfxGetMainWnd();
        m_hWnd = pMain != nullptr ? pMain->m_hWnd : nullptr;
        m_dc.Attach(::GetDC(m_hWnd));
    }
    ~CMainWndDC()
    {
        if (HDC hDC = m_dc.Detach())
            ::ReleaseDC(m_hWnd, hDC);
    }
    CMainWndDC(const CMainWndDC&) = delete;
    CMainWndDC& operator=(const CMainWndDC&) = delete;
    CDC* operator->() { return &m_dc; }
    CDC* Get() { return m_dc.m_hDC != nullptr ? &m_dc : nullptr; }

private:
    HWND m_hWnd = nullptr;
    CDC m_dc;
};

// The colour as a bitmap compatible with pDC holds it.
COLORREF RenderedColour(CDC* pDC, COLORREF cr)
{
    CDC memDC;
    CBitmap probe;
    if (!memDC.CreateCompatibleDC(pDC) || !probe.CreateCompatibleBitmap(pDC, 1, 1))
        return cr;
    CBitmap* pOld = memDC.SelectObject(&probe);
    memDC.FillSolidRect(0, 0, 1, 1, cr);
    const COLORREF crRendered = memDC.GetPixel(0, 0);
    memDC.SelectObject(pOld);
    return crRendered;
}

// A derived copy of an image: every pixel that is not background goes through fnPixel.
template <class F> BOOL MakeDerivedCopy(CDC* pDC, CImageList* pImages, int nImage, CBitmap& bitmap, F fnPixel)
{
    if (!COwnerMenu::RenderImage(pDC, pImages, nImage, bitmap))
        return FALSE;
    const COLORREF crFace = RenderedColour(pDC, ::GetSysColor(COLOR_BTNFACE));
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return FALSE;
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    for (int y = 0; y < COwnerMenu::IMAGE_SIZE; ++y)
    {
        for (int x = 0; x < COwnerMenu::IMAGE_SIZE; ++x)
        {
            const COLORREF cr = memDC.GetPixel(x, y);
            if (cr != crFace)
                memDC.SetPixelV(x, y, fnPixel(cr));
        }
    }
    memDC.SelectObject(pOld);
    return TRUE;
}

// An icon of bitmap whose button-face pixels are transparent.
HICON MaskedIcon(CBitmap& bitmap)
{
    CImageList temp;
    if (!temp.Create(COwnerMenu::IMAGE_SIZE, COwnerMenu::IMAGE_SIZE, ILC_COLORDDB | ILC_MASK, 1, 1) ||
        temp.Add(&bitmap, ::GetSysColor(COLOR_BTNFACE)) < 0)
        return nullptr;
    return temp.ExtractIcon(0);
}
} // namespace

// --- construction and the system's look --------------------------------------------------------------

COwnerMenu::COwnerMenu() = default;

COwnerMenu::~COwnerMenu()
{
    DestroyMenu();
}

int COwnerMenu::OsClassFromVersion(BOOL bNT, DWORD dwMajor, DWORD dwMinor)
{
    if (bNT)
    {
        if (dwMajor == 4)
            return 5;
        if (dwMajor == 5 && dwMinor == 0)
            return 6;
        if (dwMajor == 5 && dwMinor == 1)
            return 7;
        return 1;
    }
    if (dwMajor < 4)
        return 0;
    if (dwMajor == 4 && dwMinor == 10)
        return 3;
    if (dwMajor == 4 && dwMinor == 90)
        return 4;
    return 2;
}

int COwnerMenu::QueryOsClass()
{
    const DWORD dwVersion = ::GetVersion();
    if (dwVersion & 0x80000000)
        return OsClassFromVersion(FALSE, LOBYTE(LOWORD(dwVersion)), HIBYTE(LOWORD(dwVersion)));
    OSVERSIONINFOEXA vi = {};
    vi.dwOSVersionInfoSize = sizeof(vi);
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&vi)))
        return OsClassFromVersion(TRUE, LOBYTE(LOWORD(dwVersion)), HIBYTE(LOWORD(dwVersion)));
    return OsClassFromVersion(TRUE, vi.dwMajorVersion, vi.dwMinorVersion);
}

BOOL COwnerMenu::ReadClassicScheme(LPCSTR lpszSubKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, lpszSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    char szValue[261] = {};
    DWORD dwType = 0;
    DWORD cb = sizeof(szValue) - 1;
    const LONG lResult = ::RegQueryValueExA(hKey, nullptr, nullptr, &dwType, (BYTE*)szValue, &cb);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return FALSE;
    szValue[std::min<DWORD>(cb, sizeof(szValue) - 1)] = '\0';
    CString strValue(szValue);
    strValue.MakeLower();
    const int nSuffix = (int)std::strlen(CLASSIC_THEME);
    return strValue.GetLength() >= nSuffix && strValue.Right(nSuffix) == CLASSIC_THEME;
}

BOOL COwnerMenu::IsClassicScheme()
{
    if (!s_bClassicSchemeKnown)
    {
        s_classicScheme = ReadClassicScheme(THEME_KEY);
        s_bClassicSchemeKnown = TRUE;
    }
    return s_classicScheme;
}

COLORREF COwnerMenu::MixWithWhite(COLORREF cr, double dFactor)
{
    if (!(dFactor > 0.0 && dFactor <= 1.0))
        return cr;
    auto mix = [dFactor](int c) { return (int)(c + dFactor * (255 - c)); };
    return RGB(mix(GetRValue(cr)), mix(GetGValue(cr)), mix(GetBValue(cr)));
}

COLORREF COwnerMenu::MixWithBlack(COLORREF cr, double dFactor)
{
    if (!(dFactor > 0.0 && dFactor <= 1.0))
        return cr;
    auto mix = [dFactor](int c) { return (int)(c - dFactor * c); };
    return RGB(mix(GetRValue(cr)), mix(GetGValue(cr)), mix(GetBValue(cr)));
}

BOOL COwnerMenu::CreateMenuFont(CFont& font)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return FALSE;
    return font.CreateFontIndirect(&ncm.lfMenuFont);
}

// --- loading ----------------------------------------------------------------------------------------

BOOL COwnerMenu::ParseMenuTemplate(const BYTE* pData, DWORD cbData, std::vector<TemplateItem>& items)
{
    items.clear();
    if (pData == nullptr || cbData < 4)
        return FALSE;
    auto word = [pData](DWORD off) { return (WORD)(pData[off] | (pData[off + 1] << 8)); };
    DWORD off = 4 + word(2);
    // The end marks of the open levels; the walk ends when the outermost level is closed.
    std::vector<bool> levels{false};
    while (!levels.empty())
    {
        if (off + 2 > cbData)
            return FALSE;
        TemplateItem item;
        item.wFlags = word(off);
        off += 2;
        if (!(item.wFlags & MF_POPUP))
        {
            if (off + 2 > cbData)
                return FALSE;
            item.wID = word(off);
            off += 2;
        }
        for (;;)
        {
            if (off + 2 > cbData)
                return FALSE;
            const WCHAR ch = word(off);
            off += 2;
            if (ch == L'\0')
                break;
            item.strText += ch;
        }
        if (item.wFlags & MF_END)
            levels.back() = true;
        if (item.wFlags & MF_POPUP)
            levels.push_back(false); // its items follow
        else
        {
            while (!levels.empty() && levels.back())
                levels.pop_back();
        }
        items.push_back(std::move(item));
    }
    return TRUE;
}

BOOL COwnerMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL COwnerMenu::LoadMenu(LPCSTR lpszResourceName)
{
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hModule, lpszResourceName, (LPCSTR)RT_MENU);
    if (hRes == nullptr)
    {
        hModule = ::GetModuleHandleA(nullptr);
        hRes = ::FindResourceA(hModule, lpszResourceName, (LPCSTR)RT_MENU);
    }
    HGLOBAL hGlobal = hRes != nullptr ? ::LoadResource(hModule, hRes) : nullptr;
    const BYTE* pData = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    std::vector<TemplateItem> items;
    if (pData == nullptr || !ParseMenuTemplate(pData, ::SizeofResource(hModule, hRes), items))
        return FALSE;

    DestroyMenu();
    if (!CreateMenu())
        return FALSE;
    struct Level
    {
        COwnerMenu* pMenu;
        bool bEnd;
    };
    std::vector<Level> stack{{this, false}};
    for (const TemplateItem& item : items)
    {
        const UINT nFlags = item.wFlags & ~MF_END;
        const bool bEnd = (item.wFlags & MF_END) != 0;
        Level& level = stack.back();
        if (item.wFlags & MF_POPUP)
        {
            level.bEnd = level.bEnd || bEnd;
            auto pPopup = std::make_unique<COwnerMenu>();
            if (!pPopup->CreatePopupMenu() ||
                !level.pMenu->AppendItem(item.strText.c_str(), nFlags, (UINT_PTR)pPopup->m_hMenu))
            {
                DestroyMenu();
                return FALSE;
            }
            stack.push_back({pPopup.release(), false}); // owned by its parent through m_popups
            continue;
        }
        level.pMenu->AppendItem(item.strText.c_str(), nFlags, item.wID);
        level.bEnd = level.bEnd || bEnd;
        while (!stack.empty() && stack.back().bEnd)
        {
            stack.back().pMenu->PadAccelerators();
            stack.pop_back();
        }
    }
    MakeTopLevelPlain();
    return TRUE;
}

BOOL COwnerMenu::AppendItem(LPCWSTR lpszText, UINT nFlags, UINT_PTR nIDOrPopup)
{
    UINT nItemFlags = nFlags | MF_OWNERDRAW;
    if (nIDOrPopup == 0)
        nItemFlags = MF_SEPARATOR | MF_OWNERDRAW | (nFlags & MF_BYPOSITION);
    if (nItemFlags & MF_POPUP)
    {
        s_menuRegistry.push_back((HMENU)nIDOrPopup);
        m_popups.push_back((HMENU)nIDOrPopup);
    }
    auto pRecord = std::make_unique<COwnerMenuData>();
    pRecord->SetWideText(lpszText);
    const auto it = std::find(s_sharedImageIds.begin(), s_sharedImageIds.end(), (UINT)nIDOrPopup);
    pRecord->iSharedImage = it != s_sharedImageIds.end() ? (int)(it - s_sharedImageIds.begin()) : -1;
    pRecord->uFlags = nItemFlags;
    pRecord->uId = (UINT)nIDOrPopup;
    COwnerMenuData* pData = pRecord.get();
    m_records.push_back(std::move(pRecord));
    return ::AppendMenuW(m_hMenu, nItemFlags & ~MF_BYPOSITION, nIDOrPopup, AsItemData(pData));
}

void COwnerMenu::PadAccelerators()
{
    CMainWndDC dc;
    if (dc.Get() == nullptr)
        return;
    CFont font;
    CFont* pOldFont = CreateMenuFont(font) ? dc->SelectObject(&font) : nullptr;
    int cxWidest = 0;
    for (const auto& pRecord : m_records)
    {
        const CString strText = pRecord->GetAnsiText();
        const int nTab = strText.Find('\t');
        const CString strMain = nTab < 0 ? strText : strText.Left(nTab);
        cxWidest = std::max(cxWidest, (int)dc->GetTextExtent(strMain + " ").cx);
    }
    for (const auto& pRecord : m_records)
    {
        const CString strText = pRecord->GetAnsiText();
        const int nTab = strText.Find('\t');
        if (nTab < 0)
            continue;
        CString strPadded = strText.Left(nTab);
        for (int n = 0; n < MAX_PAD_BLANKS && dc->GetTextExtent(strPadded).cx < cxWidest; ++n)
            strPadded += ' ';
        pRecord->SetAnsiText(strPadded + strText.Mid(nTab));
    }
    if (pOldFont != nullptr)
        dc->SelectObject(pOldFont);
}

void COwnerMenu::MakeTopLevelPlain()
{
    const int nCount = (int)GetMenuItemCount();
    for (int nPos = 0; nPos < nCount && nPos < (int)m_records.size(); ++nPos)
    {
        COwnerMenuData* pRecord = m_records[nPos].get();
        if (HMENU hPopup = ::GetSubMenu(m_hMenu, nPos))
        {
            ::ModifyMenuW(m_hMenu, nPos, MF_BYPOSITION | MF_POPUP | MF_STRING, (UINT_PTR)hPopup,
                          TextOf(pRecord));
            pRecord->uFlags = MF_BYPOSITION | MF_POPUP;
        }
        else
        {
            ::ModifyMenuW(m_hMenu, nPos, MF_BYPOSITION | MF_STRING, pRecord->uId, TextOf(pRecord));
            pRecord->uFlags = MF_BYPOSITION;
        }
    }
}

BOOL COwnerMenu::DestroyMenu()
{
    if (m_hMenu != nullptr)
        Unregister(m_hMenu);
    for (auto it = m_popups.rbegin(); it != m_popups.rend(); ++it)
    {
        const HMENU hPopup = *it;
        Unregister(hPopup);
        COwnerMenu* pPopup = OwnerMenuOf(hPopup);
        if (pPopup == nullptr)
            continue;
        // Out of this menu first, so that destroying this menu does not reach the popup again.
        for (int nPos = (int)GetMenuItemCount() - 1; m_hMenu != nullptr && nPos >= 0; --nPos)
        {
            if (::GetSubMenu(m_hMenu, nPos) == hPopup)
                ::RemoveMenu(m_hMenu, nPos, MF_BYPOSITION);
        }
        delete pPopup;
    }
    m_popups.clear();
    m_records.clear();
    return CMenu::DestroyMenu();
}

void COwnerMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    const auto* pRecord = reinterpret_cast<const COwnerMenuData*>(lpMIS->itemData);
    if (pRecord == nullptr)
        return;
    if (pRecord->uFlags & MF_SEPARATOR)
    {
        lpMIS->itemWidth = 0;
        lpMIS->itemHeight = 3;
        return;
    }
    int cxText = 0;
    CMainWndDC dc;
    if (dc.Get() != nullptr && pRecord->GetWideText() != nullptr)
    {
        CFont font;
        CFont* pOldFont = HasModernShell() && CreateMenuFont(font) ? dc->SelectObject(&font) : nullptr;
        RECT rcText = {0, 0, 0, 0};
        ::DrawTextW(dc->m_hDC, pRecord->GetWideText(), -1, &rcText, DT_SINGLELINE | DT_CALCRECT);
        cxText = rcText.right - rcText.left;
        if (pOldFont != nullptr)
            dc->SelectObject(pOldFont);
    }
    lpMIS->itemWidth = (UINT)(cxText + TEXT_INDENT);
    lpMIS->itemHeight = (UINT)std::max(::GetSystemMetrics(SM_CYMENU), STRIP_WIDTH);
}

// --- items ----------------------------------------------------------------------------------------

COwnerMenuData* COwnerMenu::GetRecord(int nPos) const
{
    return nPos >= 0 && nPos < (int)m_records.size() ? m_records[nPos].get() : nullptr;
}

COwnerMenu* COwnerMenu::FindItemExcept(UINT nID, int& nPos, const std::vector<ItemRef>& excluded)
{
    const int nCount = m_hMenu != nullptr ? (int)GetMenuItemCount() : 0;
    for (int i = 0; i < nCount; ++i)
    {
        if (COwnerMenu* pPopup = OwnerMenuOf(::GetSubMenu(m_hMenu, i)))
        {
            if (COwnerMenu* pFound = pPopup->FindItemExcept(nID, nPos, excluded))
                return pFound;
            continue;
        }
        if (GetMenuItemID(i) == nID &&
            std::find(excluded.begin(), excluded.end(), ItemRef(this, i)) == excluded.end())
        {
            nPos = i;
            return this;
        }
    }
    nPos = -1;
    return nullptr;
}

COwnerMenu* COwnerMenu::FindItem(UINT nID, int& nPos)
{
    return FindItemExcept(nID, nPos, {});
}

COwnerMenu* COwnerMenu::FindNextItem(UINT nID, int& nPos, const std::vector<ItemRef>& excluded)
{
    return FindItemExcept(nID, nPos, excluded);
}

BOOL COwnerMenu::GetItemText(UINT nIDItem, CString& rText, UINT nFlags) const
{
    if (nFlags & MF_BYPOSITION)
    {
        const COwnerMenuData* pRecord = GetRecord((int)nIDItem);
        if (pRecord == nullptr)
            return FALSE;
        rText = pRecord->GetAnsiText();
        return TRUE;
    }
    int nPos = -1;
    const COwnerMenu* pMenu = const_cast<COwnerMenu*>(this)->FindItem(nIDItem, nPos);
    return pMenu != nullptr && pMenu->GetItemText((UINT)nPos, rText, MF_BYPOSITION);
}

BOOL COwnerMenu::ModifyItemA(LPCSTR lpszText, UINT nID, CImageList* pImages, int nImage)
{
    if (lpszText == nullptr)
        return ModifyItemW(nullptr, nID, pImages, nImage);
    return ModifyItemW(COwnerMenuData::AnsiToWide(lpszText).c_str(), nID, pImages, nImage);
}

BOOL COwnerMenu::ModifyItemW(LPCWSTR lpszText, UINT nID, CImageList* pImages, int nImage)
{
    BOOL bResult = FALSE;
    bool bImageTaken = false;
    int nSlot = -1;
    std::vector<ItemRef> done;
    int nPos = -1;
    for (COwnerMenu* pMenu = FindItem(nID, nPos); pMenu != nullptr; pMenu = FindNextItem(nID, nPos, done))
    {
        done.emplace_back(pMenu, nPos);
        COwnerMenuData* pRecord = pMenu->GetRecord(nPos);
        if (pRecord == nullptr)
            continue; // an item added behind the menu's back gets its record when its popup opens
        if (lpszText != nullptr)
            pRecord->SetWideText(lpszText);
        if (pImages != nullptr)
        {
            if (!bImageTaken)
                nSlot = AddSharedImage(pImages, nImage, nID);
            bImageTaken = true;
            pRecord->iSharedImage = nSlot;
        }
        pRecord->uFlags = (pRecord->uFlags & ~MF_BYPOSITION) | MF_OWNERDRAW;
        pRecord->uId = nID;
        // Each item keeps its own record, also when the command is in several popups.
        bResult =
            ::ModifyMenuW(pMenu->m_hMenu, nPos, pRecord->uFlags | MF_BYPOSITION, nID, AsItemData(pRecord));
    }
    return bResult;
}

// --- shared images --------------------------------------------------------------------------------

BOOL COwnerMenu::RenderImage(CDC* pDC, CImageList* pImages, int nImage, CBitmap& bitmap)
{
    if (pImages == nullptr || pImages->m_hImageList == nullptr || nImage < 0 ||
        nImage >= pImages->GetImageCount())
        return FALSE;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, IMAGE_SIZE, IMAGE_SIZE))
        return FALSE;
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, IMAGE_SIZE, IMAGE_SIZE, ::GetSysColor(COLOR_BTNFACE));
    pImages->Draw(&memDC, nImage, CPoint(0, 0), ILD_TRANSPARENT);
    memDC.SelectObject(pOld);
    return TRUE;
}

int COwnerMenu::AddSharedImage(CImageList* pImages, int nImage, UINT nID)
{
    if (s_sharedImages.m_hImageList == nullptr &&
        !s_sharedImages.Create(IMAGE_SIZE, IMAGE_SIZE, ILC_COLORDDB | ILC_MASK, 0, 1))
        return -1;
    if (pImages == nullptr || pImages->m_hImageList == nullptr)
        return -1;
    HICON hIcon = pImages->ExtractIcon(nImage);
    if (hIcon == nullptr)
        return -1;

    CMainWndDC dc;
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crSilhouette = HasThemedXpLook() ? crShadow : MixWithWhite(crShadow, 0.49);
    CBitmap copies[3];
    const BOOL bCopies = dc.Get() != nullptr &&
                         MakeDerivedCopy(dc.Get(), pImages, nImage, copies[0],
                                         [](COLORREF cr) { return MixWithWhite(cr, 0.3); }) &&
                         MakeDerivedCopy(dc.Get(), pImages, nImage, copies[1],
                                         [crSilhouette](COLORREF) { return crSilhouette; }) &&
                         MakeDerivedCopy(dc.Get(), pImages, nImage, copies[2],
                                         [crShadow](COLORREF cr)
                                         {
                                             const int v =
                                                 (GetRValue(cr) + GetGValue(cr) + GetBValue(cr)) / 3;
                                             return MixWithWhite(crShadow, v / 255.0);
                                         });

    int nSlot = -1;
    const auto it = std::find(s_sharedImageIds.begin(), s_sharedImageIds.end(), nID);
    if (it == s_sharedImageIds.end())
    {
        nSlot = s_sharedImages.Add(hIcon);
        if (nSlot >= 0)
        {
            s_sharedImageIds.push_back(nID);
            // Each copy that could be made takes the next slot; painting checks the slots' ids.
            for (CBitmap& copy : copies)
            {
                if (bCopies && s_sharedImages.Add(&copy, ::GetSysColor(COLOR_BTNFACE)) >= 0)
                    s_sharedImageIds.push_back(nID);
            }
        }
    }
    else
    {
        nSlot = (int)(it - s_sharedImageIds.begin());
        s_sharedImages.Replace(nSlot, hIcon);
        const size_t n = (size_t)nSlot;
        if (bCopies && n + 3 < s_sharedImageIds.size() && s_sharedImageIds[n + 1] == nID &&
            s_sharedImageIds[n + 2] == nID)
        {
            for (int k = 0; k < 3; ++k)
            {
                if (HICON hCopy = MaskedIcon(copies[k]))
                {
                    s_sharedImages.Replace(nSlot + 1 + k, hCopy);
                    ::DestroyIcon(hCopy);
                }
            }
        }
    }
    ::DestroyIcon(hIcon);
    return nSlot;
}

// --- keeping in step with the popups --------------------------------------------------------------

COwnerMenuData* COwnerMenu::ClaimRecord(UINT nID)
{
    for (const auto& pRecord : m_records)
    {
        if (!pRecord->bUsed && pRecord->uId == nID)
        {
            pRecord->bUsed = TRUE;
            return pRecord.get();
        }
    }
    return nullptr;
}

COwnerMenuData* COwnerMenu::NewRecord(int nPos, LPCWSTR lpszText, UINT nFlags, UINT nID)
{
    auto pRecord = std::make_unique<COwnerMenuData>();
    pRecord->SetWideText(lpszText);
    pRecord->uFlags = nFlags;
    pRecord->uId = nID;
    pRecord->bUsed = TRUE;
    const auto it = std::find(s_sharedImageIds.begin(), s_sharedImageIds.end(), nID);
    pRecord->iSharedImage = it != s_sharedImageIds.end() ? (int)(it - s_sharedImageIds.begin()) : -1;
    COwnerMenuData* pData = pRecord.get();
    m_records.push_back(std::move(pRecord));
    const UINT_PTR nItem = (nFlags & MF_POPUP) ? (UINT_PTR)::GetSubMenu(m_hMenu, nPos) : nID;
    ::ModifyMenuW(m_hMenu, nPos, nFlags | MF_BYPOSITION, nItem, AsItemData(pData));
    return pData;
}

COwnerMenuData* COwnerMenu::StepPopupItem(int nPos, HMENU hPopup, UINT nState)
{
    const std::wstring strText = ItemText(m_hMenu, nPos);
    const UINT nFlags = LOBYTE(nState) | MF_BYPOSITION | MF_POPUP | MF_OWNERDRAW;
    COwnerMenuData* pRecord = ClaimRecord(MenuId(hPopup));
    if (pRecord == nullptr)
        return NewRecord(nPos, strText.c_str(), nFlags, MenuId(hPopup));
    if (!IsOwnerDrawn(m_hMenu, nPos))
    {
        // A new text turned the item into a string item: owner-drawn again, with that text.
        pRecord->SetWideText(strText.c_str());
        pRecord->uFlags = nFlags;
        ::ModifyMenuW(m_hMenu, nPos, nFlags, (UINT_PTR)hPopup, AsItemData(pRecord));
    }
    return pRecord;
}

COwnerMenuData* COwnerMenu::StepSeparator(int nPos, UINT nState)
{
    COwnerMenuData* pRecord = ClaimRecord(0);
    if (pRecord == nullptr)
        return NewRecord(nPos, L"", nState | MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0);
    ::ModifyMenuW(m_hMenu, nPos, pRecord->uFlags | MF_BYPOSITION, 0, AsItemData(pRecord));
    return pRecord;
}

COwnerMenuData* COwnerMenu::StepCommand(int nPos, UINT nState)
{
    const UINT nID = GetMenuItemID(nPos);
    const std::wstring strText = ItemText(m_hMenu, nPos);
    const UINT nFlags = nState | MF_BYPOSITION | MF_OWNERDRAW;
    COwnerMenuData* pRecord = ClaimRecord(nID);
    if (pRecord == nullptr)
        return NewRecord(nPos, strText.c_str(), nFlags, nID);
    // The check and enable state the framework set just before.
    pRecord->uFlags = nFlags;
    if (!strText.empty())
        pRecord->SetWideText(strText.c_str());
    ::ModifyMenuW(m_hMenu, nPos, nFlags, nID, AsItemData(pRecord));
    return pRecord;
}

void COwnerMenu::RefreshItems()
{
    for (const auto& pRecord : m_records)
        pRecord->bUsed = FALSE;
    std::vector<COwnerMenuData*> order;
    const int nCount = m_hMenu != nullptr ? (int)GetMenuItemCount() : 0;
    for (int nPos = 0; nPos < nCount; ++nPos)
    {
        const UINT nState = ::GetMenuState(m_hMenu, nPos, MF_BYPOSITION);
        COwnerMenuData* pRecord = nullptr;
        if (HMENU hPopup = ::GetSubMenu(m_hMenu, nPos))
            pRecord = StepPopupItem(nPos, hPopup, nState);
        else if (nState & MF_SEPARATOR)
            pRecord = StepSeparator(nPos, nState);
        else
            pRecord = StepCommand(nPos, nState);
        order.push_back(pRecord);
    }
    // Records no item claimed go; the others follow the items' order.
    std::vector<std::unique_ptr<COwnerMenuData>> previous = std::move(m_records);
    m_records.clear();
    for (auto& pRecord : previous)
    {
        if (pRecord->bUsed)
            (void)pRecord.release(); // held by order
    }
    for (COwnerMenuData* pRecord : order)
        m_records.emplace_back(pRecord);
}

// --- registry of popups and typed characters ------------------------------------------------------

BOOL COwnerMenu::IsOwnMenu(HMENU hMenu)
{
    return hMenu != nullptr &&
           std::find(s_menuRegistry.begin(), s_menuRegistry.end(), hMenu) != s_menuRegistry.end();
}

BOOL COwnerMenu::IsOwnMenu(const CMenu* pMenu)
{
    return pMenu != nullptr && IsOwnMenu(pMenu->m_hMenu);
}

void COwnerMenu::UpdatePopup(CMenu* pMenu)
{
    if (COwnerMenu* pOwnerMenu = DYNAMIC_DOWNCAST(COwnerMenu, pMenu))
        pOwnerMenu->RefreshItems();
}

void COwnerMenu::UpdatePopup(HMENU hMenu)
{
    UpdatePopup(OwnerMenuOf(hMenu));
}

LRESULT COwnerMenu::FindMnemonic(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    COwnerMenu* pOwnerMenu = DYNAMIC_DOWNCAST(COwnerMenu, pMenu);
    if (pOwnerMenu == nullptr || !(nFlags & MF_POPUP))
        return 0;
    CString strKey("&");
    strKey += (char)nChar;
    strKey.MakeLower();
    if (pOwnerMenu->GetRecordCount() != (int)pOwnerMenu->GetMenuItemCount())
        pOwnerMenu->RefreshItems();
    for (int nPos = 0; nPos < pOwnerMenu->GetRecordCount(); ++nPos)
    {
        CString strText = pOwnerMenu->m_records[nPos]->GetAnsiText();
        if (strText.MakeLower().Find(strKey) >= 0)
            return MAKELRESULT(nPos, MNC_EXECUTE);
    }
    return 0;
}

LRESULT COwnerMenu::FindMnemonic(UINT nChar, UINT nFlags, HMENU hMenu)
{
    return FindMnemonic(nChar, nFlags, OwnerMenuOf(hMenu));
}
