// Texts of the documentation page, its storage note, the file header and the output files (German
// ids). Texts named by a lower layer keep their name there.
#pragma once

#include "framework/TextIds.h"

#define STORAGE_TEXTS(X)                                                                                     \
    X(IDS_PAGE_DOCUMENTATION, 5055)                                                                          \
    X(IDS_DOCU_LINE_END, 5202)                                                                               \
    X(IDS_DOCU_COLUMN_SEPARATOR, 5203)                                                                       \
    X(IDS_DOCU_DECIMAL_SEPARATOR, 5204)                                                                      \
    X(IDS_DOCU_SHOW_HIDE, 5205)                                                                              \
    X(IDS_DOCU_DATE_TIME, 5206)                                                                              \
    X(IDS_DOCU_PHYSICAL_UNIT, 5207)                                                                          \
    X(IDS_DOCU_TARGET_DIRECTORY, 5208)                                                                       \
    X(IDS_DOCU_PREFIX, 5209)                                                                                 \
    X(IDS_DOCU_AUTO_STORAGE, 5210)                                                                           \
    X(IDS_DOCU_OUTPUT_VALUES, 5211)                                                                          \
    X(IDS_DOCU_OUTPUT_DIAGRAM, 5212)                                                                         \
    X(IDS_DOCU_ADDITIONAL_INFO, 5213)                                                                        \
    X(IDS_DOCU_HEADLINE, 5214)                                                                               \
    X(IDS_DOCU_COMMENT, 5216)                                                                                \
    X(IDS_DOCU_UNCERTAINTY, 5217)                                                                            \
    X(IDS_DOCU_CRLF, 5218)                                                                                   \
    X(IDS_DOCU_LFCR, 5219)                                                                                   \
    X(IDS_DOCU_CR, 5220)                                                                                     \
    X(IDS_DOCU_LF, 5221)                                                                                     \
    X(IDS_DOCU_TAB, 5222)                                                                                    \
    X(IDS_DOCU_SEMICOLON, 5223)                                                                              \
    X(IDS_DOCU_COMMA, 5224)                                                                                  \
    X(IDS_DOCU_SPACE, 5225)                                                                                  \
    X(IDS_DOCU_POINT, 5226)                                                                                  \
    X(IDS_DOCU_STORAGE_NONE, 5227)                                                                           \
    X(IDS_DOCU_STORAGE_OWN_INDEX, 5228)                                                                      \
    X(IDS_DOCU_STORAGE_ONE_FILE, 5230)                                                                       \
    X(IDS_DOCU_DIAGRAM_INDEXED, 5231)                                                                        \
    X(IDS_DOCU_DIAGRAM_SAME_NAME, 5232)                                                                      \
    X(IDS_HEADER_MEASUREMENT_INFO, 5250)                                                                     \
    X(IDS_HEADER_START, 5251)                                                                                \
    X(IDS_HEADER_STOP, 5252)                                                                                 \
    X(IDS_FOLDER_FAILED_BEFORE, 5257)                                                                        \
    X(IDS_FOLDER_FAILED_AFTER, 5258)                                                                         \
    X(IDS_FILE_CANNOT_OPEN, 5259)                                                                            \
    X(IDS_FILE_CANNOT_OPEN_END, 5260)                                                                        \
    X(IDS_DOCU_SIZE_MAX, 5281)                                                                               \
    X(IDS_DOCU_SIZE_NORMAL, 5282)                                                                            \
    X(IDS_DOCU_SIZE_MIN, 5283)                                                                               \
    X(IDS_DOCU_SIZE, 5284)                                                                                   \
    X(IDS_DOCU_SIZE_WINDOW, 5285)                                                                            \
    X(IDS_HEADER_MOVING_AVERAGE, 5293)                                                                       \
    X(IDS_NOTE_DONT_SHOW, 5309)                                                                              \
    X(IDS_NOTE_TEXT_1, 5310)                                                                                 \
    X(IDS_NOTE_TEXT_2, 5311)                                                                                 \
    X(IDS_HEADER_CHANNEL, 5322)                                                                              \
    X(IDS_DOCU_OUTPUT_IONIO, 5441)                                                                           \
    X(IDS_IONIO_DATE, 5470)                                                                                  \
    X(IDS_IONIO_MAXIMUM, 5480)                                                                               \
    X(IDS_IONIO_TEST_1, 5481)                                                                                \
    X(IDS_IONIO_TEST_2, 5482)                                                                                \
    X(IDS_STORAGE_SETTINGS_INCOMPLETE, 5490)                                                                 \
    X(IDS_DOCU_SEPARATORS_EQUAL, 5491)                                                                       \
    X(IDS_REPORT_LOGO_UNREADABLE, 5492)

STORAGE_TEXTS(DECLARE_TEXT_ID)
