// A child window that shows a document. Created by its frame from the CCreateContext (which adds it to
// the document), it gets OnInitialUpdate from the frame's initial update, paints through OnDraw,
// routes commands to itself and then to its document, and deletes itself when its window is gone.
#pragma once

#include "framework/CWnd.h"

class CDocument;
class CPrintInfo;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)

public:
    CView() = default;
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Called once the frame is complete; the default runs OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed; the default repaints.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    // Printing (ID_FILE_PRINT, ID_FILE_PRINT_DIRECT): OnPreparePrinting (the default asks for the printer
    // through DoPreparePrinting), OnBeginPrinting, then per page OnPrepareDC and OnPrint (the default
    // draws with OnDraw), then OnEndPrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Shows the print dialog (not for a direct print); FALSE when the operator cancels.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

protected:
    void PostNcDestroy() override;

    CDocument* m_pDocument = nullptr;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintDirect();
    DECLARE_MESSAGE_MAP()

private:
    void PrintDocument(BOOL bDirect);

    CCreateContext* m_pCreateContext = nullptr; // during Create only

    friend class CDocument;
};
