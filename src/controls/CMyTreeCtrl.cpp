#include "controls/CMyTreeCtrl.h"

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
// Item data (the German string id of the label) to the status-bar prompt of the item.
const struct
{
    DWORD dwKey;
    int nPromptId;
} s_prompts[] = {
    {5014, 10000}, {5015, 10001}, {5016, 10002}, {5017, 10003}, {5018, 10004}, {5019, 10000},
    {5020, 10000}, {5021, 10005}, {5022, 10006}, {5023, 10007}, {5024, 10008}, {5025, 10009},
    {5026, 10010}, {5027, 10011}, {5029, 10000}, {5034, 10016}, {5035, 10017}, {5036, 10018},
    {5037, 10000}, {5038, 10019}, {5039, 10020}, {5040, 10021}, {5041, 10022}, {5042, 10000},
    {5043, 10023}, {5044, 10024}, {5139, 10025}, {5323, 10026}, {5324, 10027}, {5431, 10028},
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
