#include "controls/CCellListCtrl.h"

#include "controls/CCellCombo.h"
#include "controls/CCellEdit.h"
#include "controls/CellListMessages.h"
#include "framework/CFont.h"
#include "framework/CStringArray.h"

#include <algorithm>
#include <cstring>
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CCellListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CCellListCtrl, CListCtrl)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_NOTIFY_REFLECT_EX(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT_EX(LVN_COLUMNCLICK, OnColumnClick)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFF, SupplyCellTip)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFF, SupplyCellTip)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_NCLBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_REGISTERED_MESSAGE(WM_CELLEDIT_KILL_FOCUS, OnCellEditKillFocus)
ON_REGISTERED_MESSAGE(WM_CELLEDIT_VK_ESCAPE, OnCellEditEscape)
ON_REGISTERED_MESSAGE(WM_CELLCOMBO_COMPLETE, OnCellComboComplete)
ON_REGISTERED_MESSAGE(WM_CELLCOMBO_VK_ESCAPE, OnCellComboEscape)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
const COLORREF PROGRESS_TRACK_COLOUR = RGB(224, 224, 224);
const char EMPTY_LIST_TEXT[] = "There are no items to show in this view.";
constexpr int CHECK_BOX_LEFT = 9; // box offset from the cell's left edge
constexpr int CHECK_TEXT_GAP = 4; // between box and text
constexpr int TIP_TEXT_CHARS = 80;

// Whether the format has exactly one integer conversion and otherwise only "%%".
bool IsPercentFormat(const CString& strFormat)
{
    int nConversions = 0;
    for (const char* p = strFormat; *p != '\0'; ++p)
    {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (*p != '\0' && std::strchr("-+ 0#", *p) != nullptr)
            ++p;
        while (*p >= '0' && *p <= '9')
            ++p;
        if (*p == '.')
        {
            ++p;
            while (*p >= '0' && *p <= '9')
                ++p;
        }
        if (*p == '\0' || std::strchr("diuxX", *p) == nullptr)
            return false;
        ++nConversions;
    }
    return nConversions == 1;
}
} // namespace

CCellListCtrl::CCellListCtrl()
{
    ReadSystemColours();
}

void CCellListCtrl::ReadSystemColours()
{
    m_crWindow = ::GetSysColor(COLOR_WINDOW);
    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    m_crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_crHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_crBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_crBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
}

// --- header -----------------------------------------------------------------------------------------

void CCellListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    HookHeader();
}

int CCellListCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    HookHeader();
    return 0;
}

void CCellListCtrl::HookHeader()
{
    if (m_bHeaderHooked)
        return;
    HWND hWndHeader = (HWND)SendMessage(LVM_GETHEADER);
    if (hWndHeader != nullptr && m_wndHeader.SubclassWindow(hWndHeader))
        m_bHeaderHooked = TRUE;
}

int CCellListCtrl::GetColumnCount() const
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader != nullptr ? pHeader->GetItemCount() : 0;
}

void CCellListCtrl::SetPaddedColumnWidth(int iCol, int nWidth)
{
    SetColumnWidth(iCol, (short)nWidth);
    SetColumnWidth(iCol, GetColumnWidth(iCol) + 2 * m_wndHeader.GetSpacing());
}

int CCellListCtrl::GetHeaderCheckState(int iCol) const
{
    if (iCol < 0 || iCol >= GetColumnCount())
        return -1;
    HDITEMA item = {};
    item.mask = HDI_IMAGE;
    GetHeaderCtrl()->GetItem(iCol, &item);
    return item.iImage;
}

BOOL CCellListCtrl::SetHeaderCheckState(int iCol, int iState)
{
    if (iCol < 0 || iCol >= GetColumnCount())
        return FALSE;
    HDITEMA item = {};
    item.mask = HDI_IMAGE;
    item.iImage = iState;
    GetHeaderCtrl()->SetItem(iCol, &item);
    return TRUE;
}

// --- rows and cells ---------------------------------------------------------------------------------

CCellListCtrl::CellRow* CCellListCtrl::RowCells(int iRow) const
{
    return reinterpret_cast<CellRow*>(GetItemData(iRow));
}

bool CCellListCtrl::IsCellInRange(int iRow, int iCol) const
{
    return iRow >= 0 && iRow < GetItemCount() && iCol >= 0 && iCol < GetColumnCount();
}

