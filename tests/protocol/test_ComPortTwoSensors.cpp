// A search over two ports with a sensor each, on a line of made-up ports: each port's record holds
// only its own sensor's fields, also when one sensor has a damaged block and refuses another.
#include "FakeLineFrameFixture.h"

#include <gtest/gtest.h>

using namespace protocol_test;

namespace
{
const char* const KEY_SEVEN = "COM7   Fake sensor seven";
const char* const KEY_EIGHT = "COM8   Fake sensor eight";
constexpr unsigned char ADDRESS_SEVEN = 3;
constexpr unsigned char ADDRESS_EIGHT = 6;

class TwoSensorSearchTest : public FakeLineFrameTest
{
protected:
    void SetUp() override
    {
        FakeLineFrameTest::SetUp();
        // Sensor seven refuses its software configuration block and sends a damaged rotor header
        // with a range code of its own; sensor eight is complete.
        FakeSensor seven = KnownSensor(KEY_SEVEN, ADDRESS_SEVEN, 7007);
        seven.blocks.erase(3);
        seven.blocks[0x80] = SensorBlock(
            0x80, ADDRESS_SEVEN, [](ConfigBlock& block) { block.SetUInt16At(16, 0x1250); }, true);
        m_pLine->m_sensors = {seven, KnownSensor(KEY_EIGHT, ADDRESS_EIGHT, 8008)};
    }
};
} // namespace

// The search reads sensor eight (the last listed port) first, then sensor seven.
TEST_F(TwoSensorSearchTest, EachPortsRecordHoldsOnlyItsOwnSensor)
{
    ASSERT_TRUE(SearchAndConnect());

    const SensorStruct& seven = m_frame.m_sComPort.at(0).sSensor;
    const SensorStruct& eight = m_frame.m_sComPort.at(1).sSensor;
    EXPECT_EQ(m_frame.m_sComPort.at(0).strComPort, KEY_SEVEN);
    EXPECT_EQ(m_frame.m_sComPort.at(0).iTervaneState, ID_PORT_ACTIVE) << "the first available port";
    EXPECT_EQ(m_frame.m_sComPort.at(1).iTervaneState, ID_PORT_AVAILABLE);
    EXPECT_EQ(m_frame.m_sComPort.at(0).ucInterfaceAddress, ADDRESS_SEVEN);
    EXPECT_EQ(m_frame.m_sComPort.at(1).ucInterfaceAddress, ADDRESS_EIGHT);

    EXPECT_EQ(seven.ulSerialNo, 7007u);
    EXPECT_EQ(eight.ulSerialNo, 8008u);
    EXPECT_EQ(seven.iRtHeaderCheck, 12) << "damaged, and says so";
    EXPECT_EQ(seven.iRangeCodeA, 0x1250) << "decoded from its own block all the same";
    EXPECT_EQ(eight.iRtHeaderCheck, 0);
    EXPECT_EQ(eight.iRangeCodeA, 0x2100);
    EXPECT_EQ(seven.ucSwCfgRead, 0) << "refused";
    EXPECT_EQ(seven.strSwUnitA, "") << "nothing of sensor eight's software configuration";
    EXPECT_EQ(seven.dSwScaleB, 0.0);
    EXPECT_EQ(eight.ucSwCfgRead, 1);
    EXPECT_EQ(eight.strSwUnitA, "N·m");

    EXPECT_EQ(m_frame.m_sSensor.ulSerialNo, 7007u) << "sensor seven connected and initialised";
    EXPECT_EQ(m_frame.m_sSensor.iRangeCodeA, 0x1250);
    EXPECT_EQ(m_frame.m_sSensor.strSwUnitA, "");
}
