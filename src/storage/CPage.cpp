// The page: construction, saved states, units, limits and settings, regions, tables and bitmap files.
#include "storage/CPage.h"

#include "framework/CDC.h"
#include "framework/CRect.h"
#include "framework/CWinApp.h"
#include "storage/CBmpFileReader.h"
#include "storage/CPrintRegion.h"
#include "storage/CPrintTable.h"
#include "storage/TableLayout.h"

#include <commdlg.h>

#include <algorithm>

namespace
{
constexpr int ANISOTROPIC_EXTENT = 1000;
constexpr double LANDSCAPE_PRINT_WIDTH = 10.5;
constexpr double LANDSCAPE_CENTRED_FROM = 10.9;
constexpr double PORTRAIT_PRINT_WIDTH = 8.0;
} // namespace

CPage::CPage(int nLeft, int nTop, int nRight, int nBottom, CDC* pDC, int nMapMode)
{
    const bool bAnisotropic = nMapMode == MAP_ANISOTROPIC;
    pDC->SetMapMode(bAnisotropic ? MM_ANISOTROPIC : MM_TEXT);
    m_state.pDC = pDC;
    m_state.pTextMetrics = &m_textMetrics;
    m_orientation = pDC->IsPrinting() ? ReadPrinterOrientation() : 0;
    if (bAnisotropic)
    {
        pDC->SetWindowOrg(0, 0);
        pDC->SetWindowExt(ANISOTROPIC_EXTENT, ANISOTROPIC_EXTENT);
        pDC->SetViewportOrg(nLeft, nTop);
        pDC->SetViewportExt(nRight, nBottom);
        m_state.pageWidth = ANISOTROPIC_EXTENT;
        m_state.pageHeight = ANISOTROPIC_EXTENT;
        m_state.SetRect(0, 0, ANISOTROPIC_EXTENT, ANISOTROPIC_EXTENT);
    }
    else
    {
        m_state.pageWidth = nRight;
        m_state.pageHeight = nBottom;
        m_state.SetRect(nTop, nLeft, nBottom, nRight);
    }
    m_pixelsPerInchX = std::max(1, pDC->GetDeviceCaps(LOGPIXELSX));
    m_pixelsPerInchY = std::max(1, pDC->GetDeviceCaps(LOGPIXELSY));
    m_widthInches = static_cast<double>(nRight) / m_pixelsPerInchX;
    m_heightInches = static_cast<double>(nBottom) / m_pixelsPerInchY;
    m_state.offsetX = InchToUnits(ExcessPrintWidth(m_orientation, m_widthInches), PAGE_HORIZONTAL) / 2;
}

CPage::~CPage() = default;

double CPage::ExcessPrintWidth(int nOrientation, double dWidthInches)
{
    if (nOrientation == DMORIENT_LANDSCAPE)
        return dWidthInches > LANDSCAPE_CENTRED_FROM ? dWidthInches - LANDSCAPE_PRINT_WIDTH : 0.0;
    return dWidthInches > PORTRAIT_PRINT_WIDTH ? dWidthInches - PORTRAIT_PRINT_WIDTH : 0.0;
}

int CPage::ReadPrinterOrientation()
{
    CWinApp* pApp = AfxGetApp();
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    if (pApp == nullptr || !pApp->GetPrinterDeviceDefaults(&pd) || pd.hDevMode == nullptr)
        return 0;
    const auto* pMode = static_cast<const DEVMODEA*>(::GlobalLock(pd.hDevMode));
    if (pMode == nullptr)
        return 0;
    const int nOrientation = (pMode->dmFields & DM_ORIENTATION) ? pMode->dmOrientation : 0;
    ::GlobalUnlock(pd.hDevMode);
    return nOrientation;
}

// ---- Saved states --------------------------------------------------------------------------------

void CPage::PushState()
{
    if (m_stackTop + 1 >= STATE_DEPTH)
    {
        ++m_ignoredPushes;
        return;
    }
    m_stateStack[++m_stackTop] = m_state;
}

