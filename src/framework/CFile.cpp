#include "framework/CFile.h"

#include "framework/CFileException.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace
{
DWORD AccessOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 3)
    {
        case CFile::modeWrite:
            return GENERIC_WRITE;
        case CFile::modeReadWrite:
            return GENERIC_READ | GENERIC_WRITE;
        default:
            return GENERIC_READ;
    }
}

DWORD ShareOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70)
    {
        case CFile::shareDenyWrite:
            return FILE_SHARE_READ;
        case CFile::shareDenyRead:
            return FILE_SHARE_WRITE;
        case CFile::shareDenyNone:
            return FILE_SHARE_READ | FILE_SHARE_WRITE;
        default:
            return 0;
    }
}

DWORD CreationOf(UINT nOpenFlags)
{
    if (!(nOpenFlags & CFile::modeCreate))
        return OPEN_EXISTING;
    return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

CTime TimeOf(const FILETIME& ft)
{
    // FILETIME counts 100 ns from 1601-01-01 (UTC); CTime counts seconds from 1970-01-01.
    const ULONGLONG n = (ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    if (n == 0)
        return CTime();
    return CTime((__time64_t)(n / 10000000ULL) - 11644473600LL);
}

CString FullPathOf(LPCSTR lpszFileName)
{
    char szFull[MAX_PATH];
    LPSTR pszPart = nullptr;
    const DWORD n = ::GetFullPathNameA(lpszFileName, MAX_PATH, szFull, &pszPart);
    return n > 0 && n < MAX_PATH ? CString(szFull) : CString(lpszFileName);
}
} // namespace

CFile::CFile(HANDLE hFile) : m_hFile(hFile) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();
    m_strFileName = FullPathOf(lpszFileName);
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, !(nOpenFlags & modeNoInherit)};
    HANDLE hFile = ::CreateFileA(lpszFileName, AccessOf(nOpenFlags), ShareOf(nOpenFlags), &sa,
                                 CreationOf(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        if (pError != nullptr)
        {
            const LONG lError = (LONG)::GetLastError();
            pError->m_lOsError = lError;
            pError->m_cause = CFileException::OsErrorToException(lError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD nRead = 0;
    if (nCount > 0 && !::ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr))
        ThrowLastError();
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    DWORD nWritten = 0;
    if (nCount == 0)
        return;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr))
        ThrowLastError();
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER liOff;
    liOff.QuadPart = lOff;
    LARGE_INTEGER liNew = {};
    if (!::SetFilePointerEx(m_hFile, liOff, &liNew, nFrom))
        ThrowLastError();
    return (ULONGLONG)liNew.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize = {};
    if (!::GetFileSizeEx(m_hFile, &liSize))
        ThrowLastError();
    return (ULONGLONG)liSize.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek((LONGLONG)dwNewLen, begin);
    if (!::SetEndOfFile(m_hFile))
        ThrowLastError();
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liZero = {};
    LARGE_INTEGER liPos = {};
    if (!::SetFilePointerEx(m_hFile, liZero, &liPos, FILE_CURRENT))
        ThrowLastError();
    return (ULONGLONG)liPos.QuadPart;
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !::FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    HANDLE hFile = m_hFile;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (hFile != hFileNull && !::CloseHandle(hFile))
        ThrowLastError();
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

CString CFile::GetFileName() const
{
    const int nSlash = std::max(m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'));
    return m_strFileName.Mid(nSlash + 1);
}

CString CFile::GetFileTitle() const
{
    const CString strName = GetFileName();
    const int nDot = strName.ReverseFind('.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    return GetStatus(m_strFileName, rStatus);
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (lpszFileName == nullptr || !::GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    rStatus.m_ctime = TimeOf(data.ftCreationTime);
    rStatus.m_mtime = TimeOf(data.ftLastWriteTime);
    rStatus.m_atime = TimeOf(data.ftLastAccessTime);
    rStatus.m_size = (ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    rStatus.m_attribute = (BYTE)(data.dwFileAttributes & 0x3F);
    ::lstrcpynA(rStatus.m_szFullName, FullPathOf(lpszFileName), MAX_PATH);
    return TRUE;
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszOldName);
}

void CFile::Remove(LPCSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
}
