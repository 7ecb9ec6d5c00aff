// The navigation tree of the main frame: its items mirror the menu, its folders remember whether they
// are expanded, and its view items show whether their bar is shown, hidden or not available.
#include "app/CMainFrame.h"

#include "controls/ControlTexts.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"
#include "app/TreeCtrlStruct.h"

#include <algorithm>
#include <iterator>

namespace
{
constexpr int ROOT = -1;
constexpr int NO_FOLDER = -1;
const char* const EVENT_EXPANDED = "TXT_ON_TVN_ITEMEXPANDED";

// Pictures of the image list (index: picture, value: icon resource).
constexpr UINT NAVI_ICONS[NAVI_IMAGE_COUNT] = {149, 150, 141, 143, 146, 147, 148, 142, 144, 145, 152, 151,
                                               153, 154, 157, 155, 156, 158, 159, 169, 164, 171, 172, 168,
                                               166, 170, 167, 165, 175, 173, 174, 163, 160, 161, 162};
constexpr int IMAGE_FOLDER_CLOSED = 0;
constexpr int IMAGE_FOLDER_OPEN = 1;
constexpr int IMAGE_BAR_SHOWN = 10;
constexpr int IMAGE_BAR_HIDDEN = 11;
constexpr int IMAGE_BAR_NOT_AVAILABLE = 12;
constexpr int IMAGE_BAR_UNKNOWN = 13;

enum class Activation
{
    None,      // an empty slot
    Folder,    // iFolder: its FolderState index
    Command,   // nCommand through the frame's command handling
    ViewToggle // iView: CheckState index of the bar; only in the measure layout
};

struct NaviItem
{
    int iParent; // slot of the parent, or ROOT
    UINT nStringId;
    Activation activation;
    UINT nCommand;
    int iFolder;
    int iView;
    int iImage; // fixed picture, or -1 (folders and views choose theirs)
};

const NaviItem NAVI_ITEMS[NAVI_ITEM_COUNT] = {
    {ROOT, IDS_TREE_FILE, Activation::Folder, 0, 0, -1, -1},
    {0, IDS_TREE_SAVE_MEASURED_VALUES, Activation::Command, ID_FILE_SAVE_MEASURED_VALUES, NO_FOLDER, -1, 15},
    {0, IDS_TREE_SAVE_DIAGRAM, Activation::Command, ID_FILE_SAVE_DIAGRAM, NO_FOLDER, -1, 16},
    {0, IDS_TREE_PRINT, Activation::Command, ID_FILE_PRINT_REPORT, NO_FOLDER, -1, 17},
    {0, IDS_EXIT, Activation::Command, ID_FILE_EXIT, NO_FOLDER, -1, 18},
    {ROOT, IDS_TREE_OPERATING_MODE, Activation::Folder, 0, 1, -1, -1},
    {5, IDS_TREE_CONFIGURATION_MODE, Activation::Folder, 0, 2, -1, -1},
    {6, IDS_TREE_SENSOR_CONNECTION, Activation::Command, ID_MODE_SENSOR_CONNECTION, NO_FOLDER, -1, 21},
    {6, IDS_TREE_SENSOR_INFORMATION, Activation::Command, ID_MODE_SENSOR_INFORMATION, NO_FOLDER, -1, 22},
    {6, IDS_TREE_MEASURE_ADJUST, Activation::Command, ID_MODE_MEASURE_ADJUST, NO_FOLDER, -1, 23},
    {6, IDS_TREE_DOCUMENTATION, Activation::Command, ID_MODE_DOCUMENTATION, NO_FOLDER, -1, 24},
    {6, IDS_TREE_SENSOR_CALIBRATION, Activation::Command, ID_MODE_SENSOR_CALIBRATION, NO_FOLDER, -1, 25},
    {5, IDS_TREE_MEASURE_DIAGRAM, Activation::Command, ID_MODE_MEASURE_DIAGRAM, NO_FOLDER, -1, 26},
    {ROOT, IDS_DIAGNOSTIC, Activation::None, 0, NO_FOLDER, -1, -1},
    {ROOT, IDS_TREE_VIEW, Activation::Folder, 0, 3, -1, -1},
    {14, IDS_TREE_DIGITAL_VIEWS, Activation::Folder, 0, 4, -1, -1},
    {15, IDS_CHANNEL_A, Activation::ViewToggle, ID_VIEW_CHANNEL_A, NO_FOLDER, CHECK_STATE_CHANNEL_A, -1},
    {15, IDS_CHANNEL_B, Activation::ViewToggle, ID_VIEW_CHANNEL_B, NO_FOLDER, CHECK_STATE_CHANNEL_B, -1},
    {15, IDS_TREE_IO_NIO, Activation::ViewToggle, ID_VIEW_CHANNEL_C, NO_FOLDER, CHECK_STATE_LIGHT, -1},
    {14, IDS_DIAGRAM, Activation::ViewToggle, ID_VIEW_DIAGRAM_BAR, NO_FOLDER, CHECK_STATE_DIAGRAM, -1},
    {14, IDS_TREE_NAVIGATION_BAR, Activation::Command, ID_VIEW_NAVIGATION_BAR, NO_FOLDER,
     CHECK_STATE_NAVIGATION, -1},
    {14, IDS_TREE_STATUS_BAR, Activation::Command, ID_VIEW_STATUS_BAR, NO_FOLDER, CHECK_STATE_STATUS_BAR, -1},
    {14, IDS_TREE_RESET_VIEWS, Activation::Command, ID_VIEW_RESET, NO_FOLDER, -1, 30},
    {ROOT, IDS_TREE_LANGUAGE, Activation::Folder, 0, 5, -1, -1},
    {23, IDS_TREE_GERMAN, Activation::Command, ID_LANGUAGE_GERMAN, NO_FOLDER, -1, 3},
    {23, IDS_TREE_ENGLISH, Activation::Command, ID_LANGUAGE_ENGLISH, NO_FOLDER, -1, 4},
    {23, IDS_TREE_FRENCH, Activation::Command, ID_LANGUAGE_FRENCH, NO_FOLDER, -1, 7},
    {ROOT, IDS_TREE_SPANISH, Activation::None, 0, NO_FOLDER, -1, -1},
    {ROOT, IDS_TREE_HELP, Activation::Folder, 0, 6, -1, -1},
    {28, IDS_INFO, Activation::Command, ID_HELP_INFO, NO_FOLDER, -1, 33},
    {28, IDS_ADVICE, Activation::Command, ID_HELP_ADVICE, NO_FOLDER, -1, 34},
};

const NaviItem* FindItem(DWORD_PTR dwId, int* piSlot = nullptr)
{
    for (int i = 0; i < NAVI_ITEM_COUNT; ++i)
    {
        if (NAVI_ITEMS[i].nStringId == dwId && NAVI_ITEMS[i].activation != Activation::None)
        {
            if (piSlot != nullptr)
                *piSlot = i;
            return &NAVI_ITEMS[i];
        }
    }
    return nullptr;
}
} // namespace

