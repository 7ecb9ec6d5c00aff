#include "ports/CPortDetailsEx.h"

#include "ports/CPort.h"

CPortDetailsEx::CPortDetailsEx() : m_pfnFactory(&CPort::Create) {}

CPortDetailsEx::~CPortDetailsEx()
{
    delete m_pOwned;
}
