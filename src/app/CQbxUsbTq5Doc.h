// The document: it holds no data; every value and setting lives in the main frame and the pages.
#pragma once

#include "framework/CDocument.h"

class CQbxUsbTq5Doc : public CDocument
{
    DECLARE_DYNCREATE(CQbxUsbTq5Doc)

public:
    CQbxUsbTq5Doc() = default;
};
