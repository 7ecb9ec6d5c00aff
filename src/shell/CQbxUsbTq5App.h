// The application object.
#pragma once

#include "framework/CWinApp.h"

class CQbxUsbTq5App : public CWinApp
{
public:
    CQbxUsbTq5App();

    BOOL InitInstance() override;
};
