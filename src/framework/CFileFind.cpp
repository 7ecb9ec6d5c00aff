#include "framework/CFileFind.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

namespace
{
BOOL TimeOf(const FILETIME& ft, CTime& refTime)
{
    const ULONGLONG n = (ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    if (n == 0)
        return FALSE;
    refTime = CTime((__time64_t)(n / 10000000ULL) - 11644473600LL);
    return TRUE;
}
} // namespace

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bHasFound = false;
    m_bHasNext = false;
}

BOOL CFileFind::FindFile(LPCSTR pstrName, DWORD)
{
    Close();
    const CString strPattern(pstrName != nullptr ? pstrName : "*.*");
    m_hFind = ::FindFirstFileA(strPattern, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHasNext = true;
    const int nSlash = std::max(strPattern.ReverseFind('\\'), strPattern.ReverseFind('/'));
    m_strRoot = nSlash >= 0 ? strPattern.Left(nSlash) : CString();
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return FALSE;
    m_found = m_next;
    m_bHasFound = true;
    m_bHasNext = ::FindNextFileA(m_hFind, &m_next) != FALSE;
    return m_bHasNext;
}

CString CFileFind::GetFileName() const
{
    return m_bHasFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    if (!m_bHasFound)
        return CString();
    return m_strRoot.IsEmpty() ? GetFileName() : m_strRoot + "\\" + GetFileName();
}

CString CFileFind::GetFileTitle() const
{
    const CString strName = GetFileName();
    const int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

ULONGLONG CFileFind::GetLength() const
{
    return m_bHasFound ? (ULONGLONG(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow : 0;
}

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const
{
    return m_bHasFound && TimeOf(m_found.ftLastWriteTime, refTime);
}

BOOL CFileFind::GetCreationTime(CTime& refTime) const
{
    return m_bHasFound && TimeOf(m_found.ftCreationTime, refTime);
}

BOOL CFileFind::GetLastAccessTime(CTime& refTime) const
{
    return m_bHasFound && TimeOf(m_found.ftLastAccessTime, refTime);
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return m_bHasFound && (m_found.dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const
{
    const char* p = m_found.cFileName;
    return IsDirectory() && p[0] == '.' && (p[1] == '\0' || (p[1] == '.' && p[2] == '\0'));
}
