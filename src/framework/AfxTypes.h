// Small types and macros shared by the framework's data classes.
#pragma once

#include "framework/AfxWin32.h"

// Opaque iterator of the framework's lists and maps; null ends an iteration.
struct AfxPositionTag;
using POSITION = AfxPositionTag*;

// Text literals are ANSI (code page 1252); the macro keeps the familiar spelling.
#ifndef _T
#define _T(x) x
#endif
