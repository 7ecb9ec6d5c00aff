#include "protocol/ConfigBlock.h"

#include "framework/CString.h"

#include <algorithm>

ConfigBlock ConfigBlock::FromString(const CString& strBlock)
{
    ConfigBlock block;
    block.aucByte.fill(' ');
    const int iCount = std::min(strBlock.GetLength(), LENGTH);
    for (int i = 0; i < iCount; ++i)
        block.At(i) = static_cast<BYTE>(strBlock.GetAt(i));
    return block;
}

CString ConfigBlock::ToString() const
{
    return CString(reinterpret_cast<const char*>(aucByte.data()), LENGTH);
}
