// The owner-drawn menu: loading a menu resource into records and registered popups, padded
// accelerators, shared images with their derived copies, keeping records in step with the popups,
// mnemonics, destroying, and the system's look.
#include "OwnerMenuTestSupport.h"

#include "controls/COwnerMenuData.h"
#include "framework/CFont.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
COwnerMenu* PopupOf(const CMenu& menu, int nPos)
{
    return DYNAMIC_DOWNCAST(COwnerMenu, CMenu::FromHandlePermanent(::GetSubMenu(menu.m_hMenu, nPos)));
}

UINT MenuId(const CMenu* pMenu)
{
    return (UINT)(UINT_PTR)pMenu->m_hMenu;
}

// The item's type flags and its item data.
MENUITEMINFOA ItemInfo(const CMenu* pMenu, int nPos)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_STATE;
    ::GetMenuItemInfoA(pMenu->m_hMenu, (UINT)nPos, TRUE, &mii);
    return mii;
}

// Every item of the popup is owner-drawn and carries the record at its position.
void ExpectRecordsOnItems(const COwnerMenu* pPopup)
{
    ASSERT_EQ(pPopup->GetRecordCount(), (int)pPopup->GetMenuItemCount());
    for (int i = 0; i < pPopup->GetRecordCount(); ++i)
    {
        const MENUITEMINFOA mii = ItemInfo(pPopup, i);
        EXPECT_TRUE(mii.fType & MFT_OWNERDRAW) << i;
        EXPECT_EQ(mii.dwItemData, (ULONG_PTR)pPopup->GetRecord(i)) << i;
    }
}

std::vector<CString> Texts(const COwnerMenu* pPopup)
{
    std::vector<CString> texts;
    for (int i = 0; i < pPopup->GetRecordCount(); ++i)
        texts.push_back(pPopup->GetRecord(i)->GetAnsiText());
    return texts;
}

const BYTE* TestMenuResource(DWORD& cb)
{
    HRSRC hRes = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_OWNER_MENU_TEST), (LPCSTR)RT_MENU);
    cb = ::SizeofResource(nullptr, hRes);
    return static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, hRes)));
}
} // namespace

TEST(OwnerMenuTemplate, ReadsEveryItemAndRefusesTheResourceCutShort)
{
    DWORD cb = 0;
    const BYTE* pData = TestMenuResource(cb);
    ASSERT_NE(pData, nullptr);
    std::vector<COwnerMenu::TemplateItem> items;
    ASSERT_TRUE(COwnerMenu::ParseMenuTemplate(pData, cb, items));
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items[0].wFlags, MF_POPUP);
    EXPECT_TRUE(items[0].strText == L"&File");
    EXPECT_EQ(items[2].wID, ID_OM_SAVE_DIAGRAM);
    EXPECT_TRUE(items[2].strText == L"Save &Diagram\tCtrl+D");
    EXPECT_EQ(items[4].wFlags, 0); // the separator
    EXPECT_EQ(items[4].wID, 0);
    EXPECT_TRUE(items[4].strText.empty());
    EXPECT_EQ(items[5].wFlags, MF_END);
    EXPECT_EQ(items[19].wFlags, MF_END);
    EXPECT_EQ(items[17].wFlags, MF_POPUP | MF_END);
    for (DWORD cbCut = 0; cbCut < cb; ++cbCut)
        EXPECT_FALSE(COwnerMenu::ParseMenuTemplate(pData, cbCut, items)) << cbCut;
    EXPECT_FALSE(COwnerMenu::ParseMenuTemplate(nullptr, cb, items));
}

