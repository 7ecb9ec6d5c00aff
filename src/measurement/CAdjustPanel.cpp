#include "measurement/CAdjustPanel.h"

#include "framework/CWnd.h"

CAdjustPanel& CAdjustPanel::FromWindow(CWnd* pPanel)
{
    static CAdjustPanel s_none;
    CAdjustPanel* pAdjustPanel = dynamic_cast<CAdjustPanel*>(pPanel);
    return pAdjustPanel ? *pAdjustPanel : s_none;
}
