// One printed page laid out on a device context: text at a position, in a rectangle or in a region, lines,
// boxes, tick boxes, tables and bitmap files, in device units or in inches. The page keeps a drawing state
// and ten saved copies of it; CPrinter turns the state into GDI calls.
//
// Rectangles are passed as top, left, bottom, right. Flags of PRINT_KEEP_FLAGS keep the current ones and a
// point size of 0 or less keeps the current size. Operations that "save" push the state before and pop it
// afterwards; the others leave the position, text, flags and size they set. The text operations return the
// next row: the bottom of the rectangle the text needed, plus the extra line spacing.
#pragma once

#include "storage/CPrinter.h"
#include "storage/PageState.h"

#include <cstdarg>
#include <memory>
#include <vector>

class CDC;
class CPrintRegion;
class CRect;
class CPrintTable;
struct TableLayout;

// Source of text for the callback operations.
typedef const char* (*PAGE_TEXT_SOURCE)(void* pData);

enum PageAxis
{
    PAGE_HORIZONTAL,
    PAGE_VERTICAL
};

#define PAGE_PRINTF(fmt, args) __attribute__((format(gnu_printf, fmt, args)))

class CPage
{
public:
    enum
    {
        MAP_TEXT = 1,        // device units
        MAP_ANISOTROPIC = 8, // a page of 1000 x 1000 units stretched over the rectangle
        STATE_DEPTH = 10,
        FORMAT_BUFFER_SIZE = 5120
    };

    // A page over (nLeft, nTop, nRight, nBottom) of pDC; any other mapping mode than MAP_ANISOTROPIC counts
    // as MAP_TEXT. The page is centred on a wider sheet by offsetX (see ExcessPrintWidth).
    CPage(int nLeft, int nTop, int nRight, int nBottom, CDC* pDC, int nMapMode);
    virtual ~CPage();
    CPage(const CPage&) = delete;
    CPage& operator=(const CPage&) = delete;