TEST_F(OwnerMenuTest, LoadsPlainTopLevelItemsOverOwnerDrawnRegisteredPopups)
{
    COwnerMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
    ASSERT_EQ(menu.GetMenuItemCount(), 4u);
    ASSERT_EQ(menu.GetRecordCount(), 4);
    const char* bar[] = {"&File", "&Operating Mode", "&View", "&Help"};
    for (int i = 0; i < 4; ++i)
    {
        CString strText;
        menu.GetMenuString(i, strText, MF_BYPOSITION);
        EXPECT_EQ(strText, bar[i]);
        EXPECT_FALSE(ItemInfo(&menu, i).fType & MFT_OWNERDRAW) << i;
        const COwnerMenu* pPopup = PopupOf(menu, i);
        ASSERT_NE(pPopup, nullptr) << i;
        EXPECT_TRUE(COwnerMenu::IsOwnMenu(pPopup));
        EXPECT_EQ(menu.GetRecord(i)->uFlags, (UINT)(MF_BYPOSITION | MF_POPUP)) << i;
        EXPECT_EQ(menu.GetRecord(i)->uId, MenuId(pPopup)) << i;
        ExpectRecordsOnItems(pPopup);
    }

    const COwnerMenu* pFile = PopupOf(menu, 0);
    ASSERT_EQ(pFile->GetRecordCount(), 5);
    EXPECT_EQ(pFile->GetRecord(0)->uId, (UINT)ID_OM_SAVE_VALUES);
    EXPECT_EQ(pFile->GetRecord(0)->uFlags, (UINT)MF_OWNERDRAW);
    EXPECT_EQ(pFile->GetRecord(0)->iSharedImage, -1);
    const COwnerMenuData* pSeparator = pFile->GetRecord(3);
    EXPECT_EQ(pSeparator->uFlags, (UINT)(MF_SEPARATOR | MF_OWNERDRAW));
    EXPECT_EQ(pSeparator->uId, 0u);
    EXPECT_FALSE(pSeparator->HasText());

    // The nested popup: an owner-drawn popup item with its own registered menu.
    const COwnerMenu* pMode = PopupOf(menu, 1);
    const COwnerMenu* pAdjust = PopupOf(*pMode, 0);
    ASSERT_NE(pAdjust, nullptr);
    EXPECT_TRUE(COwnerMenu::IsOwnMenu(pAdjust->m_hMenu));
    EXPECT_EQ(pMode->GetRecord(0)->uFlags, (UINT)(MF_POPUP | MF_OWNERDRAW));
    EXPECT_EQ(pMode->GetRecord(0)->uId, MenuId(pAdjust));
    EXPECT_EQ(Texts(pAdjust), (std::vector<CString>{"Sensor Connection", "Sensor Information"}));
    ExpectRecordsOnItems(pAdjust);

    // The template's check state and a text in code page 1252.
    const COwnerMenu* pView = PopupOf(menu, 2);
    EXPECT_TRUE(pView->GetRecord(0)->uFlags & MF_CHECKED);
    CString strReset;
    ASSERT_TRUE(menu.GetItemText(ID_OM_RESET, strReset, MF_BYCOMMAND));
    EXPECT_EQ(strReset.Left(21), "Ansicht zu&rücksetzen");
    EXPECT_EQ(strReset.Mid(strReset.Find('\t')), "\tStrg+R");

    // Not registered: the bar itself, a menu built otherwise, a window's system menu.
    EXPECT_FALSE(COwnerMenu::IsOwnMenu(&menu));
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    EXPECT_FALSE(COwnerMenu::IsOwnMenu(&plain));
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "menu", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    EXPECT_FALSE(COwnerMenu::IsOwnMenu(::GetSystemMenu(wnd.m_hWnd, FALSE)));
    wnd.DestroyWindow();
}

TEST_F(OwnerMenuTest, AcceleratorsStartInOneColumnPerPopup)
{
    COwnerMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
    CClientDC dc(nullptr);
    CFont font;
    ASSERT_TRUE(COwnerMenu::CreateMenuFont(font));
    CFont* pOldFont = dc.SelectObject(&font);
    int cxWidest = 0;
    for (const char* pszMain : {"Save &Measvalue", "Save &Diagram", "&Print", "", "&Exit"})
        cxWidest = std::max(cxWidest, (int)dc.GetTextExtent(CString(pszMain) + " ").cx);
    const char* accelerators[] = {"\tCtrl+M", "\tCtrl+D", "\tCtrl+P", nullptr, "\tCtrl+E"};
    const std::vector<CString> texts = Texts(PopupOf(menu, 0));
    for (int i = 0; i < 5; ++i)
    {
        const int nTab = texts[i].Find('\t');
        if (accelerators[i] == nullptr)
        {
            EXPECT_EQ(nTab, -1);
            continue;
        }
        const CString strMain = texts[i].Left(nTab);
        EXPECT_EQ(texts[i].Mid(nTab), accelerators[i]);
        ASSERT_EQ(strMain.Right(1), " ") << i;
        // Just wide enough: one blank less would not reach the column.
        EXPECT_GE(dc.GetTextExtent(strMain).cx, cxWidest) << i;
        EXPECT_LT(dc.GetTextExtent(strMain.Left(strMain.GetLength() - 1)).cx, cxWidest) << i;
    }
    dc.SelectObject(pOldFont);
}

