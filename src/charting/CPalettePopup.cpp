#include "charting/CPalettePopup.h"

#include "charting/ColorPickMessages.h"
#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CColorDialog.h"
#include "framework/CPaintDC.h"
#include "framework/CPen.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace
{
const ColourPaletteEntry POPUP_COLOURS[] = {
    {RGB(0, 0, 0), "Black"},
    {RGB(165, 42, 0), "Brown"},
    {RGB(0, 64, 64), "Dark Olive Green"},
    {RGB(0, 85, 0), "Dark Green"},
    {RGB(0, 0, 94), "Dark Teal"},
    {RGB(0, 0, 139), "Dark blue"},
    {RGB(75, 0, 130), "Indigo"},
    {RGB(40, 40, 40), "Dark grey"},
    {RGB(139, 0, 0), "Dark red"},
    {RGB(255, 104, 32), "Orange"},
    {RGB(139, 139, 0), "Dark yellow"},
    {RGB(0, 147, 0), "Green"},
    {RGB(56, 142, 142), "Teal"},
    {RGB(0, 0, 255), "Blue"},
    {RGB(123, 123, 192), "Blue-grey"},
    {RGB(102, 102, 102), "Grey - 40"},
    {RGB(255, 0, 0), "Red"},
    {RGB(255, 173, 91), "Light orange"},
    {RGB(50, 205, 50), "Lime"},
    {RGB(60, 179, 113), "Sea green"},
    {RGB(127, 255, 212), "Aqua"},
    {RGB(125, 158, 192), "Light blue"},
    {RGB(128, 0, 128), "Violet"},
    {RGB(127, 127, 127), "Grey - 50"},
    {RGB(255, 192, 203), "Pink"},
    {RGB(255, 215, 0), "Gold"},
    {RGB(255, 255, 0), "Yellow"},
    {RGB(0, 255, 0), "Bright green"},
    {RGB(64, 224, 208), "Turquoise"},
    {RGB(192, 255, 255), "Skyblue"},
    {RGB(72, 0, 72), "Plum"},
    {RGB(192, 192, 192), "Light grey"},
    {RGB(255, 228, 225), "Rose"},
    {RGB(210, 180, 140), "Tan"},
    {RGB(255, 255, 224), "Light yellow"},
    {RGB(152, 251, 152), "Pale green "},
    {RGB(175, 238, 238), "Pale turquoise"},
    {RGB(104, 131, 139), "Pale blue"},
    {RGB(230, 230, 250), "Lavender"},
    {RGB(255, 255, 255), "White"},
};
constexpr int kPaletteSize = (int)(sizeof(POPUP_COLOURS) / sizeof(POPUP_COLOURS[0]));
constexpr int kMaxColours = 100;
constexpr int kColumns = 8;
constexpr int kCellSize = 18;
// The metrics record without the padded-border field, accepted by every Windows version.
constexpr UINT kMetricsSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
static_assert(kMetricsSize == 340);

CString TextOrEmpty(LPCSTR psz)
{
    return psz != nullptr ? CString(psz) : CString();
}
} // namespace

