#include "framework/CFileDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace
{
AFX_FILEDIALOG_HOOK& ModalHook()
{
    static AFX_FILEDIALOG_HOOK s_hook;
    return s_hook;
}

constexpr std::size_t kFileBufferSize = 65536;

// A multiple selection is "folder\0name\0name\0\0" with nFileOffset at the first name; a single one
// is the full path with nFileOffset at its file name.
bool IsMultipleSelection(const OPENFILENAMEA& ofn)
{
    return (ofn.Flags & OFN_ALLOWMULTISELECT) && ofn.nFileOffset > 0 &&
           ofn.lpstrFile[ofn.nFileOffset - 1] == '\0';
}
} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_fileBuffer(kFileBufferSize, '\0')
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = (DWORD)m_fileBuffer.size();
    if (lpszFileName != nullptr)
        std::strncpy(m_fileBuffer.data(), lpszFileName, m_fileBuffer.size() - 2);
    if (lpszDefExt != nullptr)
    {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFilter != nullptr)
    {
        // "a|b|" becomes "a\0b\0" and the string's own terminator ends the list.
        m_strFilter = lpszFilter;
        if (m_strFilter.IsEmpty() || m_strFilter[m_strFilter.GetLength() - 1] != '|')
            m_strFilter += '|';
        m_strFilter.Replace('|', '\0');
        m_ofn.lpstrFilter = m_strFilter;
    }
}

AFX_FILEDIALOG_HOOK CFileDialog::SetModalHook(AFX_FILEDIALOG_HOOK hook)
{
    AFX_FILEDIALOG_HOOK previous = std::move(ModalHook());
    ModalHook() = std::move(hook);
    return previous;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = GetModalOwner();
    if (ModalHook())
        return ModalHook()(*this);
    const BOOL bChosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bChosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    POSITION pos = GetStartPosition();
    return pos != nullptr ? GetNextPathName(pos) : CString();
}

POSITION CFileDialog::GetStartPosition() const
{
    if (m_ofn.lpstrFile == nullptr || m_ofn.lpstrFile[0] == '\0')
        return nullptr;
    LPSTR pszFirst = IsMultipleSelection(m_ofn) ? m_ofn.lpstrFile + m_ofn.nFileOffset : m_ofn.lpstrFile;
    return reinterpret_cast<POSITION>(pszFirst);
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    if (!IsMultipleSelection(m_ofn))
    {
        pos = nullptr;
        return m_ofn.lpstrFile;
    }
    LPCSTR pszName = reinterpret_cast<LPCSTR>(pos);
    CString strPath = m_ofn.lpstrFile;
    if (strPath.IsEmpty() || strPath[strPath.GetLength() - 1] != '\\')
        strPath += '\\';
    strPath += pszName;
    LPCSTR pszNext = pszName + std::strlen(pszName) + 1;
    pos = *pszNext != '\0' ? reinterpret_cast<POSITION>(const_cast<char*>(pszNext)) : nullptr;
    return strPath;
}
