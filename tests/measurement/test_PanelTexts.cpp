// The operator panel's texts: the message of an unsupported sensor and the information lines.
#include "measurement/CPanelTexts.h"

#include "measurement/MeasurePanelState.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "protocol/SensorStruct.h"

#include <gtest/gtest.h>

namespace
{
CString Text(int iId, int iLanguage = LANGUAGE_GERMAN)
{
    CString str;
    str.LoadString(static_cast<UINT>(iId + iLanguage));
    return str;
}
} // namespace

TEST(PanelTexts, NotSupportedMessageEndsInTheErrorCodeWithTheNumberForItsParenthesis)
{
    const CString strIntro = Text(IDS_SENSOR_NOT_SUPPORTED);
    const CString strCode = Text(IDS_ERROR_CODE);
    EXPECT_EQ(strIntro + "\n\nFehlercode: 01 (Typ5",
              CPanelTexts::NotSupportedText(strIntro, strCode, Text(IDS_ERROR_CODE_TYPE), 5));
    EXPECT_EQ(strIntro + "\n\nFehlercode: 00 (Rev3",
              CPanelTexts::NotSupportedText(strIntro, strCode, Text(IDS_ERROR_CODE_REVISION), 3));
    EXPECT_EQ("x\n\nError code: 01 (Type:",
              CPanelTexts::NotSupportedText("x", Text(IDS_ERROR_CODE, LANGUAGE_ENGLISH), "01 (Type)", 10));
    EXPECT_EQ("x\n\nc: 01 (Typ*", CPanelTexts::NotSupportedText("x", "c", "01 (Typ)", 11));
    EXPECT_EQ("x\n\nc: ", CPanelTexts::NotSupportedText("x", "c", CString(), 5));
    EXPECT_EQ("x\n\nc: (a1b)", CPanelTexts::NotSupportedText("x", "c", "(a)b)", 1)); // the first ')' only
}

TEST(PanelTexts, InformationLinesShowWhatTheSensorHasAndNaOtherwise)
{
    EXPECT_EQ("Seriennummer: n.a.", CPanelTexts::SerialNumberLine("Seriennummer", 0));
    EXPECT_EQ("Seriennummer: 123456", CPanelTexts::SerialNumberLine("Seriennummer", 123456));
    EXPECT_EQ("Serial: 4294967295", CPanelTexts::SerialNumberLine("Serial", 0xFFFFFFFFul));
    EXPECT_EQ("R ( A / B ): 20 N·m / 5 N·m", CPanelTexts::RangeLine("R", true, "20 N·m", "5 N·m"));
    EXPECT_EQ("R ( A ): 20 N·m", CPanelTexts::RangeLine("R", false, "20 N·m", "5 N·m"));

    const CString strCaption = Text(IDS_UNCERTAINTY_LABEL);
    EXPECT_EQ("Messunsicherheit ( A / B ): 0,1 % / 0,25 %",
              CPanelTexts::UncertaintyLine(strCaption, true, true, 0.1, true, 0.25, LANGUAGE_GERMAN));
    EXPECT_EQ("Messunsicherheit ( A ): 0.1 %",
              CPanelTexts::UncertaintyLine(strCaption, false, true, 0.1, true, 0.25, LANGUAGE_ENGLISH));
    EXPECT_EQ("Messunsicherheit ( B ): 2 %",
              CPanelTexts::UncertaintyLine(strCaption, true, false, 0.1, true, 2.0, LANGUAGE_GERMAN));
    EXPECT_EQ("Messunsicherheit: n.a.",
              CPanelTexts::UncertaintyLine(strCaption, false, false, 0.1, true, 2.0, LANGUAGE_GERMAN));
    EXPECT_EQ("Messunsicherheit: n.a.",
              CPanelTexts::UncertaintyLine(strCaption, true, false, 0, false, 0, LANGUAGE_GERMAN));
}

TEST(PanelTexts, ChannelBIsShownUnlessTheSensorHasOneChannel)
{
    struct Case
    {
        BYTE ucStatorType, ucInterfaceKind;
        bool bTwo;
    };
    const Case cases[] = {{5, 0, true},  {5, 1, false}, {7, 0, false},
                          {7, 1, false}, {4, 1, true},  {6, 0, true}};
    for (const Case& c : cases)
    {
        SensorStruct s;
        s.ucStatorType = c.ucStatorType;
        s.ucInterfaceKind = c.ucInterfaceKind;
        EXPECT_EQ(c.bTwo, CPanelTexts::ShowsTwoChannels(s))
            << int(c.ucStatorType) << "/" << int(c.ucInterfaceKind);
    }
}

TEST(PanelTexts, ButtonStateTextListsTheTriggerBeforeTheSingleShot)
{
    MeasurePanelState s;
    s.sIsVisible[MeasurePanelState::BTN_TRIGGER] = 1;
    s.sIsVisible[MeasurePanelState::BTN_CTRL] = 7;
    const CString str = CPanelTexts::ButtonStateText(s);
    EXPECT_NE(-1, str.Find("BtnTrigger        = 1\n\t\t\t sIsVisible.BtnSingleShot     = 0\n"));
    EXPECT_NE(-1, str.Find("BtnCtrl           = 7\n"));
}
