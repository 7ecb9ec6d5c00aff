// The start-up search dialog: shown from program start until the first search has found a sensor.
// It starts the search when it is shown and shows its progress; the search runs in the protocol
// engine, which calls the progress operations (CComPortStartUpRole, from the dialog's registration
// with the frame until it is destroyed). After a failed search it offers to search again. The main
// frame owns it as a member, hands itself over as its host, and shows it at the end of its one-time
// initialisation.
#pragma once

#include "controls/CBitmapViewWnd.h"
#include "framework/CBrush.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CProgressCtrl.h"
#include "framework/CStatic.h"
#include "protocol/CComPortStartUpRole.h"

class CPageHost;
class CSearchProgressList;

class CDlgStartUp : public CDialog, public CComPortStartUpRole
{
    DECLARE_DYNAMIC(CDlgStartUp)

public:
    explicit CDlgStartUp(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgStartUp() override;

    // The frame that hosts the dialog; without one the dialog neither registers nor searches.
    void SetPageHost(CPageHost* pHost) { m_pMainFrame = pHost; }

    // Progress of a search over nPorts ports (at least 1), 29 sub-steps per port.
    void InitSearchProgress(int nPorts);
    // Kind 0: one sub-step of the port under test; 1: one whole port; other kinds add nothing.
    void AdvanceSearchProgress(int iKind);
    // iRow: the protocol's count of ports still to search (the row of the port it tests next).
    void SetSearchedPort(int iRow);
    void HideSearchProgress();
    void ShowSearchFailed();
    // Whether the progress is also shown in the connection page's port list.
    void SetListProgress(bool bMirror) { m_bMirrorToList = bMirror; }
    // The list the progress is mirrored into; the dialog takes the connection page's at its first
    // initialisation.
    void AttachProgressList(CSearchProgressList* pList) { m_pProgressList = pList; }

    int GetProgressPos() const { return m_iProgressPos; }
    int GetRowUnderTest() const { return m_iRowUnderTest; }
    bool IsSearching() const { return m_bSearching; }
    bool IsMirroringToList() const { return m_bMirrorToList; }

    // ---- CComPortStartUpRole
    void StartUp_InitSearchProgress(int iPorts) override { InitSearchProgress(iPorts); }
    void StartUp_SetSearchedPort(int iEntry) override { SetSearchedPort(iEntry); }
    void StartUp_AdvanceSearchProgress(int iHow) override { AdvanceSearchProgress(iHow); }
    void StartUp_ShowSearchFailed() override { ShowSearchFailed(); }
    void StartUp_HideSearchProgress() override { HideSearchProgress(); }
    void StartUp_Hide() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CBitmapViewWnd m_wndLogo;
    CBrush m_brDialog;
    CBrush m_brControls;
    CPageHost* m_pMainFrame = nullptr;
    bool m_bFirstInit = true;
    int m_iLanguageOffset = 0;
    bool m_bSearching = false;
    bool m_bMirrorToList = false;
    CStatic m_wndText;
    CButton m_btnDefault;
    CButton m_btnSearchAgain;
    CButton m_btnExit;
    CButton m_btnInfo;
    CProgressCtrl m_ctlProgress;
    int m_iProgressRange = 100;
    double m_dStepPerSubStep = 0.0;
    double m_dStepPerPort = 0.0;
    int m_iProgressPos = 0;
    int m_iRowUnderTest = -1;
    int m_iPortsDone = 0;
    int m_iSubSteps = 0;
    int m_iPortCount = 0;
    CButton m_chkSearchAll;
    CSearchProgressList* m_pProgressList = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnSearchAgain();
    afx_msg void OnExit();
    afx_msg void OnInfo();
    afx_msg void OnProgressCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyProgress();
    // A row of the mirrored list: 0 or more and below its row count.
    bool IsValidListRow(int iRow) const;
    CString LoadText(UINT nId) const;
    void SetControlText(CWnd& wnd, UINT nId);
    void PostCloseToFrame();

    bool m_bEngineAttached = false;
};
