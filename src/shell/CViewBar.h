// A docking bar of the main frame that hosts one pane view in a child frame window of its own: the
// channel A and B displays and the pass/fail light. The pane view is made from the creation context
// given to Create, so it shares the frame's document.
#pragma once

#include "controls/CResizableBarCF.h"
#include "framework/CCreateContext.h"

class CViewBar : public CResizableBarCF
{
    DECLARE_DYNAMIC(CViewBar)

public:
    CViewBar();
    ~CViewBar() override;

    // pContext (may be null: then the application's main window is the context's frame and there is
    // no document) is copied; the pane view is of pPaneClass. Non-zero on success.
    virtual BOOL Create(CWnd* pParentWnd, const CRuntimeClass* pPaneClass, CCreateContext* pContext,
                        LPCSTR lpszCaption, UINT nID, DWORD dwStyle);

    // The pane view, or null.
    CWnd* GetPaneView() const;

    CFrameWnd* m_pPaneFrame = nullptr;
    CCreateContext m_PaneContext;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
