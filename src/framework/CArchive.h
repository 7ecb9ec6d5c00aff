// Buffered binary archive over a CFile, for storing or for loading. Numbers are written little-endian
// at their own width (bool as one byte); a CString as a length prefix (one byte below 255, else 0xFF
// and a 16-bit length below 0xFFFF, else 0xFF, 0xFFFF and a 32-bit length) followed by its bytes.
// WriteObject stores an object with its class (the class name on first use, an index after that);
// ReadObject creates it again through the class's dynamic creation and lets it Serialize itself.
// Errors raise CArchiveException (end of data, bad class or index, wrong direction) or CFileException.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <string>
#include <vector>

class CFile;
class CObject;
struct CRuntimeClass;

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2
    };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // A storing archive that was not closed flushes (errors are swallowed) unless bNoFlushOnDelete.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // Read gives fewer bytes than asked only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    // Flushes a storing archive and detaches it from the file (the file stays open).
    void Close();
    void Abort();

    void WriteObject(const CObject* pOb);
    // A new object whose class derives from pClassRefRequested (null accepts any), or null as stored.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);

    CArchive& operator<<(bool b);
    CArchive& operator<<(char ch) { return WriteValue(ch); }
    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(short n) { return WriteValue(n); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(int n) { return WriteValue(n); }
    CArchive& operator<<(UINT n) { return WriteValue(n); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(LONGLONG n) { return WriteValue(n); }
    CArchive& operator<<(ULONGLONG n) { return WriteValue(n); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(const CString& str);
    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }

    CArchive& operator>>(bool& b);
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(short& n) { return ReadValue(n); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(int& n) { return ReadValue(n); }
    CArchive& operator>>(UINT& n) { return ReadValue(n); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(LONGLONG& n) { return ReadValue(n); }
    CArchive& operator>>(ULONGLONG& n) { return ReadValue(n); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(CString& str);

private:
    // x86 is little-endian: values are copied as they lie in memory.
    template <class T> CArchive& WriteValue(const T& value)
    {
        Write(&value, sizeof(T));
        return *this;
    }
    template <class T> CArchive& ReadValue(T& value)
    {
        ReadExactly(&value, sizeof(T));
        return *this;
    }
    // Raises CArchiveException::endOfFile when fewer bytes are left.
    void ReadExactly(void* lpBuf, UINT nCount);
    void FillBuffer();
    // Bytes still to be read: the buffered ones and the rest of the file.
    ULONGLONG Remaining() const;
    [[noreturn]] void Throw(int cause) const;

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_ownBuffer;
    BYTE* m_pBuf;
    UINT m_nBufSize;
    UINT m_nBufPos = 0; // next byte to read or write
    UINT m_nBufEnd = 0; // loading: end of the valid bytes
    bool m_bClosed = false;
    std::vector<std::string> m_classNames; // classes stored or loaded so far, by index - 1
};
