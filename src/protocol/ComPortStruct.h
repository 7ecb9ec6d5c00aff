// One entry of the engine's port tables (CComPort::m_sComPort and m_sComPortPrev, 256 entries each).
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "protocol/SensorStruct.h"

// Search states of a port entry (iTervaneState); -1 marks a free entry.
constexpr int ID_AVAILABLE = 0;              // maker's USB port that opened at one of the rates
constexpr int ID_NOT_AVAILABLE = 2;          // one rate of the open test failed (never stays)
constexpr int ID_TEST_CONNECTION_FAILED = 4; // maker's USB port that opened at neither rate
constexpr int ID_PORT_AVAILABLE = 5;         // a compatible interface answered
constexpr int ID_PORT_NO_ANSWER = 6;         // no bus address answered
constexpr int ID_PORT_WRONG_DEVICE = 7;      // an interface answered but is not compatible
constexpr int ID_PORT_ACTIVE = 8;            // the port of the connected sensor
constexpr int ID_PORT_NOT_COMPATIBLE = 9;    // another port that opened at neither rate
constexpr int ID_PORT_CANDIDATE = 10;        // another port that opened; the probe follows

// Indexes of iIsCompatibelToBaudrate.
constexpr int ID_BAUD_115200 = 0;
constexpr int ID_BAUD_230400 = 1;

constexpr int PORT_TABLE_SIZE = 256;
constexpr int BUS_ADDRESS_COUNT = 256;

struct ComPortStruct
{
    // Port key: the port name (such as COM3), blanks and the description; empty ends the list.
    CString strComPort;
    int iSearch = 0;
    CString strStoredName;
    int iStoredSearch = 0;
    SensorStruct sSensor;
    int iTervaneState = -1;
    int iIsCompatibelToBaudrate[2] = {-1, -1};
    LONG lComPortBaudrate = -1;
    BYTE ucInterfaceAddress = 0;
    BYTE ucAddressAnswered[BUS_ADDRESS_COUNT] = {};
    // The raw status answer each bus address gave during the address scan.
    CString strAddressAnswer[BUS_ADDRESS_COUNT];
};
