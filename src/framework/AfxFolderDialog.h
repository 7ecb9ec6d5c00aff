// The shell's folder dialog, with a seam for tests.
#pragma once

#include "framework/AfxWin32.h"

#include <shlobj.h>

#include <functional>

// While set, AfxBrowseForFolder calls the hook instead of showing the dialog; the hook answers as the
// dialog would: the chosen item (allocated with the shell's allocator) or null for Cancel.
typedef std::function<PIDLIST_ABSOLUTE(BROWSEINFOA& bi)> AFX_BROWSEFOLDER_HOOK;

// Runs the folder dialog described by bi; the chosen item, which the caller frees with the shell's
// allocator, or null when the user cancelled.
PIDLIST_ABSOLUTE AfxBrowseForFolder(BROWSEINFOA& bi);
// Sets the hook (an empty one restores the dialog); returns the previous hook.
AFX_BROWSEFOLDER_HOOK AfxSetBrowseForFolderHook(AFX_BROWSEFOLDER_HOOK hook);
