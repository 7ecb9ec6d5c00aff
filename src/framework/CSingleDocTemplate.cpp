#include "framework/CSingleDocTemplate.h"

#include "framework/AfxRes.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include "framework/CWinThread.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

namespace
{
CFrameWnd* FrameOfDocument(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != nullptr ? pDoc->GetNextView(pos)->GetParentFrame() : nullptr;
}
} // namespace

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    // A document still alive belongs to its frame; it only forgets the template.
    if (m_pOnlyDoc != nullptr)
        CDocTemplate::RemoveDocument(m_pOnlyDoc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? reinterpret_cast<POSITION>(1) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == reinterpret_cast<POSITION>(1) ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strTitle;
    if (!GetDocString(strTitle, docName) && !strTitle.LoadString(AFX_IDS_UNTITLED))
        strTitle = "Untitled";
    pDocument->SetTitle(strTitle);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    const bool bCreated = pDoc == nullptr;
    if (bCreated)
    {
        pDoc = CreateNewDocument();
        if (pDoc == nullptr)
            return nullptr;
        // While the frame is built the document must outlive a failing view.
        const BOOL bAutoDelete = pDoc->m_bAutoDelete;
        pDoc->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDoc, nullptr);
        pDoc->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr)
        {
            delete pDoc;
            return nullptr;
        }
    }
    else
    {
        if (!pDoc->SaveModified())
            return nullptr;
        pFrame = FrameOfDocument(pDoc);
    }

    if (lpszPathName == nullptr)
        SetDefaultTitle(pDoc);
    const BOOL bLoaded = lpszPathName == nullptr ? pDoc->OnNewDocument() : pDoc->OnOpenDocument(lpszPathName);
    if (!bLoaded)
    {
        if (bCreated)
        {
            // The new frame goes; its views' removal deletes the document, else it is deleted here.
            const bool bHasViews = pDoc->GetFirstViewPosition() != nullptr;
            pFrame->DestroyWindow();
            if (!bHasViews)
                delete pDoc;
        }
        return nullptr;
    }

    CWinThread* pThread = AfxGetThread();
    if (bCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr)
        pThread->m_pMainWnd = pFrame;
    if (pFrame != nullptr)
        InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
