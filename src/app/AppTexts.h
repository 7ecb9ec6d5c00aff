// Texts of the main frame: its menu, the captions of its docking bars, the buttons of the channel
// panes and its own messages (German ids).
#pragma once

#include "framework/TextIds.h"

#define APP_TEXTS(X)                                                                                         \
    X(IDS_MENU_FILE, 5045)                                                                                   \
    X(IDS_MENU_SAVE_MEASURED_VALUES, 5046)                                                                   \
    X(IDS_MENU_SAVE_DIAGRAM, 5047)                                                                           \
    X(IDS_MENU_PRINT, 5048)                                                                                  \
    X(IDS_MENU_EXIT, 5049)                                                                                   \
    X(IDS_MENU_OPERATING_MODE, 5050)                                                                         \
    X(IDS_MENU_CONFIGURATION_MODE, 5051)                                                                     \
    X(IDS_MENU_VIEW, 5059)                                                                                   \
    X(IDS_MENU_DIGITAL_VIEWS, 5060)                                                                          \
    X(IDS_MENU_NAVIGATION_BAR, 5065)                                                                         \
    X(IDS_MENU_STATUS_BAR, 5066)                                                                             \
    X(IDS_MENU_RESET_VIEWS, 5067)                                                                            \
    X(IDS_MENU_LANGUAGE, 5068)                                                                               \
    X(IDS_MENU_GERMAN, 5069)                                                                                 \
    X(IDS_MENU_ENGLISH, 5070)                                                                                \
    X(IDS_MENU_FRENCH, 5071)                                                                                 \
    X(IDS_MENU_HELP, 5073)                                                                                   \
    X(IDS_MENU_INFO, 5074)                                                                                   \
    X(IDS_MENU_ADVICE, 5075)                                                                                 \
    X(IDS_BAR_NAVIGATION, 5076)                                                                              \
    X(IDS_MIN_RESET, 5089)                                                                                   \
    X(IDS_MAX_RESET, 5090)                                                                                   \
    X(IDS_RESET_VIEWS_QUESTION, 5109)                                                                        \
    X(IDS_MENU_DIAGRAM, 5286)                                                                                \
    X(IDS_STORAGE_SPEED, 5294)                                                                               \
    X(IDS_BAR_CHANNEL_A, 5325)                                                                               \
    X(IDS_BAR_CHANNEL_B, 5326)                                                                               \
    X(IDS_BAR_LIGHT, 5437)

APP_TEXTS(DECLARE_TEXT_ID)
