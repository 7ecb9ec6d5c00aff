// Path field with a browse button in one control: a button window holding a child edit field for the
// path, and in the rest of its area a small button with a caption or a picture that opens the shell's
// folder dialog or the file dialog. Every change of the path text goes to the page hook of the control's
// notification id (CPathBrowseHost): its parent's, taken when the control is made.
#pragma once

#include "framework/CButton.h"
#include "framework/CEdit.h"
#include "framework/CToolTipCtrl.h"

#include <vector>

class CPathBrowseHost;

// PathBrowseStyle bits.
constexpr DWORD PBS_BUTTON_LEFT = 0x01; // the button stands left of the edit field
constexpr DWORD PBS_PICTURE = 0x02;     // the button shows a picture, else its caption
constexpr DWORD PBS_FLAT = 0x04;        // no frame unless hot or pressed
constexpr DWORD PBS_PICTURE_1 = 0x08;   // pictures one, two, three (the first bit set counts)
constexpr DWORD PBS_PICTURE_2 = 0x10;
constexpr DWORD PBS_PICTURE_3 = 0x20;
constexpr DWORD PBS_EDITABLE = 0x40; // the path may be typed
constexpr DWORD PBS_FOLDER = 0x80;   // folder mode, else file mode

class CPathBrowseCtrl : public CButton
{
    DECLARE_DYNAMIC(CPathBrowseCtrl)

public:
    static constexpr UINT ID_EDIT = 12345;
    static constexpr UINT ID_TOOL = 12346;
    static constexpr UINT_PTR TIMER_HOT = 12347;
    static constexpr UINT_PTR TIMER_SELECTION = 12348;
    // Results of Browse.
    static constexpr int BROWSE_CHOSEN = 1;
    static constexpr int BROWSE_CANCELLED = 2;

    CPathBrowseCtrl();

    // Creates the control in a child of pParentWnd (null: the main window); FALSE when there is no
    // parent or the window, its edit field or its tooltip cannot be made.
    virtual BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyleBits, UINT nNotifyCode);

    void SetStyleBits(DWORD dwStyleBits);
    DWORD GetStyleBits() const { return m_dwStyleBits; }
    void SetButtonTip(LPCSTR lpszText);
    void SetNotifyCode(UINT nNotifyCode) { m_nNotifyCode = nNotifyCode; }
    UINT GetNotifyCode() const { return m_nNotifyCode; }
    void SetFileFilter(LPCSTR lpszFilter) { m_strFilter = lpszFilter; }
    // Titles both dialogs; empty leaves them their own.
    void SetFileDialogTitle(LPCSTR lpszTitle) { m_strDialogTitle = lpszTitle; }
    void SetFolderPrompt(LPCSTR lpszPrompt) { m_strFolderPrompt = lpszPrompt; }
    void SetFolderDialogFlags(UINT nFlags) { m_nFolderDialogFlags = nFlags; }
    UINT GetFolderDialogFlags() const { return m_nFolderDialogFlags; }
    // Shows the text in the path field and makes it the chosen path.
    void SetPathText(LPCSTR lpszText);
    // The path a dialog starts from: the typed text when the user changed it to another path, else the
    // first chosen path.
    CString GetCurrentPath() const;
    // Runs the folder or file dialog; BROWSE_CHOSEN, or BROWSE_CANCELLED (also while a dialog is open).
    int Browse();

    // The chosen paths, each ended by a zero byte, the list ended by one more.
    const char* GetNames() const { return m_arrNames.empty() ? "" : m_arrNames.data(); }
    int GetNamesCount() const { return m_nNamesCount; }
    int GetNamesLength() const { return m_nNamesLength; }
    BOOL GetReadOnlyPref() const { return m_bReadOnly; }
    CEdit& GetEdit() { return m_wndEdit; }
    const CRect& GetButtonRect() const { return m_rcButton; }
    const CRect& GetContentRect() const { return m_rcContent; }
    const CRect& GetEditRect() const { return m_rcEdit; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsHot() const { return m_bHot; }
    CToolTipCtrl& GetToolTip() { return m_tooltip; }

    // Sent to the parent after each dialog when the notification id is not 0: wParam the result, lParam
    // the control.
    static UINT GetBrowseNotifyMessage();

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnEditChange();
    afx_msg void OnEditFocusChange();
    DECLARE_MESSAGE_MAP()

private:
    BOOL Initialise();
    void Layout(BOOL bMoveEdit);
    CSize ContentSize();
    BOOL MakeEdit();
    void ShowChosenPath(const CString& strPath);
    void SetNames(const std::vector<CString>& arrPaths);
    int BrowseFolder();
    int BrowseFile();
    void BrowseAndClick();
    void UpdateSelectionMark();
    void Paint(CDC* pDC);
    void PaintFrame(CDC* pDC);
    void PaintContent(CDC* pDC);
    void DrawPicture(CDC* pDC);
    static int CALLBACK FolderDialogCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

    UINT m_nNotifyCode = 0;
    CRect m_rcButton;
    CRect m_rcContent;
    CRect m_rcEdit;
    CEdit m_wndEdit;
    BOOL m_bEditSelected = FALSE;
    BOOL m_bMadeByCreate = FALSE;
    DWORD m_dwStyleBits = PBS_PICTURE | PBS_PICTURE_1;
    BOOL m_bPressed = FALSE;
    BOOL m_bHot = FALSE;
    CToolTipCtrl m_tooltip;
    CString m_strToolTip = "Browse";
    CString m_strCaption;
    BOOL m_bBusy = FALSE;
    CString m_strDialogTitle;
    CString m_strFolderPrompt = "Please select a folder from the list:";
    int m_nNamesLength = 0;
    BOOL m_bOpenDialog = TRUE;
    DWORD m_dwFileDialogFlags = 0x882202;
    UINT m_nFolderDialogFlags = 1;
    BOOL m_bReadOnly = FALSE;
    CString m_strDefaultExt;
    CString m_strFilter = "All Files (*.*)|*.*||";
    std::vector<char> m_arrNames;
    int m_nNamesCount = 0;
    BOOL m_bEdited = FALSE;
    CString m_strEditText;
    CPathBrowseHost* m_pHost = nullptr;
};
