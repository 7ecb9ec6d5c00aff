#include "protocol/Language.h"

CString LocalizeDecimalSeparator(int iLanguageOffset, const CString& strText)
{
    if (strText.Find("n.a.") >= 0)
        return strText;
    CString strResult = strText;
    switch (iLanguageOffset)
    {
        case LANGUAGE_GERMAN:
        case LANGUAGE_FRENCH:
        case LANGUAGE_SPANISH:
            strResult.Replace('.', ',');
            return strResult;
        case LANGUAGE_ENGLISH:
            strResult.Replace(',', '.');
            return strResult;
    }
    return "Language Fehler 34242334";
}
