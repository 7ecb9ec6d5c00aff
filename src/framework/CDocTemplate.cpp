#include "framework/CDocTemplate.h"

#include "framework/AfxBarStyles.h"
#include "framework/CCreateContext.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    LoadTemplate();
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (!m_strDocStrings.LoadString(m_nIDResource))
        m_strDocStrings.Empty();
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex nIndex) const
{
    rString.Empty();
    int iStart = 0;
    for (int i = 0; i <= nIndex; ++i)
    {
        if (iStart > m_strDocStrings.GetLength())
            return FALSE;
        const int iEnd = m_strDocStrings.Find('\n', iStart);
        const int nLength = (iEnd < 0 ? m_strDocStrings.GetLength() : iEnd) - iStart;
        if (i == nIndex)
            rString = m_strDocStrings.Mid(iStart, nLength);
        iStart = iEnd < 0 ? m_strDocStrings.GetLength() + 1 : iEnd + 1;
    }
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass != nullptr ? m_pDocClass->CreateObject() : nullptr;
    CDocument* pDoc = DYNAMIC_DOWNCAST(CDocument, pObject);
    if (pDoc == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* pObject = m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : nullptr;
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pObject);
    if (pFrame == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    // A frame that fails to load has deleted itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
    }
}
