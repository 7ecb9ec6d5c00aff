// What the send class keeps of one configuration block kind: the last block read with its check
// result, the last block prepared for writing, and the block's name.
#pragma once

#include "framework/CString.h"

struct BlockDescriptor
{
    CString strRead = "leer READ";
    int iReadCheck = -2;
    CString strWrite = "leer WRITE";
    int iWriteCheck = -3;
    CString strName;
};
