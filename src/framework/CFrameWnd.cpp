#include "framework/CFrameWnd.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CLOSE()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr && (hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName)) == nullptr)
        return FALSE;
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    const bool bDefault = CRect(rect) == rectDefault;
    const int x = bDefault ? CW_USEDEFAULT : rect.left;
    const int y = bDefault ? CW_USEDEFAULT : rect.top;
    const int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext))
    {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    m_nIDHelp = nIDResource;
    CString strFullTitle;
    strFullTitle.LoadString(nIDResource);
    const int nEnd = strFullTitle.Find('\n');
    m_strTitle = nEnd >= 0 ? strFullTitle.Left(nEnd) : strFullTitle;

    HICON hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource));
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    HMENU hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
    const CString strTitle = m_strTitle;
    if (!CreateEx(0, lpszClass, strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext))
    {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnNcDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    CWnd::OnNcDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
