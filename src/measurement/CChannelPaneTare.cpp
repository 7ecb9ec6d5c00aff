#include "measurement/CChannelPaneTare.h"

#include "framework/CWnd.h"

CChannelPaneTare& CChannelPaneTare::FromWindow(CWnd* pPane)
{
    static CChannelPaneTare s_none;
    CChannelPaneTare* pTarePane = dynamic_cast<CChannelPaneTare*>(pPane);
    return pTarePane ? *pTarePane : s_none;
}
