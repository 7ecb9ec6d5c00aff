// Standard ids of the framework: strings, commands and window ids (plain #defines, usable from .rc
// scripts as well).
#pragma once

// Strings
#define AFX_IDS_APP_TITLE 0xE000   // the application's name
#define AFX_IDS_IDLEMESSAGE 0xE001 // the status text when nothing else is shown
#define AFX_IDS_SCFIRST 0xEF00     // prompts of the system commands: AFX_IDS_SCFIRST + (SC_xxx - 0xF000) / 16
#define AFX_IDS_SCCLOSE 0xEF06
#define AFX_IDS_UNTITLED 0xF000 // the title of a new document
#define AFX_IDS_PREVIEW_CLOSE 0xF005

// Commands
#define ID_SEPARATOR 0
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141

// Window ids
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#define AFX_IDW_PANE_FIRST 0xE900 // the frame's view
#define AFX_IDW_PANE_LAST 0xE9FF
