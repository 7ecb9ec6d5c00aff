// The data of a document and the list of its views. A document with m_bAutoDelete deletes itself when
// its last view goes. It routes commands to its own map, then its template's.
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CPtrList.h"
#include "framework/CString.h"

class CArchive;
class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Also renews the titles of the frames showing the document.
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const;
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    // A new, empty document: DeleteContents, not modified.
    virtual BOOL OnNewDocument();
    // Loads the document from a file through Serialize; FALSE when the file cannot be read.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Destroys the frames of all views, then DeleteContents, then deletes itself with m_bAutoDelete.
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    virtual BOOL SaveModified();
    virtual void OnChangedViewList();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;
};