ListCell* CCellListCtrl::GetCell(int iRow, int iCol)
{
    return const_cast<ListCell*>(static_cast<const CCellListCtrl*>(this)->GetCell(iRow, iCol));
}

const ListCell* CCellListCtrl::GetCell(int iRow, int iCol) const
{
    if (!IsCellInRange(iRow, iCol))
        return nullptr;
    const CellRow* pCells = RowCells(iRow);
    // A column added after the row has no cell in it.
    if (pCells == nullptr || iCol >= (int)pCells->size())
        return nullptr;
    return &(*pCells)[(size_t)iCol];
}

int CCellListCtrl::InsertRow(int iRow, LPCSTR lpszText)
{
    return InsertColoredRow(iRow, lpszText, m_crWindowText, m_crWindow);
}

int CCellListCtrl::InsertColoredRow(int iRow, LPCSTR lpszText, COLORREF crText, COLORREF crBack)
{
    if (iRow < 0)
        return -1;
    const int iNew = InsertItem(iRow, lpszText);
    if (iNew < 0)
        return iNew;
    auto pCells = std::make_unique<CellRow>((size_t)GetColumnCount(), ListCell(m_crWindowText, m_crWindow));
    if (!pCells->empty())
    {
        pCells->front().textColour = crText;
        pCells->front().backColour = crBack;
    }
    SetItemData(iNew, reinterpret_cast<DWORD_PTR>(pCells.release()));
    return iNew;
}

void CCellListCtrl::OnDestroy()
{
    DiscardEditors();
    FreeAllCells();
    m_bHeaderHooked = FALSE;
    CListCtrl::OnDestroy();
}

void CCellListCtrl::FreeAllCells()
{
    for (int iRow = 0; iRow < GetItemCount(); ++iRow)
    {
        std::unique_ptr<CellRow> pCells(RowCells(iRow));
        SetItemData(iRow, 0);
    }
}

void CCellListCtrl::DeleteAllRows()
{
    DiscardEditors();
    FreeAllCells();
    DeleteAllItems();
}

BOOL CCellListCtrl::SetCellText(int iRow, int iCol, LPCSTR lpszText)
{
    if (!IsCellInRange(iRow, iCol))
        return FALSE;
    const BOOL bResult = SetItemText(iRow, iCol, lpszText);
    RedrawCell(iRow, iCol);
    return bResult;
}

BOOL CCellListCtrl::SetCellTextAndColors(int iRow, int iCol, LPCSTR lpszText, COLORREF crText,
                                         COLORREF crBack)
{
    ListCell* pCell = GetCell(iRow, iCol);
    if (pCell == nullptr)
        return FALSE;
    const BOOL bResult = lpszText != nullptr ? SetItemText(iRow, iCol, lpszText) : TRUE;
    pCell->textColour = crText == (COLORREF)-1 ? m_crWindowText : crText;
    pCell->backColour = crBack == (COLORREF)-1 ? m_crWindow : crBack;
    RedrawCell(iRow, iCol);
    return bResult;
}

BOOL CCellListCtrl::GetCellColors(int iRow, int iCol, COLORREF& crText, COLORREF& crBack) const
{
    const ListCell* pCell = GetCell(iRow, iCol);
    crText = pCell != nullptr ? pCell->textColour : 0;
    crBack = pCell != nullptr ? pCell->backColour : 0;
    return pCell != nullptr;
}

void CCellListCtrl::SetCellColors(int iRow, int iCol, COLORREF crText, COLORREF crBack)
{
    if (ListCell* pCell = GetCell(iRow, iCol))
    {
        pCell->textColour = crText;
        pCell->backColour = crBack;
    }
}

BOOL CCellListCtrl::IsCellModified(int iRow, int iCol) const
{
    const ListCell* pCell = GetCell(iRow, iCol);
    return pCell != nullptr ? pCell->modified : FALSE;
}

void CCellListCtrl::SetCellModified(int iRow, int iCol, BOOL bModified)
{
    if (ListCell* pCell = GetCell(iRow, iCol))
        pCell->modified = bModified;
}

BOOL CCellListCtrl::SetCellProgress(int iRow, int iCol, BOOL bShowText, LPCSTR lpszFormat)
{
    ListCell* pCell = GetCell(iRow, iCol);
    if (pCell == nullptr)
        return FALSE;
    pCell->progressOn = TRUE;
    pCell->progressPercent = 0;
    pCell->progressShowText = bShowText;
    pCell->progressFormat = lpszFormat != nullptr ? lpszFormat : "";
    RedrawCell(iRow, iCol);
    return TRUE;
}

