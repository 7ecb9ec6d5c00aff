// The connection page's baud-rate texts, as the frame's baud-change timer reads them.
#include "sensorpages/CDlgSensorConnection.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

TEST(SensorConnectionPage, BaudTextsGiveTheirCodeAndRate)
{
    ScriptedMessageBoxes boxes;
    long lRate = 0;
    EXPECT_EQ(9, CDlgSensorConnection::BaudTextToCode("115,2k", &lRate));
    EXPECT_EQ(115200, lRate);
    EXPECT_EQ(16, CDlgSensorConnection::BaudTextToCode("230,4k", &lRate));
    EXPECT_EQ(230400, lRate);
    EXPECT_EQ(16, CDlgSensorConnection::BaudTextToCode("230,4k", nullptr));
    EXPECT_TRUE(boxes.Calls().empty());
    // Any other text is reported with the rate asked for, and taken as 115200.
    lRate = 57600;
    EXPECT_EQ(9, CDlgSensorConnection::BaudTextToCode("57,6k", &lRate));
    EXPECT_EQ(115200, lRate);
    EXPECT_EQ(9, CDlgSensorConnection::BaudTextToCode("", nullptr));
    ASSERT_EQ(2u, boxes.Calls().size());
    EXPECT_STREQ("Fehler 321KLM4354\n\n57,6k\n57600", boxes.Calls()[0].strText);
    EXPECT_STREQ("Fehler 321KLM4354\n\n\n-1", boxes.Calls()[1].strText);
}
