// Buffered file over a C runtime stream, in text mode unless typeBinary is given: text mode writes
// "\n" as "\r\n" and reads "\r\n" as "\n". Failures raise CFileException, as with CFile.
#pragma once

#include "framework/CFile.h"

#include <cstdio>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)

public:
    CStdioFile() = default;
    // Raises CFileException when the file cannot be opened.
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    FILE* m_pStream = nullptr;

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    // Writes the text as it is (a "\n" in it ends a line).
    virtual void WriteString(LPCSTR lpsz);
    // Reads at most nMax - 1 characters up to and including the next "\n"; null at the end of the file.
    virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
    // Reads the next line without its "\n"; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

private:
    [[noreturn]] void ThrowStreamError() const;
};
