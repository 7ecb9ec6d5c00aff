// A gripper bar whose strip is a caption in the system's caption colours with the bar's title, drawn
// active while the focus is inside the bar. It also lays out the panes of the main frame's view bars:
// the seven controls of a channel pane in a 3:1 display area with fonts fitted to their cells, and the
// diagram pane; and it keeps the frame's record of shown and hidden bars in step when a bar is closed.
// The frame (a CViewBarHost) hands itself over when it creates the bar.
#pragma once

#include "controls/CResizableBarG.h"
#include "framework/CFont.h"

class CViewBarHost;

class CResizableBarCF : public CResizableBarG
{
    DECLARE_DYNAMIC(CResizableBarCF)

public:
    CResizableBarCF();

    // The rectangles of a channel pane's layout in a client rectangle.
    struct PaneRects
    {
        CRect rcDisplay; // the 3:1 display area
        CRect rcValue;   // the value field
        CRect rcFields[3];
        CRect rcButtons[3];
    };
    static constexpr int FONT_COUNT = 7; // 0 value field, 1-3 fields, 4-6 buttons
    // Control ids of a channel pane's controls, in font kind order.
    static const UINT s_nChannelControlIds[FONT_COUNT];

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void PaintGripper(CDC* pDC, const CRect& rcClient) override;

    // The frame whose bars and panes this bar lays out, handed over by the frame that creates the bar.
    void SetFrameLink(CViewBarHost* pFrameLink) { m_pFrameLink = pFrameLink; }
    // Sets up the layout state for the frame link; only while suspended, and the bar stays suspended
    // without a link.
    void LinkToFrame();
    void LayoutHostedPane(CWnd* pBarWnd);
    void PlaceChannelControls(CWnd* pPane);
    void ApplyControlFont(int nKind, CWnd* pControl);
    // The font description of kind nKind from its control's rectangle; FALSE when its size equals
    // that of the font made last.
    BOOL ComputeControlFont(int nKind);

    // The display area and the cells for a client rectangle (left and top 0).
    static void CalcPaneRects(const CRect& rcClient, double dWidthPerHeight, double dHeightPerWidth,
                              PaneRects& rects);
    // The font width, height and weight for control kind nKind in a cell of cx x cy.
    static void CalcFontSize(int nKind, int cx, int cy, LONG& lfWidth, LONG& lfHeight, LONG& lfWeight);
    const CRect& GetKindRect(int nKind) const;

    BOOL m_bActive = FALSE;
    CString m_strCaptionFace;
    BOOL m_bSuspended = TRUE;
    CViewBarHost* m_pFrameLink = nullptr;
    CRect m_rcClient;
    CRect m_rcLastClient;
    PaneRects m_rects;
    CRect m_rcLastFittedValue;
    double m_dWidthPerHeight = 0.0;
    double m_dHeightPerWidth = 0.0;
    CFont m_fonts[FONT_COUNT];
    LOGFONTA m_lfDesc[FONT_COUNT] = {};
    LOGFONTA m_lfMade[FONT_COUNT] = {};
    BOOL m_bFirstUse[FONT_COUNT] = {};

protected:
    void PaintCaptionBackground(CDC* pDC, const CRect& rcCaption, BOOL bHorz);
    void CheckClosedBars();

    afx_msg LRESULT OnSetTextCF(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcLButtonUpCF(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
