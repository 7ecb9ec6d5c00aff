// What the sensor pages share: the layout of their outer group over the view, and a running measurement
// stopped whenever they are shown after the frame's one-time initialisation.
#pragma once

#include "framework/CRect.h"
#include "shell/CModePage.h"

class CDlgMeasureDiagram;

class CSensorPage : public CModePage
{
    DECLARE_DYNAMIC(CSensorPage)

public:
    // iGroupId: the page's outer group box; sizeMinGroup: the smallest size the group is given.
    CSensorPage(UINT nIDTemplate, CWnd* pParent, int iGroupId, CSize sizeMinGroup);

    // The outer group in a view client rectangle: 10 pixels from the left, 5 from the top, 19 narrower
    // and 15 lower than the client area, but at least sizeMin.
    static CRect GroupRect(const CRect& rcClient, CSize sizeMin);
    // The page over its parent's (the view's) client area at (0, 0), its outer group by GroupRect.
    virtual void UpdateLayout();

protected:
    BOOL OnInitDialog() override;
    // A page is never ended: Enter and Escape in it change nothing.
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    // The page was shown after the frame's initialisation: after the measurement stop and the text
    // refresh a language change asked for.
    virtual void OnPageShown() {}
    // Pages laid out on every paint while shown (the information and diagnostic pages).
    virtual bool IsLaidOutOnPaint() const { return true; }
    // The frame's one-time initialisation has not run yet (or there is no host).
    bool IsInitPending() const;
    // The operator panel, null while it has not registered.
    CDlgMeasureDiagram* GetPanel() const;
    CRect GetGroupRect() const;

    int m_bFirstInit = 1;

private:
    int m_iGroupId;
    CSize m_sizeMinGroup;
};
