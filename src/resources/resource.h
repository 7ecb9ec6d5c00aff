// Resource ids shared by the resource scripts and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDS_REGISTRY_KEY 129

// Trace window
#define IDD_DLG_TRACE 103
#define IDC_RICHEDIT_TRACE 1320
#define IDC_BTN_CLEAR_TRACE 1348
