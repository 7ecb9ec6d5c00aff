#include "framework/CInvalidArgException.h"
#include "framework/CString.h"
#include "RaisesFrameworkException.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace
{
// A protocol frame as the sensor sends it: STX, a zero byte, doubled 0x02, check bytes.
const CString kFrame("\x02\x00\x41\x02\x02\x00\x03", 7);

template <class... Args> CString Formatted(const char* pszFormat, Args... args)
{
    CString str;
    str.Format(pszFormat, args...);
    return str;
}
} // namespace

TEST(CString, BinaryFrameSurvivesEveryOperation)
{
    CString copy(kFrame);
    ASSERT_EQ(copy.GetLength(), 7);
    EXPECT_EQ(std::memcmp(copy.GetString(), "\x02\x00\x41\x02\x02\x00\x03", 7), 0);
    EXPECT_TRUE(copy == kFrame);

    EXPECT_EQ(kFrame.Mid(1, 3), CString("\x00\x41\x02", 3));
    EXPECT_EQ(kFrame.Right(2), CString("\x00\x03", 2));
    EXPECT_EQ(kFrame.Find('\0'), 1);
    EXPECT_EQ(kFrame.Find('\0', 2), 5);
    EXPECT_EQ(kFrame.Find(CString("\x02\x02", 2)), 3);
    EXPECT_EQ(kFrame.Find("\x02\x03"), -1);
    EXPECT_EQ(kFrame.ReverseFind('\x02'), 4);
    EXPECT_EQ(kFrame[5], '\0');

    copy.Delete(0, 2);
    EXPECT_EQ(copy, CString("\x41\x02\x02\x00\x03", 5));
    copy += CString("\x00", 1);
    copy += '\0';
    EXPECT_EQ(copy.GetLength(), 7);
    EXPECT_EQ(copy.Replace("\x02\x02", "\x02"), 1);
    EXPECT_EQ(copy, CString("\x41\x02\x00\x03\x00\x00", 6));
    EXPECT_EQ(copy.Remove('\0'), 3);
    EXPECT_EQ(copy, "\x41\x02\x03");

    // Bytes after a zero byte still count in comparisons and are kept by trims.
    CString changed(kFrame);
    changed.SetAt(6, '\x04');
    EXPECT_NE(changed, kFrame);
    EXPECT_GT(changed, kFrame);
    EXPECT_GT(kFrame, CString("\x02", 1));
    EXPECT_NE(kFrame, "\x02");
    CString trimmed(kFrame);
    EXPECT_EQ(trimmed.Trim().GetLength(), 7);
}

