#include "measurement/CAFormChannelA.h"

#include "shell/ShellMessages.h"

IMPLEMENT_DYNCREATE(CAFormChannelA, CChannelPane)

CAFormChannelA::CAFormChannelA() : CChannelPane(0, WM_REGISTER_CHANNEL_A, TIMER_FIRST_FIELD) {}
