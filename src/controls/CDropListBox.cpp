#include "controls/CDropListBox.h"

#include "controls/CDrawnComboBox.h"
#include "controls/CDropScrollBar.h"
#include "framework/CClientDC.h"
#include "framework/CFont.h"

IMPLEMENT_DYNAMIC(CDropListBox, CListBox)

BEGIN_MESSAGE_MAP(CDropListBox, CListBox)
ON_WM_CREATE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_ACB_TAKE_CAPTURE, OnTakeCapture)
ON_MESSAGE(WM_ACB_DROP_CAPTURE, OnDropCapture)
END_MESSAGE_MAP()

CDropListBox::CDropListBox(CDrawnComboBox* pCombo, CDropScrollBar* pScrollBar)
    : m_pCombo(pCombo), m_pScrollBar(pScrollBar)
{
}

CDropListBox::~CDropListBox()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CDropListBox::DestroyWindow()
{
    for (int i = 0; i < GetCount(); ++i)
        SetItemDataPtr(i, nullptr);
    m_rows.clear();
    return CListBox::DestroyWindow();
}

int CDropListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (Default() == -1)
        return -1;
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, lpCreateStruct->x, lpCreateStruct->y, lpCreateStruct->cx,
                   lpCreateStruct->cy, 0);
    SetFont(m_pCombo->GetFont(), FALSE);
    return 0;
}

// --- rows -----------------------------------------------------------------------------------------

int CDropListBox::AddItem(const ComboItem& item)
{
    const int iRow = AddString(item.strText);
    if (iRow < 0)
        return iRow;
    m_rows.push_back(std::make_unique<ComboItem>(item));
    SetItemDataPtr(iRow, m_rows.back().get());
    return iRow;
}

const ComboItem* CDropListBox::GetRowItem(int nRow) const
{
    if (nRow < 0 || nRow >= GetCount())
        return nullptr;
    const DWORD_PTR dwData = GetItemData(nRow);
    return dwData == (DWORD_PTR)LB_ERR ? nullptr : reinterpret_cast<const ComboItem*>(dwData);
}

bool CDropListBox::IsRowDisabled(int nRow) const
{
    const ComboItem* pItem = GetRowItem(nRow);
    return pItem != nullptr && pItem->bDisabled;
}

CSize CDropListBox::MeasureItemText(LPCSTR lpszText)
{
    CClientDC dc(this);
    CFont* pFont = m_pCombo->GetFont();
    CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    CSize size = dc.GetTextExtent(lpszText, lstrlenA(lpszText));
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    if (m_dwOptions & ACB_WIDE_ITEMS)
        size.cx += 14;
    return size;
}

int CDropListBox::GetVisibleRows() const
{
    CRect rcClient;
    GetClientRect(rcClient);
    const int cyItem = GetItemHeight(0);
    return cyItem > 0 ? rcClient.Height() / cyItem : 0;
}

// --- selection and scrolling ----------------------------------------------------------------------

int CDropListBox::SetCurSel(int nRow)
{
    const int iCurrent = GetCurSel(), nCount = GetCount();
    int iTarget = nRow;
    if (nRow < iCurrent)
    {
        while (iTarget >= 0 && IsRowDisabled(iTarget))
            --iTarget;
        if (iTarget < 0)
            iTarget = nRow;
    }
    else if (nRow > iCurrent)
    {
        while (iTarget < nCount && IsRowDisabled(iTarget))
            ++iTarget;
        if (iTarget >= nCount)
            iTarget = nRow;
    }
    if (IsRowDisabled(iTarget))
        return iTarget;
    return SelectRow(iTarget);
}

int CDropListBox::SelectRow(int nRow)
{
    const int iResult = CListBox::SetCurSel(nRow);
    if (iResult == LB_ERR)
        return -1;
    if (m_pScrollBar != nullptr && m_pScrollBar->m_hWnd != nullptr)
        m_pScrollBar->SetScrollPos(GetTopIndex());
    return iResult;
}

void CDropListBox::SetTopIndex(int nRow, BOOL bMoveScrollBar)
{
    m_iLastTop = nRow;
    CListBox::SetTopIndex(nRow);
    if (bMoveScrollBar && m_pScrollBar != nullptr && m_pScrollBar->m_hWnd != nullptr)
        m_pScrollBar->SetScrollPos(nRow);
}

// --- mouse ----------------------------------------------------------------------------------------

int CDropListBox::RowFromPoint(CPoint point) const
{
    CRect rcClient;
    GetClientRect(rcClient);
    const int cyItem = GetItemHeight(0);
    if (!rcClient.PtInRect(point) || cyItem <= 0)
        return -1;
    const int iRow = GetTopIndex() + point.y / cyItem;
    return GetRowItem(iRow) != nullptr ? iRow : -1;
}

void CDropListBox::OnMouseMove(UINT, CPoint point)
{
    CRect rcClient;
    GetClientRect(rcClient);
    if (!rcClient.PtInRect(point))
        AcbReturnCaptureToParent(m_hWnd);
    const int iRow = RowFromPoint(point);
    if (iRow >= 0 && iRow != GetCurSel() && !IsRowDisabled(iRow))
        SetCurSel(iRow);
    const int iTop = GetTopIndex();
    if (iTop != m_iLastTop)
    {
        m_iLastTop = iTop;
        if (m_pScrollBar != nullptr)
            m_pScrollBar->SetScrollPos(iTop);
    }
    Default();
}

void CDropListBox::OnLButtonUp(UINT, CPoint point)
{
    CRect rcClient;
    GetClientRect(rcClient);
    if (!rcClient.PtInRect(point))
        AcbReturnCaptureToParent(m_hWnd);
    if (IsRowDisabled(RowFromPoint(point)))
        return;
    HWND hWndCombo = m_pCombo->m_hWnd;
    const int iSel = GetCurSel();
    if (iSel >= 0 && GetRowItem(iSel) != nullptr)
    {
        if (IsRowDisabled(iSel))
            return;
        ::PostMessageA(hWndCombo, WM_ACB_PICK_ITEM, (WPARAM)iSel, 0);
    }
    ::ReleaseCapture();
    ::PostMessageA(hWndCombo, WM_ACB_CLOSE_LIST, 0, 0);
}

LRESULT CDropListBox::OnTakeCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 0;
}

LRESULT CDropListBox::OnDropCapture(WPARAM, LPARAM)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    return 0;
}
