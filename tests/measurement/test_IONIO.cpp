// The pass/fail evaluation of a measurement's maxima against the limits of two conditions.
#include "measurement/CValidation_IO_NIO.h"
#include "protocol/MeasuredValuesStruct.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace
{
struct Evaluation
{
    IONIOResultPair result;
    IONIOComparedValue compared[2];
};

Evaluation Evaluate(double dMaxA, double dMaxB, int iMeasurand1, int iMeasurand2, const char* pszLower1,
                    const char* pszUpper1, const char* pszLower2 = "", const char* pszUpper2 = "",
                    int iReserved = 0)
{
    MeasuredValuesStruct values;
    values.dMaxA = dMaxA;
    values.dMaxB = dMaxB;
    Evaluation e;
    e.result = {7, 7};
    CValidation_IO_NIO validation;
    EXPECT_EQ(&e.result, validation.Execute(&e.result, &values, iMeasurand1, iMeasurand2, pszLower1,
                                            pszUpper1, pszLower2, pszUpper2, iReserved, e.compared));
    return e;
}
} // namespace

TEST(IONIO, LimitsAreInclusiveAndEitherFailedConditionTurnsTheLightRed)
{
    const struct
    {
        double dMaxA;
        BYTE bPass;
    } cases[] = {{10.5, 1}, {20.0, 1}, {15.0, 1}, {10.4, 0}, {20.01, 0}};
    for (const auto& c : cases)
    {
        const Evaluation e = Evaluate(c.dMaxA, 0.0, 0, 1, "10,5", "20");
        EXPECT_EQ(c.bPass, e.result.bCondition1) << c.dMaxA;
        EXPECT_EQ(1, e.result.bCondition2);
        EXPECT_EQ(c.bPass ? IONIO_PASS : IONIO_FAIL, CValidation_IO_NIO::GetLight(e.result));
    }
    const Evaluation e = Evaluate(15.0, 3.0, 0, 1, "10", "20", "", "2.5");
    EXPECT_EQ(1, e.result.bCondition1);
    EXPECT_EQ(0, e.result.bCondition2);
    EXPECT_EQ(IONIO_FAIL, CValidation_IO_NIO::GetLight(e.result));
    EXPECT_EQ(3.0, e.compared[1].dValue);
    EXPECT_EQ(5324, e.compared[1].iChannelStringId);
}

TEST(IONIO, EmptyAndNotAvailableLimitsAreSkipped)
{
    Evaluation e = Evaluate(99.0, 99.0, 0, 1, "", "n.a.", "n.a.", "");
    EXPECT_EQ(1, e.result.bCondition1);
    EXPECT_EQ(1, e.result.bCondition2);
    EXPECT_EQ(0, e.compared[0].iChannelStringId) << "nothing compared";

    e = Evaluate(4.0, 0.0, 0, 0, "", "3");
    EXPECT_EQ(0, e.result.bCondition1);
    EXPECT_EQ(4.0, e.compared[0].dValue);
    EXPECT_EQ(5323, e.compared[0].iChannelStringId);

    e = Evaluate(-1.0, 0.0, 0, 0, "abc", "");
    EXPECT_EQ(0, e.result.bCondition1) << "a limit that is no number is 0";
}

TEST(IONIO, UndefinedMeasurandAndReservedArgumentAreReported)
{
    {
        ScriptedMessageBoxes boxes;
        const Evaluation e = Evaluate(50.0, 50.0, 5, 0, "1", "2", "60", "");
        ASSERT_EQ(2u, boxes.Calls().size());
        EXPECT_STREQ("one of measurands for IO/NIO Control cannot be defined", boxes.Calls()[0].strText);
        EXPECT_EQ(1, e.result.bCondition1);
        EXPECT_EQ(0, e.result.bCondition2);
    }
    {
        ScriptedMessageBoxes boxes;
        const Evaluation e = Evaluate(50.0, 50.0, 0, 0, "60", "", "60", "", 1);
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_STREQ("improper call of CValidation_IO_NIO.Execute()", boxes.Calls()[0].strText);
        EXPECT_EQ(1, e.result.bCondition1);
        EXPECT_EQ(1, e.result.bCondition2);
    }
}
