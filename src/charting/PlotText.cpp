#include "charting/PlotText.h"

#include "framework/CDC.h"
#include "framework/CRect.h"

#include <cstring>

CSize GetMultiLineTextExtent(CDC* pDC, CString str)
{
    if (str.Find('\n') < 0)
        return pDC->GetTextExtent(str);
    CRect rect;
    const int nHeight = pDC->DrawText(str, &rect, DT_CALCRECT | DT_VCENTER | DT_CENTER);
    return CSize(rect.Width(), nHeight);
}

COLORREF GetBlackOrWhite(COLORREF crColor)
{
    const int nMean = (GetRValue(crColor) + GetGValue(crColor) + GetBValue(crColor)) / 3;
    return nMean > 127 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

namespace
{
bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsOneOf(char ch, const char* pszSet)
{
    return ch != '\0' && std::strchr(pszSet, ch) != nullptr;
}

// Skips a width or precision; false when it has more than three digits (an absurd text length).
bool SkipNumber(const CString& str, int& i)
{
    const int iStart = i;
    while (i < str.GetLength() && IsDigit(str[i]))
        ++i;
    return i - iStart <= 3;
}

// Skips one conversion after its '%' at i; false when it is not one for a double.
bool SkipDoubleConversion(const CString& str, int& i)
{
    const int n = str.GetLength();
    while (i < n && IsOneOf(str[i], "-+ #0"))
        ++i;
    if (!SkipNumber(str, i))
        return false;
    if (i < n && str[i] == '.' && !SkipNumber(str, ++i))
        return false;
    if (i < n && str[i] == 'l')
        ++i;
    return i < n && IsOneOf(str[i], "eEfFgGaA");
}
} // namespace

bool IsPlotNumberFormat(const CString& strFormat)
{
    int nConversions = 0;
    const int n = strFormat.GetLength();
    for (int i = 0; i < n; ++i)
    {
        if (strFormat[i] == '\0')
            return false;
        if (strFormat[i] != '%')
            continue;
        if (i + 1 < n && strFormat[i + 1] == '%')
        {
            ++i;
            continue;
        }
        ++i;
        if (!SkipDoubleConversion(strFormat, i))
            return false;
        ++nConversions;
    }
    return nConversions == 1;
}

CString FormatPlotNumber(const CString& strFormat, double dValue)
{
    CString str;
    if (IsPlotNumberFormat(strFormat))
        str.Format(strFormat, dValue);
    else
        str.Format("%5.3f", dValue);
    return str;
}
