// The value pipeline: scaling, averaging, sign, tare, minimum and maximum, the pane fields, the
// refreshes and the hand-over of each pair.
#include "PipelineFixture.h"

#include "measurement/CMovingAverageRing.h"
#include "measurement/CUnitTable.h"

#include <vector>

using namespace pipeline_test;

namespace
{
// The scale of one raw count: the unit's factor times the range end value over the full-scale count,
// or the factor alone for raw counts.
double Scale(int iUnit)
{
    const double dFactor = CUnitTable::ForTypeClass('D').CodeToFactor(iUnit);
    return iUnit == UNIT_ADU ? dFactor : dFactor * RANGE / FULL_SCALE;
}

struct FormulaCase
{
    int iUnit;
    int iLanguage;
    int iRaw;
    int iSign;
    const char* pszText;
};

class PipelineFormulaTest : public PipelineTest, public ::testing::WithParamInterface<FormulaCase>
{
};
} // namespace

TEST_P(PipelineFormulaTest, SingleValueIsScaledSignedAndShownWithItsUnit)
{
    const FormulaCase& c = GetParam();
    host.m_iLanguageOffset = c.iLanguage;
    pipeline.m_sChannel[0].iSign = c.iSign;
    SelectUnit(0, c.iUnit);

    SingleShot(c.iRaw);

    const double dExpected = (c.iSign == 1 ? -1.0 : 1.0) * (static_cast<double>(c.iRaw) * Scale(c.iUnit));
    EXPECT_DOUBLE_EQ(dExpected, Values().dValueA);
    EXPECT_STREQ(c.pszText, paneA.m_astrText[CChannelPaneFields::FIELD_VALUE]);
}

INSTANTIATE_TEST_SUITE_P(Units, PipelineFormulaTest,
                         ::testing::Values(FormulaCase{UNIT_N_M, 0, 12500, 0, "2,50 N·m"},
                                           FormulaCase{UNIT_N_M, 1000, 12500, 0, "2.50 N·m"},
                                           FormulaCase{UNIT_LBF_IN, 0, 12500, 0, "22,13 lbf·in"},
                                           FormulaCase{UNIT_MN_M, 0, 12500, 0, "2500,00 mN·m"},
                                           FormulaCase{UNIT_ADU, 0, 12500, 0, "12500,00 ADU"},
                                           FormulaCase{UNIT_N_M, 0, -1, 0, "0,00 N·m"},
                                           FormulaCase{UNIT_N_M, 0, 12500, 1, "-2,50 N·m"}));

TEST_F(PipelineTest, DigitalInputOnChannelBIsTakenUnscaled)
{
    SensorStruct s = TorqueSensor();
    s.ucStatorType = 5;
    s.ucNoDigitalInput = 0;
    Connect(s);

    SingleShot(12500, 1);

    EXPECT_EQ(1.0, Values().dScaleB);
    EXPECT_EQ(1.0, Values().dValueB);
    EXPECT_STREQ("1 IN", paneB.m_astrText[CChannelPaneFields::FIELD_VALUE]);
}

