#include "charting/CQuickFont.h"

CQuickFont::CQuickFont(CString strFaceName, int nHeight, int nWeight, bool bUnderline)
{
    CreateFont(nHeight, 0, 0, 0, nWeight, FALSE, bUnderline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
               strFaceName);
}

CQuickFont::CQuickFont(const LOGFONTA& lf)
{
    CreateFontIndirect(&lf);
}
