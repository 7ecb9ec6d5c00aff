// The HID library's headers; mingw-w64 declares them without C linkage for C++.
#pragma once

#include "framework/AfxWin32.h"

extern "C"
{
#include <hidsdi.h>
#include <hidpi.h>
}
