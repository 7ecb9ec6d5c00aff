// The navigation tree's item texts (German ids; the tree keeps them as its items' data and keys its
// prompts by them), and those of them that windows above use as well.
#pragma once

#include "framework/TextIds.h"

#define CONTROL_TEXTS(X)                                                                                     \
    X(IDS_TREE_FILE, 5014)                                                                                   \
    X(IDS_TREE_SAVE_MEASURED_VALUES, 5015)                                                                   \
    X(IDS_TREE_SAVE_DIAGRAM, 5016)                                                                           \
    X(IDS_TREE_PRINT, 5017)                                                                                  \
    X(IDS_EXIT, 5018)                                                                                        \
    X(IDS_TREE_OPERATING_MODE, 5019)                                                                         \
    X(IDS_TREE_CONFIGURATION_MODE, 5020)                                                                     \
    X(IDS_TREE_SENSOR_CONNECTION, 5021)                                                                      \
    X(IDS_TREE_SENSOR_INFORMATION, 5022)                                                                     \
    X(IDS_TREE_MEASURE_ADJUST, 5023)                                                                         \
    X(IDS_TREE_DOCUMENTATION, 5024)                                                                          \
    X(IDS_TREE_SENSOR_CALIBRATION, 5025)                                                                     \
    X(IDS_TREE_MEASURE_DIAGRAM, 5026)                                                                        \
    X(IDS_DIAGNOSTIC, 5027)                                                                                  \
    X(IDS_TREE_VIEW, 5028)                                                                                   \
    X(IDS_TREE_DIGITAL_VIEWS, 5029)                                                                          \
    X(IDS_TREE_NAVIGATION_BAR, 5034)                                                                         \
    X(IDS_TREE_STATUS_BAR, 5035)                                                                             \
    X(IDS_TREE_RESET_VIEWS, 5036)                                                                            \
    X(IDS_TREE_LANGUAGE, 5037)                                                                               \
    X(IDS_TREE_GERMAN, 5038)                                                                                 \
    X(IDS_TREE_ENGLISH, 5039)                                                                                \
    X(IDS_TREE_FRENCH, 5040)                                                                                 \
    X(IDS_TREE_SPANISH, 5041)                                                                                \
    X(IDS_TREE_HELP, 5042)                                                                                   \
    X(IDS_INFO, 5043)                                                                                        \
    X(IDS_ADVICE, 5044)                                                                                      \
    X(IDS_DIAGRAM, 5139)                                                                                     \
    X(IDS_CHANNEL_A, 5323)                                                                                   \
    X(IDS_CHANNEL_B, 5324)                                                                                   \
    X(IDS_TREE_IO_NIO, 5431)

CONTROL_TEXTS(DECLARE_TEXT_ID)