// ---- Building
// ----------------------------------------------------------------------------------------------

bool CMainFrame::InitNaviTree()
{
    BeginWaitCursorOnce();
    m_wndNaviTree.m_bNotifyExpand = 0;
    const bool bBuilt = BuildNaviTree();
    const bool bImages = CreateNaviTreeImages();
    const bool bRefreshed = RefreshNaviTree();
    m_wndNaviTree.m_bNotifyExpand = 1;
    EndWaitCursorOnce();
    return bBuilt && bImages && bRefreshed;
}

bool CMainFrame::RebuildNaviTree()
{
    BeginWaitCursorOnce();
    m_wndNaviTree.m_bNotifyExpand = 0;
    const bool bBuilt = BuildNaviTree();
    const bool bRefreshed = RefreshNaviTree();
    m_wndNaviTree.m_bNotifyExpand = 1;
    EndWaitCursorOnce();
    return bBuilt && bRefreshed;
}

bool CMainFrame::BuildNaviTree()
{
    if (m_wndNaviTree.GetSafeHwnd() == nullptr ||
        !m_wndNaviTree.SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)))
        return false;
    std::fill(std::begin(m_hNaviItem), std::end(m_hNaviItem), nullptr);
    m_wndNaviTree.m_mapColorFont.RemoveAll();
    const bool bInserted = InsertNaviTreeItems();
    SetNaviTreeColors();
    SetNaviItemColors();
    UpdateNaviTreeColors();
    return bInserted;
}

