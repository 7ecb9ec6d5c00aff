#include "framework/CBrush.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

namespace
{
// A static control that colours itself and takes its own scroll messages.
class CSelfColouredStatic : public CWnd
{
public:
    CBrush m_brush{RGB(1, 2, 3)};
    UINT m_nCtlColor = 99;
    UINT m_nScrollCode = 99;

protected:
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        m_nCtlColor = nCtlColor;
        return m_brush;
    }
    afx_msg void HScroll(UINT nSBCode, UINT) { m_nScrollCode = nSBCode; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfColouredStatic, CWnd)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

// The parent handles both messages itself and calls the base handlers.
class CColourParent : public CWnd
{
public:
    int m_nCalls = 0;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++m_nCalls;
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        ++m_nCalls;
        CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColourParent, CWnd)
ON_WM_CTLCOLOR()
ON_WM_HSCROLL()
END_MESSAGE_MAP()
} // namespace

TEST(Reflection, ColourAndScrollMessagesReachTheControlThroughTheParentsBaseHandlers)
{
    CColourParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    HWND hStatic = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 50, 20, parent.m_hWnd, (HMENU)100,
                                     nullptr, nullptr);
    CSelfColouredStatic ctrl;
    ASSERT_TRUE(ctrl.SubclassWindow(hStatic));
    HDC hDC = ::GetDC(hStatic);
    const LRESULT lBrush = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)hStatic);
    ::ReleaseDC(hStatic, hDC);
    EXPECT_EQ(lBrush, (LRESULT)ctrl.m_brush.m_hObject);
    EXPECT_EQ(ctrl.m_nCtlColor, (UINT)CTLCOLOR_STATIC);
    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), (LPARAM)hStatic);
    EXPECT_EQ(ctrl.m_nScrollCode, (UINT)SB_LINERIGHT);
    EXPECT_EQ(parent.m_nCalls, 2);
    parent.DestroyWindow();
}
