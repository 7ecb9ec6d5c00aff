// The documentation settings record (60 bytes, little-endian): text format, automatic storage and
// header options; the last three ints check it.
#pragma once

#include "framework/AfxWin32.h"

#include <cstddef>
#include <cstdint>

struct DocuStorageSelection
{
    int32_t iSelected;
    BYTE bShowNote;
    BYTE aucReserved[3];
};

struct DocuDiagramSelection
{
    int32_t iSelected;
};

struct DocumentationStruct
{
    int32_t iLineEnd;
    int32_t iColumnSeparator;
    int32_t iDecimalSeparator;
    DocuStorageSelection sAutoStorageMW;
    DocuStorageSelection sAutoStorageIONIO;
    DocuDiagramSelection sAutoStorageDM;
    int32_t iDiagramSize;
    BYTE bMwHeadline;
    BYTE bMwAddress;
    BYTE bMwUncertainty;
    BYTE bMwUncertaintySaved;
    BYTE bMwComment;
    BYTE bMwDateTime;
    BYTE bMwUnit;
    BYTE bDmHeadline;
    BYTE bDmAddress;
    BYTE bDmUncertainty;
    BYTE bDmComment;
    BYTE ucReserved47;
    int32_t iSizeOfStruct;
    int32_t iSumOfStruct;
    int32_t iWeightedSumOfStruct;
};

static_assert(sizeof(DocumentationStruct) == 60, "stored record size");
static_assert(offsetof(DocumentationStruct, sAutoStorageDM) == 28, "stored record layout");
static_assert(offsetof(DocumentationStruct, iSizeOfStruct) == 48, "stored record layout");
