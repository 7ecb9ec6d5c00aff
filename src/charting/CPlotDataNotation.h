// A note fixed to one point of a curve: a framed text box whose top left corner sits 20 pixels above
// the point, a small square on the point and a line from the point to the box.
#pragma once

#include "charting/CPlotObject.h"
#include "framework/CFont.h"
#include "framework/CString.h"

class CPlotDataNotation : public CPlotObject
{
    DECLARE_DYNCREATE(CPlotDataNotation)

public:
    CPlotDataNotation();
    ~CPlotDataNotation() override = default;
    CPlotDataNotation(const CPlotDataNotation&) = delete;
    CPlotDataNotation& operator=(const CPlotDataNotation&) = delete;

    void Serialize(CArchive& ar) override;
    // Measures the box from the text at the first drawing only (until m_bSized is cleared).
    void Draw(CDCEx* pDC) override;

    CFont m_Font;
    bool m_bSized = false;
    double m_dX = 0.0;
    double m_dY = 0.0;
    int m_iCurve = 0;
    int m_iIndex = 0;
    CString m_strText;
};
