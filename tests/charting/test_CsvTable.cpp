#include "FakePlotHost.h"

#include "charting/CCsvTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

namespace
{
using Doubles = std::vector<double>;
using Texts = std::vector<std::string>;

void WriteBytes(const CString& strPath, const std::string& strBytes)
{
    std::ofstream(static_cast<const char*>(strPath), std::ios::binary) << strBytes;
}

std::string ReadBytes(const CString& strPath)
{
    std::ifstream in(static_cast<const char*>(strPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Parses the text as a file's contents with the given separator and flags.
CCsvTable Parse(const std::string& strText, DWORD dwFlags, const std::string& strSep = ",")
{
    CCsvTable table(dwFlags);
    table.strSeparator = strSep;
    std::istringstream in(strText);
    in >> table;
    return table;
}

std::string Format(const CCsvTable& table)
{
    std::ostringstream out;
    out << table;
    return out.str();
}
} // namespace

TEST(CsvTable, ReadsColumnsWithTheirFileAndWritesThemBackWithTheSeparator)
{
    TempFile file("table.csv");
    WriteBytes(file.Path(), "a,b\n1,2\n3,4\n");
    CCsvTable table;
    ASSERT_TRUE(table.Read(static_cast<const char*>(file.Path())));
    EXPECT_EQ(table.vecVariableNames, (Texts{"a", "b"}));
    EXPECT_EQ(table.vecFileNames, (Texts{file.Path().GetString(), file.Path().GetString()}));
    EXPECT_EQ(table.vecDoubleData, (std::vector<Doubles>{{1, 3}, {2, 4}}));
    EXPECT_EQ(table.GetData("b", 1), 4);

    TempFile copy("copy.csv");
    ASSERT_TRUE(table.Write(static_cast<const char*>(copy.Path()), ";"));
    EXPECT_EQ(ReadBytes(copy.Path()), "a;b\r\n1;2\r\n3;4\r\n"); // the platform's line ends

    // The written file reads back without carriage returns in its last column.
    CCsvTable texts(CCsvTable::READ_AS_STRING);
    texts.strSeparator = ";";
    ASSERT_TRUE(texts.Read(static_cast<const char*>(copy.Path())));
    std::string strValue;
    EXPECT_EQ(texts.GetString(1, 1, strValue), 1);
    EXPECT_EQ(strValue, "4");
    EXPECT_EQ(texts.vecVariableNames, (Texts{"a", "b"}));
}

TEST(CsvTable, FieldsAreUnquotedAndNumbersConvertLikeTheCLibrary)
{
    const CCsvTable numbers = Parse("a;b;c\n1,5; 2x;\n\"7\";-3e2;8\n", CCsvTable::RF_READ_AS_DOUBLE, ";");
    EXPECT_EQ(numbers.vecDoubleData, (std::vector<Doubles>{{1.0, 0.0}, {2.0, -300.0}, {0.0, 8.0}}));

    const CCsvTable texts = Parse("a,b\n\"x,y\n,z", CCsvTable::READ_AS_STRING);
    EXPECT_EQ(texts.vecStringData, (std::vector<Texts>{{"\"x", ""}, {"y", "z"}}));

    // A carriage return inside a stream is part of the last field.
    EXPECT_EQ(Parse("a\r\nx\r\n", CCsvTable::READ_AS_STRING).vecVariableNames, Texts{"a\r"});
}

TEST(CsvTable, RowsEndAtTheStreamAndShortOrLongLinesShiftFields)
{
    // No row for the line end at the end; a short line continues into the next one; a surplus
    // stays in the last field; a blank line is skipped.
    const CCsvTable table = Parse("a,b\n1,2\n3\n4,5,6\n\n7,8", CCsvTable::READ_AS_STRING);
    EXPECT_EQ(table.vecStringData, (std::vector<Texts>{{"1", "3\n4", "7"}, {"2", "5,6", "8"}}));
    EXPECT_EQ(Parse("a,b\n1,2\n\n", CCsvTable::RF_READ_AS_DOUBLE).GetMaxRowCount(), 1);
}

TEST(CsvTable, AHeaderOnlyTableReadsAsEmptyColumns)
{
    const CCsvTable table = Parse("a,b\n", CCsvTable::RF_READ_AS_DOUBLE);
    EXPECT_EQ(table.GetColumnCount(), 2);
    EXPECT_EQ(table.GetMaxRowCount(), 0);
    EXPECT_EQ(Parse("", CCsvTable::RF_READ_AS_DOUBLE).GetColumnCount(), 0);
}

TEST(CsvTable, AnOverlongFieldIsCutAndTheRowsAfterItAreKept)
{
    const std::string strLong(1500, 'q');
    const CCsvTable table = Parse("a,b\n" + strLong + ",1\n2,3\n", CCsvTable::READ_AS_STRING);
    ASSERT_EQ(table.GetMaxRowCount(), 2);
    EXPECT_EQ(table.vecStringData[0][0], strLong.substr(0, 1023));
    EXPECT_EQ(table.vecStringData[1], (Texts{"1", "3"}));
}

TEST(CsvTable, FailuresSetTheirErrorTexts)
{
    TempFile file("bad.csv");
    WriteBytes(file.Path(), "a,b\n1,2,3\n");
    const std::string strPath = static_cast<const char*>(file.Path());
    CCsvTable numbers = Parse("a,b\n1,2\n", CCsvTable::RF_READ_AS_DOUBLE);
    CCsvTable texts = Parse("a,b\n1,2\n", CCsvTable::READ_AS_STRING);
    std::string strValue;
    struct Case
    {
        const char* lpszWhat;
        std::function<bool(CCsvTable&)> fails;
        CCsvTable* pTable;
        std::string strError;
    };
    const Case cases[] = {
        {"text of a number table", [&](CCsvTable& t) { return t.GetString(0, 0, strValue) == -1; }, &numbers,
         "ERROR 0003: GetString() was called while the dwReadFlags was not READ_AS_STRING."},
        {"number of a text table", [](CCsvTable& t) { return t.GetData(0, 0) == CCsvTable::FAILED_VALUE; },
         &texts, "ERROR 0004: GetData() was called while the dwReadFlags was not RF_READ_AS_DOUBLE."},
        {"unknown name", [](CCsvTable& t) { return t.GetData("c", 0) == 1.2345678909876544e18; }, &numbers,
         "ERROR 0005: Variable name not found!"},
        {"unknown name, column",
         [](CCsvTable& t)
         {
             Texts v;
             return t.GetString("c", v) == -1;
         },
         &texts, "ERROR 0005: Variable name not found!"},
        {"unknown file", [](CCsvTable& t) { return t.FindVariable("a", "x.csv", 0) == -1; }, &numbers,
         "ERROR 0006: Filename name not found!"},
        {"missing file", [](CCsvTable& t) { return !t.Read("C:\\no such folder\\x.csv"); }, &numbers,
         "ERROR 0007: File not found!\nDetails: C:\\no such folder\\x.csv"},
        {"header count", [&](CCsvTable& t) { return !t.Read(strPath); }, &texts,
         "ERROR 0008: The Number of Headers is different than the Number of Data Columns!"},
        {"unwritable file", [](CCsvTable& t) { return !t.Write("C:\\no such folder\\x.csv", ","); }, &numbers,
         "ERROR 0009: File could not be written!\nDetails: C:\\no such folder\\x.csv"},
    };
    for (const Case& c : cases)
    {
        c.pTable->strLastError.clear();
        EXPECT_TRUE(c.fails(*c.pTable)) << c.lpszWhat;
        EXPECT_EQ(c.pTable->strLastError, c.strError) << c.lpszWhat;
    }
    EXPECT_EQ(texts.GetColumnCount(), 0); // the failed parse cleared the table
    EXPECT_EQ(numbers.strFileName, "C:\\no such folder\\x.csv");
    EXPECT_EQ(numbers.GetColumnCount(), 2); // a file that cannot be opened changes no column
}

TEST(CsvTable, IndexErrorsGiveTheFailureResultWithTheExceptionsMessage)
{
    CCsvTable table = Parse("a,b\n1,2\n", CCsvTable::RF_READ_AS_DOUBLE);
    EXPECT_EQ(table.GetData(0, 1), CCsvTable::FAILED_VALUE);
    EXPECT_FALSE(table.strLastError.empty());
    table.strLastError.clear();
    EXPECT_FALSE(table.SetData(2, 0, 1.0));
    EXPECT_FALSE(table.strLastError.empty());
    char szName[2];
    EXPECT_EQ(table.GetVariableName(0, szName, sizeof(szName)), 1);
    EXPECT_STREQ(szName, "a");
    EXPECT_EQ(table.GetVariableName(-1, szName, sizeof(szName)), -1);
    EXPECT_FALSE(table.AddColumn("n", 0.0, -1));
    EXPECT_EQ(table.GetColumnCount(), 2);
    EXPECT_THROW(table.GetRowCount(2), std::out_of_range);
}

TEST(CsvTable, AppendModeAddsTheFilesColumnsBehindTheTables)
{
    TempFile file("more.csv");
    WriteBytes(file.Path(), "c,d\n5,6\n");
    CCsvTable table = Parse("a,b\n1,2\n", CCsvTable::RF_READ_AS_DOUBLE);
    ASSERT_TRUE(table.Read(static_cast<const char*>(file.Path()),
                           CCsvTable::RF_READ_AS_DOUBLE | CCsvTable::RF_APPEND));
    EXPECT_EQ(table.vecVariableNames, (Texts{"a", "b", "c", "d"}));
    EXPECT_EQ(table.FindVariable("c", 0), 2);
    EXPECT_EQ(table.FindVariable("d", static_cast<const char*>(file.Path()), 0), 3);
    EXPECT_EQ(table.FindVariable("a", static_cast<const char*>(file.Path()), 0), -1);
    EXPECT_EQ(table.GetData(3, 0), 6);
}

TEST(CsvTable, NumbersAreWrittenWithSixDigitsAndShortColumnsLeaveCellsEmpty)
{
    CCsvTable table = CCsvTable::FromDataColumn("x", {3.14159265, 2e-7, 1234567});
    table.AddColumn("y", Doubles{-0.5});
    table.strSeparator = ";";
    EXPECT_EQ(Format(table), "x;y\n3.14159;-0.5\n2e-07;\n1.23457e+06;\n");
    EXPECT_EQ(Format(CCsvTable()), "");
}

TEST(CsvTable, ColumnsAreAddedRemovedRangedAndJoinedInStep)
{
    CCsvTable table = CCsvTable::FromStringColumn("a", {"1", "2", "3"});
    ASSERT_TRUE(table.AddColumn("b", std::string("z"), 2));
    ASSERT_TRUE(table.AppendString(1, Texts{"y"}));
    ASSERT_TRUE(table.AddColumn("c", Texts{"7"}));

    // Bounds in any order; a shorter column gives a shorter copy.
    const CCsvTable part(table.Range(2, 2, 1, 1));
    EXPECT_EQ(part.vecVariableNames, (Texts{"b", "c"}));
    EXPECT_EQ(part.vecStringData, (std::vector<Texts>{{"z", "y"}, {}}));
    std::ostringstream out;
    out << table.Range(0, 1, 1, 3);
    EXPECT_EQ(out.str(), "a,b\n2,z\n3,y\n,\n");
    EXPECT_THROW(CCsvTable(table.Range(0, 0, 3, 0)), std::out_of_range);

    ASSERT_TRUE(table.RemoveColumn(1));
    EXPECT_FALSE(table.RemoveColumn(2));
    EXPECT_EQ(table.vecVariableNames, (Texts{"a", "c"}));
    EXPECT_EQ(table.vecStringData, (std::vector<Texts>{{"1", "2", "3"}, {"7"}}));

    const CCsvTable sum = table + table;
    EXPECT_EQ(sum.GetColumnCount(), 4);
    EXPECT_EQ(sum.vecFileNames.size(), 4u);
    EXPECT_EQ(sum.FindVariable("c", 2), 3);
}

TEST(CsvTable, FilesAreSharedForReadingAndWritingWithOthers)
{
    TempFile file("shared.csv");
    WriteBytes(file.Path(), "a\n1\n");
    // Another program keeps the file open for writing.
    HANDLE hOther =
        ::CreateFileA(file.Path(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hOther, INVALID_HANDLE_VALUE);
    CCsvTable table;
    EXPECT_TRUE(table.Read(static_cast<const char*>(file.Path()))) << table.strLastError;
    EXPECT_TRUE(table.Write(static_cast<const char*>(file.Path()), ",")) << table.strLastError;
    ::CloseHandle(hOther);
    EXPECT_EQ(ReadBytes(file.Path()), "a\r\n1\r\n");
}