TEST_F(OwnerMenuTest, ImageOfACommandFillsFourSharedSlotsWithItsDerivedCopies)
{
    COwnerMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
    const COwnerMenu* pFile = PopupOf(menu, 0);
    const COwnerMenu* pHelp = PopupOf(menu, 3);
    const CString strBefore = pFile->GetRecord(1)->GetAnsiText();
    EXPECT_TRUE(menu.ModifyItemA(nullptr, ID_OM_SAVE_DIAGRAM, &m_images, 0));
    EXPECT_EQ(COwnerMenu::s_sharedImageIds, std::vector<UINT>(4, ID_OM_SAVE_DIAGRAM));
    ASSERT_EQ(COwnerMenu::s_sharedImages.GetImageCount(), 4);
    // The command is in two popups: both items show the image, their texts stay.
    EXPECT_EQ(pFile->GetRecord(1)->iSharedImage, 0);
    EXPECT_EQ(pHelp->GetRecord(1)->iSharedImage, 0);
    EXPECT_EQ(pFile->GetRecord(1)->GetAnsiText(), strBefore);
    EXPECT_EQ(pHelp->GetRecord(1)->GetAnsiText(), "Save &Diagram");
    ExpectRecordsOnItems(pFile);
    ExpectRecordsOnItems(pHelp);

    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    auto grey = [crShadow](COLORREF cr) {
        return COwnerMenu::MixWithWhite(crShadow,
                                        ((GetRValue(cr) + GetGValue(cr) + GetBValue(cr)) / 3) / 255.0);
    };
    constexpr COLORREF crGround = RGB(10, 20, 30);
    struct SlotCase
    {
        int nSlot;
        COLORREF crOuter, crCore; // at (3, 3) and (7, 7) of the image
    } cases[] = {
        {0, kImageRed, kImageGreen},
        {1, COwnerMenu::MixWithWhite(kImageRed, 0.3), COwnerMenu::MixWithWhite(kImageGreen, 0.3)},
        {2, COwnerMenu::MixWithWhite(crShadow, 0.49), COwnerMenu::MixWithWhite(crShadow, 0.49)},
        {3, grey(kImageRed), grey(kImageGreen)},
    };
    auto checkSlots = [&](const char* pszWhen)
    {
        CTestCanvas canvas(64, 16, crGround);
        for (const SlotCase& c : cases)
        {
            const int x = 16 * c.nSlot;
            COwnerMenu::s_sharedImages.Draw(canvas.DC(), c.nSlot, CPoint(x, 0), ILD_TRANSPARENT);
            EXPECT_EQ(canvas.Pixel(x, 0), crGround) << pszWhen << " slot " << c.nSlot;
            EXPECT_EQ(canvas.Pixel(x + 3, 3), c.crOuter) << pszWhen << " slot " << c.nSlot;
            EXPECT_EQ(canvas.Pixel(x + 7, 7), c.crCore) << pszWhen << " slot " << c.nSlot;
        }
    };
    checkSlots("first image");

    // A new image for the same command replaces the four slots in place.
    EXPECT_TRUE(menu.ModifyItemA(nullptr, ID_OM_SAVE_DIAGRAM, &m_images, 1));
    EXPECT_EQ(COwnerMenu::s_sharedImages.GetImageCount(), 4);
    cases[0] = {0, kImageBlue, kImageBlue};
    cases[1] = {1, COwnerMenu::MixWithWhite(kImageBlue, 0.3), COwnerMenu::MixWithWhite(kImageBlue, 0.3)};
    cases[3] = {3, grey(kImageBlue), grey(kImageBlue)};
    checkSlots("replaced image");

    // With the themed look the silhouette is the shadow colour itself.
    COwnerMenu::s_osClass = 7;
    EXPECT_TRUE(menu.ModifyItemA(nullptr, ID_OM_PRINT, &m_images, 0));
    EXPECT_EQ(pFile->GetRecord(2)->iSharedImage, 4);
    CTestCanvas canvas(16, 16, crGround);
    COwnerMenu::s_sharedImages.Draw(canvas.DC(), 6, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(canvas.Pixel(3, 3), crShadow);
}

TEST_F(OwnerMenuTest, ModifyItemSetsTextsAndLeavesUnknownCommandsAndBadImagesAlone)
{
    COwnerMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
    const COwnerMenu* pFile = PopupOf(menu, 0);
    EXPECT_TRUE(menu.ModifyItemA("&Drucken\tStrg+P", ID_OM_PRINT, nullptr, 0));
    CString strText;
    ASSERT_TRUE(menu.GetItemText(ID_OM_PRINT, strText, MF_BYCOMMAND));
    EXPECT_EQ(strText, "&Drucken\tStrg+P");
    EXPECT_EQ(pFile->GetRecord(2)->iSharedImage, -1);
    ExpectRecordsOnItems(pFile);

    EXPECT_FALSE(menu.ModifyItemA("X", ID_OM_NOT_IN_MENU, &m_images, 0));
    EXPECT_TRUE(COwnerMenu::s_sharedImageIds.empty());
    EXPECT_FALSE(menu.GetItemText(ID_OM_NOT_IN_MENU, strText, MF_BYCOMMAND));

    // An image the caller's list does not have: no image, nothing shared.
    EXPECT_TRUE(menu.ModifyItemA(nullptr, ID_OM_EXIT, &m_images, 7));
    EXPECT_EQ(pFile->GetRecord(4)->iSharedImage, -1);
    EXPECT_EQ(COwnerMenu::AddSharedImage(nullptr, 0, ID_OM_EXIT), -1);
    EXPECT_TRUE(COwnerMenu::s_sharedImageIds.empty());

    EXPECT_TRUE(menu.GetItemText(0, strText, MF_BYPOSITION));
    EXPECT_EQ(strText, "&File");
    EXPECT_FALSE(menu.GetItemText(4, strText, MF_BYPOSITION));
}

TEST_F(OwnerMenuTest, OpeningAPopupBringsItsRecordsInStepWithItsItems)
{
    COwnerMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
    ASSERT_TRUE(menu.ModifyItemA(nullptr, ID_OM_RESET, &m_images, 0));
    COwnerMenu* pView = PopupOf(menu, 2);
    const COwnerMenuData* pResetRecord = pView->GetRecord(3);

    // What the framework's command update does before the popup opens.
    pView->CheckMenuItem(ID_OM_STATUS, MF_BYCOMMAND | MF_CHECKED);
    pView->EnableMenuItem(ID_OM_NAVIGATION, MF_BYCOMMAND | MF_GRAYED);
    pView->ModifyMenu(3, MF_BYPOSITION | MF_STRING, ID_OM_RESET, "&Reset Views\tCtrl+R");
    COwnerMenu::UpdatePopup(pView);
    ExpectRecordsOnItems(pView);
    EXPECT_TRUE(pView->GetRecord(1)->uFlags & MF_CHECKED);
    EXPECT_TRUE(pView->GetRecord(0)->uFlags & MF_GRAYED);
    EXPECT_TRUE(pView->GetRecord(0)->uFlags & MF_CHECKED);
    EXPECT_EQ(pView->GetRecord(3), pResetRecord);
    EXPECT_EQ(pResetRecord->GetAnsiText(), "&Reset Views\tCtrl+R");
    EXPECT_EQ(pResetRecord->iSharedImage, 0);
    pView->CheckMenuItem(ID_OM_STATUS, MF_BYCOMMAND | MF_UNCHECKED);
    COwnerMenu::UpdatePopup(pView->m_hMenu);
    EXPECT_FALSE(pView->GetRecord(1)->uFlags & MF_CHECKED);

    // Items removed, inserted and renamed behind the menu's back.
    COwnerMenu* pMode = PopupOf(menu, 1);
    const HMENU hAdjust = ::GetSubMenu(pMode->m_hMenu, 0);
    pMode->DeleteMenu(ID_OM_DIAGNOSTIC, MF_BYCOMMAND);
    pMode->InsertMenu(0, MF_BYPOSITION | MF_STRING, ID_OM_INFO, "&Zusatz");
    // Three items: the popup's state word then carries 0x300, which must not read as owner-drawn.
    ::AppendMenuA(hAdjust, MF_STRING, ID_OM_MEASURE, "Dritter");
    pMode->ModifyMenu(1, MF_BYPOSITION | MF_POPUP | MF_STRING, (UINT_PTR)hAdjust, "Konfigurationsmodus");
    COwnerMenu::UpdatePopup(pMode);
    ExpectRecordsOnItems(pMode);
    EXPECT_EQ(Texts(pMode), (std::vector<CString>{"&Zusatz", "Konfigurationsmodus", "Meas./Diagram Mode"}));
    EXPECT_EQ(pMode->GetRecord(0)->uId, (UINT)ID_OM_INFO);
    EXPECT_EQ(pMode->GetRecord(1)->uId, (UINT)(UINT_PTR)hAdjust);
    EXPECT_TRUE(pMode->GetRecord(1)->uFlags & MF_POPUP);
    EXPECT_EQ(::GetSubMenu(pMode->m_hMenu, 1), hAdjust);

    // A menu that is not an owner-drawn one is left alone.
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    plain.AppendMenu(MF_STRING, 1, "Eins");
    COwnerMenu::UpdatePopup(&plain);
    EXPECT_FALSE(ItemInfo(&plain, 0).fType & MFT_OWNERDRAW);
}

TEST_F(OwnerMenuTest, TypedCharacterChoosesTheFirstItemWithThatMnemonic)
{
    COwnerMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
    COwnerMenu* pFile = PopupOf(menu, 0);
    COwnerMenu* pView = PopupOf(menu, 2);
    struct Case
    {
        COwnerMenu* pMenu;
        char ch;
        LRESULT lResult;
    } cases[] = {
        {pFile, 'd', MAKELRESULT(1, MNC_EXECUTE)},
        {pFile, 'D', MAKELRESULT(1, MNC_EXECUTE)},
        {pFile, 'p', MAKELRESULT(2, MNC_EXECUTE)},
        {pFile, 'e', MAKELRESULT(4, MNC_EXECUTE)},
        {pFile, 'x', 0},
        {pFile, 's', 0},
        {pView, 'R', MAKELRESULT(3, MNC_EXECUTE)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(COwnerMenu::FindMnemonic((UCHAR)c.ch, MF_POPUP, c.pMenu), c.lResult) << c.ch;
    EXPECT_EQ(COwnerMenu::FindMnemonic('d', MF_SYSMENU, pFile), 0);
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    plain.AppendMenu(MF_STRING, 1, "&Datei");
    EXPECT_EQ(COwnerMenu::FindMnemonic('d', MF_POPUP, &plain), 0);

    // An item added since the popup last opened is found in its place.
    pFile->InsertMenu(0, MF_BYPOSITION | MF_STRING, ID_OM_INFO, "&Zoom");
    EXPECT_EQ(COwnerMenu::FindMnemonic('z', MF_POPUP, pFile->m_hMenu), MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_EQ(COwnerMenu::FindMnemonic('d', MF_POPUP, pFile->m_hMenu), MAKELRESULT(2, MNC_EXECUTE));
}

TEST_F(OwnerMenuTest, DestroyingOrReloadingUnregistersThePopups)
{
    const size_t nBefore = COwnerMenu::s_menuRegistry.size();
    {
        COwnerMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST));
        EXPECT_EQ(COwnerMenu::s_menuRegistry.size(), nBefore + 5);
        const HMENU hFile = ::GetSubMenu(menu.m_hMenu, 0);

        ASSERT_TRUE(menu.LoadMenu(IDR_OWNER_MENU_TEST_SMALL));
        EXPECT_EQ(COwnerMenu::s_menuRegistry.size(), nBefore + 1);
        EXPECT_FALSE(::IsMenu(hFile));
        EXPECT_EQ(menu.GetRecordCount(), 1);

        // A resource that is not there: the menu held so far stays.
        const HMENU hMenu = menu.m_hMenu;
        EXPECT_FALSE(menu.LoadMenu(IDR_OWNER_MENU_TEST + 99));
        EXPECT_EQ(menu.m_hMenu, hMenu);
        EXPECT_EQ(menu.GetRecordCount(), 1);

        EXPECT_TRUE(menu.DestroyMenu());
        EXPECT_EQ(COwnerMenu::s_menuRegistry.size(), nBefore);
        EXPECT_EQ(menu.m_hMenu, nullptr);
        EXPECT_EQ(menu.GetRecordCount(), 0);
    }

    // Detached and handed to a window, as the main frame does: the window destroys the handles,
    // the object still releases its popups and records.
    auto pMenu = std::make_unique<COwnerMenu>();
    ASSERT_TRUE(pMenu->LoadMenu(IDR_OWNER_MENU_TEST));
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "menu", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr));
    ASSERT_TRUE(::SetMenu(wnd.m_hWnd, pMenu->Detach()));
    wnd.DestroyWindow();
    pMenu.reset();
    EXPECT_EQ(COwnerMenu::s_menuRegistry.size(), nBefore);
}