TEST_F(PipelineTest, StreamValuesAreTheMeanOfTheNewestWindowWithMinimumAndMaximum)
{
    pipeline.m_sChannel[0].iMeanCode = 2; // window of 4
    StartRunning();
    const int aiRaw[] = {0, 400, 800, 1200, 1600};
    std::vector<double> window;
    for (const int iRaw : aiRaw)
    {
        Record(iRaw);
        window.push_back(static_cast<double>(iRaw) * Scale(UNIT_N_M));
        if (window.size() > 4)
            window.erase(window.begin());
        double dSum = 0.0;
        for (const double d : window)
            dSum += d;
        EXPECT_DOUBLE_EQ(dSum / static_cast<double>(window.size()), Values().dValueA) << "raw " << iRaw;
    }
    EXPECT_NEAR(0.20, Values().dValueA, 1e-12);
    EXPECT_EQ(0.0, Values().dMinA);
    EXPECT_NEAR(0.20, Values().dMaxA, 1e-12);
    EXPECT_STREQ("0,20 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MAX]);
    EXPECT_STREQ("0,00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MIN]);
    ASSERT_EQ(5u, host.m_pairs.size());
    EXPECT_EQ(Values().dValueA, host.m_pairs.back().first);
}

TEST_F(PipelineTest, PaneFieldIsWrittenOnlyWhenTheValueChangedItIsReadyAndTheCountdownIsZero)
{
    StartRunning();
    paneA.m_bThrottle = true;
    Record(5000);
    ASSERT_EQ(1, paneA.m_aiWrites[CChannelPaneFields::FIELD_VALUE]);

    Record(6000); // field blocked (its 100 ms run)
    paneA.m_abReady[CChannelPaneFields::FIELD_VALUE] = true;
    port.m_iDisplayCountdown = 3;
    Record(7000); // not this record of the stream
    EXPECT_EQ(1, paneA.m_aiWrites[CChannelPaneFields::FIELD_VALUE]);

    port.m_iDisplayCountdown = 0;
    Record(7000);
    EXPECT_EQ(2, paneA.m_aiWrites[CChannelPaneFields::FIELD_VALUE]);
    EXPECT_STREQ("1,40 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_VALUE]);

    paneA.m_abReady[CChannelPaneFields::FIELD_VALUE] = true;
    Record(7000); // unchanged
    EXPECT_EQ(2, paneA.m_aiWrites[CChannelPaneFields::FIELD_VALUE]);
}

TEST_F(PipelineTest, StreamFromTheEngineReachesThePanesAtTheRateOfTheCountdown)
{
    port.m_iDisplayCountdownReload = 10;
    panel.m_state.bRunning = 1;
    port.TerSend_SetAddress(1, 255);
    ASSERT_TRUE(port.COM_ZMCOMConfgStartMeasure(-1, true));
    CString strStream;
    port.TerSend_Ack(strStream, TRUE);
    for (int i = 0; i < 30; ++i)
    {
        const int iValue = 100 * (i + 1);
        for (const int iByte : {i, iValue >> 8, iValue & 0xFF, 0, 0})
            strStream += static_cast<char>(iByte);
    }
    port.COM_OnReceiveData(static_cast<UINT>(strStream.GetLength()),
                           reinterpret_cast<const BYTE*>(strStream.GetString()));

    EXPECT_EQ(30u, host.m_pairs.size());
    EXPECT_EQ(3, paneA.m_aiWrites[CChannelPaneFields::FIELD_VALUE]);
    EXPECT_STREQ("0,60 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_VALUE]);
}

TEST_F(PipelineTest, TarePressedTwiceTakesTheValueAsTareAndThenTakesItOff)
{
    SingleShot(12500);

    pipeline.m_sChannel[0].bTareOff = 0; // the pane's Tara button toggles first
    pipeline.OnTaraA();
    EXPECT_EQ(2.5, Values().dTareA);
    EXPECT_EQ(0.0, Values().dValueA);
    EXPECT_STREQ("0,00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_VALUE]);
    EXPECT_STREQ("2,50 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_TARE]);

    pipeline.m_sChannel[0].bTareOff = 1;
    pipeline.OnTaraA();
    EXPECT_EQ(0.0, Values().dTareA);
    EXPECT_EQ(2.5, Values().dValueA);
    EXPECT_STREQ("0,00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_TARE]);
}

TEST_F(PipelineTest, TareDuringARunAddsNoSampleAndHandsNothingOver)
{
    pipeline.m_sChannel[0].iMeanCode = 1; // window of 2
    StartRunning();
    Record(10000);
    Record(15000);
    const size_t nPairs = host.m_pairs.size();

    pipeline.m_sChannel[0].bTareOff = 0;
    pipeline.OnTaraA();

    EXPECT_EQ(nPairs, host.m_pairs.size());
    EXPECT_EQ(2, pipeline.m_pMeanList[0]->GetFilled());
    EXPECT_DOUBLE_EQ(2.5, Values().dTareA);
    EXPECT_EQ(0.0, Values().dValueA);
    EXPECT_STREQ("2,50 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_TARE]);
    EXPECT_STREQ("0,00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_VALUE]);

    pipeline.ResetMaxA();
    EXPECT_EQ(nPairs, host.m_pairs.size());
    EXPECT_EQ(0.0, Values().dMaxA);
}

TEST_F(PipelineTest, MaximumResetWithoutARunMakesTheCurrentValueTheMaximumAtOnce)
{
    SingleShot(12500);
    SingleShot(5000);
    ASSERT_EQ(2.5, Values().dMaxA);

    pipeline.ResetMaxA();

    EXPECT_EQ(1.0, Values().dMaxA);
    EXPECT_EQ(1.0, Values().dValueA);
    EXPECT_STREQ("1,00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MAX]);
    EXPECT_EQ(1.0, Values().dMinA);
}

TEST_F(PipelineTest, LanguageRefreshKeepsMinimumAndMaximumWhileASettingsRefreshStartsThemAnew)
{
    SingleShot(12500);
    SingleShot(5000);

    host.m_iLanguageOffset = 1000;
    pipeline.ProcessMeasuredValues(CValuePipeline::REASON_LANGUAGE);
    EXPECT_STREQ("2.50 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MAX]);
    EXPECT_STREQ("1.00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MIN]);
    EXPECT_STREQ("1.00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_VALUE]);
    EXPECT_EQ(2.5, Values().dMaxA);

    pipeline.ProcessMeasuredValues(CValuePipeline::REASON_REFRESH);
    EXPECT_EQ(1.0, Values().dMaxA);
    EXPECT_STREQ("1.00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MAX]);
}

TEST_F(PipelineTest, InitialisationValueResetsTheMarksAndShowsAllFieldsWithoutHandOver)
{
    SetRaw(12500, -5000);
    pipeline.ProcessMeasuredValues(CValuePipeline::REASON_INIT);

    EXPECT_EQ(2.5, Values().dValueA);
    EXPECT_EQ(-1.0, Values().dMinB);
    EXPECT_STREQ("-1,00 N·m", paneB.m_astrText[CChannelPaneFields::FIELD_MAX]);
    EXPECT_STREQ("0,00 N·m", paneB.m_astrText[CChannelPaneFields::FIELD_TARE]);
    EXPECT_TRUE(host.m_pairs.empty());
}

TEST_F(PipelineTest, LanguageRefreshBeforeAnyValueShowsNoResetMark)
{
    port.COM_ResetMeasuredValues();
    pipeline.ProcessMeasuredValues(CValuePipeline::REASON_LANGUAGE);
    EXPECT_STREQ("0,00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MIN]);
    EXPECT_STREQ("0,00 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_MAX]);
}

TEST_F(PipelineTest, NothingIsProcessedBeforeThePanesAreAttached)
{
    pipeline.Attach(&host, &settings, &panel, &paneA, nullptr, &diagram);
    SingleShot(12500);
    EXPECT_TRUE(host.m_pairs.empty());
    EXPECT_EQ(0, paneA.Writes());
}
