#include "measurement/CAFormChannelB.h"

#include "shell/ShellMessages.h"

IMPLEMENT_DYNCREATE(CAFormChannelB, CChannelPane)

CAFormChannelB::CAFormChannelB() : CChannelPane(1, WM_REGISTER_CHANNEL_B, TIMER_FIRST_FIELD) {}
