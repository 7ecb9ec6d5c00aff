#include "app/CQbxUsbTq5Doc.h"

IMPLEMENT_DYNCREATE(CQbxUsbTq5Doc, CDocument)