void CPage::PopState()
{
    if (m_ignoredPushes > 0)
    {
        --m_ignoredPushes;
        return;
    }
    if (m_stackTop >= 0)
        m_state = m_stateStack[m_stackTop--];
}

// ---- Units ---------------------------------------------------------------------------------------

bool CPage::IsAnisotropic() const
{
    return m_state.pDC->GetMapMode() != MM_TEXT;
}

int CPage::InchToUnits(double dInches, PageAxis axis) const
{
    if (dInches <= 0)
        return 0;
    const bool bHorizontal = axis == PAGE_HORIZONTAL;
    if (!IsAnisotropic())
        return static_cast<int>(dInches * (bHorizontal ? m_pixelsPerInchX : m_pixelsPerInchY));
    const double dInchesPerUnit =
        bHorizontal ? m_widthInches / m_state.pageWidth : m_heightInches / m_state.pageHeight;
    return static_cast<int>(dInches / dInchesPerUnit);
}

double CPage::UnitsToInch(int nUnits, PageAxis axis) const
{
    if (nUnits < 1)
        return 0.0;
    const bool bHorizontal = axis == PAGE_HORIZONTAL;
    if (!IsAnisotropic())
        return static_cast<double>(nUnits) / (bHorizontal ? m_pixelsPerInchX : m_pixelsPerInchY);
    return nUnits * (bHorizontal ? m_widthInches / m_state.pageWidth : m_heightInches / m_state.pageHeight);
}

CRect CPage::RectToUnits(double dTop, double dLeft, double dBottom, double dRight) const
{
    return CRect(InchToUnits(dLeft, PAGE_HORIZONTAL), InchToUnits(dTop, PAGE_VERTICAL),
                 InchToUnits(dRight, PAGE_HORIZONTAL), InchToUnits(dBottom, PAGE_VERTICAL));
}

// ---- Limits and settings -------------------------------------------------------------------------

namespace
{
int SetLimit(int& nLimit, int nValue, int nPageSize)
{
    const int nPrevious = nLimit;
    if (nValue > 0)
        nLimit = nValue;
    else if (nValue == -1)
        nLimit = nPageSize;
    return nPrevious;
}
} // namespace

int CPage::RightLimit(int nValue)
{
    return SetLimit(m_state.right, nValue, m_state.pageWidth);
}

int CPage::BottomLimit(int nValue)
{
    return SetLimit(m_state.bottom, nValue, m_state.pageHeight);
}

double CPage::RightLimitIn(double dInches)
{
    const int nValue = dInches == -1.0 ? -1 : InchToUnits(dInches, PAGE_HORIZONTAL);
    return UnitsToInch(RightLimit(nValue), PAGE_HORIZONTAL);
}

double CPage::BottomLimitIn(double dInches)
{
    const int nValue = dInches == -1.0 ? -1 : InchToUnits(dInches, PAGE_VERTICAL);
    return UnitsToInch(BottomLimit(nValue), PAGE_VERTICAL);
}

void CPage::SetTextSource(PAGE_TEXT_SOURCE pfnSource)
{
    m_pfnTextSource = pfnSource;
}

double CPage::SetLineSpacing(double dFactor)
{
    const double dPrevious = m_lineSpacing;
    if (dFactor > 0)
        m_lineSpacing = dFactor;
    return dPrevious;
}

CString CPage::SetFaceName(LPCSTR lpszFaceName)
{
    CString strPrevious = m_state.faceName;
    if (lpszFaceName != nullptr)
        m_state.faceName = lpszFaceName;
    return strPrevious;
}

double CPage::GetTextEnd(BOOL bInches, BOOL bMargin)
{
    const int nEnd = m_textEndX + (bMargin ? m_textMetrics.tmMaxCharWidth : 0);
    return bInches ? UnitsToInch(nEnd, PAGE_HORIZONTAL) : nEnd;
}

