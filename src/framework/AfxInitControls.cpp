#include "framework/AfxInitControls.h"

void AfxInitCommonControls()
{
    static const BOOL s_bDone = []
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
        return ::InitCommonControlsEx(&icc);
    }();
    (void)s_bDone;
}

BOOL AfxInitRichEdit2()
{
    static const HMODULE s_hRichEdit = ::LoadLibraryA("Riched20.dll");
    return s_hRichEdit != nullptr;
}
