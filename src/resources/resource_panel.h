// Resource ids of the operator panel and the light pane beyond those in resource.h.
#pragma once

// Operator panel (page 138)
#define IDC_PANEL_LED_CTRL 1157
#define IDC_PANEL_LED_TRIGGER 1158
#define IDC_PANEL_UNCERTAINTY 1160
#define IDC_PANEL_DEFAULT 1203
#define IDC_PANEL_RATE 1245
#define IDC_PANEL_SERIAL 1246
#define IDC_PANEL_RANGE 1256
#define IDC_PANEL_AUTO_REPEAT 1341

// Light pane (form 210): the picture, a hidden test button and the command no control sends
#define ID_LIGHT_TEST_NEXT 1350
#define IDC_LIGHT_PICTURE 1351
#define IDC_LIGHT_TEST 1352

// Pictures of the light pane
#define IDB_LIGHT_GREY 212
#define IDB_LIGHT_GREEN 213
#define IDB_LIGHT_RED 214
#define IDB_LIGHT_YELLOW 215
