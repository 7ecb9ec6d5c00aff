// The application object of every test program; its profile lives under HKCU\Software\TQ5Test.
#pragma once

#include "framework/CWinApp.h"

#define TEST_REGISTRY_KEY "TQ5Test"

class CTestApp : public CWinApp
{
public:
    CTestApp();
    // Removes every profile value the tests wrote.
    static void ClearTestProfile();
};
