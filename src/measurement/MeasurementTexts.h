// Texts of the measurement side: units, measuring rates, the choices of the measure configuration, the
// status messages of a measurement, and the captions and buttons of its pages (German ids).
#pragma once

#include "framework/TextIds.h"

#define MEASUREMENT_TEXTS(X)                                                                                 \
    X(IDS_PAGE_MEASURE_ADJUST, 5054)                                                                         \
    X(IDS_PAGE_MEASURE_DIAGRAM, 5057)                                                                        \
    X(IDS_UNIT_KILONEWTON_METRE, 5091)                                                                       \
    X(IDS_UNIT_NEWTON_METRE, 5092)                                                                           \
    X(IDS_UNIT_CENTINEWTON_METRE, 5093)                                                                      \
    X(IDS_UNIT_MILLINEWTON_METRE, 5094)                                                                      \
    X(IDS_UNIT_OUNCE_FORCE_INCH, 5095)                                                                       \
    X(IDS_UNIT_OUNCE_FORCE_FOOT, 5096)                                                                       \
    X(IDS_UNIT_POUND_FORCE_INCH, 5097)                                                                       \
    X(IDS_UNIT_POUND_FORCE_FOOT, 5098)                                                                       \
    X(IDS_NOT_AVAILABLE, 5129)                                                                               \
    X(IDS_TIME, 5144)                                                                                        \
    X(IDS_OFF, 5158)                                                                                         \
    X(IDS_SYSTEM_TIME, 5159)                                                                                 \
    X(IDS_MEASURE_DURATION, 5160)                                                                            \
    X(IDS_MEASURE_COUNT, 5161)                                                                               \
    X(IDS_OVER_RUN, 5162)                                                                                    \
    X(IDS_UNDER_RUN, 5163)                                                                                   \
    X(IDS_RATE_5000_PER_SECOND, 5169)                                                                        \
    X(IDS_RATE_2500_PER_SECOND, 5170)                                                                        \
    X(IDS_RATE_1250_PER_SECOND, 5171)                                                                        \
    X(IDS_RATE_1000_PER_SECOND, 5172)                                                                        \
    X(IDS_RATE_500_PER_SECOND, 5173)                                                                         \
    X(IDS_RATE_250_PER_SECOND, 5174)                                                                         \
    X(IDS_RATE_200_PER_SECOND, 5175)                                                                         \
    X(IDS_RATE_100_PER_SECOND, 5176)                                                                         \
    X(IDS_RATE_50_PER_SECOND, 5177)                                                                          \
    X(IDS_RATE_25_PER_SECOND, 5178)                                                                          \
    X(IDS_RATE_20_PER_SECOND, 5179)                                                                          \
    X(IDS_RATE_10_PER_SECOND, 5180)                                                                          \
    X(IDS_RATE_1_PER_SECOND, 5181)                                                                           \
    X(IDS_RATE_50_PER_MINUTE, 5182)                                                                          \
    X(IDS_RATE_20_PER_MINUTE, 5183)                                                                          \
    X(IDS_RATE_10_PER_MINUTE, 5184)                                                                          \
    X(IDS_RATE_1_PER_MINUTE, 5185)                                                                           \
    X(IDS_RATE_1_PER_HOUR, 5186)                                                                             \
    X(IDS_START_SOURCE_OFF, 5188)                                                                            \
    X(IDS_STOP_SOURCE_OFF, 5189)                                                                             \
    X(IDS_SECONDS, 5190)                                                                                     \
    X(IDS_START, 5194)                                                                                       \
    X(IDS_STOP, 5195)                                                                                        \
    X(IDS_SIGN_PLUS, 5253)                                                                                   \
    X(IDS_SIGN_MINUS, 5254)                                                                                  \
    X(IDS_PROTOCOL_ERROR, 5268)                                                                              \
    X(IDS_STATUS_READY, 5270)                                                                                \
    X(IDS_STATUS_DISCONNECTED, 5271)                                                                         \
    X(IDS_STATUS_MEASURING, 5272)                                                                            \
    X(IDS_STATUS_WAIT_FOR_TRIGGER_START, 5273)                                                               \
    X(IDS_STATUS_WAIT_FOR_TRIGGER_STOP, 5274)                                                                \
    X(IDS_STATUS_STORAGE_PROGRESS, 5291)                                                                     \
    X(IDS_RATE_185_PER_SECOND, 5305)                                                                         \
    X(IDS_RATE_33_PER_SECOND, 5306)                                                                          \
    X(IDS_UNIT_NEWTON, 5328)                                                                                 \
    X(IDS_UNIT_MILLINEWTON, 5329)                                                                            \
    X(IDS_UNIT_KILONEWTON, 5330)                                                                             \
    X(IDS_UNIT_GRAM, 5331)                                                                                   \
    X(IDS_UNIT_KILOGRAM, 5332)                                                                               \
    X(IDS_UNIT_TONNE, 5333)                                                                                  \
    X(IDS_UNIT_MILLIVOLT_PER_VOLT, 5334)                                                                     \
    X(IDS_UNIT_VOLT, 5335)                                                                                   \
    X(IDS_UNIT_MILLIAMPERE, 5336)                                                                            \
    X(IDS_UNIT_MEGANEWTON, 5337)                                                                             \
    X(IDS_UNIT_MILLIGRAM, 5338)                                                                              \
    X(IDS_UNIT_UNKNOWN, 5361)                                                                                \
    X(IDS_UNIT_OUNCE_FORCE, 5363)                                                                            \
    X(IDS_UNIT_POUND_FORCE, 5364)                                                                            \
    X(IDS_UNIT_OUNCE, 5365)                                                                                  \
    X(IDS_UNIT_POUND, 5366)                                                                                  \
    X(IDS_UNIT_MEGANEWTON_METRE, 5367)

MEASUREMENT_TEXTS(DECLARE_TEXT_ID)
