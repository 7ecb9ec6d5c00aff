// The application object of every test program. Its profile lives under a key of the program's own,
// HKCU\Software\TQ5Test\<program>, so programs that ctest runs at once keep their settings apart.
#pragma once

#include "framework/CWinApp.h"

class CTestApp : public CWinApp
{
public:
    CTestApp();
    // "TQ5Test\<program>"; a second instance that a test starts adds "\<TQ5_TEST_PROFILE>".
    static CString GetTestRegistryKey();
    // "Software\<test registry key>\TQ5": the application's profile under HKEY_CURRENT_USER.
    static CString GetProfilePath();
    // Removes every profile value this program wrote.
    static void ClearTestProfile();
};
