// A view made from a dialog template (a child template: WS_CHILD, no caption). Its initial update moves
// the members into the controls (UpdateData(FALSE)); Tab and the other dialog keys move between its
// controls. Control notifications sent while UpdateData runs are not passed on.
#pragma once

#include "framework/CView.h"

class CFormView : public CView
{
    DECLARE_DYNAMIC(CFormView)

public:
    // The window is created from the template; rect (when not empty) places it, nID becomes its id, and
    // WS_VISIBLE in dwStyle shows it. A failure deletes the object, as for every view.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(LPCSTR lpszTemplateName);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    LPCSTR m_lpszTemplateName;

private:
    bool m_bCreating = false;
};
