#include "charting/CCsvTable.h"

#include <ext/stdio_filebuf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <limits>
#include <memory>
#include <ostream>
#include <share.h>
#include <stdexcept>

const char* const CCsvTable::ERR_UNKNOWN = "ERROR 0000: UNKNOWN ERROR";
const char* const CCsvTable::ERR_GET_STRING = "ERROR 0001: An unknown error occurred in GetString()!";
const char* const CCsvTable::ERR_GET_DATA = "ERROR 0002: An unknown error occurred in GetData()!";
const char* const CCsvTable::ERR_NOT_STRING_TABLE =
    "ERROR 0003: GetString() was called while the dwReadFlags was not READ_AS_STRING.";
const char* const CCsvTable::ERR_NOT_DOUBLE_TABLE =
    "ERROR 0004: GetData() was called while the dwReadFlags was not RF_READ_AS_DOUBLE.";
const char* const CCsvTable::ERR_VARIABLE_NOT_FOUND = "ERROR 0005: Variable name not found!";
const char* const CCsvTable::ERR_FILENAME_NOT_FOUND = "ERROR 0006: Filename name not found!";
const char* const CCsvTable::ERR_FILE_NOT_FOUND = "ERROR 0007: File not found!";
const char* const CCsvTable::ERR_HEADER_COUNT =
    "ERROR 0008: The Number of Headers is different than the Number of Data Columns!";
const char* const CCsvTable::ERR_FILE_NOT_WRITTEN = "ERROR 0009: File could not be written!";

