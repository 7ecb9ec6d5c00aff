// Texts of the documentation page and the storage of measured values (German ids).
#pragma once

#include "framework/TextIds.h"

#define STORAGE_TEXTS(X)                                                                                     \
    X(IDS_PAGE_DOCUMENTATION, 5055)                                                                          \
    X(IDS_FILE_CANNOT_OPEN, 5259)                                                                            \
    X(IDS_FILE_CANNOT_OPEN_END, 5260)                                                                        \
    X(IDS_STORAGE_SETTINGS_INCOMPLETE, 5490)

STORAGE_TEXTS(DECLARE_TEXT_ID)