bool CMainFrame::InsertNaviTreeItems()
{
    bool bAll = true;
    for (int i = 0; i < NAVI_ITEM_COUNT; ++i)
    {
        const NaviItem& item = NAVI_ITEMS[i];
        if (item.activation == Activation::None)
            continue;
        const CString strText = LoadText(item.nStringId);
        HTREEITEM hParent = item.iParent == ROOT ? TVI_ROOT : m_hNaviItem[item.iParent];
        m_hNaviItem[i] = hParent != nullptr ? m_wndNaviTree.InsertItem(strText, hParent, TVI_LAST) : nullptr;
        bAll &= !strText.IsEmpty() && m_hNaviItem[i] != nullptr;
    }
    for (int i = 0; i < NAVI_ITEM_COUNT; ++i)
    {
        if (m_hNaviItem[i] != nullptr)
            m_wndNaviTree.SetItemData(m_hNaviItem[i], NAVI_ITEMS[i].nStringId);
    }
    return bAll;
}

bool CMainFrame::CreateNaviTreeImages()
{
    m_ilNavi.DeleteImageList();
    if (!m_ilNavi.Create(16, 16, ILC_COLOR16 | ILC_MASK, 1, 1))
        return false;
    bool bAll = true;
    for (int i = 0; i < NAVI_IMAGE_COUNT; ++i)
    {
        HICON hIcon = static_cast<HICON>(
            ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(NAVI_ICONS[i]), IMAGE_ICON, 16, 16, 0));
        bAll &= hIcon != nullptr && m_ilNavi.Add(hIcon) == i;
        if (hIcon != nullptr)
            ::DestroyIcon(hIcon);
    }
    m_wndNaviTree.SetImageList(m_ilNavi.GetSafeHandle(), TVSIL_NORMAL);
    return bAll;
}

// ---- Colours ---------------------------------------------------------------------------------------------

void CMainFrame::SetNaviTreeColors()
{
    m_wndNaviTree.SendMessage(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(m_crNaviBk));
    m_wndNaviTree.SendMessage(TVM_SETLINECOLOR, 0, static_cast<LPARAM>(m_crNaviLine));
    m_wndNaviTree.SendMessage(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(m_crNaviText));
}

void CMainFrame::SetNaviItemColors()
{
    for (HTREEITEM hItem : m_hNaviItem)
    {
        if (hItem == nullptr)
            continue;
        m_wndNaviTree.SetItemBkColor(hItem, m_crNaviItemOnBk);
        m_wndNaviTree.SetItemColor(hItem, m_crNaviItemOnText);
        m_wndNaviTree.SetItemBold(hItem, FALSE);
    }
}

// Grey: the pane items outside the measure layout or without their bar, the bar items without their
// bar, the save items while no measured values are held.
void CMainFrame::UpdateNaviTreeColors()
{
    const int* piCheck = m_psTreeCtrlStruct->iCheckState;
    for (int i = 0; i < NAVI_ITEM_COUNT; ++i)
    {
        const NaviItem& item = NAVI_ITEMS[i];
        if (m_hNaviItem[i] == nullptr)
            continue;
        bool bAvailable = true;
        if (item.iView >= CHECK_STATE_CHANNEL_A && item.iView <= CHECK_STATE_DIAGRAM)
            bAvailable = piCheck[item.iView] != 2 && m_bMeasureLayout;
        else if (item.iView >= 0)
            bAvailable = piCheck[item.iView] != 2;
        else if (item.nCommand == ID_FILE_SAVE_MEASURED_VALUES || item.nCommand == ID_FILE_SAVE_DIAGRAM)
            bAvailable = m_bValuesAvailable != 0;
        m_wndNaviTree.SetItemBkColor(m_hNaviItem[i], bAvailable ? m_crNaviItemOnBk : m_crNaviItemOffBk);
        m_wndNaviTree.SetItemColor(m_hNaviItem[i], bAvailable ? m_crNaviItemOnText : m_crNaviItemOffText);
    }
    if (m_wndNaviTree.GetSafeHwnd())
        m_wndNaviTree.Invalidate();
}

// ---- Pictures and expansion --------------------------------------------------------------------------

bool CMainFrame::RefreshNaviTree()
{
    ExpandNaviFolders();
    return SetNaviTreeImages();
}

