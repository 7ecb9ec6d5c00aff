#include "storage/CDocumentationRules.h"

#include "protocol/Language.h"
#include "storage/DocumentationStruct.h"

namespace
{
const char* const UNKNOWN_CODE = "\t\t\t default";
} // namespace

CString CDocumentationRules::LineEndText(int iCode)
{
    static const char* const s_texts[] = {"\r\n", "\n\r", "\r", "\n"};
    return iCode >= 0 && iCode < 4 ? CString(s_texts[iCode]) : CString(UNKNOWN_CODE);
}

CString CDocumentationRules::ColumnSeparatorText(int iCode)
{
    static const char* const s_texts[] = {"\t", ";", ",", ".", " "};
    return iCode >= 0 && iCode < 5 ? CString(s_texts[iCode]) : CString(UNKNOWN_CODE);
}

char CDocumentationRules::DecimalSeparatorChar(int iCode)
{
    return iCode == DECIMAL_COMMA ? ',' : iCode == DECIMAL_POINT ? '.' : '$';
}

CString CDocumentationRules::ApplyDecimalSeparator(const CString& strNumber, char cDecimal)
{
    CString strResult = strNumber;
    if (strResult.Find('.') >= 0)
    {
        if (cDecimal != '.')
            strResult.Replace('.', cDecimal);
    }
    else if (strResult.Find(',') >= 0 && cDecimal != ',')
        strResult.Replace(',', cDecimal);
    return strResult;
}

bool CDocumentationRules::SeparatorsClash(int iColumnSeparator, int iDecimalSeparator)
{
    return (iColumnSeparator == COLUMN_COMMA && iDecimalSeparator == DECIMAL_COMMA) ||
           (iColumnSeparator == COLUMN_POINT && iDecimalSeparator == DECIMAL_POINT);
}

void CDocumentationRules::DefaultSeparators(int iLanguageOffset, int iLocaleDecimal, int iLocaleColumn,
                                            int32_t& iColumnSeparator, int32_t& iDecimalSeparator)
{
    const bool bEnglish = iLanguageOffset == LANGUAGE_ENGLISH;
    iColumnSeparator = bEnglish ? COLUMN_COMMA : COLUMN_SEMICOLON;
    iDecimalSeparator = bEnglish ? DECIMAL_POINT : DECIMAL_COMMA;
    if (iLocaleDecimal == DECIMAL_COMMA || iLocaleDecimal == DECIMAL_POINT)
        iDecimalSeparator = iLocaleDecimal;
    if (iLocaleColumn >= COLUMN_TAB && iLocaleColumn <= COLUMN_BLANK)
        iColumnSeparator = iLocaleColumn;
    // Every row would be ambiguous with one character for both.
    if (SeparatorsClash(iColumnSeparator, iDecimalSeparator))
        iColumnSeparator = iDecimalSeparator == DECIMAL_COMMA ? COLUMN_SEMICOLON : COLUMN_COMMA;
}

CString CDocumentationRules::FileStamp(const tm& tmLocal, int iCounter)
{
    CString strStamp;
    strStamp.Format("%4d%2d%2d%2d%2d%2d%4d", tmLocal.tm_year + 1900, tmLocal.tm_mon + 1, tmLocal.tm_mday,
                    tmLocal.tm_hour, tmLocal.tm_min, tmLocal.tm_sec, iCounter);
    strStamp.Replace(' ', '0');
    return strStamp;
}

CString CDocumentationRules::IndexedFileName(const CString& strPathPrefix, const CString& strExtension,
                                             __time64_t tStamp,
                                             const std::function<bool(const CString&)>& fnExists)
{
    tm tmLocal = {};
    _localtime64_s(&tmLocal, &tStamp);
    // Four digits of counter: the search ends at the last one, which a later open may then refuse.
    CString strName;
    for (int iCounter = 0; iCounter <= 9999; ++iCounter)
    {
        strName = strPathPrefix + FileStamp(tmLocal, iCounter);
        if (!fnExists(strName + strExtension))
            break;
    }
    return strName;
}

int CDocumentationRules::StorageSummary(const DocumentationStruct& docu, const CString& strMwDirectory,
                                        const CString& strIoNioDirectory)
{
    const bool bValues = docu.sAutoStorageMW.iSelected != DOCU_STORAGE_NONE && !strMwDirectory.IsEmpty();
    const bool bResults =
        docu.sAutoStorageIONIO.iSelected != DOCU_STORAGE_NONE && !strIoNioDirectory.IsEmpty();
    return (bValues ? 1 : 0) + (bResults ? 2 : 0);
}
