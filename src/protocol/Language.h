// The interface languages as the offset added to a German string id, and the decimal separator of each.
#pragma once

#include "framework/CString.h"

constexpr int LANGUAGE_GERMAN = 0;
constexpr int LANGUAGE_ENGLISH = 1000;
constexpr int LANGUAGE_FRENCH = 2000;
constexpr int LANGUAGE_SPANISH = 3000; // placeholder texts only; never the interface language

// The text with the language's decimal separator: every '.' becomes ',' in German, French and Spanish,
// every ',' becomes '.' in English. A text holding "n.a." stays as it is; any other language gives
// "Language Fehler 34242334".
CString LocalizeDecimalSeparator(int iLanguageOffset, const CString& strText);