// Expansions made here are not reported back by the tree.
bool CMainFrame::ExpandNaviFolders()
{
    const int bNotify = m_wndNaviTree.m_bNotifyExpand;
    m_wndNaviTree.m_bNotifyExpand = 0;
    bool bAll = true;
    for (int i = 0; i < NAVI_ITEM_COUNT; ++i)
    {
        const NaviItem& item = NAVI_ITEMS[i];
        if (item.activation != Activation::Folder || m_hNaviItem[i] == nullptr)
            continue;
        const UINT nCode = m_psTreeCtrlStruct->iFolderState[item.iFolder] ? TVE_EXPAND : TVE_COLLAPSE;
        m_wndNaviTree.Expand(m_hNaviItem[i], nCode);
        const bool bExpanded =
            (m_wndNaviTree.GetItemState(m_hNaviItem[i], TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        bAll &= bExpanded == (nCode == TVE_EXPAND);
    }
    m_wndNaviTree.m_bNotifyExpand = bNotify;
    return bAll;
}

bool CMainFrame::SetNaviTreeImages()
{
    bool bAll = true;
    for (int i = 0; i < NAVI_ITEM_COUNT; ++i)
    {
        const NaviItem& item = NAVI_ITEMS[i];
        if (m_hNaviItem[i] == nullptr)
            continue;
        int iImage = item.iImage;
        if (item.activation == Activation::Folder)
            iImage = m_psTreeCtrlStruct->iFolderState[item.iFolder] ? IMAGE_FOLDER_OPEN : IMAGE_FOLDER_CLOSED;
        else if (item.iView >= 0)
            iImage = GetViewItemImage(item.iView);
        bAll &= m_wndNaviTree.SetItemImage(m_hNaviItem[i], iImage, iImage) != FALSE;
    }
    return bAll;
}

// Outside the measure layout the pane bars (channel A, B, light, diagram) are never available.
int CMainFrame::GetViewItemImage(int iIndex) const
{
    if (iIndex < 0 || iIndex >= VIEW_BAR_COUNT)
        return IMAGE_BAR_UNKNOWN;
    if (!m_bMeasureLayout && iIndex <= CHECK_STATE_DIAGRAM)
        return IMAGE_BAR_NOT_AVAILABLE;
    switch (m_psTreeCtrlStruct->iCheckState[iIndex])
    {
        case 0:
            return IMAGE_BAR_HIDDEN;
        case 1:
            return IMAGE_BAR_SHOWN;
        case 2:
            return IMAGE_BAR_NOT_AVAILABLE;
        default:
            return IMAGE_BAR_UNKNOWN;
    }
}

bool CMainFrame::ToggleNaviFolder(UINT nFolderId)
{
    const NaviItem* pItem = FindItem(nFolderId);
    if (pItem == nullptr || pItem->activation != Activation::Folder)
        return false;
    int& iState = m_psTreeCtrlStruct->iFolderState[pItem->iFolder];
    if (iState != 0 && iState != 1)
        return false;
    iState = iState == 0 ? 1 : 0;
    return RefreshNaviTree();
}

// ---- Events ----------------------------------------------------------------------------------------------

int CMainFrame::NaviTreeCallback(void* pContext, CString strEvent, CString strItemText, DWORD_PTR dwItemData)
{
    if (auto* pFrame = static_cast<CMainFrame*>(pContext))
        pFrame->OnNaviTreeItem(strEvent, strItemText, dwItemData);
    return 0;
}

// Commands are posted: the tree is still handling its click, and a language command rebuilds it. The
// pane items (the diagram's too) act only in the measure layout, where they are available. The Language
// folder and its items stay active while the documentation page refuses to be left.
bool CMainFrame::OnNaviTreeItem(const CString& strEvent, const CString&, DWORD_PTR dwId)
{
    const bool bLanguageItem = dwId >= IDS_TREE_LANGUAGE && dwId <= IDS_TREE_SPANISH;
    if (!bLanguageItem && !CanLeaveActivePage())
        return true;
    const NaviItem* pItem = FindItem(dwId);
    if (pItem == nullptr)
        return false;
    if (strEvent == EVENT_EXPANDED)
    {
        ToggleNaviFolder(static_cast<UINT>(dwId));
        return false;
    }
    switch (pItem->activation)
    {
        case Activation::Command:
            PostMessage(WM_COMMAND, pItem->nCommand);
            break;
        case Activation::ViewToggle:
            if (m_bMeasureLayout != 1)
                break;
            if (pItem->nCommand == ID_VIEW_DIAGRAM_BAR)
                OnViewDiagramBar();
            else
                OnViewChannelBar(pItem->nCommand);
            break;
        default:
            break;
    }
    return false;
}
