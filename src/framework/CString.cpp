#include "framework/CString.h"

#include "framework/CInvalidArgException.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
// Code page 1252 letters: a-z, the Latin-1 accented letters (without the division sign and ß),
// and the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ.
unsigned char UpperOf(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c)
    {
        case 0x9A:
        case 0x9C:
        case 0x9E:
            return static_cast<unsigned char>(c - 0x10);
        case 0xFF:
            return 0x9F;
        default:
            return c;
    }
}

unsigned char LowerOf(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c)
    {
        case 0x8A:
        case 0x8C:
        case 0x8E:
            return static_cast<unsigned char>(c + 0x10);
        case 0x9F:
            return 0xFF;
        default:
            return c;
    }
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool InSet(char c, const char* pszSet)
{
    return c != '\0' && std::strchr(pszSet, c) != nullptr;
}

std::size_t LengthOf(const char* psz)
{
    return psz != nullptr ? std::strlen(psz) : 0;
}

// Clamps [iFirst, iFirst + nCount) to a text of nLength characters.
void ClampRange(int nLength, int& iFirst, int& nCount)
{
    iFirst = std::clamp(iFirst, 0, nLength);
    nCount = std::clamp(nCount, 0, nLength - iFirst);
}
} // namespace

CString::CString(const char* psz)
{
    if (psz != nullptr)
        m_str.assign(psz);
}

CString::CString(const char* pch, int nLength)
{
    if (nLength < 0 || (pch == nullptr && nLength > 0))
        AfxThrowInvalidArgException();
    if (nLength > 0)
        m_str.assign(pch, static_cast<std::size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<std::size_t>(nRepeat), ch);
}

CString::CString(const wchar_t* pwsz)
{
    if (pwsz == nullptr || *pwsz == L'\0')
        return;
    int n = WideCharToMultiByte(CP_ACP, 0, pwsz, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        return;
    m_str.resize(static_cast<std::size_t>(n));
    WideCharToMultiByte(CP_ACP, 0, pwsz, -1, m_str.data(), n, nullptr, nullptr);
    m_str.resize(static_cast<std::size_t>(n - 1));
}

CString& CString::operator=(const char* psz)
{
    if (psz == nullptr)
        m_str.clear();
    else
        m_str.assign(psz);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_str[static_cast<std::size_t>(nIndex)];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_str[static_cast<std::size_t>(nIndex)] = ch;
}

CString& CString::operator+=(const CString& str)
{
    m_str.append(str.m_str);
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz != nullptr)
        m_str.append(psz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str.push_back(ch);
    return *this;
}

int CString::CompareBytes(const char* p1, std::size_t n1, const char* p2, std::size_t n2, bool bNoCase)
{
    std::size_t n = std::min(n1, n2);
    for (std::size_t i = 0; i < n; ++i)
    {
        unsigned char c1 = static_cast<unsigned char>(p1[i]);
        unsigned char c2 = static_cast<unsigned char>(p2[i]);
        if (bNoCase)
        {
            c1 = LowerOf(c1);
            c2 = LowerOf(c2);
        }
        if (c1 != c2)
            return c1 < c2 ? -1 : 1;
    }
    return n1 == n2 ? 0 : (n1 < n2 ? -1 : 1);
}

int CString::Compare(const CString& str) const
{
    return CompareBytes(m_str.data(), m_str.size(), str.m_str.data(), str.m_str.size(), false);
}

int CString::Compare(const char* psz) const
{
    return CompareBytes(m_str.data(), m_str.size(), psz, LengthOf(psz), false);
}

int CString::CompareNoCase(const CString& str) const
{
    return CompareBytes(m_str.data(), m_str.size(), str.m_str.data(), str.m_str.size(), true);
}

int CString::CompareNoCase(const char* psz) const
{
    return CompareBytes(m_str.data(), m_str.size(), psz, LengthOf(psz), true);
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    // Formatted apart first: an argument may point into this string.
    String result = FormatToString(pszFormat, args);
    m_str.swap(result);
}

void CString::AppendFormatV(const char* pszFormat, va_list args)
{
    m_str.append(FormatToString(pszFormat, args));
}

CString::String CString::FormatToString(const char* pszFormat, va_list args)
{
    if (pszFormat == nullptr)
        AfxThrowInvalidArgException();
    va_list probe;
    va_copy(probe, args);
    int n = __mingw_vsnprintf(nullptr, 0, pszFormat, probe);
    va_end(probe);
    String result;
    if (n <= 0)
        return result;
    // The string keeps room for the terminating zero that vsnprintf writes.
    result.resize(static_cast<std::size_t>(n));
    __mingw_vsnprintf(result.data(), static_cast<std::size_t>(n) + 1, pszFormat, args);
    return result;
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hModule = GetModuleHandleA(nullptr);
    String text(256, '\0');
    for (;;)
    {
        int n = ::LoadStringA(hModule, nID, text.data(), static_cast<int>(text.size()));
        if (n <= 0)
        {
            m_str.clear();
            return FALSE;
        }
        // A text that fills the buffer may have been cut: try again with more room.
        if (static_cast<std::size_t>(n) < text.size() - 1)
        {
            text.resize(static_cast<std::size_t>(n));
            m_str.swap(text);
            return TRUE;
        }
        text.assign(text.size() * 2, '\0');
    }
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength());
}

