// The chart leaving the screen: the BMP file of the last painted image, printing, and the chart archive.
#include "charting/CPlot.h"

#include "charting/CDCEx.h"
#include "framework/AfxDib.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CBitmap.h"
#include "framework/CFile.h"
#include "framework/CPalette.h"
#include "framework/CPrintDialog.h"
#include "framework/CWindowDC.h"

#include <memory>
#include <vector>

// ---------------------------------------------------------------------------------------------------
// Bitmaps

bool CPlot::SaveBitmap(LPCSTR lpszFileName)
{
    if (!m_pSnapshot || m_hWnd == nullptr)
        return false;
    return AfxSaveBitmapAsDib(m_hWnd, lpszFileName, *m_pSnapshot, AfxDibColourTable::ByBitCount);
}

HGLOBAL CPlot::BitmapToDib(HBITMAP hBitmap, DWORD dwCompression, CPalette* pPalette)
{
    const HPALETTE hPalette = pPalette != nullptr ? static_cast<HPALETTE>(*pPalette) : nullptr;
    return AfxBitmapToDib(hBitmap, hPalette, AfxDibColourTable::ByBitCount, dwCompression);
}

bool CPlot::WriteDib(LPCSTR lpszFileName, HGLOBAL hDib)
{
    return AfxWriteDib(lpszFileName, hDib, AfxDibColourTable::ByBitCount);
}

HGLOBAL CPlot::GetWindowDib()
{
    if (m_hWnd == nullptr)
        return nullptr;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CWindowDC dcWindow(this);
    CDC dcCopy;
    CBitmap bitmap;
    if (!dcCopy.CreateCompatibleDC(&dcWindow) ||
        !bitmap.CreateCompatibleBitmap(&dcWindow, rcWindow.Width(), rcWindow.Height()))
        return nullptr;
    CBitmap* pOld = dcCopy.SelectObject(&bitmap);
    dcCopy.BitBlt(0, 0, rcWindow.Width(), rcWindow.Height(), &dcWindow, 0, 0, SRCCOPY);
    dcCopy.SelectObject(pOld);
    const HPALETTE hPalette = AfxCreateSystemPalette(dcWindow.m_hDC);
    HGLOBAL hDib = AfxBitmapToDib(bitmap, hPalette, AfxDibColourTable::ByBitCount);
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);
    return hDib;
}

// ---------------------------------------------------------------------------------------------------
// Printing

void CPlot::OnPrint()
{
    CPrintDialog dlg(FALSE,
                     PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION);
    if (dlg.DoModal() != IDOK || dlg.GetPrinterDC() == nullptr)
        return;
    CDCEx dc;
    dc.Attach(dlg.GetPrinterDC()); // owned: deleted with dc
    dc.ComputeScaleFactors(dc.m_hDC);
    const CRect rcPrint(0, 0, static_cast<int>(dc.GetDeviceCaps(HORZRES) / dc.m_fScaleX),
                        static_cast<int>(dc.GetDeviceCaps(VERTRES) / dc.m_fScaleY));
    dc.m_bScaling = true;
    PrintOn(&dc, rcPrint, true);
}

void CPlot::PrintTo(CDC* pDC)
{
    PrintToDevice(pDC, nullptr);
}

void CPlot::PrintToRect(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom)
{
    const CRect rect(nLeft, nTop, nRight, nBottom);
    PrintToDevice(pDC, &rect);
}

void CPlot::PrintToDevice(CDC* pDC, const CRect* pRect)
{
    const HDC hAttrib = pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->m_hDC;
    CDCEx dc;
    dc.Attach(pDC->m_hDC);
    dc.SetAttribDC(hAttrib);
    dc.ComputeScaleFactors(hAttrib);
    // A preview draws on its own device with the printer as attribute device: no document there.
    const bool bPrinter = pDC->m_hDC == hAttrib;
    const float fx = dc.m_fScaleX;
    const CRect rcPrint =
        pRect != nullptr ? CRect(static_cast<int>(pRect->left / fx), static_cast<int>(pRect->top / fx),
                                 static_cast<int>(pRect->right / fx), static_cast<int>(pRect->bottom / fx))
                         : CRect(0, 0, static_cast<int>(::GetDeviceCaps(hAttrib, HORZRES) / fx),
                                 static_cast<int>(::GetDeviceCaps(hAttrib, VERTRES) / dc.m_fScaleY));
    dc.m_bScaling = true;
    dc.m_bPreview = !bPrinter;
    PrintOn(&dc, rcPrint, bPrinter);
    dc.Detach();
}

bool CPlot::PrintOn(CDCEx* pDC, const CRect& rcPrint, bool bDocument)
{
    if (bDocument)
    {
        if (pDC->StartDoc("Graph") <= 0)
            return false;
        if (pDC->StartPage() <= 0)
        {
            pDC->AbortDoc();
            return false;
        }
    }
    m_rcPrint = rcPrint;
    m_pPrintDC = pDC;
    const int nSaved = pDC->SaveDC();
    Render(pDC, m_rcPrint);
    pDC->RestoreDC(nSaved);
    m_pPrintDC = nullptr;
    if (bDocument)
    {
        pDC->EndPage();
        pDC->EndDoc();
    }
    return true;
}

// ---------------------------------------------------------------------------------------------------
// Chart archive

