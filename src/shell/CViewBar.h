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

    // pContext (may be null: then the parent frame pParentWnd is the context's frame and there is no
    // document) is copied; the pane view is of pPaneClass. Non-zero on success.
    virtual BOOL Create(CWnd* pParentWnd, const CRuntimeClass* pPaneClass, CCreateContext* pContext,
                        LPCSTR lpszCaption, UINT nID, DWORD dwStyle);

    // The pane view, or null.
    CWnd* GetPaneView() const;

    // Size kinds of SetBarSize: which of the six sizes are set.
    enum SizeKind
    {
        SIZE_HORZ = 0,
        SIZE_VERT = 1,
        SIZE_FLOAT = 2,
        SIZE_MIN_HORZ = 3,
        SIZE_MIN_VERT = 4,
        SIZE_MIN_FLOAT = 5,
        SIZE_DOCKED_AND_FLOAT = 6,
        SIZE_ALL_MIN = 7,
        SIZE_ALL = 8,
    };
    // Sets the sizes of the kind (any other kind sets nothing), then lets the parent frame lay out again.
    void SetBarSize(int cx, int cy, int iKind);
    // Side 0 floating, 1 docked at the top or bottom, 2 docked left or right; other sides do nothing.
    void SetSizeForDockSide(int iSide, int cx, int cy);

    CFrameWnd* m_pPaneFrame = nullptr;
    CCreateContext m_PaneContext;

protected:
    // Sets the sizes of the kind; false for a kind it does not know.
    bool SetSizesOfKind(CSize size, int iKind);
    void RecalcParentLayout();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