CString CString::Mid(int iFirst, int nCount) const
{
    ClampRange(GetLength(), iFirst, nCount);
    return CString(m_str.substr(static_cast<std::size_t>(iFirst), static_cast<std::size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

int CString::Find(char ch, int iStart) const
{
    return FindBytes(&ch, 1, iStart);
}

int CString::Find(const char* pszSub, int iStart) const
{
    return FindBytes(pszSub, LengthOf(pszSub), iStart);
}

int CString::Find(const CString& strSub, int iStart) const
{
    return FindBytes(strSub.m_str.data(), strSub.m_str.size(), iStart);
}

int CString::FindBytes(const char* pSub, std::size_t nSub, int iStart) const
{
    iStart = std::max(iStart, 0);
    if (iStart > GetLength())
        return -1;
    std::size_t pos = m_str.find(pSub, static_cast<std::size_t>(iStart), nSub);
    return pos == String::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    std::size_t pos = m_str.rfind(ch);
    return pos == String::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* pszCharSet) const
{
    if (pszCharSet == nullptr)
        return -1;
    for (std::size_t i = 0; i < m_str.size(); ++i)
    {
        if (InSet(m_str[i], pszCharSet))
            return static_cast<int>(i);
    }
    return -1;
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (char& c : m_str)
    {
        if (c == chOld)
        {
            c = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    std::size_t nOld = LengthOf(pszOld);
    if (nOld == 0)
        return 0;
    std::size_t nNew = LengthOf(pszNew);
    String result;
    int nCount = 0;
    std::size_t from = 0;
    for (std::size_t pos = m_str.find(pszOld, 0, nOld); pos != String::npos;
         pos = m_str.find(pszOld, from, nOld))
    {
        result.append(m_str, from, pos - from);
        result.append(pszNew != nullptr ? pszNew : "", nNew);
        from = pos + nOld;
        ++nCount;
    }
    if (nCount > 0)
    {
        result.append(m_str, from, String::npos);
        m_str.swap(result);
    }
    return nCount;
}

int CString::Remove(char ch)
{
    std::size_t nOld = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(nOld - m_str.size());
}

int CString::Insert(int iIndex, char ch)
{
    iIndex = std::clamp(iIndex, 0, GetLength());
    m_str.insert(static_cast<std::size_t>(iIndex), 1, ch);
    return GetLength();
}

int CString::Insert(int iIndex, const char* psz)
{
    iIndex = std::clamp(iIndex, 0, GetLength());
    if (psz != nullptr)
        m_str.insert(static_cast<std::size_t>(iIndex), psz);
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    ClampRange(GetLength(), iIndex, nCount);
    m_str.erase(static_cast<std::size_t>(iIndex), static_cast<std::size_t>(nCount));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(const char* pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    auto it = std::find_if_not(m_str.begin(), m_str.end(), IsWhiteSpace);
    m_str.erase(m_str.begin(), it);
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    auto it = std::find_if(m_str.begin(), m_str.end(), [chTarget](char c) { return c != chTarget; });
    m_str.erase(m_str.begin(), it);
    return *this;
}

CString& CString::TrimLeft(const char* pszTargets)
{
    if (pszTargets == nullptr)
        return *this;
    auto it =
        std::find_if_not(m_str.begin(), m_str.end(), [pszTargets](char c) { return InSet(c, pszTargets); });
    m_str.erase(m_str.begin(), it);
    return *this;
}

CString& CString::TrimRight()
{
    auto it = std::find_if_not(m_str.rbegin(), m_str.rend(), IsWhiteSpace);
    m_str.erase(it.base(), m_str.end());
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    auto it = std::find_if(m_str.rbegin(), m_str.rend(), [chTarget](char c) { return c != chTarget; });
    m_str.erase(it.base(), m_str.end());
    return *this;
}

CString& CString::TrimRight(const char* pszTargets)
{
    if (pszTargets == nullptr)
        return *this;
    auto it =
        std::find_if_not(m_str.rbegin(), m_str.rend(), [pszTargets](char c) { return InSet(c, pszTargets); });
    m_str.erase(it.base(), m_str.end());
    return *this;
}

CString& CString::MakeUpper()
{
    for (char& c : m_str)
        c = static_cast<char>(UpperOf(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_str)
        c = static_cast<char>(LowerOf(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

CString CString::SpanIncluding(const char* pszCharSet) const
{
    if (pszCharSet == nullptr)
        return CString();
    auto it =
        std::find_if_not(m_str.begin(), m_str.end(), [pszCharSet](char c) { return InSet(c, pszCharSet); });
    return Left(static_cast<int>(it - m_str.begin()));
}

CString CString::SpanExcluding(const char* pszCharSet) const
{
    int n = FindOneOf(pszCharSet);
    return n < 0 ? *this : Left(n);
}

CString CString::Tokenize(const char* pszTokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    if (pszTokens == nullptr || *pszTokens == '\0')
    {
        // No delimiters: the rest is one token.
        if (iStart < GetLength())
        {
            CString rest = Mid(iStart);
            iStart = GetLength() + 1;
            return rest;
        }
        iStart = -1;
        return CString();
    }
    std::size_t nLength = m_str.size();
    std::size_t first = static_cast<std::size_t>(iStart);
    while (first < nLength && InSet(m_str[first], pszTokens))
        ++first;
    if (first >= nLength)
    {
        iStart = -1;
        return CString();
    }
    std::size_t last = first;
    while (last < nLength && !InSet(m_str[last], pszTokens))
        ++last;
    iStart = static_cast<int>(last) + 1;
    return CString(m_str.substr(first, last - first));
}

char* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    if (static_cast<std::size_t>(nMinBufLength) > m_str.size())
        m_str.resize(static_cast<std::size_t>(nMinBufLength));
    return m_str.data();
}

char* CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        AfxThrowInvalidArgException();
    m_str.resize(static_cast<std::size_t>(nNewLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_str.c_str(), m_str.size()));
    else if (nNewLength > GetLength())
        AfxThrowInvalidArgException();
    m_str.resize(static_cast<std::size_t>(nNewLength));
}

CString operator+(const CString& str1, const CString& str2)
{
    CString result(str1);
    result += str2;
    return result;
}

CString operator+(const CString& str, const char* psz)
{
    CString result(str);
    result += psz;
    return result;
}

CString operator+(const char* psz, const CString& str)
{
    CString result(psz);
    result += str;
    return result;
}

CString operator+(const CString& str, char ch)
{
    CString result(str);
    result += ch;
    return result;
}

CString operator+(char ch, const CString& str)
{
    CString result(ch);
    result += str;
    return result;
}
