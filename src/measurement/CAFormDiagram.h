// The diagram pane (form 184) in the main frame's diagram bar: it embeds the diagram window, lays its
// axes and curves out from the measurement settings (x: time or a channel; y1, y2: channels), feeds it
// the value pairs of a measurement (CDiagramFeed), redraws it on timer 6 while the measurement runs,
// and at the end stores the diagram bitmap when the documentation settings ask for it (timer 10). The
// frame's commands that save the diagram or print the report write the bitmap through timers 11 and
// 12. It enters itself in the frame's window table on its first update; the frame then hands it its
// host.
#pragma once

#include "charting/CGraphicDisplayWnd.h"
#include "framework/CFormView.h"
#include "measurement/CDiagramFeed.h"
#include "measurement/CPipelineDiagram.h"

class CDiagramPaneHost;

class CAFormDiagram : public CFormView, public CPipelineDiagram, private CDiagramCurves
{
    DECLARE_DYNCREATE(CAFormDiagram)

public:
    static constexpr UINT_PTR TIMER_REDRAW = 6;
    static constexpr UINT_PTR TIMER_STORE_BITMAP = 10;
    static constexpr UINT_PTR TIMER_SAVE_BITMAP = 11;
    static constexpr UINT_PTR TIMER_PRINT_BITMAP = 12;
    // While the trigger waits for its start event the redraw only looks again.
    static constexpr UINT TRIGGER_WAIT_REDRAW_MS = 50;
    static constexpr UINT OUTPUT_DELAY_MS = 1;

    CAFormDiagram();

    // The frame's services, set once when the pane has registered; the texts follow its language.
    void SetHost(CDiagramPaneHost* pHost);

    // ---- A measurement's diagram
    // With bClear both curves are emptied and the chart's modes and zoom reset.
    void StartMeasureDiagram(bool bClear);
    // One value pair; with time along x, *pdTime receives the point's time.
    void AddMeasuredValues(double dValueA, double dValueB, double* pdTime);
    // One redraw step; bLast is the final one of a measurement and starts no further step.
    void UpdateDiagram(bool bLast);
    // Ends the drawing and stores the diagram when the documentation settings ask for it.
    void StopMeasureDiagram();
    void SetPointLimit(bool bOn, int iLimit) { m_feed.SetPointLimit(bOn, iLimit); }
    void ResetPointsY1() { m_feed.ResetPointsY1(); }
    void ResetPointsY2() { m_feed.ResetPointsY2(); }
    int GetPointsY1() override { return m_feed.m_iPointsY1; }
    int GetPointsY2() override { return m_feed.m_iPointsY2; }

    // ---- Texts and layout
    // Context menu, property pages, axis and curve texts in the interface language.
    BOOL UpdateLanguageTexts();
    void UpdateAxisTexts(int iLanguageOffset);
    // Fills the diagram bar's client rectangle; any other bar is ignored.
    void ResizeInBar(HWND hBar, int iLeft, int iTop, int iRight, int iBottom);

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CGraphicDisplayWnd m_wndGraph;
    CGraphicDisplayWnd* m_pGraphWnd = nullptr;
    CDiagramFeed m_feed;
    int m_iRedrawPeriod = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPaint();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    int AddPoint(int iCurve, double dX, double dY) override;
    int LanguageOffset();
    void EndOfMeasurement();
    // Writes the bitmap, restores the bar; timers 10 to 12.
    void WriteBitmap(const CString& strFile);
    void OnStoreBitmapTimer();

    CDiagramPaneHost* m_pPaneHost = nullptr;
    BYTE m_bFirstInit = 1;
    bool m_bRegistrationPending = true;
};
