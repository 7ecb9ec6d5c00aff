#include "controls/CMyTreeCtrl.h"

#include "controls/ControlTexts.h"
#include "framework/CBitmap.h"
#include "framework/CFont.h"
#include "framework/CPaintDC.h"
#include "framework/CRgn.h"

IMPLEMENT_DYNAMIC(CMyTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CMyTreeCtrl, CTreeCtrl)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDA, OnItemExpanded)
END_MESSAGE_MAP()

namespace
{
// Item data (the German string id of the label) to the status-bar prompt of the item: the general
// prompt of the tree, or the prompt of the item's command (the string with the command's id).
const struct
{
    DWORD dwKey;
    int nPromptId;
} s_prompts[] = {
    {IDS_TREE_FILE, IDC_NAVI_TREE},
    {IDS_TREE_SAVE_MEASURED_VALUES, ID_FILE_SAVE_MEASURED_VALUES},
    {IDS_TREE_SAVE_DIAGRAM, ID_FILE_SAVE_DIAGRAM},
    {IDS_TREE_PRINT, ID_FILE_PRINT_REPORT},
    {IDS_EXIT, ID_FILE_EXIT},
    {IDS_TREE_OPERATING_MODE, IDC_NAVI_TREE},
    {IDS_TREE_CONFIGURATION_MODE, IDC_NAVI_TREE},
    {IDS_TREE_SENSOR_CONNECTION, ID_MODE_SENSOR_CONNECTION},
    {IDS_TREE_SENSOR_INFORMATION, ID_MODE_SENSOR_INFORMATION},
    {IDS_TREE_MEASURE_ADJUST, ID_MODE_MEASURE_ADJUST},
    {IDS_TREE_DOCUMENTATION, ID_MODE_DOCUMENTATION},
    {IDS_TREE_SENSOR_CALIBRATION, ID_MODE_SENSOR_CALIBRATION},
    {IDS_TREE_MEASURE_DIAGRAM, ID_MODE_MEASURE_DIAGRAM},
    {IDS_DIAGNOSTIC, ID_MODE_DIAGNOSTIC},
    {IDS_TREE_DIGITAL_VIEWS, IDC_NAVI_TREE},
    {IDS_TREE_NAVIGATION_BAR, ID_VIEW_NAVIGATION_BAR},
    {IDS_TREE_STATUS_BAR, ID_VIEW_STATUS_BAR},
    {IDS_TREE_RESET_VIEWS, ID_VIEW_RESET},
    {IDS_TREE_LANGUAGE, IDC_NAVI_TREE},
    {IDS_TREE_GERMAN, ID_LANGUAGE_GERMAN},
    {IDS_TREE_ENGLISH, ID_LANGUAGE_ENGLISH},
    {IDS_TREE_FRENCH, ID_LANGUAGE_FRENCH},
    {IDS_TREE_SPANISH, ID_LANGUAGE_SPANISH},
    {IDS_TREE_HELP, IDC_NAVI_TREE},
    {IDS_INFO, ID_HELP_INFO},
    {IDS_ADVICE, ID_HELP_ADVICE},
    {IDS_DIAGRAM, ID_VIEW_DIAGRAM_BAR},
    {IDS_CHANNEL_A, ID_VIEW_CHANNEL_A},
    {IDS_CHANNEL_B, ID_VIEW_CHANNEL_B},
    {IDS_TREE_IO_NIO, ID_VIEW_CHANNEL_C},
};

const int* FindPrompt(DWORD_PTR dwKey)
{
    for (const auto& p : s_prompts)
    {
        if (p.dwKey == dwKey)
            return &p.nPromptId;
    }
    return nullptr;
}

// The item's image lies within this distance left of its text.
constexpr int IMAGE_WIDTH = 18;
} // namespace

CMyTreeCtrl::CMyTreeCtrl() = default;

CMyTreeCtrl::~CMyTreeCtrl() = default;

void CMyTreeCtrl::SetItemCallback(TREEITEM_CALLBACK pfnCallback, void* pContext)
{
    if (m_pCallback == nullptr)
        m_pCallback = std::make_unique<TreeItemCallback>(TreeItemCallback{});
    m_pCallback->pfnCallback = pfnCallback;
    m_pCallback->pContext = pContext;
}

BOOL CMyTreeCtrl::SetItemBold(HTREEITEM hItem, BOOL bBold)
{
    TVITEMA item{};
    item.mask = TVIF_STATE;
    item.hItem = hItem;
    item.stateMask = TVIS_BOLD;
    item.state = bBold ? TVIS_BOLD : 0;
    return SetItem(&item);
}

UINT CMyTreeCtrl::GetItemBold(HTREEITEM hItem) const
{
    return GetItemState(hItem, TVIS_BOLD) & TVIS_BOLD;
}

Color_Font CMyTreeCtrl::GetColorFont(HTREEITEM hItem) const
{
    Color_Font cf{CLR_INVALID, CLR_INVALID, {}};
    m_mapColorFont.Lookup(hItem, cf);
    return cf;
}

void CMyTreeCtrl::SetItemColor(HTREEITEM hItem, COLORREF color)
{
    Color_Font cf = GetColorFont(hItem);
    cf.color = color;
    m_mapColorFont.SetAt(hItem, cf);
}

void CMyTreeCtrl::SetItemBkColor(HTREEITEM hItem, COLORREF color)
{
    Color_Font cf = GetColorFont(hItem);
    cf.bkcolor = color;
    m_mapColorFont.SetAt(hItem, cf);
}

BOOL CMyTreeCtrl::HasPrompt(DWORD_PTR dwKey)
{
    return FindPrompt(dwKey) != nullptr;
}

