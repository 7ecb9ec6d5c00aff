// The chart leaving the screen: the BMP file of the last painted image, printing, and the chart archive.
#include "charting/CPlot.h"

#include "charting/CDCEx.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CFile.h"
#include "framework/CPalette.h"
#include "framework/CPrintDialog.h"
#include "framework/CWindowDC.h"

#include <memory>
#include <vector>

namespace
{
constexpr DWORD kFileHeaderSize = sizeof(BITMAPFILEHEADER);
static_assert(kFileHeaderSize == 14);

// 2 to the power of the bits per pixel modulo 32 (one entry for 32 bits), none above 256.
DWORD ColourTableEntries(WORD wBitCount)
{
    const DWORD n = 1u << (wBitCount % 32);
    return n > 256 ? 0 : n;
}

// The logical palette of a palette device (the system palette's first 255 entries); none otherwise.
std::unique_ptr<CPalette> SystemPalette(CDC& dc)
{
    if ((dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) == 0)
        return nullptr;
    constexpr UINT kEntries = 255;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + kEntries * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries =
        static_cast<WORD>(::GetSystemPaletteEntries(dc.m_hDC, 0, kEntries, pLogPalette->palPalEntry));
    auto pPalette = std::make_unique<CPalette>();
    if (pLogPalette->palNumEntries == 0 || !pPalette->CreatePalette(pLogPalette))
        return nullptr;
    return pPalette;
}

// A global block that frees itself unless released.
struct GlobalBlock
{
    HGLOBAL h = nullptr;
    ~GlobalBlock()
    {
        if (h != nullptr)
            ::GlobalFree(h);
    }
    HGLOBAL Release() { return std::exchange(h, nullptr); }
};
} // namespace

// ---------------------------------------------------------------------------------------------------
// Bitmaps

bool CPlot::SaveBitmap(LPCSTR lpszFileName)
{
    if (!m_pSnapshot || m_hWnd == nullptr)
        return false;
    CClientDC dc(this);
    const std::unique_ptr<CPalette> pPalette = SystemPalette(dc);
    GlobalBlock dib{BitmapToDib(*m_pSnapshot, BI_RGB, pPalette.get())};
    return dib.h != nullptr && WriteDib(lpszFileName, dib.h);
}

HGLOBAL CPlot::BitmapToDib(HBITMAP hBitmap, DWORD dwCompression, CPalette* pPalette)
{
    if (dwCompression == BI_BITFIELDS || hBitmap == nullptr)
        return nullptr;
    BITMAP bm;
    if (::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        return nullptr;
    const int nPlaneBits = bm.bmPlanes * bm.bmBitsPixel;
    const WORD wBitCount = static_cast<WORD>(nPlaneBits >= 32 ? nPlaneBits : bm.bmPlanes * 32);
    const DWORD nEntries = ColourTableEntries(wBitCount);
    const DWORD cbHeader = sizeof(BITMAPINFOHEADER) + nEntries * sizeof(RGBQUAD);

    const HPALETTE hPalette = pPalette != nullptr ? static_cast<HPALETTE>(*pPalette)
                                                  : static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    const HDC hDC = ::GetDC(nullptr);
    const HPALETTE hOldPalette = ::SelectPalette(hDC, hPalette, FALSE);
    ::RealizePalette(hDC);

    GlobalBlock dib{::GlobalAlloc(GHND, cbHeader)};
    bool bOk = dib.h != nullptr;
    if (bOk)
    {
        auto* pbi = static_cast<BITMAPINFOHEADER*>(::GlobalLock(dib.h));
        *pbi = {
            sizeof(BITMAPINFOHEADER), bm.bmWidth, bm.bmHeight, 1, wBitCount, dwCompression, 0, 0, 0, 0, 0};
        bOk = ::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(bm.bmHeight), nullptr,
                          reinterpret_cast<BITMAPINFO*>(pbi), DIB_RGB_COLORS) != 0;
        DWORD cbImage = pbi->biSizeImage;
        if (cbImage == 0)
        {
            cbImage = ((static_cast<DWORD>(bm.bmWidth) * wBitCount + 31) & ~31u) / 8 * bm.bmHeight;
            if (dwCompression != BI_RGB)
                cbImage = cbImage * 3 / 2;
        }
        pbi->biSizeImage = cbImage;
        const BITMAPINFOHEADER bi = *pbi;
        ::GlobalUnlock(dib.h);
        HGLOBAL hLarger = bOk ? ::GlobalReAlloc(dib.h, cbHeader + cbImage, GMEM_MOVEABLE) : nullptr;
        bOk = hLarger != nullptr;
        if (bOk)
        {
            dib.h = hLarger;
            auto* pbiLarger = static_cast<BITMAPINFOHEADER*>(::GlobalLock(dib.h));
            *pbiLarger = bi;
            BYTE* pBits = reinterpret_cast<BYTE*>(pbiLarger) + cbHeader;
            bOk = ::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(bm.bmHeight), pBits,
                              reinterpret_cast<BITMAPINFO*>(pbiLarger), DIB_RGB_COLORS) != 0;
            ::GlobalUnlock(dib.h);
        }
    }
    ::SelectPalette(hDC, hOldPalette, FALSE);
    ::ReleaseDC(nullptr, hDC);
    return bOk ? dib.Release() : nullptr;
}

bool CPlot::WriteDib(LPCSTR lpszFileName, HGLOBAL hDib)
{
    if (hDib == nullptr)
        return false;
    const auto* pbi = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDib));
    if (pbi == nullptr)
        return false;
    const DWORD cbHeader = pbi->biSize + ColourTableEntries(pbi->biBitCount) * sizeof(RGBQUAD);
    const DWORD cbPacked = cbHeader + pbi->biSizeImage;
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42; // "BM"
    bfh.bfSize = kFileHeaderSize + cbPacked;
    bfh.bfOffBits = kFileHeaderSize + cbHeader;
    bool bOk = false;
    const HANDLE hFile =
        ::CreateFileA(lpszFileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE)
    {
        DWORD nWritten = 0, nWrittenDib = 0;
        bOk = ::WriteFile(hFile, &bfh, kFileHeaderSize, &nWritten, nullptr) && nWritten == kFileHeaderSize &&
              ::WriteFile(hFile, pbi, cbPacked, &nWrittenDib, nullptr) && nWrittenDib == cbPacked;
        bOk = ::CloseHandle(hFile) && bOk;
    }
    ::GlobalUnlock(hDib);
    return bOk;
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
    const std::unique_ptr<CPalette> pPalette = SystemPalette(dcWindow);
    return BitmapToDib(bitmap, BI_RGB, pPalette.get());
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
