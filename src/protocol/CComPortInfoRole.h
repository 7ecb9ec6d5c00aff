// The sensor-information page as the sensor engine sees it. The page attaches itself with
// CComPort::COM_AttachInfo when it registers with the main frame and detaches when it is destroyed;
// without it the engine talks to an object of this class, which shows nothing. Every call runs on the
// user-interface thread.
#pragma once

class CComPortInfoRole
{
public:
    virtual ~CComPortInfoRole() = default;

    // The connected sensor's configuration has been read completely.
    virtual void Info_SetDataValid() {}
    // Refills the page from the sensor record; with bOnlyWhenVisible only while the page is shown.
    virtual void Info_UpdatePage(bool /*bOnlyWhenVisible*/) {}
};
