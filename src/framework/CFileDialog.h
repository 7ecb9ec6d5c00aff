// The system's Open and Save As dialogs, with iteration over the files of a multiple selection.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

#include <commdlg.h>

#include <functional>
#include <vector>

class CFileDialog;

// Test seam: while set, DoModal calls the hook instead of showing the dialog; the hook fills m_ofn
// (the name buffer lpstrFile, nFileOffset, Flags) as the dialog would and returns IDOK or IDCANCEL.
typedef std::function<INT_PTR(CFileDialog& dlg)> AFX_FILEDIALOG_HOOK;

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)

public:
    // lpszFilter: pairs of description and pattern separated by '|' ("CSV (*.csv)|*.csv||").
    // bVistaStyle is accepted for the callers' sake; the dialog is always the explorer-style one.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose, IDCANCEL when cancelled or the dialog failed.
    INT_PTR DoModal() override;

    // The chosen path (the first one of a multiple selection).
    CString GetPathName() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    BOOL IsOpenFileDialog() const { return m_bOpenFileDialog; }
    // Full path of each chosen file: pos = GetStartPosition(); while (pos) GetNextPathName(pos).
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    static AFX_FILEDIALOG_HOOK SetModalHook(AFX_FILEDIALOG_HOOK hook);

    // lpstrFile points to a 64 KiB buffer of the object; callers may point it to their own buffer.
    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFilter;
    std::vector<char> m_fileBuffer;
};
