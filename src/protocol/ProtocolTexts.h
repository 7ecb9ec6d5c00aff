// Texts of the protocol engine and the ones it shares with the layers above (German ids).
#pragma once

#include "framework/TextIds.h"

#define PROTOCOL_TEXTS(X)                                                                                    \
    X(IDS_PORT_ACTIVE, 5125)                                                                                 \
    X(IDS_PORT_AVAILABLE, 5126)                                                                              \
    X(IDS_CHECK_CALIBRATION_LOAD, 5269)                                                                      \
    X(IDS_CONNECTION_UNSTABLE, 5292)                                                                         \
    X(IDS_UNIT_ADU, 5319)                                                                                    \
    X(IDS_ONE_SENSOR_PER_BUS, 5359)                                                                          \
    X(IDS_DISCONNECT_ODD_SENSORS, 5360)

PROTOCOL_TEXTS(DECLARE_TEXT_ID)
