// A fixed ring of the newest values and their mean, for the averaging of measured values, the
// reduction of the diagram's points and the calibration readings. Adding a value and reading the mean
// take constant time: the ring keeps a compensated running sum, summed afresh once per round.
#pragma once

#include <vector>

class CMovingAverageRing
{
public:
    // n nodes; 0 is taken as 1.
    explicit CMovingAverageRing(int n);

    // Overwrites the oldest value (or fills the next free node). Returns 0.
    int AddValue(double dValue);
    // The mean of the values held; false and 0 while the ring is empty.
    bool GetAverage(double* pdOut) const;
    void Clear();
    // Grows by free nodes after the newest value or drops the oldest values; n below 1 is taken as 1.
    void SetSize(int n);

    int GetSize() const { return m_iSize; }
    int GetFilled() const { return m_iFilled; }

private:
    int OldestFilled() const;
    void Accumulate(double dValue);
    void Resum();

    int m_iSize = 1;
    int m_iFilled = 0;
    int m_iNewest = 0;
    std::vector<double> m_adValue;
    double m_dSum = 0.0;
    double m_dCompensation = 0.0;
    int m_iAddsSinceResum = 0;
};
