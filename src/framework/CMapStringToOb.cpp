#include "framework/CMapStringToOb.h"

IMPLEMENT_DYNAMIC(CMapStringToOb, CObject)
