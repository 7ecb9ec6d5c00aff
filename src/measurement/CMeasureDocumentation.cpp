#include "measurement/CMeasureDocumentation.h"

CMeasureDocumentation& CMeasureDocumentation::NoStorage()
{
    static CMeasureDocumentation s_none;
    return s_none;
}
