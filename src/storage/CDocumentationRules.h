// The rules of the documentation settings that need no window: the texts of the line end and the
// separators, the separator defaults of a language and a locale, the time-stamped output file names
// and the storage summary. The documentation page and its tests use them.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <ctime>
#include <functional>

struct DocumentationStruct;

class CDocumentationRules
{
public:
    // Storage modes of sAutoStorageMW and sAutoStorageIONIO.
    enum
    {
        DOCU_STORAGE_NONE = 0,
        DOCU_STORAGE_ONE_FILE = 1,
        DOCU_STORAGE_OWN_INDEX = 2,
    };
    // Storage modes of sAutoStorageDM.
    enum
    {
        DOCU_AUTO_STORAGE_DM_AUTO_INDEXED = 1,
        DOCU_AUTO_STORAGE_DM_CONST_FILE_NAME = 2,
    };
    // Column separator codes (TAB, ";", ",", ".", blank) and decimal separator codes (",", ".").
    enum
    {
        COLUMN_TAB = 0,
        COLUMN_SEMICOLON = 1,
        COLUMN_COMMA = 2,
        COLUMN_POINT = 3,
        COLUMN_BLANK = 4,
        DECIMAL_COMMA = 0,
        DECIMAL_POINT = 1,
    };

    // "\r\n", "\n\r", "\r", "\n"; another code gives a text of three TABs and " default".
    static CString LineEndText(int iCode);
    // "\t", ";", ",", ".", " "; another code as LineEndText.
    static CString ColumnSeparatorText(int iCode);
    // ',' for 0, '.' for 1, '$' otherwise.
    static char DecimalSeparatorChar(int iCode);
    // The number text with its '.' (or else its ',') made cDecimal.
    static CString ApplyDecimalSeparator(const CString& strNumber, char cDecimal);
    // The column separator would also be the decimal separator.
    static bool SeparatorsClash(int iColumnSeparator, int iDecimalSeparator);
    // The language's separators, then the locale's codes where they name one (-1 and -2 name none); a
    // pair that would clash takes ";" with "," and "," with ".".
    static void DefaultSeparators(int iLanguageOffset, int iLocaleDecimal, int iLocaleColumn,
                                  int32_t& iColumnSeparator, int32_t& iDecimalSeparator);
    // Year, month, day, hour, minute, second and counter as "%4d%2d%2d%2d%2d%2d%4d", blanks as '0'.
    static CString FileStamp(const tm& tmLocal, int iCounter);
    // The path prefix with the stamp of tStamp (local time) and the first counter from 0 whose name plus
    // strExtension does not exist yet; without the extension.
    static CString IndexedFileName(const CString& strPathPrefix, const CString& strExtension,
                                   __time64_t tStamp, const std::function<bool(const CString&)>& fnExists);
    // 1 when only measured values are stored, 2 when only results are, 3 for both, 0 for neither; a
    // storage counts when its mode is set and its directory is not empty.
    static int StorageSummary(const DocumentationStruct& docu, const CString& strMwDirectory,
                              const CString& strIoNioDirectory);
};