BEGIN_MESSAGE_MAP(CPalettePopup, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_MESSAGE(WM_ACTIVATEAPP, OnActivateApp)
ON_MESSAGE(WM_QUERYNEWPALETTE, OnQueryNewPalette)
ON_MESSAGE(WM_PALETTECHANGED, OnPaletteChanged)
END_MESSAGE_MAP()

CPalettePopup::CPalettePopup(CPoint ptScreen, COLORREF crStart, CWnd* pButton, LPCSTR pszAutomaticText,
                             LPCSTR pszMoreColorsText)
{
    InitPalette();
    m_pButton = pButton;
    m_crStart = m_crCurrent = crStart;
    Create(ptScreen, pszAutomaticText, pszMoreColorsText);
}

void CPalettePopup::InitPalette()
{
    m_iColourCount = std::min(kPaletteSize, kMaxColours);
    m_iColumns = m_iRows = 0;
    m_iCellSize = kCellSize;
    m_iMargin = ::GetSystemMetrics(SM_CXEDGE);
    m_iHighlightCell = m_iChosenCell = CELL_NONE;
    m_pButton = nullptr;
    m_crStart = m_crCurrent = 0;
    m_bPickEnded = FALSE;
    // Room for the swatch inside the cell's edges.
    if (m_iCellSize - 2 * m_iMargin - 2 < 5)
        m_iCellSize = 2 * m_iMargin + 7;

    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = kMetricsSize;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kMetricsSize, &ncm, 0))
        m_font.CreateFontIndirect(&ncm.lfMessageFont);

    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (size_t)m_iColourCount * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = (WORD)m_iColourCount;
    for (int i = 0; i < m_iColourCount; ++i)
    {
        const COLORREF cr = PaletteColor(i);
        pLogPalette->palPalEntry[i] = {GetRValue(cr), GetGValue(cr), GetBValue(cr), 0};
    }
    m_palette.CreatePalette(pLogPalette);
}

BOOL CPalettePopup::Create(CPoint ptScreen, LPCSTR pszAutomaticText, LPCSTR pszMoreColorsText)
{
    LPCSTR pszClass = AfxRegisterWndClass(CS_CLASSDC | CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW, nullptr,
                                          (HBRUSH)(COLOR_BTNFACE + 1), nullptr);
    HWND hWndOwner = m_pButton != nullptr ? m_pButton->GetSafeHwnd() : nullptr;
    if (!CreateEx(0, pszClass, "", WS_VISIBLE | WS_POPUP, ptScreen.x, ptScreen.y, 100, 100, hWndOwner,
                  nullptr))
        return FALSE;
    // From here on the window owns the object.
    m_bDeleteWithWindow = TRUE;
    m_strAutomaticText = TextOrEmpty(pszAutomaticText);
    m_strMoreColorsText = TextOrEmpty(pszMoreColorsText);
    LayoutCells();
    AddCellTips();
    MarkStartCell();
    SetCapture();
    return TRUE;
}

void CPalettePopup::PostNcDestroy()
{
    if (m_bDeleteWithWindow)
        delete this;
}

// --- cells ------------------------------------------------------------------------------------------

COLORREF CPalettePopup::PaletteColor(int n)
{
    return POPUP_COLOURS[n].crColour;
}

LPCSTR CPalettePopup::PaletteName(int n)
{
    return POPUP_COLOURS[n].pszName;
}

int CPalettePopup::CellIndex(int iRow, int iColumn) const
{
    if ((iRow == CELL_MORE_COLOURS || iColumn == CELL_MORE_COLOURS) && !m_strMoreColorsText.IsEmpty())
        return CELL_MORE_COLOURS;
    if ((iRow == CELL_AUTOMATIC || iColumn == CELL_AUTOMATIC) && !m_strAutomaticText.IsEmpty())
        return CELL_AUTOMATIC;
    if (iRow < 0 || iColumn < 0 || iRow >= m_iRows || iColumn >= m_iColumns)
        return CELL_NONE;
    const int iCell = iRow * m_iColumns + iColumn;
    return iCell < m_iColourCount ? iCell : CELL_NONE;
}

bool CPalettePopup::IsTextCell(int iCell) const
{
    return (iCell == CELL_MORE_COLOURS && !m_strMoreColorsText.IsEmpty()) ||
           (iCell == CELL_AUTOMATIC && !m_strAutomaticText.IsEmpty());
}

bool CPalettePopup::IsColourCell(int iCell) const
{
    return iCell >= 0 && iCell < m_iColourCount && m_iColumns != 0;
}

int CPalettePopup::CellRow(int iCell) const
{
    if (IsTextCell(iCell))
        return iCell;
    return IsColourCell(iCell) ? iCell / m_iColumns : -1;
}

int CPalettePopup::CellColumn(int iCell) const
{
    if (IsTextCell(iCell))
        return iCell;
    return IsColourCell(iCell) ? iCell % m_iColumns : -1;
}

