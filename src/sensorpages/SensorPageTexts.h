// Texts of the start-up search and the sensor pages (German ids).
#pragma once

#include "framework/TextIds.h"

#define SENSOR_PAGE_TEXTS(X)                                                                                 \
    X(IDS_PAGE_SENSOR_CONNECTION, 5052)                                                                      \
    X(IDS_PAGE_SENSOR_INFORMATION, 5053)                                                                     \
    X(IDS_PAGE_SENSOR_CALIBRATION, 5056)                                                                     \
    X(IDS_STARTUP_SEARCHING, 5302)                                                                           \
    X(IDS_STARTUP_NOT_FOUND, 5303)                                                                           \
    X(IDS_STARTUP_SEARCH_AGAIN, 5304)                                                                        \
    X(IDS_STARTUP_SEARCH_ALL, 5345)                                                                          \
    X(IDS_SUPPORTED_SENSORS, 5373)

SENSOR_PAGE_TEXTS(DECLARE_TEXT_ID)
