// Texts of the port manager: baud rates and comm errors. They are English in every language, so they
// are loaded at their id without a language offset.
#pragma once

#include "framework/TextIds.h"

#define PORT_TEXTS(X)                                                                                        \
    X(IDS_BAUD_110, 13100)                                                                                   \
    X(IDS_BAUD_115200, 13101)                                                                                \
    X(IDS_BAUD_1200, 13102)                                                                                  \
    X(IDS_BAUD_125000, 13103)                                                                                \
    X(IDS_BAUD_14400, 13104)                                                                                 \
    X(IDS_BAUD_172800, 13106)                                                                                \
    X(IDS_BAUD_19200, 13107)                                                                                 \
    X(IDS_BAUD_230400, 13108)                                                                                \
    X(IDS_BAUD_2400, 13109)                                                                                  \
    X(IDS_BAUD_250000, 13110)                                                                                \
    X(IDS_BAUD_256000, 13111)                                                                                \
    X(IDS_BAUD_300, 13112)                                                                                   \
    X(IDS_BAUD_38400, 13113)                                                                                 \
    X(IDS_BAUD_460800, 13114)                                                                                \
    X(IDS_BAUD_4800, 13115)                                                                                  \
    X(IDS_BAUD_57600, 13116)                                                                                 \
    X(IDS_BAUD_600, 13117)                                                                                   \
    X(IDS_BAUD_7200, 13118)                                                                                  \
    X(IDS_BAUD_921600, 13119)                                                                                \
    X(IDS_BAUD_9600, 13120)                                                                                  \
    X(IDS_BAUD_500000, 13155)                                                                                \
    X(IDS_PORT_CANNOT_OPEN, 13133)                                                                           \
    X(IDS_PORT_IN_USE, 13136)                                                                                \
    X(IDS_PORT_SETTINGS_NOT_SUPPORTED, 13139)                                                                \
    X(IDS_COMM_PARITY_ERROR, 13142)                                                                          \
    X(IDS_COMM_OVERRUN_ERROR, 13143)                                                                         \
    X(IDS_COMM_FRAME_ERROR, 13144)                                                                           \
    X(IDS_COMM_TIMEOUT, 13145)                                                                               \
    X(IDS_COMM_IO_ERROR, 13146)                                                                              \
    X(IDS_COMM_UNKNOWN_ERROR, 13147)

PORT_TEXTS(DECLARE_TEXT_ID)