BOOL CPalettePopup::CellRect(int iCell, CRect& rect) const
{
    if (iCell == CELL_MORE_COLOURS)
    {
        rect = m_rectMoreColors;
        return !m_strMoreColorsText.IsEmpty();
    }
    if (iCell == CELL_AUTOMATIC)
    {
        rect = m_rectAutomatic;
        return !m_strAutomaticText.IsEmpty();
    }
    if (!IsColourCell(iCell))
        return FALSE;
    rect.left = CellColumn(iCell) * m_iCellSize + m_iMargin;
    rect.top = CellRow(iCell) * m_iCellSize + m_iMargin;
    if (!m_strAutomaticText.IsEmpty())
        rect.top += m_rectAutomatic.Height() + m_iMargin;
    rect.right = rect.left + m_iCellSize;
    rect.bottom = rect.top + m_iCellSize;
    return TRUE;
}

// --- layout -----------------------------------------------------------------------------------------

void CPalettePopup::LayoutCells()
{
    CSize sizeText(0, 0);
    if (!m_strAutomaticText.IsEmpty() || !m_strMoreColorsText.IsEmpty())
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(&m_font);
        const CSize sizeAutomatic = dc.GetTextExtent(m_strAutomaticText);
        const CSize sizeMore = dc.GetTextExtent(m_strMoreColorsText);
        dc.SelectObject(pOldFont);
        sizeText.cx = std::max(sizeAutomatic.cx, sizeMore.cx) + 2 * m_iMargin;
        sizeText.cy = std::max(sizeAutomatic.cy, sizeMore.cy) + 2 * m_iMargin + 2 * m_iMargin + 2;
    }

    m_iColumns = kColumns;
    m_iRows = m_iColourCount / m_iColumns + (m_iColourCount % m_iColumns != 0 ? 1 : 0);

    CRect rect;
    GetWindowRect(&rect);
    m_rectWindow.SetRect(rect.left, rect.top, rect.left + m_iColumns * m_iCellSize + 2 * m_iMargin,
                         rect.top + m_iRows * m_iCellSize + 2 * m_iMargin);

    if (!m_strAutomaticText.IsEmpty())
    {
        if (m_rectWindow.Width() < sizeText.cx)
            m_rectWindow.right = m_rectWindow.left + sizeText.cx;
        m_rectAutomatic.SetRect(m_iMargin, m_iMargin, m_iMargin + m_rectWindow.Width() - 2 * m_iMargin,
                                sizeText.cy + 2 * m_iMargin);
        m_rectWindow.bottom += m_rectAutomatic.Height() + 2 * m_iMargin;
    }
    if (!m_strMoreColorsText.IsEmpty())
    {
        if (m_rectWindow.Width() < sizeText.cx)
            m_rectWindow.right = m_rectWindow.left + sizeText.cx;
        const int iTop = m_rectWindow.Height();
        m_rectMoreColors.SetRect(m_iMargin, iTop, m_iMargin + m_rectWindow.Width() - 2 * m_iMargin,
                                 iTop + m_iMargin + sizeText.cy);
        m_rectWindow.bottom += m_rectMoreColors.Height() + 2 * m_iMargin;
    }
    KeepOnScreen();
    MoveWindow(m_rectWindow, TRUE);
}

void CPalettePopup::KeepOnScreen()
{
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    if (m_rectWindow.right > cxScreen)
        m_rectWindow.OffsetRect(cxScreen - m_rectWindow.right, 0);
    if (m_rectWindow.left < 0)
        m_rectWindow.OffsetRect(-m_rectWindow.left, 0);
    if (m_rectWindow.bottom > cyScreen)
    {
        // Open above the button instead.
        CRect rectButton(0, 0, 0, 0);
        if (m_pButton != nullptr && m_pButton->GetSafeHwnd() != nullptr)
            m_pButton->GetWindowRect(&rectButton);
        m_rectWindow.OffsetRect(0, -(rectButton.Height() + m_rectWindow.Height()));
    }
}

