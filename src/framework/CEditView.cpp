#include "framework/CEditView.h"

IMPLEMENT_DYNCREATE(CEditView, CView)

BEGIN_MESSAGE_MAP(CEditView, CView)
ON_WM_PAINT()
END_MESSAGE_MAP()

const DWORD CEditView::dwStyleDefault =
    WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE | ES_NOHIDESEL;

BOOL CEditView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = "EDIT";
    cs.style |= dwStyleDefault;
    return CView::PreCreateWindow(cs);
}

void CEditView::OnDraw(CDC*) {}

void CEditView::OnPaint()
{
    Default();
}
