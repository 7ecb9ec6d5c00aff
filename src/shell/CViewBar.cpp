#include "shell/CViewBar.h"

#include "framework/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CViewBar, CResizableBarCF)

BEGIN_MESSAGE_MAP(CViewBar, CResizableBarCF)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CViewBar::CViewBar()
{
    m_szHorz = CSize(274, 95);
    m_szVert = CSize(274, 111);
    m_szFloat = CSize(259, 93);
    m_szMinHorz = CSize(274, 95);
    m_szMinVert = CSize(274, 111);
    m_szMinFloat = CSize(259, 93);
    // The pane frame deletes itself when its window is destroyed; until then the bar owns the object.
    m_pPaneFrame = static_cast<CFrameWnd*>(RUNTIME_CLASS(CFrameWnd)->CreateObject());
}

CViewBar::~CViewBar()
{
    if (m_pPaneFrame != nullptr && m_pPaneFrame->GetSafeHwnd() == nullptr)
        delete m_pPaneFrame;
}

BOOL CViewBar::Create(CWnd* pParentWnd, const CRuntimeClass* pPaneClass, CCreateContext* pContext,
                      LPCSTR lpszCaption, UINT nID, DWORD dwStyle)
{
    if (pContext != nullptr)
        m_PaneContext = *pContext;
    else
        m_PaneContext.m_pCurrentFrame = dynamic_cast<CFrameWnd*>(pParentWnd);
    m_PaneContext.m_pNewViewClass = pPaneClass;
    return CreateBar(lpszCaption, pParentWnd, nID, dwStyle);
}

int CViewBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CResizableBarCF::OnCreate(lpCreateStruct) == -1 || m_pPaneFrame == nullptr)
        return -1;
    if (!m_pPaneFrame->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                              this, nullptr, 0, &m_PaneContext))
    {
        // A frame that fails has deleted itself.
        m_pPaneFrame = nullptr;
        return -1;
    }
    return 0;
}

void CViewBar::OnSize(UINT nType, int cx, int cy)
{
    CResizableBarCF::OnSize(nType, cx, cy);
    if (m_pPaneFrame == nullptr || m_pPaneFrame->GetSafeHwnd() == nullptr)
        return;
    CRect rcClient;
    GetClientRect(rcClient);
    m_pPaneFrame->MoveWindow(rcClient, TRUE);
    m_pPaneFrame->Invalidate(TRUE);
}

CWnd* CViewBar::GetPaneView() const
{
    if (m_pPaneFrame == nullptr || m_pPaneFrame->GetSafeHwnd() == nullptr)
        return nullptr;
    return m_pPaneFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
}

bool CViewBar::SetSizesOfKind(CSize size, int iKind)
{
    switch (iKind)
    {
        case SIZE_HORZ:
            m_szHorz = size;
            return true;
        case SIZE_VERT:
            m_szVert = size;
            return true;
        case SIZE_FLOAT:
            m_szFloat = size;
            return true;
        case SIZE_MIN_HORZ:
            m_szMinHorz = size;
            return true;
        case SIZE_MIN_VERT:
            m_szMinVert = size;
            return true;
        case SIZE_MIN_FLOAT:
            m_szMinFloat = size;
            return true;
        case SIZE_DOCKED_AND_FLOAT:
            m_szHorz = m_szVert = m_szFloat = size;
            return true;
        case SIZE_ALL_MIN:
            m_szMinHorz = m_szMinVert = m_szMinFloat = size;
            return true;
        case SIZE_ALL:
            m_szHorz = m_szVert = m_szFloat = size;
            m_szMinHorz = m_szMinVert = m_szMinFloat = size;
            return true;
        default:
            return false;
    }
}

void CViewBar::RecalcParentLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout(FALSE);
}

void CViewBar::SetBarSize(int cx, int cy, int iKind)
{
    SetSizesOfKind(CSize(cx, cy), iKind);
    RecalcParentLayout();
}

void CViewBar::SetSizeForDockSide(int iSide, int cx, int cy)
{
    static const int KIND_OF_SIDE[] = {SIZE_FLOAT, SIZE_HORZ, SIZE_VERT};
    if (iSide >= 0 && iSide <= 2)
        SetBarSize(cx, cy, KIND_OF_SIDE[iSide]);
}
