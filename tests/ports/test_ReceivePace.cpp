// When the serial reader switches between reading at the first byte and taking batches.
#include "ports/CReceivePace.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr DWORD PERIOD = 50;
constexpr unsigned int HALF = 128;
constexpr ULONGLONG NO_WRITE = 0;
constexpr ULONGLONG START = 10000;

enum class Op
{
    Read,    // value: bytes read; extra: time of the last write
    Batch,   // value: bytes queued; extra: 1 when the batch could not take them all
    Request, // extra: time of the write
};

struct Step
{
    Op op;
    ULONGLONG ullAt;
    unsigned int uiValue;
    ULONGLONG ullExtra;
    bool bStreaming;
    ULONGLONG ullNextBatch; // checked while streaming
};

struct Case
{
    const char* pszName;
    DWORD dwPeriod;
    std::vector<Step> steps;
};

void Apply(CReceivePace& pace, const Step& step)
{
    switch (step.op)
    {
        case Op::Read:
            pace.OnRead(step.ullAt, step.uiValue, step.ullExtra);
            break;
        case Op::Batch:
            pace.OnBatch(step.ullAt, step.uiValue, step.ullExtra != 0);
            break;
        case Op::Request:
            pace.OnRequest(step.ullExtra, step.ullAt);
            break;
    }
}
} // namespace

TEST(ReceivePace, SwitchesBetweenAnswersAndBatches)
{
    const Case aCases[] = {
        {"small answers never batch",
         PERIOD,
         {{Op::Read, START, 21, NO_WRITE, false, 0},
          {Op::Read, START + 8, 21, NO_WRITE, false, 0},
          {Op::Read, START + 16, 21, NO_WRITE, false, 0}}},
        {"a read half full starts batches a period later",
         PERIOD,
         {{Op::Read, START, HALF, NO_WRITE, true, START + PERIOD}}},
        {"half a buffer within one period streams, spread over two does not",
         PERIOD,
         {{Op::Read, START, 100, NO_WRITE, false, 0},
          {Op::Read, START + PERIOD, 100, NO_WRITE, false, 0},
          {Op::Read, START + PERIOD + 10, 28, NO_WRITE, true, START + PERIOD + 10 + PERIOD}}},
        {"no batches within the answer window of a request",
         PERIOD,
         {{Op::Read, START, 256, START - 1, false, 0},
          {Op::Read, START + CReceivePace::ANSWER_WINDOW_MS - 2, 256, START - 1, false, 0},
          {Op::Read, START + CReceivePace::ANSWER_WINDOW_MS - 1, 256, START - 1, true,
           START + CReceivePace::ANSWER_WINDOW_MS - 1 + PERIOD}}},
        {"period 0 never batches", 0, {{Op::Read, START, 256, NO_WRITE, false, 0}}},
        {"a batch of half a buffer keeps streaming, less ends it",
         PERIOD,
         {{Op::Read, START, 256, NO_WRITE, true, START + PERIOD},
          {Op::Batch, START + PERIOD, HALF, 0, true, START + 2 * PERIOD},
          {Op::Batch, START + 2 * PERIOD, HALF - 1, 0, false, 0},
          {Op::Read, START + 2 * PERIOD + 1, 100, NO_WRITE, false, 0}}},
        {"a batch that could not take all is followed at once",
         PERIOD,
         {{Op::Read, START, 256, NO_WRITE, true, START + PERIOD},
          {Op::Batch, START + PERIOD + 3, 20000, 1, true, START + PERIOD + 3}}},
        {"a request while streaming ends the batches, one from before does not",
         PERIOD,
         {{Op::Read, START, 256, START - CReceivePace::ANSWER_WINDOW_MS, true, START + PERIOD},
          {Op::Request, START + 5, 0, START - CReceivePace::ANSWER_WINDOW_MS, true, START + PERIOD},
          {Op::Request, START + 6, 0, START + 6, false, 0},
          {Op::Read, START + 7, 256, START + 6, false, 0}}},
    };
    for (const Case& c : aCases)
    {
        CReceivePace pace;
        pace.Reset(c.dwPeriod, HALF, START - 1000);
        for (size_t i = 0; i < c.steps.size(); ++i)
        {
            const Step& step = c.steps[i];
            Apply(pace, step);
            ASSERT_EQ(step.bStreaming, pace.IsStreaming()) << c.pszName << ", step " << i;
            if (step.bStreaming)
            {
                EXPECT_EQ(step.ullNextBatch, pace.GetNextBatch()) << c.pszName << ", step " << i;
            }
        }
    }
}

TEST(ReceivePace, ResetEndsTheStream)
{
    CReceivePace pace;
    pace.Reset(PERIOD, HALF, START);
    ASSERT_TRUE(pace.OnRead(START + 1, 256, NO_WRITE));
    pace.Reset(PERIOD, HALF, START + 2);
    EXPECT_FALSE(pace.IsStreaming());
}
