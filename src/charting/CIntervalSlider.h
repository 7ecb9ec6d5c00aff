// A self-drawn interval slider: a bar with two thumbs that select [left, right] inside a whole range
// [min, max]. The operator drags a thumb or the interval between them, or moves it with the arrow keys;
// every change is sent to the parent as RANGE_CHANGED (wParam 0 left bound, 1 right bound, 2 both).
// In inverted mode all values are held negated and swapped, so the larger values lie left (top).
#pragma once

#include "framework/CWnd.h"

class CCreateContext;

// Registered at program start under "RANGE_CHANGED{6F1D2B7E-93A4-4C0B-8E15-2B7C94D0A3F1}CIntervalSlider".
extern const UINT RANGE_CHANGED;

class CIntervalSlider : public CWnd
{
public:
    static constexpr LPCSTR CLASS_NAME = "MFCIntervalSlider";

    // Registers the window class "MFCIntervalSlider" once; the framework's resource exception when that
    // fails.
    CIntervalSlider();
    ~CIntervalSlider() override = default;

    // A child window of the framework's default class with an empty title.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);

    void SetMinMax(double dMin, double dMax);
    // The interval as given (not ordered), then kept inside the whole range.
    void SetRange(double dLeft, double dRight);
    void GetRange(double& dLeft, double& dRight) const;
    void SetVisibleRange(double dMin, double dMax);
    void SetShowVisibleRange(BOOL bShow);
    void SetVerticalMode(BOOL bVertical);
    void SetInvertedMode(BOOL bInverted);

    static BOOL RegisterWindowClass();

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    void NormalizeRange();
    void NormalizeVisibleRange();
    // The pixel of value v along the track (0 ... m_nTrackWidth); 0 for a whole range of no width.
    int ValueToPixel(double v) const;
    void Notify(WPARAM wParam);
    // Invalidates the window once it exists.
    void Redraw();
    void Paint(CDC* pDC);

    double m_dMin = 0.0;
    double m_dMax = 1.0;
    double m_dLeft = 0.0;
    double m_dRight = 1.0;
    double m_dVisibleMin = 0.0;
    double m_dVisibleMax = 1.0;
    int m_nArrowWidth = 10;
    BOOL m_bHorizontal = TRUE;
    BOOL m_bShowVisibleRange = FALSE;
    BOOL m_bInverted = FALSE;
    BOOL m_bTracking = FALSE;
    int m_nTrackMode = 0;
    CRect m_rectLeft;
    CRect m_rectRight;
    int m_nTrackWidth = 0;
    CPoint m_ptClickOffset;

private:
    // A pair as held: negated and swapped in inverted mode.
    void Store(double a, double b, double& dLow, double& dHigh) const;
    // A rectangle given along the slider (a0, a1) and across it (c0, c1).
    CRect Oriented(int a0, int c0, int a1, int c1) const;
    CPoint OrientedPoint(int a, int c) const;
    // The share of the whole range that p pixels along the track stand for (0 without a track).
    double TrackShare(double p) const;
    void DrawThumb(CDC* pDC, int a0, int a1, int nLength, bool bBevel, CRect& rectStored);
};
