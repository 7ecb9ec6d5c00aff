// The framework's text class: char-based (ANSI, code page 1252) and length-counted. Every member works
// on the counted length, so binary frames with 0x00 bytes survive; only arguments given as C strings
// (const char*) end at their first zero byte. Exhausted memory raises CMemoryException, an index
// outside the text CInvalidArgException.
//
// Formatting (Format, AppendFormat, FormatV) calls mingw-w64's own C99 printf, __mingw_vsnprintf, the
// one printf rule of the project. Use "%lld" for 64-bit integers ("%I64d" works at run time too, but
// the compiler's format check, gnu_printf, flags it). Pass a CString to "%s" as (LPCSTR)str.
#pragma once

#include "framework/AfxAllocator.h"
#include "framework/AfxTypes.h"

#include <concepts>
#include <cstdarg>
#include <string>
#include <utility>

class CString
{
public:
    CString() = default;
    CString(const char* psz);
    CString(const char* pch, int nLength);
    CString(char ch, int nRepeat = 1);
    // Converts with the ANSI code page.
    explicit CString(const wchar_t* pwsz);
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const char* psz);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    template <std::integral I> char operator[](I nIndex) const { return GetAt(ToIndex(nIndex)); }

    operator LPCSTR() const { return m_str.c_str(); }
    LPCSTR GetString() const { return m_str.c_str(); }

    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    // strcmp order of the bytes (unsigned), over the counted length.
    int Compare(const CString& str) const;
    int Compare(const char* psz) const;
    // As Compare, letters folded by the code page 1252 case table.
    int CompareNoCase(const CString& str) const;
    int CompareNoCase(const char* psz) const;

    void Format(const char* pszFormat, ...) __attribute__((format(gnu_printf, 2, 3)));
    void AppendFormat(const char* pszFormat, ...) __attribute__((format(gnu_printf, 2, 3)));
    void FormatV(const char* pszFormat, va_list args) __attribute__((format(gnu_printf, 2, 0)));

    // Reads string nID from the program's string table; FALSE (and empty) when there is none.
    // (windows.h maps the name LoadString to LoadStringA; both spellings reach this member.)
    BOOL LoadString(UINT nID);

    // Counts and positions outside the text are clamped to it.
    CString Left(int nCount) const;
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Right(int nCount) const;

    // Position of the first match at or after iStart, or -1.
    int Find(char ch, int iStart = 0) const;
    int Find(const char* pszSub, int iStart = 0) const;
    int Find(const CString& strSub, int iStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* pszCharSet) const;

    // Return the number of replacements / removals.
    int Replace(char chOld, char chNew);
    int Replace(const char* pszOld, const char* pszNew);
    int Remove(char ch);

    // Return the new length.
    int Insert(int iIndex, char ch);
    int Insert(int iIndex, const char* psz);
    int Delete(int iIndex, int nCount = 1);

    // Without argument white space (blank, \t, \n, \v, \f, \r) is trimmed.
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(const char* pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(const char* pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(const char* pszTargets);

    // Code page 1252 case table: ASCII and the accented letters; other bytes stay.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    CString SpanIncluding(const char* pszCharSet) const;
    CString SpanExcluding(const char* pszCharSet) const;
    // Next token at or after iStart, delimited by any of pszTokens; iStart moves past it.
    // At the end the result is empty and iStart becomes -1.
    CString Tokenize(const char* pszTokens, int& iStart) const;

    // The buffer holds at least nMinBufLength characters plus a terminating zero. After writing,
    // ReleaseBuffer sets the length: nNewLength, or -1 for the length up to the first zero byte.
    char* GetBuffer(int nMinBufLength);
    char* GetBuffer() { return GetBuffer(0); }
    char* GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    using String = std::basic_string<char, std::char_traits<char>, CAfxAllocator<char>>;

    explicit CString(String&& str) : m_str(std::move(str)) {}

    template <std::integral I> static int ToIndex(I n)
    {
        return std::in_range<int>(n) ? static_cast<int>(n) : -1;
    }
    void AppendFormatV(const char* pszFormat, va_list args);
    static String FormatToString(const char* pszFormat, va_list args);
    int FindBytes(const char* pSub, std::size_t nSub, int iStart) const;
    static int CompareBytes(const char* p1, std::size_t n1, const char* p2, std::size_t n2, bool bNoCase);

    String m_str;
};

CString operator+(const CString& str1, const CString& str2);
CString operator+(const CString& str, const char* psz);
CString operator+(const char* psz, const CString& str);
CString operator+(const CString& str, char ch);
CString operator+(char ch, const CString& str);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, const char* s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(const char* s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, const char* s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const char* s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, const char* s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const char* s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, const char* s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const char* s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const CString& s1, const char* s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const char* s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const CString& s1, const char* s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const char* s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}
