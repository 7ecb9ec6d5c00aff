// Messages, event bits, port states and callback types shared by the port manager and its clients.
#pragma once

// Default message numbers of the protocol's port manager (the owner may choose others).
constexpr unsigned int WM_PORTMAN_DATA = 0x0400 + 10;  // SendMessage: wParam byte count, lParam bytes
constexpr unsigned int WM_PORTMAN_EVENT = 0x0400 + 14; // PostMessage: wParam event bits, lParam value

// Event bits; the low 16 bits are the serial events of the comm API.
constexpr unsigned long EV_STATUS = 0x1000000;
constexpr unsigned long EV_PNP_ARRIVE = 0x10000000;
constexpr unsigned long EV_PNP_REMOVE = 0x20000000;
constexpr unsigned long EV_USER1 = 0x40000000;
constexpr unsigned long EV_USER2 = 0x80000000;
constexpr unsigned long EV_PORTMAN_DEFAULT = 0x31000158;

enum PortState : int
{
    PORT_OPEN = 0,
    PORT_CLOSED = 1,
    PORT_GRANTED = 2,
    PORT_LOST = 3,
    PORT_REOPENING = 4
};

template <class R, class A1, class A2> class CPortFunctor2
{
public:
    virtual ~CPortFunctor2() = default;
    virtual R operator()(A1 a1, A2 a2) = 0;
};

template <class T, class R, class A1, class A2> class TSpecificPortFunctor2 : public CPortFunctor2<R, A1, A2>
{
public:
    using MemberFn = R (T::*)(A1, A2);
    TSpecificPortFunctor2(T* pObject, MemberFn pfn) : m_pObject(pObject), m_pfn(pfn) {}
    R operator()(A1 a1, A2 a2) override { return (m_pObject->*m_pfn)(a1, a2); }

private:
    T* m_pObject;
    MemberFn m_pfn;
};

using CPortDataCallback = CPortFunctor2<bool, unsigned char*, unsigned int>;
using CPortEventCallback = CPortFunctor2<bool, unsigned long, unsigned long>;

class CPort;
class CPortMan;
using PortFactory = CPort* (*)(CPortMan* pOwner, unsigned char ucPortFlag);
