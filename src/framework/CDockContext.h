// How a control bar moves between its docked and floating states: dragging with a tracking rectangle
// that shows where the bar would dock (or float) when the button is released, toggling by double
// click, and the places the bar last had on a side and as a floating frame.
#pragma once

#include "framework/CRect.h"

class CControlBar;
class CDockBar;
class CFrameWnd;

class CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext() = default;
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // Drags the bar from ptScreen while the left button is down (a loop of its own, inside the
    // bar's mouse capture); Escape or the right button cancels.
    virtual void StartDrag(CPoint ptScreen);
    // The steps of a drag: InitDrag at the starting point, Move for every pointer position, then
    // EndDrag (docks the bar at the side under it, or floats it there) or CancelDrag.
    void InitDrag(CPoint ptScreen);
    void Move(CPoint ptScreen);
    void EndDrag();
    void CancelDrag();
    // Floats a docked bar at its last floating place; docks a floating bar back where it was.
    virtual void ToggleDocking();

    // Where the bar would go now: the dock bar under the tracking rectangle (null: floating), and
    // the rectangle (screen) it would take there.
    CDockBar* GetTargetDockBar() const { return m_pTargetDockBar; }
    CRect GetTrackRect() const;

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    // The side the bar last left (dock bar id) and its rectangle there (screen).
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    // The floating frame's style (CBRS_ALIGN_TOP or CBRS_ALIGN_LEFT, CBRS_FLOAT_MULTI) and place.
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    BOOL m_bMRUFloatPosSet = FALSE;

protected:
    // Remembers where a docked bar is before it leaves its side.
    void RememberDockPos();
    // Erases the tracker on the screen and, with bShow, draws it at the current place.
    void DrawTracker(BOOL bShow);

    BOOL m_bDragging = FALSE;
    BOOL m_bMoved = FALSE;
    CPoint m_ptLast;
    CRect m_rectDragHorz;  // the bar's rectangle docked at the top or bottom
    CRect m_rectDragVert;  // docked left or right
    CRect m_rectFrameDrag; // its floating frame
    CDockBar* m_pTargetDockBar = nullptr;
    CRect m_rectDrawn; // tracker on the screen now (empty: none)
    BOOL m_bDrawnFloating = FALSE;
};
