// The main window's menu. LoadMenu builds it from a menu resource so that every popup item is drawn
// by the menu itself and carries a COwnerMenuData record; the top-level items stay plain text. Commands
// get 16 x 16 images (kept, with a pale, a silhouette and a grey copy, in one image list shared by all
// menus); the records follow the popups each time one opens (UpdatePopup), typed characters choose
// items (FindMnemonic), and every popup built here is registered for IsOwnMenu.
// User-interface thread only.
#pragma once

#include "framework/CMenu.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class CBitmap;
class CDC;
class CFont;
class CImageList;
class CRect;
class COwnerMenuData;

class COwnerMenu : public CMenu
{
    DECLARE_DYNAMIC(COwnerMenu)

public:
    COwnerMenu();
    ~COwnerMenu() override;

    // --- measuring and painting (COwnerMenuPaint.cpp) ---
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // --- building ---
    // One item of a menu resource, flags as stored (MF_END included).
    struct TemplateItem
    {
        WORD wFlags = 0;
        WORD wID = 0; // none for a popup
        std::wstring strText;
    };
    // The items of a menu resource in their order; FALSE when the data ends before the last level
    // is closed.
    static BOOL ParseMenuTemplate(const BYTE* pData, DWORD cbData, std::vector<TemplateItem>& items);

    BOOL LoadMenu(UINT nIDResource) override;
    // FALSE when the resource is missing or malformed (the menu held so far stays) or when no menu
    // could be created.
    BOOL LoadMenu(LPCSTR lpszResourceName) override;
    // Releases the records, the popups built by LoadMenu and the menu handle.
    BOOL DestroyMenu() override;
    // Appends one owner-drawn item with a new record; nIDOrPopup is the popup's handle for MF_POPUP
    // and 0 for a separator. The system's result of the append.
    BOOL AppendItem(LPCWSTR lpszText, UINT nFlags, UINT_PTR nIDOrPopup);

    // Text (null keeps it) and image of every item with command nID here and in the popups below.
    BOOL ModifyItemA(LPCSTR lpszText, UINT nID, CImageList* pImages, int nImage);
    BOOL ModifyItemW(LPCWSTR lpszText, UINT nID, CImageList* pImages, int nImage);
    // Copies image nImage of pImages and its three derived copies into the shared list; the first
    // slot, or -1 when the image cannot be taken.
    static int AddSharedImage(CImageList* pImages, int nImage, UINT nID);

    // By position (MF_BYPOSITION) or by command.
    BOOL GetItemText(UINT nIDItem, CString& rText, UINT nFlags) const;
    // The menu and position of the first item with command nID, depth first; null and -1 when none.
    COwnerMenu* FindItem(UINT nID, int& nPos);
    using ItemRef = std::pair<const COwnerMenu*, int>;
    // As FindItem, skipping the items in excluded.
    COwnerMenu* FindNextItem(UINT nID, int& nPos, const std::vector<ItemRef>& excluded);
    // Brings the records in step with the popup's items (order, check and enable state, texts).
    void RefreshItems();
    // The record of the item at nPos, or null.
    COwnerMenuData* GetRecord(int nPos) const;
    int GetRecordCount() const { return (int)m_records.size(); }

    static BOOL IsOwnMenu(const CMenu* pMenu);
    static BOOL IsOwnMenu(HMENU hMenu);
    // RefreshItems when the menu is a COwnerMenu.
    static void UpdatePopup(CMenu* pMenu);
    static void UpdatePopup(HMENU hMenu);
    // The answer to WM_MENUCHAR: the position of the first item whose text holds "&" and the
    // character (case-blind) with MNC_EXECUTE in the high word; 0 when there is none.
    static LRESULT FindMnemonic(UINT nChar, UINT nFlags, CMenu* pMenu);
    static LRESULT FindMnemonic(UINT nChar, UINT nFlags, HMENU hMenu);

