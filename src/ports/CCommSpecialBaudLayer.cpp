#include "ports/CCommSpecialBaudLayer.h"

#include "ports/CFakeBaud2.h"

bool CCommSpecialBaudLayer::ApplyDcb(const DCB* pDcb)
{
    m_dcb = *pDcb;
    m_dcb.BaudRate =
        static_cast<DWORD>(TranslateBaudRate(GetOwnerPortName(), static_cast<int>(m_dcb.BaudRate)));
    return CComm2::ApplySettings();
}
