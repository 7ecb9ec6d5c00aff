// Walks the files matching a path pattern: FindFile starts, each FindNextFile moves to the next match
// and returns FALSE when that match is the last one (its data can still be read).
#pragma once

#include "framework/AfxWin32.h"
// commdlg.h maps GetFileTitle to GetFileTitleA; every user of this class must see the same name.
#include <commdlg.h>
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/CTime.h"

class CFileFind : public CObject
{
    DECLARE_DYNAMIC(CFileFind)

public:
    CFileFind() = default;
    ~CFileFind() override;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // pstrName null means "*.*" in the current directory. FALSE when nothing matches.
    virtual BOOL FindFile(LPCSTR pstrName = nullptr, DWORD dwUnused = 0);
    virtual BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    CString GetFilePath() const;
    CString GetFileTitle() const;
    CString GetRoot() const { return m_strRoot; }
    ULONGLONG GetLength() const;
    BOOL GetLastWriteTime(CTime& refTime) const;
    BOOL GetCreationTime(CTime& refTime) const;
    BOOL GetLastAccessTime(CTime& refTime) const;

    BOOL MatchesMask(DWORD dwMask) const;
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_found = {}; // the current match
    WIN32_FIND_DATAA m_next = {};  // the match FindNextFile moves to
    bool m_bHasFound = false;
    bool m_bHasNext = false;
    CString m_strRoot;
};
