#include "measurement/MeasureDgrmStruct.h"

#include "shell/CEnvironment.h"

#include <cstring>

void MeasureDgrmStruct::StoreCheckSums()
{
    CEnvironment::CheckStructSum(this, sizeof(*this), &iSizeOfStruct, &iSumOfStruct, &iWeightedSumOfStruct,
                                 1);
}

bool MeasureDgrmStruct::HasValidCheckSums() const
{
    MeasureDgrmStruct copy = *this;
    return CEnvironment::CheckStructSum(&copy, sizeof(copy), &copy.iSizeOfStruct, &copy.iSumOfStruct,
                                        &copy.iWeightedSumOfStruct, 0) != FALSE;
}

bool MeasureDgrmStruct::TakeStoredBytes(const BYTE* pBytes, UINT nBytes)
{
    if (!pBytes || nBytes != sizeof(*this))
        return false;
    std::memcpy(this, pBytes, sizeof(*this));
    return true;
}
