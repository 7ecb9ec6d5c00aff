// Top-level frame window: resources (menu, icon, title, accelerators), accelerator translation,
// closing and self-deletion.
#pragma once

#include "framework/CWnd.h"

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd() = default;

    static const CRect rectDefault;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame from resource nIDResource: menu, accelerators, icon and title (string).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;

    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;

protected:
    CString m_strTitle;

    afx_msg void OnClose();
    afx_msg void OnNcDestroy();

    DECLARE_MESSAGE_MAP()
};
