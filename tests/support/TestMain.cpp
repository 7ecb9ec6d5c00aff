#include "support/TestApp.h"

#include <gtest/gtest.h>

CTestApp::CTestApp() : CWinApp("TQ5")
{
    SetRegistryKeyOverride(TEST_REGISTRY_KEY);
    SetRegistryKey(TEST_REGISTRY_KEY);
}

void CTestApp::ClearTestProfile()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\" TEST_REGISTRY_KEY);
}

int main(int argc, char** argv)
{
    CTestApp::ClearTestProfile();
    CTestApp app;
    app.m_hInstance = ::GetModuleHandleA(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
