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
    X(IDS_RUN_USER_ADJUSTMENT, 5235)                                                                         \
    X(IDS_DELETE_USER_ADJUSTMENT, 5236)                                                                      \
    X(IDS_CONTINUE, 5238)                                                                                    \
    X(IDS_DELETE_CALIB_QUESTION, 5239)                                                                       \
    X(IDS_CALIB_WARRANTY, 5240)                                                                              \
    X(IDS_UNLOAD_SENSOR, 5241)                                                                               \
    X(IDS_LOAD_ADJUST_VALUE, 5242)                                                                           \
    X(IDS_ADJUST_VALUE_NOTE, 5243)                                                                           \
    X(IDS_UPPER_RANGE_VALUE, 5244)                                                                           \
    X(IDS_ADJUST_VALUE, 5245)                                                                                \
    X(IDS_WRONG_SCALE_VALUE, 5246)                                                                           \
    X(IDS_RESTORE_FACTORY_NOTE, 5262)                                                                        \
    X(IDS_YES, 5263)                                                                                         \
    X(IDS_NO, 5264)                                                                                          \
    X(IDS_BACK, 5265)                                                                                        \
    X(IDS_ZERO_OUT_OF_TOLERANCE, 5266)                                                                       \
    X(IDS_STORE_UNCERTAINTY, 5295)                                                                           \
    X(IDS_UNCERTAINTY_OUT_OF_RANGE, 5297)                                                                    \
    X(IDS_UNCERTAINTY_WARRANTY, 5298)                                                                        \
    X(IDS_UNCERTAINTY_RESTORE_NOTE, 5299)                                                                    \
    X(IDS_STORE_UNCERTAINTY_CAPTION, 5300)                                                                   \
    X(IDS_RUN_FACTORY_ADJUSTMENT, 5314)                                                                      \
    X(IDS_DELETE, 5327)                                                                                      \
    X(IDS_DELETE_FACTORY_ADJUSTMENT, 5368)                                                                   \
    X(IDS_STARTUP_SEARCHING, 5302)                                                                           \
    X(IDS_STARTUP_NOT_FOUND, 5303)                                                                           \
    X(IDS_STARTUP_SEARCH_AGAIN, 5304)                                                                        \
    X(IDS_COLUMN_BAUDRATE, 5343)                                                                             \
    X(IDS_STARTUP_SEARCH_ALL, 5345)                                                                          \
    X(IDS_CHECK_INTERFACE, 5355)                                                                             \
    X(IDS_UNCERTAINTY, 5358)                                                                                 \
    X(IDS_SUPPORTED_SENSORS, 5373)

SENSOR_PAGE_TEXTS(DECLARE_TEXT_ID)
