// The documentation page as the sensor engine sees it. The page attaches itself with
// CComPort::COM_AttachDocumentation when it registers with the main frame and detaches when it is
// destroyed; without it the engine talks to an object of this class, which keeps nothing.
// Every call runs on the user-interface thread.
#pragma once

#include "framework/AfxWin32.h"

class CComPortDocumentationRole
{
public:
    virtual ~CComPortDocumentationRole() = default;

    // The stream lost a record: the measurement's stop time for the files.
    virtual void Documentation_SetStopTime(__time64_t /*tStop*/) {}
};
