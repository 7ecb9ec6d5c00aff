// The start page (mode page 131): the logo centred on a light-blue background, at a size that follows
// the size of the view.
#pragma once

#include "controls/CBitmapViewWnd.h"
#include "framework/CBrush.h"
#include "shell/CModePage.h"

class CDlgLMBk : public CModePage
{
    DECLARE_DYNAMIC(CDlgLMBk)

public:
    explicit CDlgLMBk(CWnd* pParent = nullptr);

    // Draws the 161 x 161 logo with its top left corner at (x, y), scaled by dZoom.
    void LayoutLogo(int x, int y, double dZoom);
    // The start page shows no text of its own.
    BOOL RefreshTexts() override { return TRUE; }

    CBitmapViewWnd m_wndLogo;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_brBackground;
    bool m_bFirstLayout = true;
};