void CCellListCtrl::UpdateCellProgress(int iRow, int iCol, int iPercent)
{
    if (ListCell* pCell = GetCell(iRow, iCol))
    {
        pCell->progressPercent = iPercent;
        RedrawCell(iRow, iCol);
    }
}

void CCellListCtrl::RemoveCellProgress(int iRow, int iCol)
{
    if (ListCell* pCell = GetCell(iRow, iCol))
    {
        pCell->progressOn = FALSE;
        pCell->progressPercent = 0;
        RedrawCell(iRow, iCol);
    }
}

BOOL CCellListCtrl::SetCellCombo(int iRow, int iCol, BOOL bEnable, CStringArray* pItems, int nDropRows,
                                 int iInitial, BOOL bSort)
{
    ListCell* pCell = GetCell(iRow, iCol);
    if (pCell == nullptr || pItems == nullptr)
        return FALSE;
    const int nItems = (int)pItems->GetSize();
    if (iInitial < 0 || iInitial >= nItems)
        iInitial = 0;
    pCell->comboOn = bEnable;
    if (bEnable)
    {
        if (bSort && nItems > 0)
        {
            std::vector<CString> sorted(pItems->GetData(), pItems->GetData() + nItems);
            std::stable_sort(
                sorted.begin(), sorted.end(),
                [](const CString& a, const CString& b)
                { return _mbsicmp((const unsigned char*)(LPCSTR)a, (const unsigned char*)(LPCSTR)b) < 0; });
            for (int i = 0; i < nItems; ++i)
                pItems->SetAt(i, sorted[(size_t)i]);
        }
        pCell->comboItems = pItems;
        pCell->comboDropRows = nDropRows;
        pCell->comboInitialIndex = iInitial;
        pCell->comboSorted = bSort;
        SetItemText(iRow, iCol, nItems > 0 ? (LPCSTR)pItems->GetAt(iInitial) : "");
    }
    RedrawCell(iRow, iCol);
    return TRUE;
}

int CCellListCtrl::CountCheckedRows(int iCol) const
{
    if (iCol < 0 || iCol >= GetColumnCount())
        return 0;
    int nChecked = 0;
    for (int iRow = 0; iRow < GetItemCount(); ++iRow)
    {
        const ListCell* pCell = GetCell(iRow, iCol);
        nChecked += pCell != nullptr && pCell->checkState == 1;
    }
    return nChecked;
}

BOOL CCellListCtrl::IsRowEnabled(int iRow) const
{
    const ListCell* pCell = GetCell(iRow, 0);
    return pCell != nullptr ? pCell->enabled : FALSE;
}

