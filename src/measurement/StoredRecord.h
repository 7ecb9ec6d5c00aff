// Check ints and stored copies of the fixed-size settings records. The three check ints of a record
// (iSizeOfStruct, iSumOfStruct, iWeightedSumOfStruct) cover all its other bytes, padding included.
#pragma once

#include "framework/AfxWin32.h"
#include "shell/CEnvironment.h"
#include "shell/CStoredRecord.h"

template <class Record> void StoreRecordCheckSums(Record& record)
{
    CEnvironment::CheckStructSum(&record, sizeof(record), &record.iSizeOfStruct, &record.iSumOfStruct,
                                 &record.iWeightedSumOfStruct, 1);
}

template <class Record> bool HasValidRecordCheckSums(const Record& record)
{
    Record copy = record;
    return CEnvironment::CheckStructSum(&copy, sizeof(copy), &copy.iSizeOfStruct, &copy.iSumOfStruct,
                                        &copy.iWeightedSumOfStruct, 0) != FALSE;
}

// A stored copy is taken only when it has exactly the record's size.
template <class Record> bool TakeStoredRecordBytes(Record& record, const BYTE* pBytes, UINT nBytes)
{
    return CStoredRecord::Take(&record, sizeof(record), pBytes, nBytes);
}
