#include "storage/CReportPrinter.h"

#include "controls/CPictureBitmap.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CPrintDialog.h"
#include "framework/CWinApp.h"
#include "shell/CDateTimeText.h"
#include "shell/CEnvironment.h"
#include "storage/CBmpFileReader.h"
#include "storage/CPage.h"
#include "storage/CReportLayout.h"
#include "storage/StorageTexts.h"

const char* const CReportPrinter::PAPER_NOTE =
    "Im folgenden Druckerdialog wählen sie bitte DINA4 und Querformat !";
const char* const CReportPrinter::DOCUMENT_NAME = "Messen";

namespace
{
// The language slots of the date and time texts.
constexpr int SLOT_GERMAN = 0;
constexpr int SLOT_ENGLISH = 1000;
constexpr int SLOT_FRENCH = 2000;
constexpr int SLOT_SPANISH = 3000;

// The frame and the header cells, in centimetres.
constexpr double FRAME_LEFT = 2.5;
constexpr double FRAME_RIGHT = 19.2;
constexpr double FRAME_TOP = 1.7;
constexpr double FRAME_BOTTOM = 27.7;
constexpr double HEADER_BOTTOM = 4.2;
constexpr double CELL_LINES[2] = {5.0, 16.7};
constexpr double CENTRE = 10.85;
constexpr double DATE_CENTRE = 17.95;

// A font of the report: the context's current font in "Courier New" at the layout's height and weight.
bool CreateReportFont(CDC& dc, const CReportLayout& layout, CReportLayout::ReportFont font, CFont& result)
{
    LOGFONTA lf = {};
    CFont* pCurrent = dc.GetCurrentFont();
    if (pCurrent == nullptr || pCurrent->GetLogFont(&lf) == 0)
        return false;
    ::lstrcpynA(lf.lfFaceName, "Courier New", LF_FACESIZE);
    lf.lfWidth = 0;
    lf.lfHeight = layout.FontHeight(font);
    lf.lfWeight = layout.FontWeight(font);
    return result.CreatePointFontIndirect(&lf) != FALSE;
}
} // namespace

CReportPrinter::Result CReportPrinter::Print(CWnd* pOwner, ReportContent content, int iLanguageOffset)
{
    m_strError.Empty();
    AfxMessageBox(PAPER_NOTE, MB_OK);
    CPrintDialog dlg(FALSE, PRINT_DIALOG_FLAGS, pOwner);
    if (dlg.DoModal() != IDOK)
        return CANCELLED;
    if (!CBmpFileReader().Load(content.strLogoFile))
        ReportUnreadableLogo(content.strLogoFile, iLanguageOffset);
    CDC dc;
    if (!dc.Attach(dlg.GetPrinterDC()))
    {
        AddError("the print dialog gave no printer context");
        return FAILED;
    }
    dc.m_bPrinting = TRUE;
    const Result result = PrintOn(dc, pOwner, content, iLanguageOffset);
    dc.DeleteDC();
    return result;
}

CReportPrinter::Result CReportPrinter::PrintOn(CDC& dc, CWnd* pOwner, ReportContent& content,
                                               int iLanguageOffset)
{
    // Laid out by the context's pixels per inch: a printer's settings may name another print quality.
    m_iResolution = dc.GetDeviceCaps(LOGPIXELSX);
    if (m_iResolution <= 0)
    {
        AddError("the printer context has no resolution");
        return FAILED;
    }
    const int iWidth = dc.GetDeviceCaps(HORZRES);
    const int iHeight = dc.GetDeviceCaps(VERTRES);
    const CReportLayout layout(m_iResolution, iWidth, iHeight);
    if (dc.StartDoc(DOCUMENT_NAME) <= 0)
        AddSystemError("StartDoc");
    bool bPageEnded = false;
    {
        CPage page(0, 0, iWidth, iHeight, &dc, CPage::MAP_TEXT);
        if (dc.StartPage() <= 0)
            AddSystemError("StartPage");
        page.m_state.offsetX = 0;
        const CDateTimeText dateTime(SLOT_GERMAN, SLOT_ENGLISH, SLOT_FRENCH, SLOT_SPANISH, iLanguageOffset, 0,
                                     true);
        content.strDate = dateTime.m_strDate;
        content.strTime = dateTime.m_strTime;
        DrawReport(page, layout, content, pOwner);
        bPageEnded = dc.EndPage() > 0;
    }
    if (!bPageEnded)
    {
        AddSystemError("EndPage");
        dc.AbortDoc();
        return FAILED;
    }
    if (dc.EndDoc() <= 0)
    {
        AddSystemError("EndDoc");
        return FAILED;
    }
    return PRINTED;
}

