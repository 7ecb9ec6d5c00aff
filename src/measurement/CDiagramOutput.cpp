#include "measurement/CDiagramOutput.h"

CDiagramOutput& CDiagramOutput::None()
{
    static CDiagramOutput s_none;
    return s_none;
}
