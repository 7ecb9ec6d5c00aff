// The small frame a floating control bar lives in: a tool window owned by the docking frame, holding
// one floating dock bar; it takes the size of its bars, its caption drags them (and a double click on
// it docks them back), and closing it hides them.
#pragma once

#include "framework/CDockBar.h"
#include "framework/CFrameWnd.h"

// Frame styles of the floating frame (low word of its window style).
#define MFS_SYNCACTIVE 0x00000100L
#define MFS_4THICKFRAME 0x00000200L // sizing border, sized by its bars only
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L
#define FWS_SNAPTOBARS 0x00002000L

class CMiniDockFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)

public:
    CMiniDockFrameWnd();

    // Creates the frame (hidden) owned by pParent, the docking frame, and its floating dock bar;
    // dwBarStyle: CBRS_ALIGN_xxx of the bars' orientation, CBRS_FLOAT_MULTI, CBRS_SIZE_DYNAMIC.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // Sizes the frame to its dock bar's bars and shows it; hides it while it shows no bar.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The first bar of the frame, or null.
    CControlBar* GetHostedBar() const;
    // The window rectangle of a floating frame that shows a bar of rectangle rcBar (screen).
    static CRect CalcFrameRect(const CRect& rcBar);

    CDockBar m_wndDockBar;

protected:
    // Creates the window with dwStyle (window and MFS_ bits) and dwExStyle, and the dock bar.
    BOOL CreateFrame(CWnd* pParent, DWORD dwStyle, DWORD dwExStyle, DWORD dwBarStyle);
    // Deletes the frame once it was created; after a failed Create the caller deletes it.
    void PostNcDestroy() override;

    BOOL m_bCreated = FALSE;

    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    DECLARE_MESSAGE_MAP()
};
