// A view that is a multi-line edit control: the control paints and edits itself.
#pragma once

#include "framework/CView.h"

class CEditView : public CView
{
    DECLARE_DYNCREATE(CEditView)

public:
    CEditView() = default;

    // Multi-line edit with both scroll bars, automatic scrolling and the selection kept when unfocused.
    static const DWORD dwStyleDefault;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