namespace
{
constexpr size_t FIELD_BUFFER = 1024;

// Runs fn; a standard exception puts its message into strError, any other lpszOther.
template <class R, class Fn> R Guard(std::string& strError, const char* lpszOther, R failed, Fn fn)
{
    try
    {
        return fn();
    }
    catch (const std::exception& e)
    {
        strError = e.what();
    }
    catch (...)
    {
        strError = lpszOther;
    }
    return failed;
}

// Runs fn and answers true; false with the error text when it raises.
template <class Fn> bool Succeeds(std::string& strError, Fn fn)
{
    return Guard(strError, CCsvTable::ERR_UNKNOWN, false,
                 [&]
                 {
                     fn();
                     return true;
                 });
}

size_t Index(int i)
{
    if (i < 0)
        throw std::out_of_range("negative index");
    return static_cast<size_t>(i);
}

// Copies the text with its zero into the buffer; returns its length.
int CopyText(const std::string& strText, char* pBuffer, size_t cbBuffer)
{
    if (pBuffer == nullptr || strText.size() >= cbBuffer)
        throw std::length_error("buffer too small");
    std::memcpy(pBuffer, strText.c_str(), strText.size() + 1);
    return static_cast<int>(strText.size());
}

// A file opened through the C library with others allowed to read and write it meanwhile.
using SharedFile = std::unique_ptr<FILE, int (*)(FILE*)>;
SharedFile OpenShared(const std::string& strFile, const char* lpszMode)
{
    return SharedFile(::_fsopen(strFile.c_str(), lpszMode, _SH_DENYNO), &std::fclose);
}

// 1 plus the separators up to the line end (read with it) or the end of the stream.
int CountFields(std::istream& in, char chSep)
{
    int n = 1;
    for (int c = in.get(); c != std::char_traits<char>::eof() && c != '\n'; c = in.get())
        n += c == static_cast<unsigned char>(chSep);
    return n;
}

// Reads one field up to the delimiter; a longer field keeps its first characters and the rest of
// it is skipped. False when the stream ended before the field.
bool ReadField(std::istream& in, char chDelim, char (&buffer)[FIELD_BUFFER])
{
    in.getline(buffer, FIELD_BUFFER, chDelim);
    if (!in.fail())
        return true;
    if (in.eof())
        return false;
    in.clear();
    in.ignore(std::numeric_limits<std::streamsize>::max(), chDelim);
    return true;
}

bool IsDoubleTable(DWORD dwFlags)
{
    return (dwFlags & CCsvTable::RF_READ_AS_DOUBLE) != 0;
}
bool IsStringTable(DWORD dwFlags)
{
    return !IsDoubleTable(dwFlags) && (dwFlags & CCsvTable::READ_AS_STRING) != 0;
}

template <class T> void Free(std::vector<T>& v)
{
    std::vector<T>().swap(v);
}

template <class T> void AppendAll(std::vector<T>& to, const std::vector<T>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

void FreeColumns(CCsvTable& table)
{
    Free(table.vecVariableNames);
    Free(table.vecFileNames);
    Free(table.vecStringData);
    Free(table.vecDoubleData);
}

// A one-column table of the values, its column reserved for the reader's usual capacity.
template <class T>
CCsvTable FromColumn(DWORD dwFlags, std::vector<std::vector<T>> CCsvTable::*pData, const std::string& strName,
                     const std::vector<T>& values)
{
    CCsvTable table(dwFlags);
    std::vector<T> column;
    column.reserve(std::max<size_t>(values.size(), std::max(table.nReserve, 0)));
    AppendAll(column, values);
    table.vecVariableNames.push_back(strName);
    table.vecFileNames.emplace_back();
    (table.*pData).push_back(std::move(column));
    return table;
}

// Appends to data a column of rows r0 to r1 of from, as far as from reaches.
template <class T>
void AppendRows(std::vector<std::vector<T>>& data, const std::vector<T>& from, int r0, int r1)
{
    auto& to = data.emplace_back();
    for (int r = r0; r <= r1 && Index(r) < from.size(); ++r)
        to.push_back(from[Index(r)]);
}

// One cell for a writer: the value, or nothing when the column has no such row.
void WriteCell(std::ostream& out, const CCsvTable& table, size_t nColumn, size_t nRow)
{
    if (IsDoubleTable(table.dwReadFlags))
    {
        if (nColumn < table.vecDoubleData.size() && nRow < table.vecDoubleData[nColumn].size())
            out << table.vecDoubleData[nColumn][nRow];
    }
    else if (IsStringTable(table.dwReadFlags))
    {
        if (nColumn < table.vecStringData.size() && nRow < table.vecStringData[nColumn].size())
            out << table.vecStringData[nColumn][nRow];
    }
}
} // namespace

CCsvTable::CCsvTable(DWORD dwFlags) : dwReadFlags(dwFlags) {}

CCsvTable::CCsvTable(const std::string& strFile, DWORD dwFlags) : dwReadFlags(dwFlags)
{
    Read(strFile);
}

CCsvTable::CCsvTable(const CCsvRange& range)
{
    CopyRange(range);
}

CCsvTable CCsvTable::FromDataColumn(const std::string& strName, const std::vector<double>& values)
{
    return FromColumn(RF_READ_AS_DOUBLE, &CCsvTable::vecDoubleData, strName, values);
}

CCsvTable CCsvTable::FromStringColumn(const std::string& strName, const std::vector<std::string>& values)
{
    return FromColumn(READ_AS_STRING, &CCsvTable::vecStringData, strName, values);
}

CCsvTable& CCsvTable::Join(const CCsvTable& other)
{
    if (&other == this)
        return Join(CCsvTable(other));
    AppendAll(vecVariableNames, other.vecVariableNames);
    AppendAll(vecFileNames, other.vecFileNames);
    AppendAll(vecStringData, other.vecStringData);
    AppendAll(vecDoubleData, other.vecDoubleData);
    return *this;
}

CCsvTable CCsvTable::operator+(const CCsvTable& other) const
{
    CCsvTable sum(*this);
    sum.Join(other);
    return sum;
}

CCsvRange CCsvTable::Range(int iFirstColumn, int iFirstRow, int iLastColumn, int iLastRow) const
{
    return CCsvRange{iFirstColumn, iLastColumn, iFirstRow, iLastRow, this};
}

void CCsvTable::CopyRange(const CCsvRange& range)
{
    if (range.pTable == nullptr)
        throw std::invalid_argument("range without table");
    if (range.pTable == this)
    {
        const CCsvTable source(*this);
        CopyRange(CCsvRange{range.iFirstColumn, range.iLastColumn, range.iFirstRow, range.iLastRow, &source});
        return;
    }
    const CCsvTable& source = *range.pTable;
    FreeColumns(*this);
    dwReadFlags = source.dwReadFlags;
    const int iColumn0 = std::min(range.iFirstColumn, range.iLastColumn);
    const int iColumn1 = std::max(range.iFirstColumn, range.iLastColumn);
    const int iRow0 = std::max(0, std::min(range.iFirstRow, range.iLastRow));
    const int iRow1 = std::max(range.iFirstRow, range.iLastRow);
    for (int c = iColumn0; c <= iColumn1; ++c)
    {
        vecVariableNames.push_back(source.vecVariableNames.at(Index(c)));
        vecFileNames.push_back(source.vecFileNames.at(Index(c)));
        if (IsDoubleTable(dwReadFlags))
            AppendRows(vecDoubleData, source.vecDoubleData.at(Index(c)), iRow0, iRow1);
        else if (IsStringTable(dwReadFlags))
            AppendRows(vecStringData, source.vecStringData.at(Index(c)), iRow0, iRow1);
    }
}

void CCsvTable::Clear()
{
    strLastError.clear();
    FreeColumns(*this);
}

bool CCsvTable::Read(const std::string& strFile, DWORD dwFlags)
{
    dwReadFlags = dwFlags;
    return Read(strFile);
}

bool CCsvTable::Read(const std::string& strFile)
{
    strFileName = strFile;
    SharedFile file = OpenShared(strFile, "r");
    if (!file)
    {
        strLastError = std::string(ERR_FILE_NOT_FOUND) + "\nDetails: " + strFile;
        return false;
    }
    return Succeeds(strLastError,
                    [&]
                    {
                        __gnu_cxx::stdio_filebuf<char> buffer(file.get(), std::ios::in);
                        std::istream in(&buffer);
                        in >> *this;
                    });
}

bool CCsvTable::Write(const std::string& strFile, const std::string& strSep)
{
    strSeparator = strSep;
    const std::string strFailed = std::string(ERR_FILE_NOT_WRITTEN) + "\nDetails: " + strFile;
    SharedFile file = OpenShared(strFile, "w");
    if (!file)
    {
        strLastError = strFailed;
        return false;
    }
    bool bGood = false;
    const bool bNoException = Guard(strLastError, ERR_UNKNOWN, false,
                                    [&]
                                    {
                                        __gnu_cxx::stdio_filebuf<char> buffer(file.get(), std::ios::out);
                                        std::ostream out(&buffer);
                                        out << *this;
                                        bGood = out.flush().good();
                                        return true;
                                    });
    const bool bClosed = std::fclose(file.release()) == 0;
    if (!bNoException)
        return false;
    if (bGood && bClosed)
        return true;
    strLastError = strFailed;
    return false;
}

int CCsvTable::GetRowCount(int iColumn) const
{
    if (IsDoubleTable(dwReadFlags))
        return static_cast<int>(vecDoubleData.at(Index(iColumn)).size());
    return static_cast<int>(vecStringData.at(Index(iColumn)).size());
}

int CCsvTable::GetMaxRowCount() const
{
    size_t nMax = 0;
    if (IsDoubleTable(dwReadFlags))
        for (const auto& column : vecDoubleData)
            nMax = std::max(nMax, column.size());
    else if (IsStringTable(dwReadFlags))
        for (const auto& column : vecStringData)
            nMax = std::max(nMax, column.size());
    return static_cast<int>(nMax);
}

int CCsvTable::GetVariableName(int iColumn, std::string& strName)
{
    return Guard(strLastError, ERR_GET_STRING, -1,
                 [&]
                 {
                     strName = vecVariableNames.at(Index(iColumn));
                     return static_cast<int>(strName.size());
                 });
}

int CCsvTable::GetVariableName(int iColumn, char* pBuffer, size_t cbBuffer)
{
    return Guard(strLastError, ERR_GET_STRING, -1,
                 [&] { return CopyText(vecVariableNames.at(Index(iColumn)), pBuffer, cbBuffer); });
}

int CCsvTable::FindVariable(const std::string& strName, int iStart) const
{
    for (size_t i = static_cast<size_t>(std::max(iStart, 0)); i < vecVariableNames.size(); ++i)
        if (vecVariableNames[i] == strName)
            return static_cast<int>(i);
    return -1;
}

int CCsvTable::FindVariable(const std::string& strName, const std::string& strFile, int iStart)
{
    const auto it = std::find(vecFileNames.begin(), vecFileNames.end(), strFile);
    if (it == vecFileNames.end())
    {
        strLastError = ERR_FILENAME_NOT_FOUND;
        return -1;
    }
    return FindVariable(strName, iStart + static_cast<int>(it - vecFileNames.begin()));
}

int CCsvTable::FindByName(const std::string& strName)
{
    const int iColumn = FindVariable(strName, 0);
    if (iColumn < 0)
        strLastError = ERR_VARIABLE_NOT_FOUND;
    return iColumn;
}

double CCsvTable::GetData(int iColumn, int iRow)
{
    if (!IsDoubleTable(dwReadFlags))
    {
        strLastError = ERR_NOT_DOUBLE_TABLE;
        return FAILED_VALUE;
    }
    return Guard(strLastError, ERR_GET_DATA, FAILED_VALUE,
                 [&] { return vecDoubleData.at(Index(iColumn)).at(Index(iRow)); });
}

int CCsvTable::GetString(int iColumn, int iRow, std::string& strValue)
{
    if ((dwReadFlags & READ_AS_STRING) == 0)
    {
        strLastError = ERR_NOT_STRING_TABLE;
        return -1;
    }
    return Guard(strLastError, ERR_GET_STRING, -1,
                 [&]
                 {
                     strValue = vecStringData.at(Index(iColumn)).at(Index(iRow));
                     return static_cast<int>(strValue.size());
                 });
}

int CCsvTable::GetString(int iColumn, int iRow, char* pBuffer, size_t cbBuffer)
{
    std::string strValue;
    const int nLength = GetString(iColumn, iRow, strValue);
    if (nLength < 0)
        return -1;
    return Guard(strLastError, ERR_GET_STRING, -1, [&] { return CopyText(strValue, pBuffer, cbBuffer); });
}

int CCsvTable::GetData(int iColumn, std::vector<double>& values)
{
    return Guard(strLastError, ERR_GET_DATA, -1,
                 [&]
                 {
                     values = vecDoubleData.at(Index(iColumn));
                     return static_cast<int>(values.size());
                 });
}

int CCsvTable::GetString(int iColumn, std::vector<std::string>& values)
{
    return Guard(strLastError, ERR_GET_DATA, -1,
                 [&]
                 {
                     values = vecStringData.at(Index(iColumn));
                     return static_cast<int>(values.size());
                 });
}

double CCsvTable::GetData(const std::string& strName, int iRow)
{
    const int iColumn = FindByName(strName);
    return iColumn < 0 ? FAILED_VALUE : GetData(iColumn, iRow);
}

int CCsvTable::GetString(const std::string& strName, int iRow, std::string& strValue)
{
    const int iColumn = FindByName(strName);
    return iColumn < 0 ? -1 : GetString(iColumn, iRow, strValue);
}

int CCsvTable::GetString(const std::string& strName, int iRow, char* pBuffer, size_t cbBuffer)
{
    const int iColumn = FindByName(strName);
    return iColumn < 0 ? -1 : GetString(iColumn, iRow, pBuffer, cbBuffer);
}

int CCsvTable::GetData(const std::string& strName, std::vector<double>& values)
{
    const int iColumn = FindByName(strName);
    return iColumn < 0 ? -1 : GetData(iColumn, values);
}

int CCsvTable::GetString(const std::string& strName, std::vector<std::string>& values)
{
    const int iColumn = FindByName(strName);
    return iColumn < 0 ? -1 : GetString(iColumn, values);
}

bool CCsvTable::SetData(int iColumn, int iRow, double dValue)
{
    return Succeeds(strLastError, [&] { vecDoubleData.at(Index(iColumn)).at(Index(iRow)) = dValue; });
}

bool CCsvTable::SetString(int iColumn, int iRow, const std::string& strValue)
{
    return Succeeds(strLastError, [&] { vecStringData.at(Index(iColumn)).at(Index(iRow)) = strValue; });
}

bool CCsvTable::AppendData(int iColumn, double dValue)
{
    return Succeeds(strLastError, [&] { vecDoubleData.at(Index(iColumn)).push_back(dValue); });
}

bool CCsvTable::AppendString(int iColumn, const std::string& strValue)
{
    return Succeeds(strLastError, [&] { vecStringData.at(Index(iColumn)).push_back(strValue); });
}

bool CCsvTable::AppendData(int iColumn, const std::vector<double>& values)
{
    return Succeeds(strLastError, [&] { AppendAll(vecDoubleData.at(Index(iColumn)), values); });
}

bool CCsvTable::AppendString(int iColumn, const std::vector<std::string>& values)
{
    return Succeeds(strLastError, [&] { AppendAll(vecStringData.at(Index(iColumn)), values); });
}

bool CCsvTable::AddColumn(const std::string& strName, double dValue, int nCount)
{
    return Guard(strLastError, ERR_UNKNOWN, false,
                 [&] { return AddColumn(strName, std::vector<double>(Index(nCount), dValue)); });
}

bool CCsvTable::AddColumn(const std::string& strName, const std::string& strValue, int nCount)
{
    return Guard(strLastError, ERR_UNKNOWN, false,
                 [&] { return AddColumn(strName, std::vector<std::string>(Index(nCount), strValue)); });
}

template <class T>
bool CCsvTable::AddColumnTo(std::vector<std::vector<T>>& data, const std::string& strName,
                            const std::vector<T>& values)
{
    return Succeeds(strLastError,
                    [&]
                    {
                        data.push_back(values);
                        vecVariableNames.push_back(strName);
                        vecFileNames.emplace_back();
                    });
}

bool CCsvTable::AddColumn(const std::string& strName, const std::vector<double>& values)
{
    return AddColumnTo(vecDoubleData, strName, values);
}

bool CCsvTable::AddColumn(const std::string& strName, const std::vector<std::string>& values)
{
    return AddColumnTo(vecStringData, strName, values);
}

bool CCsvTable::RemoveColumn(int iColumn)
{
    return Succeeds(strLastError,
                    [&]
                    {
                        const size_t n = Index(iColumn);
                        const auto at = static_cast<ptrdiff_t>(n);
                        (void)vecVariableNames.at(n);
                        (void)vecFileNames.at(n);
                        if (IsDoubleTable(dwReadFlags))
                        {
                            (void)vecDoubleData.at(n);
                            vecDoubleData.erase(vecDoubleData.begin() + at);
                        }
                        else
                        {
                            (void)vecStringData.at(n);
                            vecStringData.erase(vecStringData.begin() + at);
                        }
                        vecVariableNames.erase(vecVariableNames.begin() + at);
                        vecFileNames.erase(vecFileNames.begin() + at);
                    });
}

void CCsvTable::ParseHeader(std::istream& in, int nFields)
{
    const char chSep = strSeparator.c_str()[0];
    char buffer[FIELD_BUFFER];
    for (int i = 0; i < nFields; ++i)
    {
        if (!ReadField(in, i == nFields - 1 ? '\n' : chSep, buffer))
            buffer[0] = '\0';
        vecVariableNames.emplace_back(buffer);
        vecFileNames.push_back(strFileName);
        if (IsDoubleTable(dwReadFlags))
            vecDoubleData.emplace_back().reserve(static_cast<size_t>(std::max(nReserve, 0)));
        else if (IsStringTable(dwReadFlags))
            vecStringData.emplace_back().reserve(static_cast<size_t>(std::max(nReserve, 0)));
    }
}

void CCsvTable::ParseRows(std::istream& in, size_t nFirstColumn, int nFields)
{
    const char chSep = strSeparator.c_str()[0];
    char buffer[FIELD_BUFFER];
    for (;;)
    {
        for (int i = 0; i < nFields; ++i)
        {
            if (!ReadField(in, i == nFields - 1 ? '\n' : chSep, buffer))
                return;
            // Blank lines before a field are skipped; a field of line ends only is no value.
            const char* pText = buffer + std::strspn(buffer, "\n");
            if (*pText != '\0' || pText == buffer)
            {
                const size_t nColumn = nFirstColumn + static_cast<size_t>(i);
                if (IsDoubleTable(dwReadFlags))
                    vecDoubleData.at(nColumn).push_back(std::strtod(pText, nullptr));
                else if (IsStringTable(dwReadFlags))
                    vecStringData.at(nColumn).emplace_back(pText);
            }
            if (in.eof())
                return;
        }
    }
}

std::istream& operator>>(std::istream& in, CCsvTable& table)
{
    if ((table.dwReadFlags & CCsvTable::RF_APPEND) == 0)
        table.Clear();
    // Taken before anything is buffered: a text-mode file's position is only right at its start.
    const std::istream::pos_type start = in.tellg();
    if (in.peek() == std::char_traits<char>::eof())
        return in;
    const char chSep = table.strSeparator.c_str()[0];
    const int nHeader = CountFields(in, chSep);
    // A table of names only has no second line to compare.
    if (in.peek() != std::char_traits<char>::eof() && CountFields(in, chSep) != nHeader)
    {
        table.strLastError = CCsvTable::ERR_HEADER_COUNT;
        throw std::runtime_error(CCsvTable::ERR_HEADER_COUNT);
    }
    in.clear();
    if (!in.seekg(start))
        throw std::runtime_error(CCsvTable::ERR_UNKNOWN);
    const size_t nFirstColumn =
        IsDoubleTable(table.dwReadFlags) ? table.vecDoubleData.size() : table.vecStringData.size();
    table.ParseHeader(in, nHeader);
    table.ParseRows(in, nFirstColumn, nHeader);
    return in;
}

namespace
{
// The names of columns c0 to c1, then rows r0 to r1 (none when r1 < r0), missing cells empty.
void WriteBlock(std::ostream& out, const CCsvTable& table, int c0, int c1, int r0, int r1)
{
    for (int c = c0; c <= c1; ++c)
        out << table.vecVariableNames[static_cast<size_t>(c)] << (c < c1 ? table.strSeparator : "\n");
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
        {
            WriteCell(out, table, static_cast<size_t>(c), static_cast<size_t>(r));
            out << (c < c1 ? table.strSeparator : "\n");
        }
}
} // namespace

std::ostream& operator<<(std::ostream& out, const CCsvTable& table)
{
    WriteBlock(out, table, 0, table.GetColumnCount() - 1, 0, table.GetMaxRowCount() - 1);
    return out;
}

std::ostream& operator<<(std::ostream& out, const CCsvRange& range)
{
    if (range.pTable == nullptr)
        return out;
    const CCsvTable& table = *range.pTable;
    const int c0 = std::max(0, std::min(range.iFirstColumn, range.iLastColumn));
    const int c1 = std::min(std::max(range.iFirstColumn, range.iLastColumn), table.GetColumnCount() - 1);
    if (c1 >= c0)
        WriteBlock(out, table, c0, c1, std::max(0, std::min(range.iFirstRow, range.iLastRow)),
                   std::max(range.iFirstRow, range.iLastRow));
    return out;
}
