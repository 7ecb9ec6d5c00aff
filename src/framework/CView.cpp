#include "framework/CView.h"

#include "framework/AfxRes.h"
#include "framework/CCreateContext.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CPaintDC.h"
#include "framework/CPrintDialog.h"
#include "framework/CPrintInfo.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    m_pCreateContext = pContext;
    const BOOL bResult =
        CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
    // A failed creation may have deleted the object: it is not touched then.
    if (bResult)
        m_pCreateContext = nullptr;
    return bResult;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (cs.style & WS_BORDER)
    {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pCreateContext != nullptr && m_pCreateContext->m_pCurrentDoc != nullptr)
        m_pCreateContext->m_pCurrentDoc->AddView(this);
    m_pCreateContext = nullptr;
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    // The view takes the focus only while its top-level window is the active one.
    CWnd* pTop = GetTopLevelParent();
    if (!bActivate || pActivateView != this || pTop == nullptr || pTop->m_hWnd != ::GetActiveWindow())
        return;
    if (::GetFocus() != m_hWnd && !::IsChild(m_hWnd, ::GetFocus()))
        SetFocus();
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

// --- printing -------------------------------------------------------------------------------------

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog& dlg = *pInfo->m_pPD;
    if (pInfo->m_bDirect)
    {
        // The default printer, without a dialog.
        dlg.m_pd.Flags |= PD_RETURNDEFAULT | PD_RETURNDC;
        return ::PrintDlgA(&dlg.m_pd) && dlg.m_pd.hDC != nullptr;
    }
    dlg.m_pd.Flags |= PD_RETURNDC;
    return dlg.DoModal() == IDOK && dlg.m_pd.hDC != nullptr;
}

void CView::OnFilePrint()
{
    PrintDocument(FALSE);
}

void CView::OnFilePrintDirect()
{
    PrintDocument(TRUE);
}

void CView::PrintDocument(BOOL bDirect)
{
    CPrintInfo info;
    info.m_bDirect = bDirect;
    if (!OnPreparePrinting(&info))
        return;
    CDC dc;
    dc.Attach(info.m_pPD->GetPrinterDC());
    info.m_pPD->m_pd.hDC = nullptr;
    dc.m_bPrinting = TRUE;
    CString strTitle = m_pDocument != nullptr ? m_pDocument->GetTitle() : CString(AfxGetAppName());
    OnBeginPrinting(&dc, &info);
    bool bOk = dc.StartDoc(strTitle) > 0;
    for (info.m_nCurPage = info.GetMinPage(); bOk && info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage)
    {
        OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        bOk = dc.StartPage() > 0;
        if (bOk)
        {
            OnPrint(&dc, &info);
            bOk = dc.EndPage() > 0;
        }
    }
    if (bOk)
        dc.EndDoc();
    else
        dc.AbortDoc();
    OnEndPrinting(&dc, &info);
}
