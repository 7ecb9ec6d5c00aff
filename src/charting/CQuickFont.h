// A font made in one call: a face, height and weight (antialiased, default character set), or a record.
#pragma once

#include "framework/CFont.h"
#include "framework/CString.h"

class CQuickFont : public CFont
{
public:
    CQuickFont(CString strFaceName, int nHeight, int nWeight, bool bUnderline);
    explicit CQuickFont(const LOGFONTA& lf);
};
