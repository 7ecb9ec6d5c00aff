// The messages by which the view, the panes and the dialogs enter themselves in the main frame's
// window table (wParam: the window; lParam: ignored), the kind codes of the table's slots, and the
// ids of the operating-mode pages.
#pragma once

#include "framework/AfxWin32.h"

constexpr UINT WM_REGISTER_VIEW = WM_USER + 0;
constexpr UINT WM_REGISTER_DLG_LMBK = WM_USER + 1;
constexpr UINT WM_REGISTER_DLG_SENSOR_CONNECTION = WM_USER + 2;
constexpr UINT WM_REGISTER_DLG_SENSOR_INFORMATION = WM_USER + 3;
constexpr UINT WM_REGISTER_DLG_MEASURE_ADJUST = WM_USER + 4;
constexpr UINT WM_REGISTER_DLG_DOCUMENTATION = WM_USER + 5;
constexpr UINT WM_REGISTER_DLG_SENSOR_CALIBRATION = WM_USER + 6;
constexpr UINT WM_REGISTER_DLG_MEASURE_DIAGRAM = WM_USER + 7;
constexpr UINT WM_REGISTER_DLG_DIAGNOSTIC = WM_USER + 8;
constexpr UINT WM_REGISTER_CHANNEL_A = 0x3F2;
constexpr UINT WM_REGISTER_CHANNEL_B = 0x3F6;
constexpr UINT WM_REGISTER_DIAGRAM = 0x4BA;
constexpr UINT WM_REGISTER_LIGHT = 0x5F5;
constexpr UINT WM_REGISTER_DLG_CALIB_DO_CALIB = 0x4CD;
constexpr UINT WM_REGISTER_DLG_CALIB_VALUE_ZERO = 0x4CE;
constexpr UINT WM_REGISTER_DLG_CALIB_VALUE_END = 0x4CF;
constexpr UINT WM_REGISTER_DLG_CALIB_WRONG_SCALE = 0x4D0;
constexpr UINT WM_REGISTER_DLG_CALIB_DELETE = 0x4D1;
constexpr UINT WM_REGISTER_DLG_STARTUP = 0x4EC;

// lParam of the panes' registrations.
constexpr LPARAM REGISTER_PANE_VALUE = 222;

// Kind codes of the window table's slots.
constexpr int REGISTER_KIND_CHANNEL_A = 0;
constexpr int REGISTER_KIND_CHANNEL_B = 1;
constexpr int REGISTER_KIND_LIGHT = 2;
constexpr int REGISTER_KIND_VIEW = 1024;
constexpr int REGISTER_KIND_DLG_LMBK = 1025;
constexpr int REGISTER_KIND_DLG_SENSOR_CONNECTION = 1026;
constexpr int REGISTER_KIND_DLG_SENSOR_INFORMATION = 1027;
constexpr int REGISTER_KIND_DLG_MEASURE_ADJUST = 1028;
constexpr int REGISTER_KIND_DLG_DOCUMENTATION = 1029;
constexpr int REGISTER_KIND_DLG_SENSOR_CALIBRATION = 1030;
constexpr int REGISTER_KIND_DLG_MEASURE_DIAGRAM = 1031;
constexpr int REGISTER_KIND_DLG_DIAGNOSTIC = 1032;
constexpr int REGISTER_KIND_DIAGRAM = 1210;
constexpr int REGISTER_KIND_DLG_CALIB_DO_CALIB = 1229;
constexpr int REGISTER_KIND_DLG_CALIB_VALUE_ZERO = 1230;
constexpr int REGISTER_KIND_DLG_CALIB_VALUE_END = 1231;
constexpr int REGISTER_KIND_DLG_CALIB_WRONG_SCALE = 1232;
constexpr int REGISTER_KIND_DLG_CALIB_DELETE = 1233;
constexpr int REGISTER_KIND_DLG_STARTUP = 1260;

// ModePageId: an operating-mode page is named by its dialog template id.
constexpr int MODE_PAGE_START = 131;
constexpr int MODE_PAGE_SENSOR_CONNECTION = 133;
constexpr int MODE_PAGE_SENSOR_INFORMATION = 202;
constexpr int MODE_PAGE_MEASURE_ADJUST = 135;
constexpr int MODE_PAGE_DOCUMENTATION = 136;
constexpr int MODE_PAGE_SENSOR_CALIBRATION = 137;
constexpr int MODE_PAGE_MEASURE_DIAGRAM = 138;
constexpr int MODE_PAGE_DIAGNOSTIC = 139;
