// The diagnostic page as the sensor engine sees it: its COM combo box, which a search fills with the
// machine's ports and then goes through. The page attaches itself with CComPort::COM_AttachDiagnostic
// when it registers with the main frame and detaches when it is destroyed; without it the engine talks
// to an object of this class, which has no combo box, so a search finds no port.
// Every call runs on the user-interface thread.
#pragma once

class CComboBox;

class CComPortDiagnosticRole
{
public:
    virtual ~CComPortDiagnosticRole() = default;

    virtual CComboBox* Diagnostic_GetPortCombo() { return nullptr; }
};