BOOL CCellListCtrl::SelectRow(int iRow, BOOL bScroll)
{
    const BOOL bResult = SetItemState(iRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (bScroll)
        EnsureVisible(iRow, FALSE);
    return bResult;
}

int CCellListCtrl::GetSelectedRow() const
{
    return GetNextItem(-1, LVNI_SELECTED);
}

BOOL CCellListCtrl::GetCellRect(int iRow, int iCol, int nArea, CRect& rect) const
{
    if (!IsCellInRange(iRow, iCol))
        return FALSE;
    const BOOL bResult = GetSubItemRect(iRow, iCol, nArea, rect);
    if (iCol != 0)
        return bResult;
    // Column 0's platform rectangle spans the whole row.
    const int nCols = GetColumnCount();
    for (int iNext = 1; iNext < nCols; ++iNext)
    {
        CRect rcNext;
        if (GetColumnWidth(iNext) > 0 && GetSubItemRect(iRow, iNext, LVIR_BOUNDS, rcNext))
        {
            rect.right = rcNext.left;
            break;
        }
    }
    return bResult;
}

void CCellListCtrl::RedrawCell(int iRow, int iCol)
{
    CRect rc;
    if (!GetCellRect(iRow, iCol, LVIR_BOUNDS, rc))
        return;
    rc.InflateRect(2, 2);
    InvalidateRect(&rc, TRUE);
    UpdateWindow();
}

// --- notifications to the parent ----------------------------------------------------------------------

CWnd* CCellListCtrl::GetNotifyTarget() const
{
    CWnd* pTarget = GetParent();
    if (pTarget == nullptr)
        pTarget = GetOwner();
    return pTarget != nullptr && pTarget->IsWindow() ? pTarget : nullptr;
}

void CCellListCtrl::NotifyParent(UINT nMessage, int iRow, int iCol) const
{
    if (CWnd* pTarget = GetNotifyTarget())
        pTarget->SendMessage(nMessage, (WPARAM)iRow, (LPARAM)iCol);
}

void CCellListCtrl::MarkModified(ListCell& cell)
{
    cell.modified = TRUE;
    m_bListModified = TRUE;
}

// --- drawing ------------------------------------------------------------------------------------------

void CCellListCtrl::ResolveCellColours(int iRow, int iCol, COLORREF& crText, COLORREF& crBack) const
{
    const bool bSelected = (GetItemState(iRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    if (!bSelected || ((GetExtendedStyle() & LVS_EX_FULLROWSELECT) == 0 && iCol != 0))
        return;
    if (CWnd::GetFocus() == this)
    {
        crText = m_crHighlightText;
        crBack = m_crHighlight;
    }
    else if (GetStyle() & LVS_SHOWSELALWAYS)
    {
        crText = m_crWindowText;
        crBack = m_crBtnFace;
    }
}

void CCellListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = 0;
    const DWORD dwStage = pDraw->nmcd.dwDrawStage;
    if (dwStage == CDDS_PREPAINT || dwStage == CDDS_ITEMPREPAINT)
    {
        *pResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYSUBITEMDRAW;
        return;
    }
    if (dwStage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM))
        return;
    const int iRow = (int)pDraw->nmcd.dwItemSpec;
    const int iCol = pDraw->iSubItem;
    const ListCell* pCell = GetCell(iRow, iCol);
    COLORREF crBack = m_crWindow;
    COLORREF crText = m_crWindowText;
    if (pCell != nullptr)
    {
        crBack = pCell->backColour;
        crText = IsRowEnabled(iRow) ? pCell->textColour : m_crGrayText;
    }
    pDraw->clrText = crText;
    pDraw->clrTextBk = crBack;
    CRect rc;
    GetCellRect(iRow, iCol, LVIR_BOUNDS, rc);
    CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
    PaintCell(pDC, iRow, iCol, pCell, rc, crText, crBack);
    *pResult = CDRF_SKIPDEFAULT;
}

void CCellListCtrl::PaintCell(CDC* pDC, int iRow, int iCol, const ListCell* pCell, CRect rc, COLORREF crText,
                              COLORREF crBack)
{
    if (rc.IsRectEmpty())
        return;
    if (pCell != nullptr && pCell->progressOn)
    {
        PaintProgressCell(pDC, *pCell, rc, crText);
        return;
    }
    // Checked and plain cells share the selection colours and the background fill.
    ResolveCellColours(iRow, iCol, crText, crBack);
    pDC->FillSolidRect(&rc, crBack);
    if (pCell != nullptr && pCell->checkState != -1)
    {
        PaintCheckCell(pDC, iRow, iCol, *pCell, rc, crText, crBack);
        return;
    }
    rc.left += PaintCellImage(pDC, pCell, rc, crBack);
    PaintCellText(pDC, iRow, iCol, pCell, rc, crText, crBack);
}

int CCellListCtrl::PaintCellImage(CDC* pDC, const ListCell* pCell, const CRect& rc, COLORREF crBack)
{
    HIMAGELIST hImages = GetImageList(LVSIL_SMALL);
    if (hImages == nullptr || pCell == nullptr || pCell->imageIndex < 0)
        return 0;
    int cx = 0;
    int cy = 0;
    ::ImageList_GetIconSize(hImages, &cx, &cy);
    const int nSpacing = m_wndHeader.GetSpacing();
    const COLORREF crOld = ::ImageList_SetBkColor(hImages, crBack);
    ::ImageList_DrawEx(hImages, pCell->imageIndex, pDC->m_hDC, rc.left + nSpacing,
                       rc.CenterPoint().y - cy / 2, std::min(cx, rc.Width()), std::min(cy, rc.Height()),
                       CLR_DEFAULT, CLR_DEFAULT, ILD_NORMAL);
    ::ImageList_SetBkColor(hImages, crOld);
    return cx + nSpacing;
}

void CCellListCtrl::PaintCellText(CDC* pDC, int iRow, int iCol, const ListCell* pCell, const CRect& rc,
                                  COLORREF crText, COLORREF crBack)
{
    if (rc.IsRectEmpty())
        return;
    const CString strText = GetItemText(iRow, iCol);
    if (strText.IsEmpty())
        return;
    UINT nFormat = DT_VCENTER | DT_SINGLELINE;
    if (m_bUseEllipsis)
        nFormat |= DT_END_ELLIPSIS;
    HDITEMA hdi = {};
    hdi.mask = HDI_FORMAT;
    if (GetHeaderCtrl()->GetItem(iCol, &hdi))
    {
        const int nJustify = hdi.fmt & HDF_JUSTIFYMASK;
        nFormat |= nJustify == HDF_CENTER ? DT_CENTER : nJustify == HDF_RIGHT ? DT_RIGHT : 0;
    }
    CFont fontBold;
    CFont* pOldFont = nullptr;
    if (pCell != nullptr && pCell->bold)
    {
        LOGFONTA lf = {};
        pDC->GetCurrentFont()->GetLogFont(&lf);
        lf.lfWeight = FW_BOLD;
        if (fontBold.CreateFontIndirect(&lf))
            pOldFont = pDC->SelectObject(&fontBold);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(crText);
    pDC->SetBkColor(crBack);
    CRect rcText = rc;
    rcText.DeflateRect(m_iTextInset, 0);
    pDC->DrawText(strText, &rcText, nFormat);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CCellListCtrl::PaintProgressCell(CDC* pDC, const ListCell& cell, const CRect& rcCell, COLORREF crText)
{
    CRect rc = rcCell;
    rc.left += 1;
    rc.bottom -= 1;
    pDC->FillSolidRect(&rc, PROGRESS_TRACK_COLOUR);
    pDC->Draw3dRect(&rc, RGB(0, 0, 0), m_crBtnShadow);
    const int iPercent = std::clamp(cell.progressPercent, 0, 100);
    if (iPercent <= 0)
        return;
    const CRect rcBar(rc.left + 1, rc.top + 1, rc.left + (rc.Width() - 1) * iPercent / 100, rc.bottom - 1);
    pDC->FillSolidRect(&rcBar, m_crHighlight);
    if (!cell.progressShowText)
        return;
    CString strText;
    // A caller's format is used only when it takes exactly the one integer.
    if (!cell.progressFormat.IsEmpty() && IsPercentFormat(cell.progressFormat))
        strText.Format(cell.progressFormat, iPercent);
    else
        strText.Format("%d%%", iPercent);
    CRect rcText = rc;
    rcText.DeflateRect(1, 1);
    const UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    pDC->SetBkMode(TRANSPARENT);
    const int iSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rcBar);
    pDC->SetTextColor(m_crHighlightText);
    pDC->DrawText(strText, &rcText, nFormat);
    pDC->RestoreDC(iSaved);
    const int iSavedRest = pDC->SaveDC();
    pDC->IntersectClipRect(rcBar.right, rc.top + 1, rc.right, rc.bottom - 1);
    pDC->SetTextColor(crText);
    pDC->DrawText(strText, &rcText, nFormat);
    pDC->RestoreDC(iSavedRest);
}

void CCellListCtrl::PaintCheckCell(CDC* pDC, int iRow, int iCol, const ListCell& cell, const CRect& rc,
                                   COLORREF crText, COLORREF crBack)
{
    const CString strText = GetItemText(iRow, iCol);
    const int nSide = rc.Height() - 1;
    CRect rcBox(rc.left + CHECK_BOX_LEFT, rc.top, rc.left + CHECK_BOX_LEFT + nSide, rc.bottom - 1);
    if (strText.IsEmpty())
    {
        rcBox.left = rc.left + rc.Width() / 2 - nSide / 2 - 1;
        rcBox.right = rcBox.left + nSide;
    }
    const COLORREF crTick = IsRowEnabled(iRow) ? CCellHeaderCtrl::CHECK_TICK_COLOUR : m_crGrayText;
    CCellHeaderCtrl::PaintCheckBox(pDC, rcBox, cell.checkState == 1, crTick);
    if (strText.IsEmpty())
        return;
    UINT nFormat = DT_VCENTER | DT_SINGLELINE;
    if (m_bUseEllipsis)
        nFormat |= DT_END_ELLIPSIS;
    CRect rcText = rc;
    rcText.left = rcBox.right + CHECK_TEXT_GAP;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(crText);
    pDC->SetBkColor(crBack);
    pDC->DrawText(strText, &rcText, nFormat);
}

void CCellListCtrl::OnPaint()
{
    Default();
    if (GetItemCount() != 0)
        return;
    CDC* pDC = GetDC();
    if (pDC == nullptr)
        return;
    PaintEmptyText(pDC);
    ReleaseDC(pDC);
}

LRESULT CCellListCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    const LRESULT lResult = Default();
    if (GetItemCount() == 0)
        PaintEmptyText(CDC::FromHandle((HDC)wParam));
    return lResult;
}

void CCellListCtrl::PaintEmptyText(CDC* pDC)
{
    const int iSaved = pDC->SaveDC();
    CRect rc;
    GetWindowRect(&rc);
    ScreenToClient(&rc);
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    CRect rcHeaderItem;
    if (pHeader != nullptr && pHeader->GetItemRect(0, &rcHeaderItem))
        rc.top += rcHeaderItem.bottom;
    rc.top += 10;
    pDC->FillSolidRect(&rc, m_crWindow);
    pDC->SetTextColor(m_crWindowText);
    pDC->SetBkColor(m_crWindow);
    pDC->SelectStockObject(ANSI_VAR_FONT);
    pDC->DrawText(EMPTY_LIST_TEXT, -1, &rc, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP);
    pDC->RestoreDC(iSaved);
}

BOOL CCellListCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClip;
    const int nCount = GetItemCount();
    if (nCount == 0 || pDC->GetClipBox(&rcClip) <= NULLREGION)
        return (BOOL)Default();
    // The rows are painted cell by cell; only the rest is erased.
    const int iTop = GetTopIndex();
    const int iLast = std::min(iTop + GetCountPerPage(), nCount - 1);
    CRect rcTop;
    CRect rcLast;
    GetItemRect(iTop, &rcTop, LVIR_BOUNDS);
    GetItemRect(iLast, &rcLast, LVIR_BOUNDS);
    pDC->FillSolidRect(CRect(rcClip.left, rcClip.top, rcClip.right, rcTop.top), m_crWindow);
    pDC->FillSolidRect(CRect(rcClip.left, rcLast.bottom, rcClip.right, rcClip.bottom), m_crWindow);
    pDC->FillSolidRect(CRect(rcTop.right, rcTop.top, rcClip.right, rcLast.bottom), m_crWindow);
    return TRUE;
}

