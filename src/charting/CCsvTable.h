// A table of named columns ("variables") read from or written to a text file of separated values:
// the first line holds the names, every further line one value per column. All columns hold
// numbers or all hold texts, as the read flags choose; columns may differ in length. Failures are
// reported by the result and the text of the last error.
#pragma once

#include "charting/CCsvRange.h"
#include "framework/AfxWin32.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

class CCsvTable
{
public:
    static constexpr DWORD RF_READ_AS_DOUBLE = 1;
    static constexpr DWORD READ_AS_STRING = 2;
    static constexpr DWORD RF_APPEND = 4; // Read adds the file's columns after the existing ones
    // What a failed GetData answers.
    static constexpr double FAILED_VALUE = 1.2345678909876544e18;

    static const char* const ERR_UNKNOWN;
    static const char* const ERR_GET_STRING;
    static const char* const ERR_GET_DATA;
    static const char* const ERR_NOT_STRING_TABLE;
    static const char* const ERR_NOT_DOUBLE_TABLE;
    static const char* const ERR_VARIABLE_NOT_FOUND;
    static const char* const ERR_FILENAME_NOT_FOUND;
    static const char* const ERR_FILE_NOT_FOUND;
    static const char* const ERR_HEADER_COUNT;
    static const char* const ERR_FILE_NOT_WRITTEN;

    CCsvTable() = default;
    CCsvTable(const CCsvTable&) = default;
    CCsvTable& operator=(const CCsvTable&) = default;
    explicit CCsvTable(DWORD dwFlags);
    // Reads the file; its result is only in strLastError.
    CCsvTable(const std::string& strFile, DWORD dwFlags);
    explicit CCsvTable(const CCsvRange& range);
    ~CCsvTable() = default;

    static CCsvTable FromDataColumn(const std::string& strName, const std::vector<double>& values);
    static CCsvTable FromStringColumn(const std::string& strName, const std::vector<std::string>& values);
    // Appends the other table's names, file names, text and number columns.
    CCsvTable& Join(const CCsvTable& other);
    CCsvTable operator+(const CCsvTable& other) const;
    CCsvRange Range(int iFirstColumn, int iFirstRow, int iLastColumn, int iLastRow) const;
    // Replaces the contents by that part of the range's table; an unknown column raises out_of_range.
    void CopyRange(const CCsvRange& range);
    void Clear();

    bool Read(const std::string& strFile);
    bool Read(const std::string& strFile, DWORD dwFlags);
    bool Write(const std::string& strFile, const std::string& strSep);

    int GetColumnCount() const { return static_cast<int>(vecVariableNames.size()); }
    // Raises out_of_range for an unknown column.
    int GetRowCount(int iColumn) const;
    int GetMaxRowCount() const;
    // Copies the name; the buffer form fails when the name and its zero do not fit. -1 on error.
    int GetVariableName(int iColumn, std::string& strName);
    int GetVariableName(int iColumn, char* pBuffer, size_t cbBuffer);
    // The first column at or after iStart bearing the name (case matters), or -1.
    int FindVariable(const std::string& strName, int iStart = 0) const;
    // The same, counted from the first column read from the file; -1 and error 6 without one.
    int FindVariable(const std::string& strName, const std::string& strFile, int iStart);

    double GetData(int iColumn, int iRow);
    int GetString(int iColumn, int iRow, std::string& strValue);
    int GetString(int iColumn, int iRow, char* pBuffer, size_t cbBuffer);
    int GetData(int iColumn, std::vector<double>& values);
    int GetString(int iColumn, std::vector<std::string>& values);
    double GetData(const std::string& strName, int iRow);
    int GetString(const std::string& strName, int iRow, std::string& strValue);
    int GetString(const std::string& strName, int iRow, char* pBuffer, size_t cbBuffer);
    int GetData(const std::string& strName, std::vector<double>& values);
    int GetString(const std::string& strName, std::vector<std::string>& values);

    bool SetData(int iColumn, int iRow, double dValue);
    bool SetString(int iColumn, int iRow, const std::string& strValue);
    bool AppendData(int iColumn, double dValue);
    bool AppendString(int iColumn, const std::string& strValue);
    bool AppendData(int iColumn, const std::vector<double>& values);
    bool AppendString(int iColumn, const std::vector<std::string>& values);
    bool AddColumn(const std::string& strName, double dValue, int nCount);
    bool AddColumn(const std::string& strName, const std::string& strValue, int nCount);
    bool AddColumn(const std::string& strName, const std::vector<double>& values);
    bool AddColumn(const std::string& strName, const std::vector<std::string>& values);
    bool RemoveColumn(int iColumn);

    std::string strSeparator = ","; // the reader uses its first character, the writer all of it
    DWORD dwReadFlags = RF_READ_AS_DOUBLE;
    int nReserve = 65535; // capacity of a column the reader or a factory makes
    std::string strFileName;
    std::string strLastError;
    std::vector<std::string> vecVariableNames;
    std::vector<std::string> vecFileNames;
    std::vector<std::vector<std::string>> vecStringData;
    std::vector<std::vector<double>> vecDoubleData;

private:
    friend std::istream& operator>>(std::istream& in, CCsvTable& table);
    void ParseHeader(std::istream& in, int nFields);
    void ParseRows(std::istream& in, size_t nFirstColumn, int nFields);
    // The column of that name; -1 and error 5 without one.
    int FindByName(const std::string& strName);
    template <class T>
    bool AddColumnTo(std::vector<std::vector<T>>& data, const std::string& strName,
                     const std::vector<T>& values);
};

// Parses a stream into the table; raises runtime_error with the error text when the second line's
// field count differs from the header's.
std::istream& operator>>(std::istream& in, CCsvTable& table);
std::ostream& operator<<(std::ostream& out, const CCsvTable& table);
std::ostream& operator<<(std::ostream& out, const CCsvRange& range);
