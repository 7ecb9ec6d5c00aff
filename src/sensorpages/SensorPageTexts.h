// Texts of the start-up search and the sensor pages (German ids).
#pragma once

#include "framework/TextIds.h"

#define SENSOR_PAGE_TEXTS(X)                                                                                 \
    X(IDS_PAGE_SENSOR_CONNECTION, 5052)                                                                      \
    X(IDS_PAGE_SENSOR_INFORMATION, 5053)                                                                     \
    X(IDS_PAGE_SENSOR_CALIBRATION, 5056)                                                                     \
    X(IDS_COMMON, 5110)                                                                                      \
    X(IDS_SENSOR, 5111)                                                                                      \
    X(IDS_SENSOR_TYPE, 5112)                                                                                 \
    X(IDS_REVISION, 5117)                                                                                    \
    X(IDS_ACCURACY_CLASS, 5119)                                                                              \
    X(IDS_FACTORY_ADJUSTMENT, 5120)                                                                          \
    X(IDS_USER_ADJUSTMENT, 5121)                                                                             \
    X(IDS_ADJUSTMENT_CREATED, 5122)                                                                          \
    X(IDS_COLUMN_INTERFACE, 5127)                                                                            \
    X(IDS_COLUMN_STATE, 5128)                                                                                \
    X(IDS_REFRESH, 5130)                                                                                     \
    X(IDS_PORT_BUSY_BEFORE, 5131)                                                                            \
    X(IDS_PORT_BUSY_AFTER, 5132)                                                                             \
    X(IDS_NOT_SUPPORTED, 5133)                                                                               \
    X(IDS_ID, 5134)                                                                                          \
    X(IDS_COLUMN_SERIAL, 5135)                                                                               \
    X(IDS_INACTIVE, 5187)                                                                                    \
    X(IDS_COLUMN_ADDRESS, 5215)                                                                              \
    X(IDS_STARTUP_SEARCHING, 5302)                                                                           \
    X(IDS_STARTUP_NOT_FOUND, 5303)                                                                           \
    X(IDS_STARTUP_SEARCH_AGAIN, 5304)                                                                        \
    X(IDS_COLUMN_BAUDRATE, 5343)                                                                             \
    X(IDS_STARTUP_SEARCH_ALL, 5345)                                                                          \
    X(IDS_CHECK_INTERFACE, 5355)                                                                             \
    X(IDS_UNCERTAINTY, 5358)                                                                                 \
    X(IDS_SUPPORTED_SENSORS, 5373)

SENSOR_PAGE_TEXTS(DECLARE_TEXT_ID)
