// The geometry of the one-page report: positions in centimetres on a portrait A4 sheet (21.0 x 29.7 cm),
// converted with the printer's pixels per inch r on both axes and moved by half the margin the printer
// cannot print; the report's fonts scaled with r; the texts as the report prints them.
#pragma once

#include "framework/CRect.h"
#include "framework/CString.h"

#include <vector>

class CReportLayout
{
public:
    enum ReportFont
    {
        FONT_HEADLINE,
        FONT_TEXT, // comment and address
        FONT_DATE  // date and time
    };
    static constexpr double SHEET_WIDTH_CM = 21.0;
    static constexpr double SHEET_HEIGHT_CM = 29.7;
    static constexpr int HEADLINE_LENGTH = 20;
    static constexpr int COMMENT_LENGTH = 57;
    static constexpr int ADDRESS_LENGTH = 82;

    // r and the printable area in device pixels; r must be positive.
    CReportLayout(int iResolution, int iPrintableWidth, int iPrintableHeight);

    int X(double dCm) const { return Pixels(dCm) - m_iOffsetX; }
    int Y(double dCm) const { return Pixels(dCm) - m_iOffsetY; }
    // The rectangle the turned diagram is stretched into.
    CRect GetDiagramRect() const;
    // Height in tenths of a point and weight of a font.
    int FontHeight(ReportFont font) const;
    int FontWeight(ReportFont font) const;

    // The headline without line feeds and carriage returns, cut to its first 20 characters.
    static CString CleanHeadline(const CString& strHeadline);
    // The lines joined by one blank, cut to iMaxLength characters.
    static CString JoinLines(const std::vector<CString>& lines, int iMaxLength);
    // The lines of a text, split at line breaks.
    static std::vector<CString> SplitLines(const CString& strText);

    int m_iResolution;
    int m_iOffsetX;
    int m_iOffsetY;

private:
    int Pixels(double dCm) const;
    // Half the unprintable margin of one axis, in pixels.
    int HalfMargin(double dSheetCm, int iPrintablePixels) const;
};
