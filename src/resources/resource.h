// Resource ids shared by the resource scripts and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDS_REGISTRY_KEY 129