void CPlot::Serialize(CArchive& ar, UINT nParts)
{
    if (ar.IsStoring())
        ar << nParts;
    else
        ar >> nParts;
    if (nParts & PLOT_ARCHIVE_SETTINGS)
        SerializeSettings(ar);
    if (nParts & PLOT_ARCHIVE_CURVES)
        SerializeCurvesAndAxes(ar);
    if (nParts & PLOT_ARCHIVE_OBJECTS)
        SerializeObjects(ar);
    if (ar.IsLoading())
        Redraw();
}

void CPlot::SerializeSettings(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<DWORD>(m_crBackground) << static_cast<DWORD>(m_crInnerArea)
           << static_cast<DWORD>(m_crPlotArea);
        ar << m_bDoubleBuffered << m_bLegendVisible << m_iLegendSide << m_bSnapToCurve;
        ar << m_iSnapRange << m_iMarginLeft << m_iMarginTop << m_iMarginRight << m_iMarginBottom
           << m_iAxisSpacing;
        ar << m_iHoverCurve;
        return;
    }
    DWORD crBackground, crInner, crPlot;
    ar >> crBackground >> crInner >> crPlot;
    ar >> m_bDoubleBuffered >> m_bLegendVisible >> m_iLegendSide >> m_bSnapToCurve;
    ar >> m_iSnapRange >> m_iMarginLeft >> m_iMarginTop >> m_iMarginRight >> m_iMarginBottom >>
        m_iAxisSpacing;
    ar >> m_iHoverCurve;
    m_crBackground = crBackground;
    m_crInnerArea = crInner;
    m_crPlotArea = crPlot;
}

namespace
{
// A count read from the archive; a negative one is a broken archive.
int ReadCount(CArchive& ar)
{
    int n;
    ar >> n;
    if (n < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    return n;
}
} // namespace

void CPlot::SerializeCurvesAndAxes(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << GetCurveCount();
        for (CPlotDataSerie& curve : m_Curves)
            curve.Serialize(ar);
        for (std::vector<CPlotAxis>* pAxes : {&m_XAxes, &m_YAxes})
        {
            ar << static_cast<int>(pAxes->size());
            for (CPlotAxis& axis : *pAxes)
                axis.Serialize(ar);
        }
        return;
    }
    for (int n = ReadCount(ar); n > 0; --n)
    {
        CPlotDataSerie curve;
        curve.Serialize(ar);
        curve.m_pGraph = this;
        m_Curves.push_back(curve);
    }
    for (std::vector<CPlotAxis>* pAxes : {&m_XAxes, &m_YAxes})
        for (int n = ReadCount(ar); n > 0; --n)
        {
            CPlotAxis axis;
            axis.Serialize(ar);
            axis.m_pGraph = this;
            pAxes->push_back(axis);
        }
}

void CPlot::SerializeObjects(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<int>(m_Measurements.size());
        for (const PlotMeasurement& measurement : m_Measurements)
            ar.Write(&measurement, sizeof(measurement));
        ar << static_cast<int>(m_Objects.size()) - 1;
        for (CPlotObject* pObject : m_Objects)
            if (pObject != &m_CursorLabel)
                ar.WriteObject(pObject);
        return;
    }
    for (int n = ReadCount(ar); n > 0; --n)
    {
        PlotMeasurement measurement;
        if (ar.Read(&measurement, sizeof(measurement)) != sizeof(measurement))
            AfxThrowArchiveException(CArchiveException::endOfFile);
        m_Measurements.push_back(measurement);
    }
    for (int n = ReadCount(ar); n > 0; --n)
    {
        CPlotObject* pRead = nullptr;
        ar >> pRead;
        std::unique_ptr<CPlotObject> pObject(pRead);
        if (!pObject)
            continue;
        pObject->m_pGraph = this;
        m_Objects.push_back(pObject.release());
    }
}

bool CPlot::Save(LPCSTR lpszFileName, UINT nParts)
{
    if (nParts == 0)
        return false;
    m_pActiveTracker = nullptr;
    m_pSelectedObject = nullptr;
    CFile file;
    if (!file.Open(lpszFileName, CFile::modeCreate | CFile::modeWrite))
        return false;
    try
    {
        CArchive ar(&file, CArchive::store, 4096);
        Serialize(ar, nParts);
        ar.Close();
        file.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
    return true;
}

bool CPlot::Load(LPCSTR lpszFileName)
{
    CFile file;
    if (!file.Open(lpszFileName, CFile::modeRead))
        return false;
    ResetAll();
    try
    {
        CArchive ar(&file, CArchive::load, 4096);
        Serialize(ar, 0);
    }
    catch (CException* e)
    {
        e->Delete();
        Redraw();
        return false;
    }
    return true;
}

bool CPlot::LoadKeepingCurves(LPCSTR lpszFileName)
{
    std::vector<CPlotDataSerie> curves = std::move(m_Curves);
    std::vector<CPlotAxis> xAxes = std::move(m_XAxes);
    std::vector<CPlotAxis> yAxes = std::move(m_YAxes);
    m_Curves.clear();
    m_XAxes.clear();
    m_YAxes.clear();
    const bool bLoaded = Load(lpszFileName);
    if (m_Curves.empty() && m_XAxes.empty() && m_YAxes.empty())
    {
        m_LegendEntries.clear();
        m_Curves = std::move(curves);
        m_XAxes = std::move(xAxes);
        m_YAxes = std::move(yAxes);
        Redraw();
    }
    return bLoaded;
}