void CReportPrinter::DrawReport(CPage& page, const CReportLayout& layout, const ReportContent& content,
                                CWnd* pPaletteWnd)
{
    CDC& dc = *page.m_state.pDC;
    DrawFrame(dc, layout);
    DrawTexts(dc, layout, content);
    if (!page.DrawBitmapFile(layout.Y(1.85), layout.X(2.65), layout.Y(4.05), layout.X(4.85),
                             content.strLogoFile))
        AddError("the logo " + content.strLogoFile + " cannot be read");
    DrawDiagram(page, layout, content.strDiagramFile, pPaletteWnd);
}

void CReportPrinter::DrawFrame(CDC& dc, const CReportLayout& layout)
{
    const POINT frame[5] = {{layout.X(FRAME_LEFT), layout.Y(FRAME_TOP)},
                            {layout.X(FRAME_RIGHT), layout.Y(FRAME_TOP)},
                            {layout.X(FRAME_RIGHT), layout.Y(FRAME_BOTTOM)},
                            {layout.X(FRAME_LEFT), layout.Y(FRAME_BOTTOM)},
                            {layout.X(FRAME_LEFT), layout.Y(FRAME_TOP)}};
    dc.Polyline(frame, 5);
    for (double dX : CELL_LINES)
    {
        dc.MoveTo(layout.X(dX), layout.Y(FRAME_TOP));
        dc.LineTo(layout.X(dX), layout.Y(HEADER_BOTTOM));
    }
    dc.MoveTo(layout.X(FRAME_LEFT), layout.Y(HEADER_BOTTOM));
    dc.LineTo(layout.X(FRAME_RIGHT), layout.Y(HEADER_BOTTOM));
}

void CReportPrinter::DrawTexts(CDC& dc, const CReportLayout& layout, const ReportContent& content)
{
    const struct
    {
        CReportLayout::ReportFont font;
        double dX;
        double dY;
        const CString& strText;
    } texts[] = {{CReportLayout::FONT_HEADLINE, CENTRE, 2.1, content.strHeadline},
                 {CReportLayout::FONT_TEXT, CENTRE, 3.4, content.strComment},
                 {CReportLayout::FONT_TEXT, CENTRE, 27.0, content.strAddress},
                 {CReportLayout::FONT_DATE, DATE_CENTRE, 2.5, content.strDate},
                 {CReportLayout::FONT_DATE, DATE_CENTRE, 3.2, content.strTime}};
    CFont fonts[3];
    for (int i = 0; i < 3; ++i)
    {
        if (!CreateReportFont(dc, layout, static_cast<CReportLayout::ReportFont>(i), fonts[i]))
            AddError("the report's fonts cannot be made");
    }
    const UINT nAlign = dc.SetTextAlign(TA_CENTER | TA_TOP);
    CFont* pOldFont = nullptr;
    for (const auto& text : texts)
    {
        CFont* pPrevious = fonts[text.font].m_hObject ? dc.SelectObject(&fonts[text.font]) : nullptr;
        if (pOldFont == nullptr)
            pOldFont = pPrevious;
        dc.TextOut(layout.X(text.dX), layout.Y(text.dY), text.strText);
    }
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    dc.SetTextAlign(nAlign);
}

void CReportPrinter::DrawDiagram(CPage& page, const CReportLayout& layout, const CString& strFile,
                                 CWnd* pPaletteWnd)
{
    CPictureBitmap picture(RGB(255, 255, 255));
    if (!picture.LoadImageFile(strFile))
    {
        // The area stays empty; the rest of the page is printed.
        AddError("the diagram " + strFile + " cannot be read");
        return;
    }
    if (!picture.Rotate(270, FALSE) ||
        !CEnvironment::SaveBitmapToFile(pPaletteWnd, strFile, static_cast<HBITMAP>(picture.m_hObject)))
    {
        AddError("the turned diagram cannot be written to " + strFile);
        return;
    }
    const CRect rc = layout.GetDiagramRect();
    if (!page.DrawBitmapFile(rc.top, rc.left, rc.bottom, rc.right, strFile))
        AddError("the turned diagram " + strFile + " cannot be read");
}

// The report is printed all the same, with the logo's cell left empty.
void CReportPrinter::ReportUnreadableLogo(const CString& strFile, int iLanguageOffset)
{
    CString strFormat;
    strFormat.LoadString(IDS_REPORT_LOGO_UNREADABLE + static_cast<UINT>(iLanguageOffset));
    CString strText;
    strText.Format(strFormat, strFile.GetString());
    AfxMessageBox(strText, MB_OK | MB_ICONWARNING);
}

void CReportPrinter::AddError(const CString& strError)
{
    m_strError += (m_strError.IsEmpty() ? CString() : CString("; ")) + strError;
}

void CReportPrinter::AddSystemError(LPCSTR lpszCall)
{
    CString strError;
    strError.Format("%s failed (error %lu)", lpszCall, ::GetLastError());
    AddError(strError);
}