    virtual void SetTextSource(PAGE_TEXT_SOURCE pfnSource);
    // Text at the current row from nColumn (-1: where the previous text ended), broken at words inside the
    // right limit. Nothing is drawn beyond the right or bottom limit; then the current row is returned.
    virtual int PutText(LPCSTR lpszText, int nColumn, int nFlags, int nPointSize);
    // Saves; formatted text in a cell of a table made by AddTable; nothing for a layout without table or a
    // column outside it.
    virtual void FormatInCell(TableLayout& layout, int nRow, int nColumn, int nPointSize, int nFlags,
                              LPCSTR lpszFormat, ...) PAGE_PRINTF(7, 8);
    // Region operations place text relative to the region's body and return the next row relative to it.
    virtual double CallbackInRegionIn(CPrintRegion* pRegion, double dRow, double dColumn, int nFlags,
                                      int nPointSize, void* pData);
    virtual int CallbackInRegion(CPrintRegion* pRegion, int nRow, int nColumn, int nFlags, int nPointSize,
                                 void* pData);
    virtual double FormatInRegionIn(CPrintRegion* pRegion, double dRow, double dColumn, int nFlags,
                                    int nPointSize, LPCSTR lpszFormat, ...) PAGE_PRINTF(7, 8);
    virtual int FormatInRegion(CPrintRegion* pRegion, int nRow, int nColumn, int nFlags, int nPointSize,
                               LPCSTR lpszFormat, ...) PAGE_PRINTF(7, 8);
    virtual double CallbackAtIn(double dRow, double dColumn, void* pData);
    virtual int CallbackAt(int nRow, int nColumn, void* pData);
    virtual double FormatAtIn(double dRow, double dColumn, LPCSTR lpszFormat, ...) PAGE_PRINTF(4, 5);
    virtual int FormatAt(int nRow, int nColumn, LPCSTR lpszFormat, ...) PAGE_PRINTF(4, 5);
    virtual double CallbackAtExIn(double dRow, double dColumn, int nFlags, int nPointSize, void* pData);
    // As FormatAtExIn; *pColumn then receives where the text ended, in inches.
    virtual double FormatFlowIn(double dRow, double* pColumn, int nFlags, int nPointSize, LPCSTR lpszFormat,
                                ...) PAGE_PRINTF(6, 7);
    virtual double FormatAtExIn(double dRow, double dColumn, int nFlags, int nPointSize, LPCSTR lpszFormat,
                                ...) PAGE_PRINTF(6, 7);
    virtual int CallbackAtEx(int nRow, int nColumn, int nFlags, int nPointSize, void* pData);
    // As FormatAtEx; *pColumn then receives where the text ended.
    virtual int FormatFlow(int nRow, int* pColumn, int nFlags, int nPointSize, LPCSTR lpszFormat, ...)
        PAGE_PRINTF(6, 7);
    virtual int FormatAtEx(int nRow, int nColumn, int nFlags, int nPointSize, LPCSTR lpszFormat, ...)
        PAGE_PRINTF(6, 7);
    // Rectangle operations save; in a region the rectangle is relative to its body and kept inside it.
    virtual void CallbackInRegionRectIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                                        double dRight, int nFlags, int nPointSize, void* pData);
    virtual void CallbackInRegionRect(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight,
                                      int nFlags, int nPointSize, void* pData);
    virtual void TextInRegionRectIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                                    double dRight, int nFlags, int nPointSize, LPCSTR lpszText);
    virtual void TextInRegionRect(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight,
                                  int nFlags, int nPointSize, LPCSTR lpszText);
    virtual void CallbackInRectIn(double dTop, double dLeft, double dBottom, double dRight, int nFlags,
                                  int nPointSize, void* pData);
    virtual void CallbackInRect(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                                void* pData);
    virtual void TextInRectIn(double dTop, double dLeft, double dBottom, double dRight, int nFlags,
                              int nPointSize, LPCSTR lpszText);
    // Nothing when the rectangle starts beyond the right or bottom limit.
    virtual void TextInRect(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                            LPCSTR lpszText);
    // Sets a positive factor; returns the previous one.
    virtual double SetLineSpacing(double dFactor);
    // Returns the previous face name; sets a given one.
    virtual CString SetFaceName(LPCSTR lpszFaceName);
    // Where the last text ended, plus the widest character with bMargin, in inches with bInches.
    virtual double GetTextEnd(BOOL bInches, BOOL bMargin);
    virtual COLORREF ChangeTextColor(COLORREF crColor);
    virtual int ChangePointSize(int nPointSize);
    // Return the current limit; a positive value sets it, -1 resets it to the page's size, 0 only reads.
    virtual double RightLimitIn(double dInches);
    virtual int RightLimit(int nValue);
    virtual double BottomLimitIn(double dInches);
    virtual int BottomLimit(int nValue);
    // Lines and boxes save; line flags and fill flags of PRINT_KEEP_FLAGS keep the current ones.
    virtual void DrawLineInRegionIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                                    double dRight, int nWidth, int nLineFlags);
    virtual void DrawLineInRegion(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight,
                                  int nWidth, int nLineFlags);
    virtual void DrawLineIn(double dTop, double dLeft, double dBottom, double dRight, int nWidth,
                            int nLineFlags);
    virtual void DrawLine(int nTop, int nLeft, int nBottom, int nRight, int nWidth, int nLineFlags);
    virtual void DrawRectangleInRegionIn(CPrintRegion* pRegion, double dTop, double dLeft, double dBottom,
                                         double dRight, int nWidth, int nFillFlags, int nLineFlags);
    virtual void DrawRectangleInRegion(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight,
                                       int nWidth, int nFillFlags, int nLineFlags);
    virtual void DrawRectangleIn(double dTop, double dLeft, double dBottom, double dRight, int nWidth,
                                 int nFillFlags, int nLineFlags);
    virtual void DrawRectangle(int nTop, int nLeft, int nBottom, int nRight, int nWidth, int nFillFlags,
                               int nLineFlags);
    // A square box of the point size with its label before it (bLabelFirst 1) or two box widths right of
    // it; checked, the box is shaded with nFill or, without a fill, crossed.
    virtual void DrawTickBoxInRegionIn(CPrintRegion* pRegion, LPCSTR lpszLabel, BOOL bChecked, double dRow,
                                       double dColumn, int nPointSize, int bLabelFirst, int nWidth, int nFill,
                                       int nFlags);
    virtual void DrawTickBoxInRegion(CPrintRegion* pRegion, LPCSTR lpszLabel, BOOL bChecked, int nRow,
                                     int nColumn, int nPointSize, int bLabelFirst, int nWidth, int nFill,
                                     int nFlags);
    virtual void DrawTickBoxIn(LPCSTR lpszLabel, BOOL bChecked, double dRow, double dColumn, int nPointSize,
                               int bLabelFirst, int nWidth, int nFill, int nFlags);
    virtual void DrawTickBox(LPCSTR lpszLabel, BOOL bChecked, int nRow, int nColumn, int nPointSize,
                             int bLabelFirst, int nWidth, int nFill, int nFlags);
    // Draws the table of the layout and sets layout.pTable; the page keeps the table until it ends. A table
    // beyond the right limit, or without columns or with more than 25, is not drawn.
    virtual void AddTable(TableLayout& layout);
    // A region of the page, shaded; null when it does not lie on the page. The page keeps it.
    virtual CPrintRegion* AddRegion(int nTop, int nLeft, int nBottom, int nRight, int nFillFlags);
    virtual CPrintRegion* AddRegionIn(double dTop, double dLeft, double dBottom, double dRight,
                                      int nFillFlags);
    // Saves; the BMP file stretched into the rectangle (offsetX does not apply). FALSE, nothing drawn,
    // for a file that cannot be read or whose headers do not fit its size.
    virtual BOOL DrawBitmapFileIn(double dTop, double dLeft, double dBottom, double dRight,
                                  LPCSTR lpszFileName);
    virtual BOOL DrawBitmapFile(int nTop, int nLeft, int nBottom, int nRight, LPCSTR lpszFileName);

    // Ten nested saves; a further one is ignored, and so is the restore that pairs with it.
    void PushState();
    void PopState();
    int InchToUnits(double dInches, PageAxis axis) const;
    double UnitsToInch(int nUnits, PageAxis axis) const;
    bool IsAnisotropic() const;

    // The width by which a sheet is wider than the print width that is centred on it: 10.5 inches in
    // landscape (orientation 2), from 10.9 inches on; 8 inches in any other orientation.
    static double ExcessPrintWidth(int nOrientation, double dWidthInches);

    CPrinter m_printer;
    PageState m_state;
    PageState m_stateStack[STATE_DEPTH];
    int m_stackTop = -1;
    int m_pixelsPerInchX = 0;
    int m_pixelsPerInchY = 0;
    int m_textEndX = 0;
    TEXTMETRICA m_textMetrics = {};
    int m_orientation = 0; // of the application's printer when the context prints: 1 portrait, 2 landscape
    PAGE_TEXT_SOURCE m_pfnTextSource = nullptr;
    double m_lineSpacing = 1.0;
    double m_widthInches = 0.0;
    double m_heightInches = 0.0;
    std::vector<std::unique_ptr<CPrintRegion>> m_regions;
    std::vector<std::unique_ptr<CPrintTable>> m_tables;
    char m_formatBuffer[FORMAT_BUFFER_SIZE] = {};

