#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace
{
constexpr const char* APP_NAME = "TQ5";
}

CTestApp::CTestApp() : CWinApp(APP_NAME)
{
    SetRegistryKeyOverride(GetTestRegistryKey());
    SetRegistryKey(GetTestRegistryKey());
}

CString CTestApp::GetTestRegistryKey()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    CString strProgram(szPath);
    strProgram = strProgram.Mid(strProgram.ReverseFind('\\') + 1);
    if (strProgram.ReverseFind('.') > 0)
        strProgram = strProgram.Left(strProgram.ReverseFind('.'));
    CString strKey = "TQ5Test\\" + strProgram;
    char szInstance[64] = {};
    if (::GetEnvironmentVariableA("TQ5_TEST_PROFILE", szInstance, sizeof(szInstance)) > 0)
        strKey += CString("\\") + szInstance;
    return strKey;
}

CString CTestApp::GetProfilePath()
{
    return "Software\\" + GetTestRegistryKey() + "\\" + APP_NAME;
}

void CTestApp::ClearTestProfile()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\" + GetTestRegistryKey());
}

int main(int argc, char** argv)
{
    CTestApp::ClearTestProfile();
    CTestApp app;
    app.m_hInstance = ::GetModuleHandleA(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