    // --- painting steps (COwnerMenuPaint.cpp) ---
    void DrawItemFlat(LPDRAWITEMSTRUCT lpDIS);
    void DrawItemClassic(LPDRAWITEMSTRUCT lpDIS);
    static void DrawCheckCell(CDC* pDC, const CRect& rcCell, BOOL bDot, COLORREF crFrame, BOOL bSelected);
    static void DrawCheckCellClassic(CDC* pDC, const CRect& rcCell, BOOL bSelected, BOOL bDot);
    static void DrawTick(CDC* pDC, int x, int y, COLORREF crColor, BOOL bThin);
    static void DrawDot(CDC* pDC, int x, int y, COLORREF crColor);
    static void DrawEmbossed(CDC* pDC, int x, int y, int cx, int cy, CBitmap* pBitmap, COLORREF crBack);
    // A 16 x 16 bitmap compatible with pDC: the image over a square of COLOR_BTNFACE.
    static BOOL RenderImage(CDC* pDC, CImageList* pImages, int nImage, CBitmap& bitmap);

    // Each of red, green and blue moved towards white (black) by dFactor, 0 < dFactor <= 1;
    // other factors leave the colour as it is.
    static COLORREF MixWithWhite(COLORREF cr, double dFactor);
    static COLORREF MixWithBlack(COLORREF cr, double dFactor);

    // --- the system's look ---
    // 0 Windows 3.x class, 2 Windows 95 / other 9x, 3 Windows 98, 4 Me, 5 NT 4, 6 2000, 7 XP,
    // 1 every later NT version.
    static int OsClassFromVersion(BOOL bNT, DWORD dwMajor, DWORD dwMinor);
    static int QueryOsClass();
    // Whether the default value of HKEY_CURRENT_USER\lpszSubKey ends in "Windows Classic.theme".
    static BOOL ReadClassicScheme(LPCSTR lpszSubKey);
    // Read from the user's theme key on first use, then kept.
    static BOOL IsClassicScheme();
    // The system's menu font.
    static BOOL CreateMenuFont(CFont& font);
    static BOOL HasModernShell() { return s_osClass >= 2; }
    static BOOL HasThemedXpLook() { return s_osClass == 7 && !IsClassicScheme(); }

    // Shared by all menus of the process.
    static std::vector<HMENU> s_menuRegistry;  // every popup built by LoadMenu
    static CImageList s_sharedImages;          // 16 x 16, four slots per image
    static std::vector<UINT> s_sharedImageIds; // the command of each slot
    static int s_osClass;                      // computed at start; tests may set it
    static BOOL s_classicScheme;               // valid while s_bClassicSchemeKnown
    static BOOL s_bClassicSchemeKnown;

    static constexpr int IMAGE_SIZE = 16;
    static constexpr int IMAGE_GAP = 7;
    static constexpr int STRIP_WIDTH = IMAGE_SIZE + IMAGE_GAP; // the image strip on the left
    static constexpr int TEXT_INDENT = STRIP_WIDTH + 8;        // where the text starts (flat style)

protected:
    // A record for an item found without one, given to the item at nPos.
    COwnerMenuData* NewRecord(int nPos, LPCWSTR lpszText, UINT nFlags, UINT nID);
    // Pads the texts before the tab with blanks so that the accelerators start in one column.
    void PadAccelerators();
    // Turns the top-level items into system-drawn text items.
    void MakeTopLevelPlain();

    std::vector<std::unique_ptr<COwnerMenuData>> m_records; // one per item
    std::vector<HMENU> m_popups;                            // built by LoadMenu, owned

private:
    COwnerMenu* FindItemExcept(UINT nID, int& nPos, const std::vector<ItemRef>& excluded);
    // The first record with id nID that no item has claimed yet, now claimed; null when none.
    COwnerMenuData* ClaimRecord(UINT nID);
    // The record of the item at nPos, claimed or new, the item owner-drawn with it.
    COwnerMenuData* StepPopupItem(int nPos, HMENU hPopup, UINT nState);
    COwnerMenuData* StepSeparator(int nPos, UINT nState);
    COwnerMenuData* StepCommand(int nPos, UINT nState);
};
