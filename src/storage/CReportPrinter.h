// Prints the one-page report of a measurement: after a fixed note on the paper, the print dialog, then a
// document "Messen" with one page: frame and header cells, headline, comment, address, date and time,
// the logo and the diagram picture turned a quarter turn. The page is laid out by the printer context's
// pixels per inch. User-interface thread only.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CDC;
class CPage;
class CReportLayout;
class CWnd;

// What the report shows: its texts as the documentation holds them, and its two picture files.
struct ReportContent
{
    CString strHeadline;
    CString strComment; // joined lines
    CString strAddress; // joined lines
    CString strDate;
    CString strTime;
    CString strLogoFile;
    CString strDiagramFile; // turned and written back before it is printed
};

class CReportPrinter
{
public:
    enum Result
    {
        PRINTED,
        CANCELLED,
        FAILED
    };
    // Flags of the print dialog: no selection, no page numbers, copies and collation from the printer
    // settings, no print-to-file box.
    static constexpr unsigned long PRINT_DIALOG_FLAGS = 0x14000C;
    static const char* const PAPER_NOTE;
    static const char* const DOCUMENT_NAME;

    // The note, the dialog owned by pOwner, the page; the date and time texts of now in the language. A logo
    // that cannot be read is named in a message before the page is printed without it.
    Result Print(CWnd* pOwner, ReportContent content, int iLanguageOffset);
    // Draws the report on the page's context; the diagram file is turned and written back first (with
    // pPaletteWnd's palette). An unreadable diagram or logo leaves its area empty.
    void DrawReport(CPage& page, const CReportLayout& layout, const ReportContent& content,
                    CWnd* pPaletteWnd);

    // The pixels per inch of the last printer context; 0 before one was had.
    int m_iResolution = 0;
    // What went wrong in the last Print or DrawReport, also where the page was still printed (a picture
    // that cannot be read); empty when nothing did.
    CString m_strError;

private:
    Result PrintOn(CDC& dc, CWnd* pOwner, ReportContent& content, int iLanguageOffset);
    void DrawFrame(CDC& dc, const CReportLayout& layout);
    void DrawTexts(CDC& dc, const CReportLayout& layout, const ReportContent& content);
    void DrawDiagram(CPage& page, const CReportLayout& layout, const CString& strFile, CWnd* pPaletteWnd);
    // A message naming the logo file that cannot be read, in the language of the offset.
    void ReportUnreadableLogo(const CString& strFile, int iLanguageOffset);
    void AddError(const CString& strError);
    void AddSystemError(LPCSTR lpszCall);
};
