// Texts of the shell's windows (German ids).
#pragma once

#include "framework/TextIds.h"

#define SHELL_TEXTS(X) X(IDS_VERSION, 5275)

SHELL_TEXTS(DECLARE_TEXT_ID)
