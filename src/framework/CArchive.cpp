#include "framework/CArchive.h"

#include "framework/CArchiveException.h"
#include "framework/CException.h"
#include "framework/CFile.h"
#include "framework/CObject.h"

#include <algorithm>
#include <cstring>

namespace
{
// Object tags: 0 a null object, 0xFFFF a class named for the first time, else the class's index.
constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr size_t kMaxClasses = 0x7FFE;
} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile), m_nMode(nMode), m_nBufSize(nBufSize > 0 ? (UINT)nBufSize : 4096)
{
    if (lpBuf != nullptr && nBufSize > 0)
    {
        m_pBuf = static_cast<BYTE*>(lpBuf);
    }
    else
    {
        m_ownBuffer.resize(m_nBufSize);
        m_pBuf = m_ownBuffer.data();
    }
}

CArchive::~CArchive()
{
    if (m_bClosed || IsLoading() || (m_nMode & bNoFlushOnDelete))
        return;
    try
    {
        Flush();
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

void CArchive::Throw(int cause) const
{
    AfxThrowArchiveException(cause, m_pFile != nullptr ? (LPCSTR)m_pFile->GetFilePath() : nullptr);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (IsLoading())
        Throw(CArchiveException::readOnly);
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0)
    {
        if (m_nBufPos == m_nBufSize)
            Flush();
        const UINT n = std::min(nMax, m_nBufSize - m_nBufPos);
        std::memcpy(m_pBuf + m_nBufPos, p, n);
        m_nBufPos += n;
        p += n;
        nMax -= n;
    }
}

void CArchive::Flush()
{
    if (IsLoading())
        return;
    const UINT n = m_nBufPos;
    m_nBufPos = 0;
    m_pFile->Write(m_pBuf, n);
}

void CArchive::FillBuffer()
{
    m_nBufPos = 0;
    m_nBufEnd = m_pFile->Read(m_pBuf, m_nBufSize);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (IsStoring())
        Throw(CArchiveException::writeOnly);
    BYTE* p = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax)
    {
        if (m_nBufPos == m_nBufEnd)
        {
            FillBuffer();
            if (m_nBufEnd == 0)
                break;
        }
        const UINT n = std::min(nMax - nDone, m_nBufEnd - m_nBufPos);
        std::memcpy(p + nDone, m_pBuf + m_nBufPos, n);
        m_nBufPos += n;
        nDone += n;
    }
    return nDone;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        Throw(CArchiveException::endOfFile);
}

ULONGLONG CArchive::Remaining() const
{
    const ULONGLONG nLength = m_pFile->GetLength();
    const ULONGLONG nPos = m_pFile->GetPosition();
    return (m_nBufEnd - m_nBufPos) + (nLength > nPos ? nLength - nPos : 0);
}

void CArchive::Close()
{
    if (!m_bClosed)
        Flush();
    m_bClosed = true;
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_bClosed = true;
    m_pFile = nullptr;
}

CArchive& CArchive::operator<<(bool b)
{
    const BYTE by = b ? 1 : 0;
    return WriteValue(by);
}

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by = 0;
    ReadValue(by);
    b = by != 0;
    return *this;
}

CArchive& CArchive::operator<<(const CString& str)
{
    const DWORD nLength = (DWORD)str.GetLength();
    if (nLength < 0xFF)
    {
        WriteValue((BYTE)nLength);
    }
    else
    {
        WriteValue((BYTE)0xFF);
        if (nLength < 0xFFFF)
        {
            WriteValue((WORD)nLength);
        }
        else
        {
            WriteValue((WORD)0xFFFF);
            WriteValue(nLength);
        }
    }
    Write(str.GetString(), nLength);
    return *this;
}

CArchive& CArchive::operator>>(CString& str)
{
    BYTE by = 0;
    ReadValue(by);
    DWORD nLength = by;
    if (by == 0xFF)
    {
        WORD w = 0;
        ReadValue(w);
        nLength = w;
        if (w == 0xFFFF)
            ReadValue(nLength);
        else if (w == 0xFFFE)
            Throw(CArchiveException::badSchema); // wide-character text is not used by this system
    }
    // A damaged length cannot ask for more than the file holds.
    if (nLength > Remaining() || nLength > 0x7FFFFFFF)
        Throw(CArchiveException::endOfFile);
    char* p = str.GetBuffer((int)nLength);
    ReadExactly(p, nLength);
    str.ReleaseBuffer((int)nLength);
    return *this;
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (pOb == nullptr)
    {
        WriteValue(kNullTag);
        return;
    }
    const std::string strName = pOb->GetRuntimeClass()->m_lpszClassName;
    auto it = std::find(m_classNames.begin(), m_classNames.end(), strName);
    if (it != m_classNames.end())
    {
        WriteValue((WORD)(it - m_classNames.begin() + 1));
    }
    else
    {
        if (m_classNames.size() >= kMaxClasses)
            Throw(CArchiveException::badIndex);
        m_classNames.push_back(strName);
        WriteValue(kNewClassTag);
        *this << CString(strName.c_str());
    }
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    WORD wTag = 0;
    ReadValue(wTag);
    if (wTag == kNullTag)
        return nullptr;
    std::string strName;
    if (wTag == kNewClassTag)
    {
        CString strClass;
        *this >> strClass;
        if (m_classNames.size() >= kMaxClasses)
            Throw(CArchiveException::badIndex);
        strName = strClass.GetString();
        m_classNames.push_back(strName);
    }
    else
    {
        if (wTag > m_classNames.size())
            Throw(CArchiveException::badIndex);
        strName = m_classNames[wTag - 1];
    }
    const CRuntimeClass* pClass = CRuntimeClass::FromName(strName.c_str());
    if (pClass == nullptr || (pClassRefRequested != nullptr && !pClass->IsDerivedFrom(pClassRefRequested)))
        Throw(CArchiveException::badClass);
    CObject* pOb = pClass->CreateObject();
    if (pOb == nullptr)
        Throw(CArchiveException::badClass);
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        delete pOb;
        throw;
    }
    return pOb;
}