TEST(OwnerMenuLook, OperatingSystemClassFollowsTheVersion)
{
    struct Case
    {
        BOOL bNT;
        DWORD dwMajor, dwMinor;
        int nClass;
    } cases[] = {{FALSE, 3, 95, 0}, {FALSE, 4, 0, 2}, {FALSE, 4, 10, 3}, {FALSE, 4, 90, 4},
                 {FALSE, 5, 0, 2},  {TRUE, 3, 51, 1}, {TRUE, 4, 0, 5},   {TRUE, 5, 0, 6},
                 {TRUE, 5, 1, 7},   {TRUE, 5, 2, 1},  {TRUE, 6, 1, 1},   {TRUE, 10, 0, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(COwnerMenu::OsClassFromVersion(c.bNT, c.dwMajor, c.dwMinor), c.nClass)
            << c.bNT << " " << c.dwMajor << "." << c.dwMinor;
    EXPECT_EQ(COwnerMenu::QueryOsClass(), 1); // the platform reports a current Windows
}

TEST(OwnerMenuLook, ClassicSchemeIsTheThemeFileName)
{
    constexpr LPCSTR kKey = "Software\\TQ5OwnerMenuTest\\Themes";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TQ5OwnerMenuTest");
    EXPECT_FALSE(COwnerMenu::ReadClassicScheme(kKey));
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    EXPECT_FALSE(COwnerMenu::ReadClassicScheme(kKey)); // no default value
    struct Case
    {
        const char* pszValue;
        BOOL bClassic;
    } cases[] = {{"C:\\Windows\\Resources\\Themes\\Windows Classic.theme", TRUE},
                 {"%SystemRoot%\\resources\\themes\\WINDOWS CLASSIC.THEME", TRUE},
                 {"C:\\Windows\\Resources\\Themes\\Luna.theme", FALSE},
                 {"Windows Classic.theme.bak", FALSE},
                 {"", FALSE}};
    for (const Case& c : cases)
    {
        ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, (const BYTE*)c.pszValue,
                         (DWORD)std::strlen(c.pszValue) + 1);
        EXPECT_EQ(COwnerMenu::ReadClassicScheme(kKey), c.bClassic) << c.pszValue;
    }
    const DWORD dwValue = 1;
    ::RegSetValueExA(hKey, nullptr, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    EXPECT_FALSE(COwnerMenu::ReadClassicScheme(kKey));
    ::RegCloseKey(hKey);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TQ5OwnerMenuTest");
}

TEST_F(OwnerMenuTest, ThemedLookNeedsTheXpClassWithoutTheClassicScheme)
{
    struct Case
    {
        int nClass;
        BOOL bClassic, bModern, bThemed;
    } cases[] = {{7, FALSE, TRUE, TRUE},  {7, TRUE, TRUE, FALSE},  {1, FALSE, FALSE, FALSE},
                 {6, FALSE, TRUE, FALSE}, {2, FALSE, TRUE, FALSE}, {0, FALSE, FALSE, FALSE}};
    for (const Case& c : cases)
    {
        COwnerMenu::s_osClass = c.nClass;
        COwnerMenu::s_classicScheme = c.bClassic;
        EXPECT_EQ(COwnerMenu::HasModernShell(), c.bModern) << c.nClass;
        EXPECT_EQ(COwnerMenu::HasThemedXpLook(), c.bThemed) << c.nClass << " " << c.bClassic;
    }
}

TEST(OwnerMenuLook, MixingWithWhiteAndBlack)
{
    struct Case
    {
        COLORREF cr;
        double dFactor;
        COLORREF crWhite, crBlack;
    } cases[] = {
        {RGB(100, 0, 255), 0.3, RGB(146, 76, 255), RGB(70, 0, 178)},
        {RGB(100, 50, 255), 0.02, RGB(103, 54, 255), RGB(98, 49, 249)},
        {RGB(100, 50, 255), 1.0, RGB(255, 255, 255), RGB(0, 0, 0)},
        {RGB(100, 50, 255), 0.0, RGB(100, 50, 255), RGB(100, 50, 255)},
        {RGB(100, 50, 255), 1.5, RGB(100, 50, 255), RGB(100, 50, 255)},
        {RGB(100, 50, 255), -0.2, RGB(100, 50, 255), RGB(100, 50, 255)},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(COwnerMenu::MixWithWhite(c.cr, c.dFactor), c.crWhite) << c.dFactor;
        EXPECT_EQ(COwnerMenu::MixWithBlack(c.cr, c.dFactor), c.crBlack) << c.dFactor;
    }
}
