// What the browse control needs of its page: the page hook chosen by a control's notification id
// (180, 220, 181 the documentation page's directories; 311, 312 the measurement page's programs; other
// ids call no hook). The window a browse control lies on implements it; the control takes its parent as
// its host when it is made. User-interface thread only.
#pragma once

#include "framework/AfxWin32.h"

class CEdit;

class CPathBrowseHost
{
public:
    virtual ~CPathBrowseHost() = default;

    // The text of the path field pEdit of a browse control with notification id nNotifyCode changed.
    virtual void OnPathBrowseChange(UINT nNotifyCode, CEdit* pEdit) = 0;
};
