// String ids of the docking classes (plain #defines, usable from .rc scripts as well).
#pragma once

#define AFX_IDS_HIDE 0xF011 // the close item of a floating frame's system menu