LRESULT CCellListCtrl::OnSysColorChange(WPARAM, LPARAM)
{
    Default();
    ReadSystemColours();
    return 0;
}

// --- mouse and keys ---------------------------------------------------------------------------------

int CCellListCtrl::ColumnAt(int iRow, CPoint point) const
{
    const int nCols = GetColumnCount();
    for (int iCol = 0; iCol < nCols; ++iCol)
    {
        CRect rc;
        if (GetCellRect(iRow, iCol, LVIR_BOUNDS, rc) && rc.PtInRect(point))
            return iCol;
    }
    return -1;
}

void CCellListCtrl::ToggleCheckCell(int iRow, int iCol, ListCell& cell)
{
    MarkModified(cell);
    cell.checkState = cell.checkState == 1 ? 0 : 1;
    RedrawCell(iRow, iCol);
    NotifyParent(WM_CELLLIST_CHECKBOX_CLICKED, iRow, iCol);
    const int iHeaderState = GetHeaderCheckState(iCol);
    if (iHeaderState > 0)
        SetHeaderCheckState(iCol, CountCheckedRows(iCol) == GetItemCount() ? 2 : 1);
}

void CCellListCtrl::OnLButtonDown(UINT, CPoint point)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SubItemHitTest(&hit);
    const bool bOnLabel = hit.iItem >= 0 && (hit.flags & LVHT_ONITEMLABEL) != 0;
    const int iRow = hit.iItem;
    const int iCol = bOnLabel ? ColumnAt(iRow, point) : -1;
    if (bOnLabel && !IsRowEnabled(iRow))
        return; // a disabled row, or one without cells, swallows the click
    ListCell* pCell = GetCell(iRow, iCol);
    if (pCell == nullptr)
    {
        if (m_pCombo != nullptr)
            ArmComboClose(TIMER_COMBO_DROP);
        Default();
        return;
    }
    if (pCell->checkState == 0 || pCell->checkState == 1)
    {
        ToggleCheckCell(iRow, iCol, *pCell);
        Default();
    }
    else if (pCell->comboOn || pCell->editOn)
    {
        // The list takes the click (and the focus) first; the editor opened after it keeps the focus.
        const bool bCombo = pCell->comboOn;
        Default();
        if (bCombo)
            OpenCellCombo(iRow, iCol);
        else
            OpenCellEditor(iRow, iCol);
    }
    else
        Default();
}

