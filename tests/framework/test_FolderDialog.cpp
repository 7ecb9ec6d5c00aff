// The folder dialog's seam: a hook answers in place of the dialog and is replaced in turn.
#include "framework/AfxFolderDialog.h"

#include <gtest/gtest.h>

TEST(FolderDialog, TheHookAnswersInPlaceOfTheDialog)
{
    BROWSEINFOA bi = {};
    bi.lpszTitle = "Ordner";
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    const BROWSEINFOA* pSeen = nullptr;
    AfxSetBrowseForFolderHook(
        [&](BROWSEINFOA& biAsked)
        {
            pSeen = &biAsked;
            return ::ILCreateFromPathA("C:\\windows");
        });
    PIDLIST_ABSOLUTE pidl = AfxBrowseForFolder(bi);
    ASSERT_NE(pidl, nullptr);
    EXPECT_EQ(pSeen, &bi);
    char szPath[MAX_PATH] = {};
    EXPECT_TRUE(::SHGetPathFromIDListA(pidl, szPath));
    EXPECT_STRCASEEQ(szPath, "C:\\windows");
    ::CoTaskMemFree(pidl);

    AFX_BROWSEFOLDER_HOOK previous =
        AfxSetBrowseForFolderHook([](BROWSEINFOA&) { return PIDLIST_ABSOLUTE(nullptr); });
    EXPECT_TRUE(previous);
    EXPECT_EQ(AfxBrowseForFolder(bi), nullptr);
    EXPECT_FALSE(AfxSetBrowseForFolderHook(nullptr) == nullptr);
}