private:
    int m_ignoredPushes = 0;

    // Formats into m_formatBuffer, cut to its size.
    LPCSTR FormatText(LPCSTR lpszFormat, va_list args) PAGE_PRINTF(2, 0);
    LPCSTR SourceText(void* pData) const;
    void SetText(LPCSTR lpszText, int nFlags, int nPointSize);
    int ExtraLineSpacing() const;
    int TextAt(int nRow, int nColumn, int nFlags, int nPointSize, LPCSTR lpszText);
    double TextAtIn(double dRow, double dColumn, int nFlags, int nPointSize, LPCSTR lpszText);
    int TextInRegion(CPrintRegion* pRegion, int nRow, int nColumn, int nFlags, int nPointSize,
                     LPCSTR lpszText);
    double TextInRegionIn(CPrintRegion* pRegion, double dRow, double dColumn, int nFlags, int nPointSize,
                          LPCSTR lpszText);
    // Saves; draws the text into the rectangle and returns where it ended.
    int RenderInRectangle(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                          LPCSTR lpszText);
    // Both return where the text ended, or -1 when nothing was drawn.
    int TextInRectangle(int nTop, int nLeft, int nBottom, int nRight, int nFlags, int nPointSize,
                        LPCSTR lpszText);
    int TextInRegionRectangle(CPrintRegion* pRegion, int nTop, int nLeft, int nBottom, int nRight, int nFlags,
                              int nPointSize, LPCSTR lpszText);
    // Moves a rectangle given relative to the region's body into the page and keeps it inside the region.
    static void PlaceInRegion(const CPrintRegion& region, int& nTop, int& nLeft, int& nBottom, int& nRight);
    // Inches to units: tops and bottoms vertically, lefts and rights horizontally.
    CRect RectToUnits(double dTop, double dLeft, double dBottom, double dRight) const;
    static int ReadPrinterOrientation();
};
