// A template with at most one document at a time: a second new document reuses the first one and its
// frame.
#pragma once

#include "framework/CDocTemplate.h"

class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)

public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                       const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    void SetDefaultTitle(CDocument* pDocument) override;
    // The first call creates document, frame and view; the frame becomes the thread's main window when it
    // has none, and gets its initial update. Later calls renew the one document.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

protected:
    CDocument* m_pOnlyDoc = nullptr;
};
