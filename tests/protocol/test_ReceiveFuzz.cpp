// A short run of the receive path fuzzer; bench_protocol_fuzz runs the long one.
#define _GLIBCXX_ASSERTIONS 1

#include "ReceiveFuzzer.h"

#include <gtest/gtest.h>

using namespace protocol_test;

namespace
{
constexpr std::uint64_t RUN_SEED = 11;
constexpr long long FRAMES = 50000;
} // namespace

TEST(ReceiveFuzz, AnyInputInAnyStateLeavesTheEngineWorking)
{
    long long llFrames = 0;
    for (long long llCase = 0; llFrames < FRAMES; ++llCase)
    {
        const std::uint64_t ullSeed = CReceiveFuzzer::CaseSeed(RUN_SEED, llCase);
        const FuzzResult result = CReceiveFuzzer::RunCase(ullSeed);
        ASSERT_EQ(result.strFailure, "")
            << "case seed " << ullSeed << " (bench_protocol_fuzz --case " << ullSeed << " runs it alone)";
        llFrames += result.llFrames;
    }
}