void CPalettePopup::AddCellTips()
{
    if (!m_tips.Create(this))
        return;
    for (int i = 0; i < m_iColourCount; ++i)
    {
        CRect rect;
        if (CellRect(i, rect))
            m_tips.AddTool(this, PaletteName(i), &rect, 1);
    }
}

void CPalettePopup::MarkStartCell()
{
    if (m_crStart == CLR_DEFAULT && !m_strAutomaticText.IsEmpty())
    {
        m_iChosenCell = CELL_AUTOMATIC;
        return;
    }
    for (int i = 0; i < m_iColourCount; ++i)
    {
        if (PaletteColor(i) == m_crStart)
        {
            m_iChosenCell = i;
            return;
        }
    }
    m_iChosenCell = m_strMoreColorsText.IsEmpty() ? CELL_NONE : CELL_MORE_COLOURS;
}

// --- painting ---------------------------------------------------------------------------------------

void CPalettePopup::OnPaint()
{
    CPaintDC dc(this);
    if (!m_strAutomaticText.IsEmpty())
        PaintCell(&dc, CELL_AUTOMATIC);
    for (int i = 0; i < m_iColourCount; ++i)
        PaintCell(&dc, i);
    if (!m_strMoreColorsText.IsEmpty())
        PaintCell(&dc, CELL_MORE_COLOURS);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawEdge(&rect, EDGE_RAISED, BF_RECT);
}

