#include "framework/CStdioFile.h"

#include "framework/CFileException.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace
{
int CauseOfErrno(int nErrno)
{
    switch (nErrno)
    {
        case ENOSPC:
            return CFileException::diskFull;
        case EACCES:
            return CFileException::accessDenied;
        case EBADF:
            return CFileException::invalidFile;
        case EINVAL:
            return CFileException::badSeek;
        default:
            return CFileException::genericException;
    }
}
} // namespace

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != nullptr)
        Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_pStream != nullptr)
        Abort();
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError))
        return FALSE;
    const bool bBinary = (nOpenFlags & typeBinary) != 0;
    int nFlags = bBinary ? _O_BINARY : _O_TEXT;
    const char* pszMode;
    switch (nOpenFlags & 3)
    {
        case modeWrite:
            pszMode = bBinary ? "wb" : "wt";
            break;
        case modeReadWrite:
            pszMode = bBinary ? "r+b" : "r+t";
            break;
        default:
            nFlags |= _O_RDONLY;
            pszMode = bBinary ? "rb" : "rt";
            break;
    }
    // The stream takes over the handle; fdopen never truncates (CFile::Open decided that).
    const int fd = _open_osfhandle((intptr_t)m_hFile, nFlags);
    m_pStream = fd != -1 ? _fdopen(fd, pszMode) : nullptr;
    if (m_pStream == nullptr)
    {
        if (fd != -1)
            _close(fd);
        else
            ::CloseHandle(m_hFile);
        m_hFile = hFileNull;
        m_bCloseOnDelete = FALSE;
        if (pError != nullptr)
        {
            pError->m_cause = CFileException::genericException;
            pError->m_lOsError = -1;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::ThrowStreamError() const
{
    AfxThrowFileException(CauseOfErrno(errno), errno, m_strFileName);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    const size_t nRead = std::fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && std::ferror(m_pStream))
    {
        std::clearerr(m_pStream);
        ThrowStreamError();
    }
    return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
    {
        std::clearerr(m_pStream);
        ThrowStreamError();
    }
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static const int s_origins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (nFrom > end || _fseeki64(m_pStream, lOff, s_origins[nFrom]) != 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    const __int64 nPos = _ftelli64(m_pStream);
    if (nPos < 0 || _fseeki64(m_pStream, 0, SEEK_END) != 0)
        ThrowStreamError();
    const __int64 nLength = _ftelli64(m_pStream);
    _fseeki64(m_pStream, nPos, SEEK_SET);
    return nLength < 0 ? 0 : (ULONGLONG)nLength;
}

ULONGLONG CStdioFile::GetPosition() const
{
    const __int64 nPos = _ftelli64(m_pStream);
    if (nPos < 0)
        ThrowStreamError();
    return (ULONGLONG)nPos;
}

void CStdioFile::Flush()
{
    if (m_pStream != nullptr && std::fflush(m_pStream) != 0)
        ThrowStreamError();
}

void CStdioFile::Close()
{
    FILE* pStream = m_pStream;
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (pStream != nullptr && std::fclose(pStream) != 0)
        ThrowStreamError();
}

void CStdioFile::Abort()
{
    if (m_pStream != nullptr)
        std::fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    if (std::fputs(lpsz, m_pStream) == EOF)
    {
        std::clearerr(m_pStream);
        ThrowStreamError();
    }
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    LPSTR pResult = std::fgets(lpsz, (int)nMax, m_pStream);
    if (pResult == nullptr && std::ferror(m_pStream))
    {
        std::clearerr(m_pStream);
        ThrowStreamError();
    }
    return pResult;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    char szChunk[256];
    bool bAny = false;
    while (ReadString(szChunk, sizeof(szChunk)) != nullptr)
    {
        bAny = true;
        const size_t n = std::strlen(szChunk);
        if (n > 0 && szChunk[n - 1] == '\n')
        {
            rString += CString(szChunk, (int)n - 1);
            return TRUE;
        }
        rString += CString(szChunk, (int)n);
    }
    return bAny;
}
