// A free text box of the chart, optionally framed, transparent and connected by a line to the middle
// point of a curve; edited in place by an edit control over its box.
#pragma once

#include "charting/CPlotObject.h"
#include "framework/CEdit.h"
#include "framework/CFont.h"
#include "framework/CString.h"

class CPlotLabel : public CPlotObject
{
    DECLARE_DYNCREATE(CPlotLabel)

public:
    CPlotLabel();
    ~CPlotLabel() override = default;
    CPlotLabel(const CPlotLabel&) = delete;
    CPlotLabel& operator=(const CPlotLabel&) = delete;

    static constexpr UINT EDIT_CONTROL_ID = 0xFFFE;
    // The one entry of the label's properties menu.
    static constexpr UINT ID_LABEL_PROPERTIES = 60006;

    void Serialize(CArchive& ar) override;
    void Draw(CDCEx* pDC) override;
    // Opens the edit control over the box, as a child of the chart window, with all text selected.
    void BeginEdit() override;
    // Takes the edit control's text and closes it.
    void EndEdit() override;
    // A menu at the pointer with the entry "Properties", which runs the label dialog for this label.
    void InvokeProperties() override;
    void SetFont(const LOGFONTA& lf);

    CString m_strText = " ";
    CEdit m_Edit;
    CFont m_Font;
    COLORREF m_crBackColor;
    COLORREF m_crText = 0;
    bool m_bBorder = true;
    bool m_bTransparent = false;
    int m_iAlign = 0; // DT_LEFT, DT_CENTER or DT_RIGHT; also the edit control's ES_ alignment
    int m_iCurve = -1;

private:
    void DrawConnector(CDCEx* pDC);
};
