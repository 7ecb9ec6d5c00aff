// Names of string-table texts. A layer lists the texts it owns in one X-macro of X(name, id) entries
// and declares them from it; the tests walk the same lists to load every named text:
//     #define SHELL_TEXTS(X) X(IDS_VERSION, 5275)
//     SHELL_TEXTS(DECLARE_TEXT_ID)
// A text that follows the interface language is named by its German id; the language offset is added
// when it is loaded. A text is named once, in the lowest layer that uses it.
#pragma once

#define DECLARE_TEXT_ID(name, id) inline constexpr int name = id;
