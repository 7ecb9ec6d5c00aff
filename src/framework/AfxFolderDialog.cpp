#include "framework/AfxFolderDialog.h"

namespace
{
AFX_BROWSEFOLDER_HOOK& BrowseHook()
{
    static AFX_BROWSEFOLDER_HOOK s_hook;
    return s_hook;
}
} // namespace

PIDLIST_ABSOLUTE AfxBrowseForFolder(BROWSEINFOA& bi)
{
    if (BrowseHook())
        return BrowseHook()(bi);
    return ::SHBrowseForFolderA(&bi);
}

AFX_BROWSEFOLDER_HOOK AfxSetBrowseForFolderHook(AFX_BROWSEFOLDER_HOOK hook)
{
    AFX_BROWSEFOLDER_HOOK previous = std::move(BrowseHook());
    BrowseHook() = std::move(hook);
    return previous;
}