TEST(CString, FormatPatterns)
{
    struct Case
    {
        CString actual;
        CString expected;
    };
    const Case cases[] = {
        {Formatted("( int iWhatToDo = %3i )", 5), "( int iWhatToDo =   5 )"},
        {Formatted("%3i", -1234), "-1234"},
        {Formatted("%02X", 0x0A), "0A"},
        {Formatted("%2x|", 0x5), " 5|"},
        {Formatted("%04x", 0x1A), "001a"},
        {Formatted("%.*f", 2, 3.14159), "3.14"},
        {Formatted("%5.3f", 1.5), "1.500"},
        {Formatted("%5.2e", 12345.678), "1.23e+04"},
        {Formatted("%.14G", 0.1), "0.1"},
        {Formatted("%s [%s]", static_cast<LPCSTR>(CString("N·m")), ""), "N·m []"},
        {Formatted("%li", 7L), "7"},
        {Formatted("%lld", -1234567890123LL), "-1234567890123"},
        {Formatted("%I64d", 9876543210LL), "9876543210"},
        {Formatted("%%5.%de", 3), "%5.3e"},
        {Formatted("%4d%2d", 2014, 3), "2014 3"},
        // Exact ties round to even (mingw's rule).
        {Formatted("%.0f %.1f", 2.5, 0.25), "2 0.2"},
        {Formatted("%2c|", 0), CString(" \0|", 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << (LPCSTR)c.expected;

    CString str("x=");
    str.AppendFormat("%d;", 42);
    str.AppendFormat("%s", static_cast<LPCSTR>(str));
    EXPECT_EQ(str, "x=42;x=42;");

    CString self("ab");
    self.Format("%s-%s", static_cast<LPCSTR>(self), static_cast<LPCSTR>(self));
    EXPECT_EQ(self, "ab-ab");

    CString longText;
    longText.Format("%s%0500d", "start", 7);
    EXPECT_EQ(longText.GetLength(), 505);
    EXPECT_EQ(longText.Right(2), "07");
}

TEST(CString, RangesOutsideTheTextAreClamped)
{
    const CString s("abcdef");
    struct Case
    {
        CString actual;
        const char* expected;
    };
    const Case cases[] = {
        {s.Mid(4), "ef"},         {s.Mid(10), ""},         {s.Mid(-1), "abcdef"},
        {s.Mid(2, 100), "cdef"},  {s.Mid(2, -1), ""},      {s.Mid(INT_MAX, INT_MAX), ""},
        {s.Mid(-5, 7), "abcdef"}, {s.Left(10), "abcdef"},  {s.Left(-1), ""},
        {s.Left(2), "ab"},        {s.Right(10), "abcdef"}, {s.Right(-3), ""},
        {s.Right(2), "ef"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected);

    CString d(s);
    EXPECT_EQ(d.Delete(4, 10), 4);
    EXPECT_EQ(d, "abcd");
    EXPECT_EQ(d.Delete(-1, 2), 2);
    EXPECT_EQ(d, "cd");
    EXPECT_EQ(d.Delete(10), 2);
    EXPECT_EQ(d.Insert(10, 'x'), 3);
    EXPECT_EQ(d, "cdx");
    EXPECT_EQ(d.Insert(-5, "ab"), 5);
    EXPECT_EQ(d, "abcdx");
    EXPECT_EQ(d.Insert(2, ""), 5);
}

TEST(CString, Trims)
{
    CString s(" \t ab c \r\n");
    EXPECT_EQ(CString(s).TrimLeft(), "ab c \r\n");
    EXPECT_EQ(CString(s).TrimRight(), " \t ab c");
    EXPECT_EQ(s.Trim(), "ab c");
    EXPECT_EQ(CString("xxabxx").TrimRight('x'), "xxab");
    EXPECT_EQ(CString("xxabxx").TrimLeft('x'), "abxx");
    EXPECT_EQ(CString("xyabyx").Trim("xy"), "ab");
    EXPECT_EQ(CString(" \t\r\n ").Trim(), "");
    EXPECT_EQ(CString("").Trim('x'), "");
}

TEST(CString, SearchReplaceAndSpans)
{
    CString s("aaa");
    EXPECT_EQ(s.Replace("a", "aa"), 3);
    EXPECT_EQ(s, "aaaaaa");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace("aa", nullptr), 3);
    EXPECT_EQ(s, "");

    CString dec("1.234,5");
    EXPECT_EQ(dec.Replace('.', ','), 1);
    EXPECT_EQ(dec, "1,234,5");

    const CString t("COM3   USB Serial Port (COM3)");
    EXPECT_EQ(t.Find("COM3", 1), 24);
    EXPECT_EQ(t.Find("COM3", 100), -1);
    EXPECT_EQ(t.Find(""), 0);
    EXPECT_EQ(t.ReverseFind('('), 23);
    EXPECT_EQ(t.FindOneOf(" \t"), 4);
    EXPECT_EQ(t.FindOneOf("#"), -1);
    EXPECT_EQ(t.SpanExcluding(" \t"), "COM3");
    EXPECT_EQ(t.SpanExcluding("#"), t);
    EXPECT_EQ(t.SpanIncluding("COM"), "COM");
    EXPECT_EQ(t.SpanIncluding("x"), "");

    const CString list(",a,,b;c;");
    int pos = 0;
    EXPECT_EQ(list.Tokenize(",;", pos), "a");
    EXPECT_EQ(list.Tokenize(",;", pos), "b");
    EXPECT_EQ(list.Tokenize(",;", pos), "c");
    EXPECT_EQ(list.Tokenize(",;", pos), "");
    EXPECT_EQ(pos, -1);
    pos = 0;
    EXPECT_EQ(list.Tokenize("", pos), list);
    EXPECT_EQ(list.Tokenize("", pos), "");
    EXPECT_EQ(pos, -1);
}

TEST(CString, Comparisons)
{
    EXPECT_LT(CString("abc"), CString("abd"));
    EXPECT_LT(CString("ab"), "abc");
    EXPECT_LT("Z", CString("a"));
    EXPECT_GT(CString("\xC4"), "z"); // bytes compare unsigned
    EXPECT_LE(CString("ab"), "ab");
    EXPECT_GE("ab", CString("ab"));
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_LT(CString("abc").Compare("abcd"), 0);
    EXPECT_EQ(CString("COM3").CompareNoCase("com3"), 0);
    EXPECT_GT(CString("COM4").CompareNoCase("com3"), 0);
    EXPECT_EQ(CString("Äpfel").CompareNoCase("äPFEL"), 0);
    EXPECT_EQ(CString("2.05") == "2.05", true);
    EXPECT_EQ(CString() == nullptr, true);
}

TEST(CString, Cp1252BytesAndCase)
{
    const CString unit("N·m");
    ASSERT_EQ(unit.GetLength(), 3);
    EXPECT_EQ(static_cast<unsigned char>(unit[1]), 0xB7);
    EXPECT_EQ(static_cast<unsigned char>(CString("Ä")[0]), 0xC4);

    EXPECT_EQ(CString(unit).MakeUpper(), "N·M");
    EXPECT_EQ(CString("äöü µm ß ÿ š").MakeUpper(), "ÄÖÜ µM ß Ÿ Š");
    EXPECT_EQ(CString("ÄÖÜ µM ß Ÿ Š ×").MakeLower(), "äöü µm ß ÿ š ×");
    EXPECT_EQ(CString("Tervane USB").MakeLower(), "tervane usb");
    EXPECT_EQ(CString("abc").MakeReverse(), "cba");
    EXPECT_EQ(CString(L"Grüße"), "Grüße");
}

TEST(CString, ConstructionAndAssignment)
{
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_EQ(CString('-', 5), "-----");
    EXPECT_EQ(CString('-', -1), "");
    EXPECT_EQ(CString("abc", 2), "ab");

    CString s("text");
    CString moved(std::move(s));
    EXPECT_EQ(moved, "text");
    moved = 'x';
    EXPECT_EQ(moved, "x");
    moved = "y";
    moved.Empty();
    EXPECT_TRUE(moved.IsEmpty());

    EXPECT_EQ(CString("a") + "b" + 'c' + CString("d"), "abcd");
    EXPECT_EQ("a" + CString("b"), "ab");
    EXPECT_EQ('a' + CString("b"), "ab");
}

TEST(CString, BufferAccess)
{
    CString s("old");
    char* p = s.GetBuffer(20);
    std::strcpy(p, "hello");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "hello");

    std::memcpy(s.GetBufferSetLength(3), "xyz", 3);
    EXPECT_EQ(s, "xyz");

    std::memcpy(s.GetBuffer(10), "a\0b", 3);
    s.ReleaseBuffer(3);
    EXPECT_EQ(s, CString("a\0b", 3));

    CString path;
    DWORD n = GetModuleFileNameA(nullptr, path.GetBuffer(MAX_PATH), MAX_PATH);
    path.ReleaseBuffer();
    EXPECT_EQ(path.GetLength(), static_cast<int>(n));
    EXPECT_EQ(path.Right(4).MakeLower(), ".exe");
}

TEST(CString, InvalidArgumentsRaiseTheFrameworksException)
{
    const CString s("ab");
    const CRuntimeClass* pInvalidArg = RUNTIME_CLASS(CInvalidArgException);
    EXPECT_TRUE(Raises(pInvalidArg, [&] { (void)s.GetAt(-1); }));
    EXPECT_TRUE(Raises(pInvalidArg, [&] { (void)s[2]; }));
    EXPECT_TRUE(Raises(pInvalidArg, [&] { (void)s[static_cast<size_t>(-1)]; }));
    EXPECT_TRUE(Raises(pInvalidArg, [&] { (void)CString("x", -1); }));
    CString t("ab");
    EXPECT_TRUE(Raises(pInvalidArg, [&] { t.SetAt(5, 'x'); }));
    EXPECT_TRUE(Raises(pInvalidArg, [&] { t.GetBuffer(-1); }));
    EXPECT_TRUE(Raises(pInvalidArg, [&] { t.ReleaseBuffer(3); }));
    EXPECT_EQ(t, "ab");
}

TEST(CString, LoadsFromTheStringTable)
{
    CString s("previous");
    EXPECT_FALSE(s.LoadString(64999));
    EXPECT_TRUE(s.IsEmpty());

    ASSERT_TRUE(s.LoadString(64001));
    EXPECT_EQ(s, "Drehmoment N·m");
    ASSERT_TRUE(s.LoadString(64002));
    EXPECT_EQ(s.GetLength(), 300);
    EXPECT_EQ(s.Right(3), "xyz");
}
