// Ties a document class to the frame and view classes that show it, with the resource id of the frame
// (menu, accelerators, icon, and the document strings "title\ndocName\n...").
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CString.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    ~CDocTemplate() override;

    // Loads the document strings from the string table.
    virtual void LoadTemplate();
    // Part nIndex of the document strings (separated by "\n"); FALSE when it is empty.
    virtual BOOL GetDocString(CString& rString, DocStringIndex nIndex) const;
    UINT GetResourceID() const { return m_nIDResource; }

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A new document of the document class, added to this template; null on failure.
    virtual CDocument* CreateNewDocument();
    // A frame loaded from the resource id whose client is a new view of pDoc; null on failure (the frame
    // object is then gone).
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // A null path makes a new document. Returns the document, or null on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // Closes every document (and so its frames).
    virtual void CloseAllDocuments(BOOL bEndSession);

protected:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};