void CPalettePopup::PaintCell(CDC* pDC, int iCell)
{
    CRect rect;
    if (!CellRect(iCell, rect))
        return;
    const BOOL bTextCell = iCell < 0;
    COLORREF crBack = ::GetSysColor(COLOR_BTNFACE);
    if (iCell == m_iChosenCell && iCell != m_iHighlightCell)
        crBack = ::GetSysColor(bTextCell ? COLOR_3DLIGHT : COLOR_3DHIGHLIGHT);
    UINT nEdge = 0;
    if (iCell == m_iHighlightCell)
        nEdge = BDR_RAISEDINNER;
    else if (iCell == m_iChosenCell)
        nEdge = BDR_SUNKENOUTER;

    if (iCell == CELL_AUTOMATIC)
        PaintTextCell(pDC, m_strAutomaticText, rect, crBack, nEdge, TRUE);
    else if (iCell == CELL_MORE_COLOURS)
    {
        // A separator line above the text cell.
        CRect rectText = rect;
        rectText.top += 2 * m_iMargin;
        pDC->FillSolidRect(&rectText, ::GetSysColor(COLOR_BTNFACE));
        const int iLineWidth = rect.Width() - 4 * m_iMargin;
        pDC->FillSolidRect(rect.left + 2 * m_iMargin, rect.top, iLineWidth, 1,
                           ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(rect.left + 2 * m_iMargin, rect.top + 1, iLineWidth, 1,
                           ::GetSysColor(COLOR_BTNHIGHLIGHT));
        rectText.DeflateRect(1, 1);
        PaintTextCell(pDC, m_strMoreColorsText, rectText, crBack, nEdge, FALSE);
    }
    else
        PaintColourCell(pDC, iCell, rect, crBack, nEdge);
}

void CPalettePopup::PaintColourCell(CDC* pDC, int iCell, CRect rect, COLORREF crBack, UINT nEdge)
{
    CPalette* pOldPalette = nullptr;
    if (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE)
    {
        pOldPalette = pDC->SelectPalette(&m_palette, FALSE);
        pDC->RealizePalette();
    }
    pDC->FillSolidRect(&rect, crBack);
    if (nEdge != 0)
        pDC->DrawEdge(&rect, nEdge, BF_RECT);

    rect.DeflateRect(m_iMargin + 1, m_iMargin + 1);
    const COLORREF cr = PaletteColor(iCell);
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CBrush brush(PALETTERGB(GetRValue(cr), GetGValue(cr), GetBValue(cr)));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(&rect);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}

void CPalettePopup::PaintTextCell(CDC* pDC, const CString& strText, CRect rect, COLORREF crBack, UINT nEdge,
                                  BOOL bOutline)
{
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    rect.DeflateRect(1, 1);
    pDC->FillSolidRect(&rect, crBack);
    if (bOutline)
    {
        CRect rectOutline = rect;
        rectOutline.DeflateRect(2 * m_iMargin, 2 * m_iMargin);
        CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen* pOldPen = pDC->SelectObject(&pen);
        CGdiObject* pOldBrush = pDC->SelectStockObject(HOLLOW_BRUSH);
        pDC->Rectangle(&rectOutline);
        pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
    }
    if (nEdge != 0)
        pDC->DrawEdge(&rect, nEdge, BF_RECT);
    const int iOldMode = pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(&m_font);
    pDC->DrawText(strText, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
    pDC->SetBkMode(iOldMode);
}

// --- highlighting and choosing ----------------------------------------------------------------------

void CPalettePopup::HighlightCell(int iCell)
{
    if (iCell >= m_iColourCount)
        iCell = CELL_MORE_COLOURS;
    CClientDC dc(this);
    const int iOld = m_iHighlightCell;
    m_iHighlightCell = iCell;
    if (iOld != CELL_NONE)
        PaintCell(&dc, iOld);
    PaintCell(&dc, iCell);

    if (iCell == CELL_MORE_COLOURS)
        SendToButton(WM_COLORPICK_CHANGED, m_crStart);
    else if (iCell == CELL_AUTOMATIC)
    {
        m_crCurrent = CLR_DEFAULT;
        SendToButton(WM_COLORPICK_CHANGED, CLR_DEFAULT);
    }
    else if (iCell >= 0)
    {
        m_crCurrent = PaletteColor(iCell);
        SendToButton(WM_COLORPICK_CHANGED, m_crCurrent);
    }
}

void CPalettePopup::OnMouseMove(UINT, CPoint point)
{
    int iCell = CELL_NONE;
    if (!m_strMoreColorsText.IsEmpty() && m_rectMoreColors.PtInRect(point))
        iCell = CELL_MORE_COLOURS;
    else if (!m_strAutomaticText.IsEmpty() && m_rectAutomatic.PtInRect(point))
        iCell = CELL_AUTOMATIC;
    else
    {
        for (int i = 0; i < m_iColourCount && iCell == CELL_NONE; ++i)
        {
            CRect rect;
            if (CellRect(i, rect) && rect.PtInRect(point))
                iCell = i;
        }
    }
    if (iCell != CELL_NONE && iCell != m_iHighlightCell)
        HighlightCell(iCell);
    Default();
}

void CPalettePopup::OnLButtonUp(UINT, CPoint point)
{
    Default();
    ClientToScreen(&point);
    FinishPick(m_rectWindow.PtInRect(point));
}

int CPalettePopup::FallbackCell() const
{
    if (!m_strMoreColorsText.IsEmpty())
        return CELL_MORE_COLOURS;
    if (!m_strAutomaticText.IsEmpty())
        return CELL_AUTOMATIC;
    return 0;
}

int CPalettePopup::ArrowTarget(UINT nChar) const
{
    const BOOL bAutomatic = !m_strAutomaticText.IsEmpty();
    const BOOL bMore = !m_strMoreColorsText.IsEmpty();
    const int iCell = m_iHighlightCell;
    const int iRow = CellRow(iCell);
    const int iColumn = CellColumn(iCell);
    // Before the first cell: the automatic cell, the more-colours cell or the last colour.
    const int iBeforeFirst = bAutomatic ? CELL_AUTOMATIC : bMore ? CELL_MORE_COLOURS : LastColourCell();
    switch (nChar)
    {
        case VK_DOWN:
        {
            if (iCell == CELL_AUTOMATIC)
                return 0;
            if (iCell == CELL_MORE_COLOURS)
                return bAutomatic ? CELL_AUTOMATIC : 0;
            const int iNext = CellIndex(iRow + 1, iColumn);
            return iNext != CELL_NONE ? iNext : FallbackCell();
        }
        case VK_UP:
            if (iCell == CELL_AUTOMATIC)
                return bMore ? CELL_MORE_COLOURS : LastColourCell();
            if (iCell == CELL_MORE_COLOURS)
                return LastColourCell();
            if (iRow > 0)
                return CellIndex(iRow - 1, iColumn);
            return iBeforeFirst;
        case VK_RIGHT:
        {
            if (iCell == CELL_AUTOMATIC)
                return 0;
            if (iCell == CELL_MORE_COLOURS)
                return bAutomatic ? CELL_AUTOMATIC : 0;
            const int iNext =
                iColumn < m_iColumns - 1 ? CellIndex(iRow, iColumn + 1) : CellIndex(iRow + 1, 0);
            return iNext != CELL_NONE ? iNext : FallbackCell();
        }
        default: // VK_LEFT
            if (iCell == CELL_AUTOMATIC)
                return bMore ? CELL_MORE_COLOURS : LastColourCell();
            if (iCell == CELL_MORE_COLOURS)
                return LastColourCell();
            if (iColumn > 0)
                return CellIndex(iRow, iColumn - 1);
            if (iColumn == 0 && iRow > 0)
                return CellIndex(iRow - 1, m_iColumns - 1);
            return iBeforeFirst;
    }
}

void CPalettePopup::OnKeyDown(UINT nChar, UINT, UINT)
{
    switch (nChar)
    {
        case VK_DOWN:
        case VK_UP:
        case VK_RIGHT:
        case VK_LEFT:
            HighlightCell(ArrowTarget(nChar));
            break;
        case VK_RETURN:
        case VK_SPACE:
            FinishPick(TRUE);
            return;
        case VK_ESCAPE:
            m_crCurrent = m_crStart;
            FinishPick(FALSE);
            return;
        default:
            break;
    }
    Default();
}

void CPalettePopup::FinishPick(BOOL bAccept)
{
    // A pick ends once: a deactivation while the colour dialog is open or while the window is being
    // destroyed is no second ending.
    if (m_bPickEnded)
        return;
    m_bPickEnded = TRUE;
    ::ReleaseCapture();
    if (bAccept && m_iHighlightCell == CELL_MORE_COLOURS)
    {
        CColorDialog dlg(m_crStart, CC_FULLOPEN | CC_ANYCOLOR, this);
        if (dlg.DoModal() == IDOK)
            m_crCurrent = dlg.GetColor();
        else
            bAccept = FALSE;
    }
    if (!bAccept)
        m_crCurrent = m_crStart;
    SendToButton(bAccept ? WM_COLORPICK_ACCEPTED : WM_COLORPICK_CANCELLED, m_crCurrent);
    DestroyWindow();
}

void CPalettePopup::SendToButton(UINT nMessage, COLORREF crColour)
{
    if (m_pButton != nullptr && m_pButton->GetSafeHwnd() != nullptr)
        m_pButton->SendMessage(nMessage, (WPARAM)crColour, 0);
}

// --- focus, activation, palette ---------------------------------------------------------------------

void CPalettePopup::OnKillFocus(CWnd*)
{
    Default();
    ::ReleaseCapture();
}

LRESULT CPalettePopup::OnActivateApp(WPARAM wParam, LPARAM)
{
    const LRESULT lResult = Default();
    if (!wParam)
        FinishPick(FALSE);
    return lResult;
}

BOOL CPalettePopup::PreTranslateMessage(MSG* pMsg)
{
    if (m_tips.GetSafeHwnd() != nullptr)
        m_tips.RelayEvent(pMsg);
    // Keep the mouse: a click anywhere ends the pick.
    if (::GetCapture() != m_hWnd)
    {
        SetCapture();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CPalettePopup::OnQueryNewPalette(WPARAM, LPARAM)
{
    Invalidate();
    return Default();
}

LRESULT CPalettePopup::OnPaletteChanged(WPARAM wParam, LPARAM)
{
    if ((HWND)wParam != m_hWnd)
        Invalidate();
    return Default();
}
