#include "storage/CReportLayout.h"

#include "shell/CEnvironment.h"

namespace
{
// Height (tenths of a point) and weight at 600 dots per inch.
const int FONT_SIZES[3][2] = {{1700, 700}, {600, 380}, {500, 315}};
constexpr int REFERENCE_DPI = 600;
} // namespace

CReportLayout::CReportLayout(int iResolution, int iPrintableWidth, int iPrintableHeight)
    : m_iResolution(iResolution), m_iOffsetX(HalfMargin(SHEET_WIDTH_CM, iPrintableWidth)),
      m_iOffsetY(HalfMargin(SHEET_HEIGHT_CM, iPrintableHeight))
{
}

int CReportLayout::Pixels(double dCm) const
{
    return static_cast<int>(m_iResolution * dCm / 2.54 + 0.5);
}

int CReportLayout::HalfMargin(double dSheetCm, int iPrintablePixels) const
{
    const double dPrintableCm = iPrintablePixels * 2.54 / m_iResolution;
    return static_cast<int>((dSheetCm - dPrintableCm) / 5.08 * m_iResolution + 0.5);
}

CRect CReportLayout::GetDiagramRect() const
{
    const int iCentre = X(10.85);
    const int iHalfWidth = m_iResolution * 3800 / REFERENCE_DPI / 2;
    const int iTop = Y(4.45);
    return CRect(iCentre - iHalfWidth, iTop, iCentre + iHalfWidth,
                 iTop + m_iResolution * 5275 / REFERENCE_DPI);
}

int CReportLayout::FontHeight(ReportFont font) const
{
    return m_iResolution * FONT_SIZES[font][0] / REFERENCE_DPI;
}

int CReportLayout::FontWeight(ReportFont font) const
{
    return m_iResolution * FONT_SIZES[font][1] / REFERENCE_DPI;
}

CString CReportLayout::CleanHeadline(const CString& strHeadline)
{
    CString strText = strHeadline;
    CEnvironment::RemoveChar('\n', strText);
    CEnvironment::RemoveChar('\r', strText);
    return strText.Left(HEADLINE_LENGTH);
}

CString CReportLayout::JoinLines(const std::vector<CString>& lines, int iMaxLength)
{
    CString strText;
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (i > 0)
            strText += ' ';
        strText += lines[i];
    }
    return strText.Left(iMaxLength);
}

std::vector<CString> CReportLayout::SplitLines(const CString& strText)
{
    std::vector<CString> lines;
    if (strText.IsEmpty())
        return lines;
    CString strLine;
    for (int i = 0; i < strText.GetLength(); ++i)
    {
        const char ch = strText[i];
        if (ch == '\n')
        {
            lines.push_back(strLine);
            strLine.Empty();
        }
        else if (ch != '\r')
            strLine += ch;
    }
    lines.push_back(strLine);
    return lines;
}
