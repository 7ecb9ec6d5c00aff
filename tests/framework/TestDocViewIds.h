// Ids of the document/view, menu and status bar test resources in test_docview.rc.
#pragma once

#define IDR_TEST_FRAME 61000
#define IDD_TEST_FORM 61100
#define IDC_TEST_FORM_EDIT 61101

// Commands of the test menu (with status prompts) and the routing test.
#define ID_TEST_HANDLED 61010
#define ID_TEST_DISABLED 61011
#define ID_TEST_CHECKED 61012
#define ID_TEST_NOHANDLER 61013
#define ID_ROUTE_VIEW 61030
#define ID_ROUTE_DOC 61031
#define ID_ROUTE_FRAME 61032
#define ID_ROUTE_APP 61033
#define ID_ROUTE_SHARED 61034

// Status bar indicators.
#define ID_TEST_INDICATOR_A 61020
#define ID_TEST_INDICATOR_B 61021
