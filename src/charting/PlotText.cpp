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

// Reads one conversion after its '%' at i, leaving i on its last character: 'f' for a double, 'd' for
// an int, 's' for a text; 0 for anything else.
char ConversionKind(const CString& str, int& i)
{
    const int n = str.GetLength();
    while (i < n && IsOneOf(str[i], "-+ #0"))
        ++i;
    if (!SkipNumber(str, i))
        return 0;
    if (i < n && str[i] == '.' && !SkipNumber(str, ++i))
        return 0;
    const bool bLong = i < n && str[i] == 'l';
    if (bLong)
        ++i;
    if (i >= n)
        return 0;
    if (IsOneOf(str[i], "eEfFgGaA"))
        return 'f';
    if (!bLong && IsOneOf(str[i], "di"))
        return 'd';
    return !bLong && str[i] == 's' ? 's' : 0;
}
} // namespace

bool IsFormatOf(const CString& strFormat, const char* pszKinds)
{
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
        if (*pszKinds == '\0' || ConversionKind(strFormat, i) != *pszKinds)
            return false;
        ++pszKinds;
    }
    return *pszKinds == '\0';
}

bool IsPlotNumberFormat(const CString& strFormat)
{
    return IsFormatOf(strFormat, "f");
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
