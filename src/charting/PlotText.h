// Text measuring and colour helpers of the chart elements.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CSize.h"
#include "framework/CString.h"

class CDC;

// The extent of a text; a text with line feeds is measured as the block DrawText lays out.
CSize GetMultiLineTextExtent(CDC* pDC, CString str);
// White when the mean of red, green and blue (truncated) is above 127, else black.
COLORREF GetBlackOrWhite(COLORREF crColor);
// A printf format whose conversions are, in order, those of pszKinds: 'f' a double (e, f, g or a),
// 'd' an int (d or i), 's' a text; flags, width and precision allowed, no '*', besides literal text
// and "%%".
bool IsFormatOf(const CString& strFormat, const char* pszKinds);
// A printf format for one double.
bool IsPlotNumberFormat(const CString& strFormat);
// The value in the format, or in "%5.3f" when the format is not one for a single double.
CString FormatPlotNumber(const CString& strFormat, double dValue);