void CCellListCtrl::OnRButtonDown(UINT, CPoint point)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SubItemHitTest(&hit);
    if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEMLABEL) != 0 && !IsRowEnabled(hit.iItem))
        return;
    Default();
}

BOOL CCellListCtrl::OnClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    return FALSE;
}

void CCellListCtrl::ToggleHeaderCheck(int iCol)
{
    const int iState = GetHeaderCheckState(iCol);
    if (iState <= 0)
        return;
    const int iNew = iState == 1 ? 2 : 1;
    SetHeaderCheckState(iCol, iNew);
    GetHeaderCtrl()->UpdateWindow();
    for (int iRow = 0; iRow < GetItemCount(); ++iRow)
    {
        ListCell* pCell = GetCell(iRow, iCol);
        if (pCell == nullptr || pCell->checkState == -1)
            continue;
        pCell->checkState = iNew == 2 ? 1 : 0;
        MarkModified(*pCell);
        RedrawCell(iRow, iCol);
    }
}

BOOL CCellListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    ToggleHeaderCheck(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    *pResult = 0;
    return FALSE;
}

void CCellListCtrl::OnKeyDown(UINT nChar, UINT, UINT)
{
    const int iOld = GetSelectedRow();
    Default();
    const int iNew = GetSelectedRow();
    if (iNew < 0)
        return;
    if (IsRowEnabled(iNew))
    {
        SelectRow(iNew, TRUE);
        return;
    }
    const int nCount = GetItemCount();
    int iFound = -1;
    if (nChar == VK_DOWN || nChar == VK_NEXT)
    {
        // Forward from the new row; past the end, backward from the last row.
        for (int i = iNew; i < nCount && iFound < 0; ++i)
            iFound = IsRowEnabled(i) ? i : -1;
        for (int i = nCount - 1; i >= 0 && iFound < 0; --i)
            iFound = IsRowEnabled(i) ? i : -1;
    }
    else if (nChar == VK_UP || nChar == VK_PRIOR)
    {
        // Backward from the new row; below row 0, forward from row 1.
        for (int i = iNew; i >= 0 && iFound < 0; --i)
            iFound = IsRowEnabled(i) ? i : -1;
        for (int i = 1; i < nCount && iFound < 0; ++i)
            iFound = IsRowEnabled(i) ? i : -1;
    }
    SelectRow(iFound >= 0 ? iFound : iOld, TRUE);
}