COLORREF CPage::ChangeTextColor(COLORREF crColor)
{
    return m_state.pDC->SetTextColor(crColor);
}

int CPage::ChangePointSize(int nPointSize)
{
    const int nPrevious = m_state.pointSize;
    m_state.pointSize = nPointSize;
    return nPrevious;
}

// ---- Regions, tables, bitmap files ---------------------------------------------------------------

CPrintRegion* CPage::AddRegion(int nTop, int nLeft, int nBottom, int nRight, int nFillFlags)
{
    auto pRegion = std::make_unique<CPrintRegion>();
    pRegion->m_fillFlags = nFillFlags;
    if (!pRegion->Place(this, nTop, nLeft, nRight, nBottom, nFillFlags))
        return nullptr;
    m_regions.push_back(std::move(pRegion));
    return m_regions.back().get();
}

CPrintRegion* CPage::AddRegionIn(double dTop, double dLeft, double dBottom, double dRight, int nFillFlags)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    return AddRegion(rect.top, rect.left, rect.bottom, rect.right, nFillFlags);
}

void CPage::AddTable(TableLayout& layout)
{
    if (layout.columns < 1 || layout.columns > TABLE_MAX_COLUMNS)
        return;
    if (layout.withoutHeader == 1)
        layout.headerHeight = 0;
    if (layout.inInches != 0)
    {
        layout.top = InchToUnits(layout.top, PAGE_VERTICAL);
        layout.left = InchToUnits(layout.left, PAGE_HORIZONTAL);
        layout.right = InchToUnits(layout.right, PAGE_HORIZONTAL);
        layout.bottom = InchToUnits(layout.bottom, PAGE_VERTICAL);
        for (int i = 0; i < layout.columns; ++i)
            layout.columnSpecs[i].width = InchToUnits(layout.columnSpecs[i].width, PAGE_HORIZONTAL);
    }
    if (RightLimit(0) < layout.right)
        return;
    m_tables.push_back(std::make_unique<CPrintTable>(layout, this));
    layout.pTable = m_tables.back().get();
    const PageState saved = m_state;
    layout.pTable->Render();
    if (layout.inInches != 0)
        layout.bottom = UnitsToInch(static_cast<int>(layout.bottom), PAGE_VERTICAL);
    m_state = saved;
}

void CPage::FormatInCell(TableLayout& layout, int nRow, int nColumn, int nPointSize, int nFlags,
                         LPCSTR lpszFormat, ...)
{
    CPrintTable* pTable = layout.pTable;
    if (pTable == nullptr)
        return;
    char szText[1000] = {};
    if (lpszFormat != nullptr)
    {
        va_list args;
        va_start(args, lpszFormat);
        __mingw_vsnprintf(szText, sizeof(szText), lpszFormat, args);
        va_end(args);
    }
    PushState();
    if (pTable->m_pLayout->plainCells != 0)
        pTable->CellTextPlain(szText, nRow, nColumn, nPointSize, nFlags);
    else
        pTable->CellText(szText, nRow, nColumn, nPointSize, nFlags);
    m_textEndX = m_state.lastRight;
    PopState();
}

BOOL CPage::DrawBitmapFile(int nTop, int nLeft, int nBottom, int nRight, LPCSTR lpszFileName)
{
    PushState();
    m_state.SetRect(nTop, nLeft, nBottom, nRight);
    m_state.text = lpszFileName ? lpszFileName : "";
    CBmpFileReader reader;
    const bool bDrawn =
        reader.Load(m_state.text) && reader.Draw(*m_state.pDC, nLeft, nTop, nRight - nLeft, nBottom - nTop);
    PopState();
    return bDrawn;
}

BOOL CPage::DrawBitmapFileIn(double dTop, double dLeft, double dBottom, double dRight, LPCSTR lpszFileName)
{
    const CRect rect = RectToUnits(dTop, dLeft, dBottom, dRight);
    return DrawBitmapFile(rect.top, rect.left, rect.bottom, rect.right, lpszFileName);
}
