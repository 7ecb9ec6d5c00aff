// Unbuffered binary file over a Win32 file handle. Failures of the operations raise CFileException;
// Open reports them through its result (and the optional exception object) instead.
#pragma once

#include "framework/AfxWin32.h"
// commdlg.h maps GetFileTitle to GetFileTitleA; every user of this class must see the same name.
#include <commdlg.h>
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/CTime.h"

class CFileException;

// What CFile::GetStatus tells about a file.
struct CFileStatus
{
    CTime m_ctime;        // creation
    CTime m_mtime;        // last write
    CTime m_atime;        // last access
    ULONGLONG m_size = 0; // bytes
    BYTE m_attribute = 0; // CFile::Attribute bits
    char m_szFullName[MAX_PATH] = {};
};

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)

public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000, // as shareExclusive
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,     // create, truncating an existing file ...
        modeNoTruncate = 0x2000, // ... unless this is given too
        typeText = 0x4000,       // CStdioFile only
        typeBinary = 0x8000
    };
    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition
    {
        begin = 0,
        current = 1,
        end = 2
    };

    static const HANDLE hFileNull;

    CFile() = default;
    explicit CFile(HANDLE hFile);
    // Raises CFileException when the file cannot be opened.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    // Closes an open file, ignoring errors.
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    HANDLE m_hFile = hFileNull;
    operator HANDLE() const { return m_hFile; }

    // FALSE on failure, with the cause in *pError when given.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without raising.
    virtual void Abort();

    CString GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;
    // The name without its extension.
    CString GetFileTitle() const;
    void SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }

    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
    // Raise CFileException on failure.
    static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void Remove(LPCSTR lpszFileName);

protected:
    // Raises CFileException for the last system error, naming this file.
    [[noreturn]] void ThrowLastError() const;

    CString m_strFileName; // full path
    BOOL m_bCloseOnDelete = FALSE;
};