// --- tool tips ----------------------------------------------------------------------------------------

INT_PTR CCellListCtrl::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    const_cast<CCellListCtrl*>(this)->SubItemHitTest(&hit);
    if (hit.iItem < 0 || (hit.flags & LVHT_ONITEMLABEL) == 0)
        return -1;
    const INT_PTR nId = (INT_PTR)hit.iItem * 1000 + hit.iSubItem + 1;
    if (pTI != nullptr)
    {
        GetClientRect(&pTI->rect);
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)nId;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return nId;
}

CPoint CCellListCtrl::GetMessagePoint() const
{
    const DWORD dwPos = ::GetMessagePos();
    return CPoint((short)LOWORD(dwPos), (short)HIWORD(dwPos));
}

BOOL CCellListCtrl::SupplyCellTip(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR->idFrom == 0)
        return TRUE;
    *pResult = 0;
    CPoint point = GetMessagePoint();
    ScreenToClient(&point);
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SubItemHitTest(&hit);
    if (hit.iItem < 0 || (hit.flags & LVHT_ONITEMLABEL) == 0)
        return FALSE;
    const ListCell* pCell = GetCell(hit.iItem, hit.iSubItem);
    if (pCell == nullptr || pCell->tipText.IsEmpty())
        return FALSE;
    if (pNMHDR->code == TTN_NEEDTEXTA)
    {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        lstrcpynA(pInfo->szText, pCell->tipText, TIP_TEXT_CHARS);
    }
    else
    {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        ::MultiByteToWideChar(CP_THREAD_ACP, 0, pCell->tipText, -1, pInfo->szText, TIP_TEXT_CHARS);
        pInfo->szText[TIP_TEXT_CHARS - 1] = L'\0';
    }
    return FALSE;
}
