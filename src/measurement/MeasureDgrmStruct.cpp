#include "measurement/MeasureDgrmStruct.h"

#include "measurement/StoredRecord.h"

void MeasureDgrmStruct::StoreCheckSums()
{
    StoreRecordCheckSums(*this);
}

bool MeasureDgrmStruct::HasValidCheckSums() const
{
    return HasValidRecordCheckSums(*this);
}

bool MeasureDgrmStruct::TakeStoredBytes(const BYTE* pBytes, UINT nBytes)
{
    return TakeStoredRecordBytes(*this, pBytes, nBytes);
}