BOOL CMyTreeCtrl::LookupPrompt(DWORD_PTR dwKey, BOOL bSet)
{
    const int* pPromptId = FindPrompt(dwKey);
    if (pPromptId == nullptr)
        return FALSE;
    if (bSet)
        m_iPromptId = *pPromptId;
    return TRUE;
}

HTREEITEM CMyTreeCtrl::FindItemAt(CPoint point) const
{
    for (HTREEITEM hItem = GetFirstVisibleItem(); hItem != nullptr; hItem = GetNextVisibleItem(hItem))
    {
        CRect rc;
        if (!GetItemRect(hItem, &rc, TRUE))
            continue;
        if (rc.top <= point.y && point.y <= rc.bottom && rc.left - IMAGE_WIDTH <= point.x &&
            point.x <= rc.right)
            return hItem;
    }
    return nullptr;
}

// --- painting ---------------------------------------------------------------------------------------

void CMyTreeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CRect rcClip;
    dc.GetClipBox(&rcClip);

    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(&rcClip);
    memDC.SelectClipRgn(&rgnClip);

    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
    DrawColoredItems(&memDC);

    dc.BitBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), &memDC, rcClip.left, rcClip.top,
              SRCCOPY);
    memDC.SelectClipRgn(nullptr);
    memDC.SelectObject(pOldBitmap);
}

void CMyTreeCtrl::DrawColoredItems(CDC* pDC)
{
    // A colour of CLR_INVALID keeps the tree's normal one, whatever item the tree drew last.
    const COLORREF crText = (COLORREF)SendMessage(TVM_GETTEXTCOLOR);
    const COLORREF crBk = (COLORREF)SendMessage(TVM_GETBKCOLOR);
    const COLORREF crTreeText = crText != CLR_INVALID ? crText : ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crTreeBk = crBk != CLR_INVALID ? crBk : ::GetSysColor(COLOR_WINDOW);
    const UINT nMax = GetVisibleCount() + 1;
    HTREEITEM hItem = GetFirstVisibleItem();
    for (UINT n = 0; n < nMax && hItem != nullptr; ++n, hItem = GetNextVisibleItem(hItem))
    {
        Color_Font cf;
        if ((GetItemState(hItem, TVIS_SELECTED | TVIS_DROPHILITED) & (TVIS_SELECTED | TVIS_DROPHILITED)) ||
            !m_mapColorFont.Lookup(hItem, cf))
            continue;
        pDC->SetTextColor(crTreeText);
        pDC->SetBkColor(crTreeBk);
        DrawItem(pDC, hItem, cf);
    }
}

void CMyTreeCtrl::DrawItem(CDC* pDC, HTREEITEM hItem, const Color_Font& cf)
{
    LOGFONTA lf = cf.logfont;
    if (lf.lfFaceName[0] == '\0')
    {
        HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        if (hFont == nullptr)
            hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        ::GetObjectA(hFont, sizeof(lf), &lf);
    }
    if (GetItemBold(hItem))
        lf.lfWeight = FW_BOLD;
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    if (cf.color != CLR_INVALID)
        pDC->SetTextColor(cf.color);
    const CString strText = GetItemText(hItem);
    CRect rc;
    GetItemRect(hItem, &rc, TRUE);
    if (cf.bkcolor != CLR_INVALID)
        pDC->SetBkColor(cf.bkcolor);
    pDC->SetBkMode(OPAQUE);
    pDC->TextOut(rc.left + 2, rc.top + 1, strText);
    pDC->SelectObject(pOldFont);
}

// --- notifications and hovering -----------------------------------------------------------------------

void CMyTreeCtrl::OnClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    const DWORD dwPos = ::GetMessagePos();
    CPoint point((short)LOWORD(dwPos), (short)HIWORD(dwPos));
    ScreenToClient(&point);
    HTREEITEM hItem = FindItemAt(point);
    if (hItem != nullptr && m_pCallback != nullptr && m_pCallback->pfnCallback != nullptr)
    {
        const CString strText = GetItemText(hItem);
        m_pCallback->pfnCallback(m_pCallback->pContext, strText, strText, GetItemData(hItem));
    }
    *pResult = 0;
}

void CMyTreeCtrl::OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult)
{
    HTREEITEM hItem = reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemNew.hItem;
    if (m_bNotifyExpand == 1)
    {
        // Expansions the callback causes are not reported.
        m_bNotifyExpand = 0;
        if (hItem != nullptr && m_pCallback != nullptr && m_pCallback->pfnCallback != nullptr)
            m_pCallback->pfnCallback(m_pCallback->pContext, "TXT_ON_TVN_ITEMEXPANDED", GetItemText(hItem),
                                     GetItemData(hItem));
        m_bNotifyExpand = 1;
    }
    *pResult = 0;
}

void CMyTreeCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_pStatusWnd != nullptr)
    {
        if (HTREEITEM hItem = FindItemAt(point))
        {
            m_dwHoverData = (DWORD)GetItemData(hItem);
            if (m_dwHoverData != m_dwLastHoverData)
            {
                m_dwLastHoverData = m_dwHoverData;
                LookupPrompt(m_dwHoverData, TRUE);
                AnnouncePrompt();
            }
        }
        else
        {
            // The general prompt once when the mouse leaves the items.
            if (m_iPromptId >= 0)
            {
                m_iPromptId = PROMPT_GENERAL;
                AnnouncePrompt();
            }
            m_dwHoverData = 0;
            m_dwLastHoverData = 0;
            m_iPromptId = PROMPT_LEFT;
        }
    }
    Default();
}

void CMyTreeCtrl::AnnouncePrompt()
{
    m_pStatusWnd->SendMessage(WM_SETMESSAGESTRING, PROMPT_GENERAL, 0);
}
