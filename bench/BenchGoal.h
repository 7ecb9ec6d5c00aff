// Goals of a benchmark: each figure is printed beside its goal, and the run fails when one is missed.
#pragma once

#include <cstdio>

class BenchGoals
{
public:
    // "what: 12.3 ms (goal at most 16 ms) met"; a miss is remembered.
    void AtMost(const char* lpszWhat, double dValue, double dGoal, const char* lpszUnit)
    {
        Check(lpszWhat, dValue, dGoal, lpszUnit, dValue <= dGoal, "at most");
    }
    void AtLeast(const char* lpszWhat, double dValue, double dGoal, const char* lpszUnit)
    {
        Check(lpszWhat, dValue, dGoal, lpszUnit, dValue >= dGoal, "at least");
    }
    // A condition without a figure, such as every point kept.
    void Holds(const char* lpszWhat, bool bHolds)
    {
        std::printf("goal: %s: %s\n", lpszWhat, bHolds ? "met" : "MISSED");
        m_nMissed += bHolds ? 0 : 1;
    }
    // The process exit code: 0 when every goal was met.
    int Finish() const
    {
        if (m_nMissed == 0)
            std::printf("all goals met\n");
        else
            std::printf("%d goal(s) MISSED\n", m_nMissed);
        return m_nMissed == 0 ? 0 : 1;
    }

private:
    void Check(const char* lpszWhat, double dValue, double dGoal, const char* lpszUnit, bool bMet,
               const char* lpszRelation)
    {
        std::printf("goal: %s: %.4g %s (goal %s %.4g %s) %s\n", lpszWhat, dValue, lpszUnit, lpszRelation,
                    dGoal, lpszUnit, bMet ? "met" : "MISSED");
        m_nMissed += bMet ? 0 : 1;
    }

    int m_nMissed = 0;
};
