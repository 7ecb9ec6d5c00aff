// The start-up search dialog as the sensor engine sees it: the progress of a search. The dialog
// attaches itself with CComPort::COM_AttachStartUp when it registers with the main frame and detaches
// when it is destroyed; without it the engine talks to an object of this class, which shows nothing.
// Every call runs on the user-interface thread.
#pragma once

class CComPortStartUpRole
{
public:
    virtual ~CComPortStartUpRole() = default;

    // A search over iPorts ports begins.
    virtual void StartUp_InitSearchProgress(int /*iPorts*/) {}
    // iEntry: the count of ports still to search (the row of the port tested next).
    virtual void StartUp_SetSearchedPort(int /*iEntry*/) {}
    // iHow 0: one sub-step of the port under test; 1: one whole port.
    virtual void StartUp_AdvanceSearchProgress(int /*iHow*/) {}
    virtual void StartUp_ShowSearchFailed() {}
    virtual void StartUp_HideSearchProgress() {}
    // The first search found a sensor: the dialog goes.
    virtual void StartUp_Hide() {}
};
